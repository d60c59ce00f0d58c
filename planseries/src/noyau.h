// The vector kernels of the series' evaluation and what they read. This header
// holds declarations only: the kernels are compiled for AVX-512 and AVX2 in their
// own files, which must share no inline function with the rest of the library (an
// out-of-line copy built for AVX-512 could be the one the linker keeps).
#pragma once

#include <cstddef>
#include <cstdint>

namespace planseries {

// Sub-series per coordinate (X0 .. X5).
inline constexpr std::size_t puissances = 6;

struct Programme;

// What the evaluation reads: the columns and where each sub-series begins. The
// columns hold a few zero terms past the last one, so that a vector load starting
// at any term stays inside them.
struct VueColonnes {
  const double* a;           // amplitude, 1e-8 rad or AU (whole numbers: exact in double)
  const double* omega_haut;  // omega / 2 pi in two parts, turns per millennium
  const double* omega_bas;
  const double* phi;           // phi / 2 pi, turns
  const std::uint16_t* debut;  // sub-series s holds the terms debut[s] .. debut[s + 1]
  std::size_t sous_series;     // coordinates * puissances
  // How the sums of all the sub-series, and of each coordinate's, are run (colonnes.h).
  const Programme* programme_tout;
  const Programme* programme_coordonnee;  // one per coordinate
};

// The kernels, one per vector width, chosen at run time (series.cpp).
namespace noyau {
// Terms i0 .. i1 - 1: cosines into c[0 .. i1 - i0] (a few more may be written, up to
// the next whole vector).
using cosinus_termes = void (*)(const VueColonnes& v, std::size_t i0, std::size_t i1, double t_haut, double t_bas,
                                double* c);
struct Noyau {
  const char* nom;
  cosinus_termes cosinus;
};

Noyau avx512();
Noyau avx2();
}  // namespace noyau

}  // namespace planseries
