// A low-precision sky, independent of the program's series, for the tests that check
// rising, setting and twilight times: the Sun to about 0.01° (the Astronomical Almanac's
// low-precision formulae) and the Greenwich mean sidereal time.
#pragma once

#include <cmath>
#include <numbers>

namespace almanax::essais {

struct place_approchee {
  long double alpha = 0, delta = 0;  // degrees
};

inline long double rad(long double d) {
  return d * std::numbers::pi_v<long double> / 180.0L;
}
inline long double deg(long double r) {
  return r * 180.0L / std::numbers::pi_v<long double>;
}

inline place_approchee soleil_approche(long double jd) {
  const long double n = jd - 2451545.0L;
  const long double L = 280.460L + 0.9856474L * n;
  const long double g = rad(357.528L + 0.9856003L * n);
  const long double lambda = rad(L + 1.915L * std::sin(g) + 0.020L * std::sin(2 * g));
  const long double eps = rad(23.439L - 0.0000004L * n);
  place_approchee p;
  p.alpha = std::fmod(deg(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda))) + 720.0L, 360.0L);
  p.delta = deg(std::asin(std::sin(eps) * std::sin(lambda)));
  return p;
}

// Greenwich mean sidereal time, degrees, at any instant.
inline long double tsmg(long double jd) {
  const long double d = jd - 2451545.0L, T = d / 36525.0L;
  return 280.46061837L + 360.98564736629L * d + 0.000387933L * T * T - T * T * T / 38710000.0L;
}

// Altitude of a place (degrees) at a UT instant from a site (latitude north, longitude
// west positive).
inline long double hauteur_approchee(const place_approchee& p, long double jd, long double lat, long double lon_ouest) {
  const long double H = rad(tsmg(jd) - lon_ouest - p.alpha);
  return deg(std::asin(std::sin(rad(lat)) * std::sin(rad(p.delta)) +
                       std::cos(rad(lat)) * std::cos(rad(p.delta)) * std::cos(H)));
}

}  // namespace almanax::essais
