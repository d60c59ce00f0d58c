// Kepler's equation solved by plain bisection on 0..pi (and its hyperbolic form), for the tests: slow, but it
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

// The hyperbolic form, e sinh H - H = M (e > 1), by bisection the same way: the upper
// end doubled until it passes the root.
inline long double kepler_hyperbolique_bissection(long double M, long double e) {
  const long double m = std::fabs(M);
  const auto f = [&](long double H) { return e * std::sinh(H) - H - m; };
  long double bas = 0, haut = 1;
  while (f(haut) < 0) haut *= 2;
  for (int k = 0; k < 400 && haut - bas > 0; ++k) {
    const long double milieu = (bas + haut) / 2;
    if (milieu == bas || milieu == haut) break;
    (f(milieu) < 0 ? bas : haut) = milieu;
  }
  return (M < 0 ? -1 : 1) * (bas + haut) / 2;
}

}  // namespace almanax::test
