// The program's three roundings, angle reduction, unit factors and the storage
// rounding of Julian days. Every computation uses these, never its own copy.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace almanax {

inline constexpr long double pi = std::numbers::pi_v<long double>;
inline constexpr long double deg_rad = pi / 180.0L;  // degrees to radians
inline constexpr long double rad_deg = 180.0L / pi;  // radians to degrees

// Int: whole part towards zero, kept as a real.
inline long double int_r(long double x) {
  return std::trunc(x);
}

// Frac: x - Int(x), with the sign of x.
inline long double frac_r(long double x) {
  return x - std::trunc(x);
}

// Trunc: whole part towards zero, as an integer.
inline std::int64_t trunc_i(long double x) {
  return static_cast<std::int64_t>(std::trunc(x));
}

// Round: nearest whole number, ties to the even one (2.5 -> 2, 3.5 -> 4).
inline long double round_r(long double x) {
  long double r = std::round(x);  // ties away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5L && std::fmod(r, 2.0L) != 0.0L) r -= std::copysign(1.0L, x);
  return r;
}
inline std::int64_t round_i(long double x) {
  return static_cast<std::int64_t>(round_r(x));
}

// Trunc into an integer type that cannot overflow: out-of-range values give the
// type's bound, NaN gives 0. For values that come from outside (typed fields, Julian
// days far out of range) where a plain cast would be undefined.
template <class Entier>
Entier entier_sature(long double x) {
  using limites = std::numeric_limits<Entier>;
  if (std::isnan(x)) return 0;
  if (x >= static_cast<long double>(limites::max())) return limites::max();
  if (x <= static_cast<long double>(limites::min())) return limites::min();
  return static_cast<Entier>(std::trunc(x));
}

// Reduces an angle in degrees: [0, 360) for x >= 0, (0, 360] for x < 0 (so -360
// gives 360: the positions and formats downstream rely on this exact rule).
inline long double modulo_360(long double x) {
  const long double n = std::trunc(std::fabs(x) / 360.0L);
  return x >= 0 ? x - 360.0L * n : x + 360.0L * (n + 1.0L);
}

// An angle in degrees reduced to one turn as above, in radians.
inline long double radians_reduits(long double degres) {
  return modulo_360(degres) * deg_rad;
}

// Julian days are kept in a 48-bit real: a 40-bit significand (39 stored bits and
// the hidden one), so about 0.4 s near the present. Rounds to nearest, ties even.
inline long double arrondi_reel48(long double x) {
  if (x == 0.0L || !std::isfinite(x)) return x;
  int e = 0;
  long double m = std::frexp(x, &e);  // 0.5 <= |m| < 1
  long double s = std::ldexp(m, 40);  // 40 significant bits
  long double r = round_r(s);
  return std::ldexp(r, e - 40);
}

}  // namespace almanax
