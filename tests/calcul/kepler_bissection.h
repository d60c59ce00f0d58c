// Kepler's equation solved by plain bisection on 0..pi, for the tests: slow, but it
// cannot go wrong, and it shares nothing with the program's solver.
#pragma once

#include <cmath>

#include "calcul/numerique.h"

namespace almanax::test {

inline long double kepler_bissection(long double M, long double e) {
  long double m = std::remainder(M, 2 * pi);
  const long double signe = m < 0 ? -1 : 1;
  m = std::fabs(m);
  long double bas = 0, haut = pi;
  for (int k = 0; k < 200; ++k) {
    const long double milieu = (bas + haut) / 2;
    (milieu - e * std::sin(milieu) < m ? bas : haut) = milieu;
  }
  return signe * (bas + haut) / 2;
}

}  // namespace almanax::test
