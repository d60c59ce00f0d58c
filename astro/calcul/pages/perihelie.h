// Passages of the planets through perihelion and aphelion over a span of years: a
// quadratic in the revolution number (with the Moon's perturbation for the Earth), and
// the heliocentric distance at each instant from the planetary series.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on the planets in perihelion
// and aphelion.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/rapport.h"
#include "calcul/recherche.h"
#include "calcul/temps_civil.h"

namespace almanax {

// The planets of the page, in the order of its buttons and of the search.
enum class planete_perihelie { mercure, venus, terre, mars, jupiter, saturne, uranus, neptune };
inline constexpr int nombre_planetes_perihelie = 8;

// "Mercure", "Vénus", "Terre", ...
const char* nom_planete_perihelie(planete_perihelie p);
// Image of the row in the page's image list (4 Mercure, 5 Vénus, 12 Terre, 6 Mars ... 10 Neptune).
int image_perihelie(planete_perihelie p);

// Revolution number (whole, truncated towards zero) of the year, where a search starts.
long long premiere_revolution(planete_perihelie p, long long annee);
// Instant (JDE) of the passage k: whole k for a perihelion, k + 0.5 for an aphelion.
long double instant_passage(planete_perihelie p, long double k);
// Heliocentric distance (AU) of the planet at the instant.
long double rayon_vecteur(planete_perihelie p, long double jde);

struct passage_perihelie {
  planete_perihelie planete = planete_perihelie::mercure;
  bool aphelie = false;
  long double k = 0;        // revolution number (+ 0.5 for an aphelion)
  long double jde = 0;      // instant, Julian Ephemeris Day
  long double rayon = 0;    // heliocentric distance at that instant, AU
  std::string nom_planete;  // caption: "Terre"
  int image = 4;
  std::string passage;           // "Périhélie" or "Aphélie"
  std::string date;              // " 3 Janvier 1992 à 15 h "
  std::string texte_rayon;       // "0,983281"
  instant_a_la_seconde instant;  // the same instant to the second, carries made
  int decalage = 0;              // civil time: the zone's offset from UTC at the instant, seconds
};

// The row as the list view holds it: caption, passage, date, distance.
ligne_liste ligne_du_passage(const passage_perihelie& p);

// Years as the page's spins hold them, compared with the years of the event dates
// (astronomical numbering, year 0 = 1 BC).
inline constexpr int annee_perihelies_min = -4713;
inline constexpr int annee_perihelies_max = 9999;

struct recherche_perihelies {
  long long premiere_annee = 1992;
  long long derniere_annee = 1993;
  std::array<bool, nombre_planetes_perihelie> planetes{true, true, true, true, true, true, true, true};
};

struct resultat_perihelies {
  std::vector<passage_perihelie> lignes;  // as the list shows them: sorted by planet name
  bool interrompue = false;               // stopped by the progress callback
  std::string message;                    // why nothing was computed, in French; empty otherwise
};

// Every passage of the selected planets whose date falls in the years, sorted by planet
// name (each planet: its perihelia, then its aphelia, in time order). Distances are
// written with the decimal separator given. The progress goes from 0 to 1; returning
// false stops the search, which then returns the rows found so far. The dates are shown
// on the clock of `echelle`; the years are those of the instants as computed (TT), so in
// civil time a passage in the last hours of 31 December can show as 1 January of the
// next year.
resultat_perihelies perihelies_aphelies(const recherche_perihelies& recherche, std::string_view separateur = ",",
                                        const suivi_recherche& suivi = {}, const echelle_temps& echelle = {});

// The page's list after a search: earlier rows, then the new ones, sorted by caption.
void trier_lignes_perihelies(std::vector<ligne_liste>& lignes);

// The text the page's copy button appends: "" for an empty list.
std::string copie_perihelies(const std::vector<ligne_liste>& lignes);
// The same in civil time: `decalages` holds each row's offset (empty: times as they
// stand); the title names the first row's clock and a row whose offset differs from the
// previous row's gives its own after its date.
std::string copie_perihelies_avec_decalages(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages);

// A row's date text (its second column) for its instant, on the clock of `echelle`: the
// list shown again on another clock. Returns the zone's offset there.
int dater_ligne_perihelie(ligne_liste& l, long double jde, const echelle_temps& echelle);

}  // namespace almanax
