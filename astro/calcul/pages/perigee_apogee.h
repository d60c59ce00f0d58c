// Perigees and apogees of the Moon over a span of years: instants and parallaxes from
// the mean anomalistic month and its periodic terms, and the distance from the Moon's
// distance series at the instant found. Instants are JDE (Dynamical Time, no Delta T).
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on the Moon's perigee and
// apogee.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/rapport.h"
#include "calcul/recherche.h"
#include "calcul/temps_civil.h"

namespace almanax {

// Sums of periodic terms for one candidate; T in Julian centuries, the angles D, M and
// F in radians.
long double correction_perigee(long double T, long double F, long double M, long double D);  // days
long double correction_apogee(long double T, long double F, long double M, long double D);   // days
long double parallaxe_perigee(long double T, long double F, long double M, long double D);   // arcseconds
long double parallaxe_apogee(long double T, long double F, long double M, long double D);    // arcseconds

enum class passage_lunaire { perigee, apogee };

struct passage_trouve {
  passage_lunaire genre = passage_lunaire::perigee;
  long double k = 0;  // whole for a perigee, + 0.5 for an apogee
  long double jde = 0;
  long double parallaxe = 0;  // arcseconds
  long double distance = 0;   // km, from the Moon's series, unrounded
  valeurs_evenement date;     // as shown: on the zone's clock in civil time
  ligne_liste ligne;          // "Périgée" or "Apogée"; date, time, parallax, distance texts
  int decalage = 0;           // civil time: the zone's offset from UTC at the instant, seconds
};

// Instant and parallax of one candidate, without its texts or distance.
passage_trouve passage(long double k, passage_lunaire genre);

// The page's texts: "5 Janvier 1992", "20 h 30 m 11 s" (truncated), "0° 54' 01\""
// (seconds rounded at apogee, truncated at perigee, with carries), "406386 km".
std::string texte_date_passage(const valeurs_evenement& d);
std::string texte_heure_passage(const valeurs_evenement& d);
std::string texte_parallaxe(long double secondes_d_arc, passage_lunaire genre);
std::string texte_distance(long double km);

struct resultat_perigees {
  std::vector<passage_trouve> passages;  // in the page's order: per pass the apogee, then the perigee
  bool interrompue = false;              // stopped by the caller before its end
};

// The perigees and/or apogees whose calendar year lies in premiere .. derniere
// (astronomical years). Nothing when both kinds are left out or derniere < premiere.
// The years are those of the instants as computed (TT), whatever the clock the rows are
// shown on: in civil time a pass in the last hours of 31 December can show as 1 January
// of the next year.
resultat_perigees perigees_apogees(long long premiere, long long derniere, bool perigees, bool apogees,
                                   const suivi_recherche& suivi = {}, const echelle_temps& echelle = {});

// The same search handing each row to `recevoir` (on the calling thread, in the list's
// order) instead of keeping them all: long spans printed as they are found. True when
// it was stopped by the caller; the rows handed on are then a beginning of the list.
bool parcourir_perigees_apogees(long long premiere, long long derniere, bool perigees, bool apogees,
                                const std::function<void(passage_trouve&&)>& recevoir,
                                const suivi_recherche& suivi = {}, const echelle_temps& echelle = {});

// A row's date and time texts (its first two columns) for its instant, on the clock of
// `echelle`: the list shown again on another clock. Returns the zone's offset there.
int dater_ligne_perigee(ligne_liste& l, long double jde, const echelle_temps& echelle);

// The copy's first two lines, and one row of it with its CR LF; in civil time the title
// names the clock (`mention`, the first row's) and a row may end with its offset
// (`marque`, see heures_des_listes.h).
inline constexpr std::string_view entete_copie_perigees = "Périgées et apogées \r\n\r\n";
std::string entete_copie_perigees_a(std::string_view mention);
std::string ligne_copie_perigee(const ligne_liste& l, std::string_view marque = {});

// The page's copy of its list (the rows of every search since it was last emptied):
// "Périgées et apogées ", an empty line, one line per row, an empty line; nothing
// when the list is empty.
std::string copie_perigees(const std::vector<ligne_liste>& lignes);
// The same in civil time: `decalages` holds each row's offset (empty: times as they stand).
std::string copie_perigees_avec_decalages(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages);

}  // namespace almanax
