// The term tables of one body laid out for the vector evaluation: every term of
// every coordinate and power one after the other (L0 .. L5, B0 .. B5, R0 .. R5), one
// column per quantity, so that eight consecutive terms are one load of each column.
// Built at compile time from the printed tables (termes.h). Library internals.
#pragma once

#include <planseries/planseries.h>

#include <cstddef>
#include <cstdint>

#include "noyau.h"
#include "termes.h"

namespace planseries {

// Zero terms after the last one: at least one vector of the widest evaluation.
inline constexpr std::size_t marge_colonnes = 8;

template <std::size_t N, std::size_t C>
struct Colonnes {
  alignas(64) double a[N + marge_colonnes] = {};
  alignas(64) double omega_haut[N + marge_colonnes] = {};
  alignas(64) double omega_bas[N + marge_colonnes] = {};
  alignas(64) double phi[N + marge_colonnes] = {};
  std::uint16_t debut[C * puissances + 1] = {};

  constexpr VueColonnes vue() const { return {a, omega_haut, omega_bas, phi, debut, C * puissances}; }
};

template <std::size_t C>
constexpr std::size_t nombre_termes(const Serie (&series)[C]) {
  std::size_t n = 0;
  for (const Serie& s : series)
    for (const SousSerie& x : s) n += x.size();
  return n;
}

template <std::size_t N, std::size_t C>
consteval Colonnes<N, C> en_colonnes(const Serie (&series)[C]) {
  static_assert(N < 65536, "debut tient sur 16 bits");
  Colonnes<N, C> c;
  std::size_t i = 0, s = 0;
  for (const Serie& serie : series) {
    for (const SousSerie& x : serie) {
      c.debut[s++] = static_cast<std::uint16_t>(i);
      for (const Terme& t : x) {
        c.a[i] = static_cast<double>(t.a);
        c.omega_haut[i] = t.omega_tours_haut;
        c.omega_bas[i] = t.omega_tours_bas;
        c.phi[i] = t.phi_tours;
        ++i;
      }
    }
  }
  c.debut[s] = static_cast<std::uint16_t>(i);
  return c;
}

// (X0 + X1 t + ... + X5 t^5) * 1e-8 from the sums x[0 .. 5], powers of t by repeated
// multiplication.
long double polynome(const long double* x, long double t);

// Coordinate c (0 longitude, 1 latitude, 2 radius vector) of a table; all three.
long double evaluer(const VueColonnes& v, std::size_t c, long double t);
lbr evaluer_lbr(const VueColonnes& v, long double t);

// (X0 + X1 t) * 1e-8 over the first n0 terms of X0 and n1 of X1 of coordinate c.
long double evaluer_courte(const VueColonnes& v, std::size_t c, std::size_t n0, std::size_t n1, long double t);

// The sums of the sub-series premiere .. fin - 1 of a table at t (Julian millennia),
// each into somme[s - premiere], in 1e-8 rad or AU: each term's argument reduced to
// one turn in double-double arithmetic, its cosine in double, the products added
// with their rounding errors kept (a compensated sum), so that each sum is as good
// as an extended-precision one. The widest vector unit of the processor is used.
void sommes(const VueColonnes& v, std::size_t premiere, std::size_t fin, long double t, long double* somme);

// Only the first n terms of sub-series s.
long double somme_debut(const VueColonnes& v, std::size_t s, std::size_t n, long double t);

}  // namespace planseries
