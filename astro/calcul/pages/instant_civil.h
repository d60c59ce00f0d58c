// What the pages of one instant (ephemerides, Sun and Moon, comets, planetaria,
// equation of time, Jupiter's satellites, precession) share in civil time: the typed
// date and clock time read through the time scale, and the words that say so once.
//
// As times stand nothing here changes a thing: the typed time is the time argument of
// the theories and there is no mention.
#pragma once

#include <string>
#include <string_view>

#include "calcul/pages/dates.h"
#include "calcul/rapport.h"
#include "calcul/temps_civil.h"

namespace almanax {

struct instant_lu {
  // The Julian day of the date and time as typed: a civil Julian day in civil time,
  // whose calendar day is the civil day of the rising and setting.
  long double jour_julien_saisi = 0;
  long double jde = 0;  // the time argument of the theories (TT)
  // "heure légale, UTC+2" (the offset the typed time was read with) in civil time, else empty.
  std::string mention;
};
instant_lu lire_instant(const instant_saisi& instant, const echelle_temps& echelle);

// " (heure légale, UTC+2)", or nothing for an empty mention: what a line showing a typed
// date and time gets at its end.
std::string entre_parentheses(std::string_view mention);

// The copies' date block ("Le 21 Juin 2026 à 12:00:00") with the mention at the end of
// its line. When the block is not copied but times are (`heures_copiees`), the copy says
// it on a line of its own ("Heures : heure légale, UTC+2"), so it is always said once.
std::string bloc_date_mention(const champs_bloc_date& date, std::string_view mention, bool date_copiee,
                              bool heures_copiees);

}  // namespace almanax
