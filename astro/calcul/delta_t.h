// ΔT = TT − UT, the lag of the Earth's rotation behind the uniform time of the theories,
// in seconds.
//
// The model: the observed yearly values (1 January of each year, 1620 to 2023, as the
// IERS and the U.S. Naval Observatory publish them, with the IERS predictions to 2028),
// linearly interpolated; before 1620 and after 2028 the polynomial expressions of
// F. Espenak and J. Meeus (Five Millennium Canon of Solar Eclipses, NASA TP-2006-214141),
// and outside -500 … 2150 their long-term parabola -20 + 32 u², u = (y - 1820) / 100.
// Where a polynomial meets the observed values or the next expression with a jump, the
// polynomial is brought to it by a linear ramp over the century before (or after), so the
// model never jumps. Its uncertainty grows away from the present: a few seconds about
// 1800, about a minute about 1000, some ten minutes about -500, hours in deep antiquity.
#pragma once

namespace almanax {

// The decimal year of a Julian day: 2000.0 is JD 2451545.0 (1 January 2000, 12 h).
long double annee_decimale(long double jour_julien);

// ΔT in seconds for a decimal year (astronomical numbering: 0 is 1 BC).
long double delta_t_annee(long double annee);

// ΔT in seconds at an instant; the difference between TT and UT in the argument
// (a minute or so today) does not matter at this precision.
long double delta_t_s(long double jour_julien);

}  // namespace almanax
