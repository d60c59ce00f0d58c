// An independent two-body computation of a comet's place, for the tests: the orbit's
// perifocal vector from anomalies found by plain bisection (or Barker's equation in
// closed form), turned by w, i, W and the obliquity. It shares nothing with the
// program's solvers but the Earth's series.
#pragma once

#include <array>
#include <cmath>

#include "../calcul/kepler_bissection.h"
#include "calcul/numerique.h"
#include "calcul/pages/comete.h"
#include "planseries/planseries.h"

namespace almanax::essais {

using vec3 = std::array<long double, 3>;

// Gregorian calendar date with fractional day to Julian day (Fliegel and Van Flandern).
inline long double jour_julien_gregorien(int annee, int mois, long double jour) {
  const long long a = (14 - mois) / 12, y = annee + 4800 - a, m = mois + 12 * a - 3;
  const long long jdn =
      static_cast<long long>(std::floor(jour)) + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
  return jdn - 0.5L + (jour - std::floor(jour));
}

inline vec3 rotation_z(const vec3& v, long double a) {
  return {v[0] * std::cos(a) - v[1] * std::sin(a), v[0] * std::sin(a) + v[1] * std::cos(a), v[2]};
}
inline vec3 rotation_x(const vec3& v, long double a) {
  return {v[0], v[1] * std::cos(a) - v[2] * std::sin(a), v[1] * std::sin(a) + v[2] * std::cos(a)};
}

// Heliocentric equatorial J2000.0 position at jd of a comet through perihelion at T.
inline vec3 heliocentrique(const elements_comete& el, long double T, long double jd) {
  const long double k = 0.01720209895L;  // Gaussian constant, radians per day
  vec3 p;
  if (el.e == 1) {
    const long double W = 3 * k / std::sqrt(2 * el.q * el.q * el.q) * (jd - T);
    const long double Y = std::cbrt(W / 2 + std::sqrt(W * W / 4 + 1));
    const long double s = Y - 1 / Y;  // tan(v/2)
    p = {el.q * (1 - s * s), 2 * el.q * s, 0};
  } else if (el.e > 1) {
    const long double a = el.q / (el.e - 1);
    const long double M = k / (a * std::sqrt(a)) * (jd - T);
    const long double H = test::kepler_hyperbolique_bissection(M, el.e);
    p = {a * (el.e - std::cosh(H)), a * std::sqrt(el.e * el.e - 1) * std::sinh(H), 0};
  } else {
    const long double a = el.q / (1 - el.e);
    const long double M = k / (a * std::sqrt(a)) * (jd - T);
    const long double E = test::kepler_bissection(M, el.e);
    p = {a * (std::cos(E) - el.e), a * std::sqrt(1 - el.e * el.e) * std::sin(E), 0};
  }
  p = rotation_z(p, el.omega * deg_rad);
  p = rotation_x(p, el.i * deg_rad);
  p = rotation_z(p, el.Omega * deg_rad);
  return rotation_x(p, std::atan2(0.39777716L, 0.91748206L));
}

// The Sun from the Earth, equatorial J2000.0 (the same Earth as the program's: the
// subject here is the comet).
inline vec3 soleil(long double jd) {
  const long double tau = (jd - 2451545) / 365250;
  const long double L = planseries::terre2_longitude(tau) + pi, b = -planseries::terre2_latitude(tau);
  const long double R = planseries::terre_rayon(tau);
  const long double X = R * std::cos(b) * std::cos(L), Y = R * std::cos(b) * std::sin(L), Z = R * std::sin(b);
  return {X + 0.00000044036L * Y - 0.000000190919L * Z,
          -0.000000479966L * X + 0.917482137087L * Y - 0.397776982902L * Z, 0.397776982902L * Y + 0.917482137087L * Z};
}

// The comet seen from the Earth at jd (light time iterated to its end): the geocentric
// vector, AU.
inline vec3 geocentrique(const elements_comete& el, long double T, long double jd) {
  const vec3 s = soleil(jd);
  long double tau = 0;
  vec3 g{};
  for (int k = 0; k < 6; ++k) {
    const vec3 h = heliocentrique(el, T, jd - tau);
    g = {s[0] + h[0], s[1] + h[1], s[2] + h[2]};
    tau = 0.0057755183L * std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
  }
  return g;
}

// The angle between a direction and a right ascension and declination, arcseconds.
inline long double ecart_arcsec(const vec3& g, long double ad_deg, long double dec_deg) {
  const long double delta = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
  const long double produit =
      (g[0] * std::cos(dec_deg * deg_rad) * std::cos(ad_deg * deg_rad) +
       g[1] * std::cos(dec_deg * deg_rad) * std::sin(ad_deg * deg_rad) + g[2] * std::sin(dec_deg * deg_rad)) /
      delta;
  return std::acos(std::fmin(1.0L, produit)) * rad_deg * 3600;
}

}  // namespace almanax::essais
