// Term tables of the planetary series and their evaluation (library internals,
// not exported).
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

// The first n0 terms of X0 and n1 terms of X1 of a series: a short series.
struct SerieCourte {
  SousSerie x0;
  SousSerie x1;
};

// Builds a short series at compile time; asking for more terms than the
// sub-series holds does not compile.
consteval SerieCourte courte(const Serie& serie, std::size_t n0, std::size_t n1) {
  if (n0 > serie[0].size() || n1 > serie[1].size()) {
    throw "serie courte plus longue que la serie complete";
  }
  return {serie[0].first(n0), serie[1].first(n1)};
}

// Sum of a * cos(phi + omega * t) over the terms, in table order.
long double somme(SousSerie termes, long double t);

// (X0 + X1 t + ... + X5 t^5) * 1e-8, powers of t by repeated multiplication.
long double evaluer(const Serie& serie, long double t);

// (X0 + X1 t) * 1e-8 over the first terms only.
long double evaluer(const SerieCourte& serie, long double t);

}  // namespace planseries
