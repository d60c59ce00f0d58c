// The "Dates" page: weekday and day of the year of two dates, the interval between
// them, the equinoxes and solstices, Easter and the leap year of one year.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapters on the date of Easter and on
// equinoxes and solstices.
#pragma once

#include <array>
#include <string>

#include "calcul/calendrier.h"
#include "calcul/rapport.h"
#include "calcul/temps_civil.h"

namespace almanax {

struct instant_saisi {
  date_jma date;  // historical year (no year 0)
  int heure = 0, minute = 0, seconde = 0, milliseconde = 0;
};

struct jour_de_date {
  long double jour_julien = 0;
  std::string nom_du_jour;  // "samedi"
  int rang_du_jour = 0;
  std::string texte_nom;   // " Nom du jour : samedi"
  std::string texte_rang;  // " Rang du jour : 1"
};

struct equinoxe_solstice {
  long double jde = 0;  // Dynamical Time
  std::string texte;    // ": 20 Mars\t1998 à 19 h 55 m"
  int decalage = 0;     // civil time: the zone's offset from UTC at the instant, seconds
};

struct resultat_dates {
  jour_de_date date1, date2;
  long double intervalle_jours = 0;          // |JD2 - JD1|; in civil time, between the two instants of UT
  std::string texte_intervalle;              // " L'intervalle entre ces deux dates est de : 01 jour 0 h 00 m 00 s"
  int annee = 0;                             // the group's year as typed (historical)
  int annee_saisons = 0;                     // the same, limited to -1000..3000 for the equinoxes
  std::array<equinoxe_solstice, 4> saisons;  // March, June, September, December
  int paques_jour = 0, paques_mois = 0;
  std::string texte_paques;  // ": 5 Avril"
  bool bissextile = false;
  std::string texte_bissextile;  // ": Bissextile" / ": Non bissextile"
};

// Julian day of a date (historical year) and clock time as a page holds them.
long double jour_julien_saisi(const instant_saisi& instant);
// The copies' date block for a typed instant.
champs_bloc_date champs_bloc_date_de(const instant_saisi& instant);
// Weekday and day of the year of one date and time (the Julian day with it).
jour_de_date calculer_jour(const instant_saisi& instant);
// " L'intervalle entre ces deux dates est de : ..." for a number of days >= 0.
std::string texte_intervalle(long double jours);
// The 24-term periodic correction of the equinox and solstice instants.
long double equinoxe_correction(long double T);
// Instant (JDE) of the March equinox (0), June solstice (1), September equinox (2) or
// December solstice (3) of an astronomical year in -999..3000.
long double instant_saison(int annee_astronomique, int saison);
// Easter Sunday (day, month) of an astronomical year: Julian rule before 1583.
date_jma paques(int annee_astronomique);

// The whole page. annee is the group's year in historical numbering.
//
// In civil time (`echelle`) the two dates and times are the zone's clock: their weekdays
// and days of the year are those of the dates as typed, and the interval is the time
// that passes between the two instants, the clock changes taken out (on the night of
// the spring change in Paris, 1 h to 4 h is 2 hours) and ΔT left aside, as clocks count
// it. The equinoxes and solstices are shown on the zone's clock: the first one's text
// ends with the clock ("(heure légale, UTC+1)"), each other one whose offset differs
// from the one before with its own ("(UTC+2)").
resultat_dates calculer_dates(const instant_saisi& premier, const instant_saisi& second, int annee,
                              const echelle_temps& echelle = {});

// The page's labels as "caption TAB value" lines, CR LF.
std::string rapport_dates(const resultat_dates& r);

}  // namespace almanax
