// Term tables of the planetary series as printed (library internals, not exported);
// colonnes.h lays them out for the evaluation.
#pragma once

#include <planseries/angle.h>

#include <array>
#include <cstddef>
#include <span>

namespace planseries {

// One periodic term: contributes a * cos(phi + omega * t). The amplitude a is in
// 1e-8 radian (longitude, latitude) or 1e-8 AU (radius vector), phi in radians,
// omega in radians per Julian millennium.
struct Terme {
  long double a;
  long double phi;
  long double omega;
  // The same argument in turns, for the evaluation in double: omega / 2 pi as the sum
  // of two doubles (turns per millennium), phi / 2 pi (turns).
  double omega_tours_haut = 0;
  double omega_tours_bas = 0;
  double phi_tours = 0;

  constexpr Terme() : a(0), phi(0), omega(0) {}
  constexpr Terme(long double a_, long double phi_, long double omega_)
      : a(a_),
        phi(phi_),
        omega(omega_),
        omega_tours_haut(static_cast<double>(omega_ * inverse_deux_pi)),
        omega_tours_bas(static_cast<double>(omega_ * inverse_deux_pi - static_cast<double>(omega_ * inverse_deux_pi))),
        phi_tours(static_cast<double>(phi_ * inverse_deux_pi)) {}
};

using SousSerie = std::span<const Terme>;

// Sub-series X0 .. X5 of one coordinate; an absent sub-series is empty.
using Serie = std::array<SousSerie, 6>;

struct Planete {
  Serie l;  // longitude
  Serie b;  // latitude
  Serie r;  // radius vector
};

}  // namespace planseries
