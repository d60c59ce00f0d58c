// Julian day and calendar: Julian calendar up to 4 October 1582, Gregorian from
// 15 October 1582, astronomical years (year 0 = 1 BC) unless said otherwise.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapters on the Julian day and the date
// of Easter.
#pragma once

#include <cstdint>
#include <string>

#include "calcul/numerique.h"

namespace almanax {

// The date being computed. Each page fills one before it calls the computations.
struct date_de_calcul {
  long double jour = 0;   // day of the month; may hold 0 or a day past the month's end
  long double mois = 0;   // 1..12
  long double annee = 0;  // astronomical year
  std::uint16_t heure = 0, minute = 0, seconde = 0, milliseconde = 0;
  long double heure_r = 0, minute_r = 0, seconde_r = 0;  // written by julien
  long double jour_julien = 0;                           // rounded to the 48-bit storage format
  std::string nom_du_jour;                               // "dimanche" .. "samedi"
  std::int32_t facteur_k = 0;                            // 1 leap year, 2 common year
  std::int32_t rang_du_jour = 0;                         // 1..366
};

// Historical years (no year 0, as the pages show them) <-> astronomical years (year 0
// = 1 BC, as the computations count them).
long long annee_astronomique(long long annee_historique);
long long annee_historique(long long annee_astronomique);

// Julian day, weekday name, leap factor and day of the year from the date and time.
void julien(date_de_calcul& d);
// The calendar part of julien: weekday name, leap factor and day of the year only.
void jour_de_la_semaine(date_de_calcul& d);
// Leap factor of d.annee into d.facteur_k.
void bissextile(date_de_calcul& d);
// true when the astronomical year is a leap year (the rule of bissextile).
bool est_bissextile(long long annee);
// 28, 29, 30 or 31; 31 for a month number outside 1..12.
int jours_du_mois(int mois, long long annee);
// Days from 1 January of the astronomical year to 1 January of the next: 365 or 366,
// 355 for 1582 (4 October was followed by 15 October).
int jours_de_l_annee(long long annee);
// Calendar date (whole day, astronomical year) of d.jour_julien, for Julian days >= 0.
// Leaves d.jour_julien holding the input plus 0.5, whose fraction is that of the civil day.
void date_calendaire(date_de_calcul& d);
// Ties-to-even rounding to a 32-bit integer.
std::int32_t arrondi(long double x);

// A date as three whole numbers; the year's numbering is said where it is used.
struct date_jma {
  int jour = 0;
  int mois = 0;
  int annee = 0;
  bool operator==(const date_jma&) const = default;
};

enum class sens_pas { avant = 0, arriere = 1 };  // the spin's upper arrow, lower arrow

// The comet page's date step (the day has already been moved by the spin); year in
// historical numbering (no year 0). The day returned is always within its month, and
// the date within the fields' range (premiere_date_des_champs .. derniere_date_des_champs).
date_jma pas_de_date(int annee, int mois, int jour, sens_pas sens);

// The date spins of every page: saisie holds the fields after the spin moved one of
// them (historical year, no year 0; day 0..32, month 0..13 allowed). Wraps the month,
// skips year 0 and the days 5..14 October 1582 in the direction of the step, then
// normalises through julien and date_calendaire. Returns the fields to write back.
date_jma normaliser_date(date_jma saisie, sens_pas sens);

// The dates the date fields of the pages hold (historical years): 1 January -4713
// to 31 December 9999.
inline constexpr date_jma premiere_date_des_champs{1, 1, -4713};
inline constexpr date_jma derniere_date_des_champs{31, 12, 9999};
// true when a comes before b (historical years, no year 0).
bool date_avant(const date_jma& a, const date_jma& b);

// The step of the pages' date spins and of a typed date: normaliser_date, stopped at
// the ends of the fields' range. A step that would leave the range leaves the date
// where it was (the field moved by the arrow brought back into the calendar).
date_jma pas_des_champs_date(date_jma saisie, sens_pas sens);

// A typed date that falls in the days 5..14 October 1582, which the reform removed:
// 5..9 are taken as the 4th (the last Julian day), 10..14 as the 15th (the first
// Gregorian day), the nearer day that exists. Every page computes a typed date so;
// the arrows step over the gap in their own direction (normaliser_date).
date_jma date_hors_lacune_1582(date_jma d);
// The same for a day with its fraction (a perihelion passage): 7,25 October 1582
// is 4,25 October.
long double jour_hors_lacune_1582(long double jour, int mois, long long annee);

// Day-field check on leaving a day edit: the day is limited to the month's length
// (year as typed on the page) and a day 0 (or below) becomes 1.
int verifier_jour(int jour, int mois, int annee);

// Key filters: whether a typed character passes. Control codes: 8 backspace,
// 3 copy, 22 paste, 24 cut.
bool touche_chiffre_acceptee(char32_t c);  // day, month and coordinate edits
bool touche_annee_acceptee(char32_t c);    // year edits

}  // namespace almanax
