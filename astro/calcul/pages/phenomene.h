// Conjunctions and oppositions of the planets over a span of years: a linear mean
// instant per event number plus a trigonometric correction; no planet position is
// computed. Mercury and Venus have inferior and superior conjunctions, Mars to Neptune
// oppositions and conjunctions with the Sun.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on planetary conjunctions and
// oppositions (mean instants and periodic terms).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/rapport.h"
#include "calcul/recherche.h"
#include "calcul/temps_civil.h"

namespace almanax {

// The planets of the page, in the order of its buttons and of the search.
enum class planete_phenomene { mercure, venus, mars, jupiter, saturne, uranus, neptune };
inline constexpr int nombre_planetes_phenomene = 7;

// Inferior conjunction (Mercury, Venus) or opposition; superior conjunction or conjunction.
enum class genre_phenomene { inferieure_ou_opposition = 0, superieure_ou_conjonction = 1 };

// "Mercure", "Vénus", ..., the caption of the rows and of the page's buttons.
const char* nom_planete_phenomene(planete_phenomene p);
// "Conjonction inférieure", "Conjonction supérieure", "Opposition" or "Conjonction".
const char* texte_phenomene(planete_phenomene p, genre_phenomene g);
// Image of the row in the page's image list (4 Mercure ... 10 Neptune).
int image_phenomene(planete_phenomene p);

// First event number of a search that starts with the given year.
long long premier_numero(planete_phenomene p, genre_phenomene g, long long premiere_annee);
// The periodic correction in days, for the mean anomaly M (radians, unreduced) and the
// time T in Julian centuries from J2000.0.
long double correction_phenomene(planete_phenomene p, genre_phenomene g, long double M, long double T);
// Instant (JDE, Dynamical Time) of the event number k.
long double instant_phenomene(planete_phenomene p, genre_phenomene g, long long k);

// One row of the list.
struct phenomene_trouve {
  planete_phenomene planete = planete_phenomene::mercure;
  genre_phenomene genre = genre_phenomene::inferieure_ou_opposition;
  long long k = 0;          // event number
  long double jde = 0;      // instant, Julian Ephemeris Day
  std::string nom_planete;  // caption: "Mercure"
  int image = 4;
  std::string phenomene;         // "Conjonction inférieure"
  std::string date;              // " 6 Novembre 1993 à 3 h "
  instant_a_la_seconde instant;  // the same instant to the second, carries made
  int decalage = 0;              // civil time: the zone's offset from UTC at the instant, seconds
};

// The row as the list view holds it: caption, phenomenon, date.
ligne_liste ligne_du_phenomene(const phenomene_trouve& p);

// Years as the page's spins hold them, compared with the years of the event dates
// (astronomical numbering, year 0 = 1 BC).
inline constexpr int annee_phenomenes_min = -4713;
inline constexpr int annee_phenomenes_max = 9999;

struct recherche_phenomenes {
  long long premiere_annee = 1992;
  long long derniere_annee = 1993;
  std::array<bool, nombre_planetes_phenomene> planetes{true, true, true, true, true, true, true};
};

struct resultat_phenomenes {
  std::vector<phenomene_trouve> lignes;  // as the list shows them: sorted by planet name
  bool interrompue = false;              // stopped by the progress callback
  std::string message;                   // why nothing was computed, in French; empty otherwise
};

// Every selected event whose date falls in the years, sorted by planet name (rows of one
// planet in search order). The progress goes from 0 to 1; returning false stops the
// search, which then returns the rows found so far. The dates are shown on the clock of
// `echelle`; the years are those of the instants as computed (TT), so in civil time an
// event in the last hours of 31 December can show as 1 January of the next year.
resultat_phenomenes phenomenes_planetaires(const recherche_phenomenes& recherche, const suivi_recherche& suivi = {},
                                           const echelle_temps& echelle = {});

// The page's list after a search: earlier rows, then the new ones, sorted by caption.
void trier_lignes_phenomenes(std::vector<ligne_liste>& lignes);

// The text the page's copy button appends: "" for an empty list.
std::string copie_phenomenes(const std::vector<ligne_liste>& lignes);
// The same in civil time: `decalages` holds each row's offset (empty: times as they
// stand); the title names the first row's clock and a row whose offset differs from the
// previous row's gives its own after its date.
std::string copie_phenomenes_avec_decalages(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages);

// A row's date text (its second column) for its instant, on the clock of `echelle`: the
// list shown again on another clock. Returns the zone's offset there.
int dater_ligne_phenomene(ligne_liste& l, long double jde, const echelle_temps& echelle);

}  // namespace almanax
