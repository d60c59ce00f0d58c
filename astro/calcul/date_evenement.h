// The instant of an event found by a search (a Julian Ephemeris Day) turned into
// calendar date, time of day and the one-line text of the event lists. Shared by the
// Moon phases, the eclipses, the lunar perigees and apogees, the planetary phenomena
// and the perihelion and aphelion searches.
//
// Dates are in the Julian calendar before JD 2299161 (1582 October 15) and Gregorian
// from then on; years are astronomical (year 0 = 1 BC). The conversion also holds for
// negative Julian days (years before -4712), on the proleptic Julian calendar.
#pragma once

#include <string>

namespace almanax {

// Clock time split into whole hours, minutes and seconds, the seconds rounded (ties to
// even) and carried into the minutes, the minutes into the hours.
struct heure_a_la_seconde {
  int heure = 0, minute = 0, seconde = 0;
  bool jour_suivant = false;  // the carry reached 24 h, which was brought back to 0 h
};

// Decimal hours (0 <= h < 24 expected) as they are shown to the second:
// h, m = Frac(h) x 60, s = Frac(m) x 60, Round(s), with carries; 24 h becomes 0 h.
heure_a_la_seconde decouper_heures(long double heures);

// Date and time rounded to the whole second, the carries going on into the calendar
// (23 h 59 m 59.6 s on 31 December shows as 0 h 00 m 00 s on 1 January).
struct instant_a_la_seconde {
  int jour = 1, mois = 1;
  long long annee = 0;  // astronomical
  int heure = 0, minute = 0, seconde = 0;
};

// Everything the searches read from one conversion.
struct valeurs_evenement {
  long double jde = 0;                                   // the instant converted
  long double jde_lu = 0;                                // jde + 0.5, the value whose fraction is that of the civil day
  long double jour = 0;                                  // day of the month with its fraction
  int mois = 1;                                          // 1..12
  long double annee = 0;                                 // astronomical year
  long double heure_r = 0, minute_r = 0, seconde_r = 0;  // each with its fraction
  long long annee_tronquee = 0;
  std::string texte;  // " 5 Octobre 1997 à 3 h ": whole hour, truncated, leading blank
  instant_a_la_seconde a_la_seconde;
};

// Converts an instant. A non-finite value gives zero fields and an empty text.
valeurs_evenement date_evenement(long double jde);

// Calendar date of the civil day number z = floor(JD + 0.5): day, month and
// astronomical year.
struct jour_du_calendrier {
  int jour = 1, mois = 1;
  long long annee = 0;
};
jour_du_calendrier calendrier_du_jour(long double z);

}  // namespace almanax
