// Text formats of angles, times, dates and numbers shown by every page.
#pragma once

#include <string>
#include <string_view>

namespace almanax {

// "Janvier" .. "Décembre"; "" for any other number.
std::string nom_du_mois(long double mois);
// Decimal hours as "6 h 30 m" (minutes rounded, 24 h wraps to 0).
std::string format_hm(long double heures);
// Angles as degrees, minutes, seconds: whole part and minutes truncated, seconds
// rounded ties-to-even, carries made. A negative value shows "-" before the whole
// part, also when that part is 0 ("-0 ° 30 '  00 ''"), unless all fields show 0.
std::string format_dms(long double degres);        // "123 ° 30 ' 00 ''", 0 <= angle, 360 wraps to 0
std::string format_dms_abs(long double degres);    // same layout, signed input
std::string format_dms_signe(long double degres);  // "-23 ° 30 '  00 ''"
std::string format_hms(long double degres);        // degrees shown as "12 h 30 m 00 s", no 24 h wrap

// Number patterns: "0" forced digit, "#" optional digit, any other character literal
// (also between digits), "." marks the decimal point and is shown as separateur.
// Decimals: as many as the places after the point, trailing zeros dropped down to
// the last "0" place; the last one rounded half away from zero. A literal between
// whole-part places groups the digits like a thousands separator ("### ##0" gives
// "1 234 567"); more whole digits than places are all shown. A negative value gets
// a leading "-", except when everything shown is zero.
std::string format_float(std::string_view motif, long double valeur, std::string_view separateur = ",");

// A name or a value quoted as the messages quote it: "« Paris »".
std::string guillemets(std::string_view texte);

}  // namespace almanax
