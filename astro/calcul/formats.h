// Text formats of angles, times, dates and numbers shown by every page.
#pragma once

#include <string>
#include <string_view>

namespace almanax {

// "Janvier" .. "Décembre"; "" for any other number.
std::string nom_du_mois(long double mois);
// Decimal hours as "6 h 30 m" (minutes rounded, 24 h wraps to 0).
std::string format_hm(long double heures);
// Angles as degrees, minutes, seconds; seconds rounded ties-to-even, carries made.
std::string format_dms(long double degres);        // "123 ° 30 ' 00 ''", 0 <= angle
std::string format_dms_abs(long double degres);    // same layout, signed input
std::string format_dms_signe(long double degres);  // "-23 ° 30 '  00 ''"
std::string format_hms(long double degres);        // degrees shown as "12 h 30 m 00 s"

// Number patterns: "0" forced digit, "#" optional digit, any other character literal
// (also between digits), "." marks the decimal point and is shown as separateur.
std::string format_float(std::string_view motif, long double valeur, std::string_view separateur = ",");

}  // namespace almanax
