// Periodic terms of the IAU 1980 nutation, in their published order (the sums run
// in this order). Coefficients in units of 0.0001".
// Source: the IAU 1980 theory of nutation (Seidelmann 1982), as tabulated in J. Meeus, Astronomical Algorithms, 1st ed.
#pragma once

#include <array>

namespace almanax {

struct terme_nutation {
  signed char d, m, mp, f, omega;  // multipliers of D, M, M', F, Omega
  long double s, s_t;              // longitude: (s + s_t T) sin(argument)
  long double c, c_t;              // obliquity: (c + c_t T) cos(argument)
};

extern const std::array<terme_nutation, 63> table_nutation;

}  // namespace almanax
