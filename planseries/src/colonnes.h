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

// How the sums of a set of sub-series run. Each sub-series is one chain of
// extended-precision additions in table order (its sum is that of a plain loop over
// its terms). The chains are dealt, longest first, to four lanes, each to the lane
// with the least work so far; a lane runs its chains one after another and the four
// lanes advance together, so the floating-point unit overlaps four independent
// additions instead of waiting for each. Worked out at compile time.
inline constexpr std::size_t voies = 4;
inline constexpr std::uint8_t aucune = 0xff;
inline constexpr std::size_t sous_series_max = 3 * puissances;

struct Programme {
  // A chain ends: after `pas` steps of its lane, sub-series `sous_serie` is done.
  // `actives` lanes advanced during the steps since the previous end (lanes are
  // numbered longest first, so they are lanes 0 .. actives - 1).
  struct Fin {
    std::uint16_t pas = 0;
    std::uint8_t voie = 0, sous_serie = 0, actives = 0;
  };
  std::uint8_t premiere[voies] = {aucune, aucune, aucune, aucune};  // each lane's first chain
  std::uint8_t suivante[sous_series_max] = {};                      // the chain after s in its lane
  Fin fins[sous_series_max] = {};
  std::uint8_t nombre_fins = 0;
};

// The program of sub-series premiere .. fin - 1 (empty ones have no chain).
consteval Programme programmer(const std::uint16_t* debut, std::size_t premiere, std::size_t fin) {
  Programme p;
  std::uint8_t chaines[sous_series_max] = {};
  std::size_t k = 0;
  for (std::size_t s = premiere; s < fin; ++s)
    if (debut[s + 1] > debut[s]) chaines[k++] = static_cast<std::uint8_t>(s);
  auto longueur = [&](std::size_t s) { return static_cast<std::size_t>(debut[s + 1] - debut[s]); };
  for (std::size_t i = 1; i < k; ++i)  // longest first, table order among equals
    for (std::size_t j = i; j > 0 && longueur(chaines[j]) > longueur(chaines[j - 1]); --j) {
      const std::uint8_t x = chaines[j];
      chaines[j] = chaines[j - 1];
      chaines[j - 1] = x;
    }
  std::size_t charge[voies] = {}, nombre[voies] = {};
  std::uint8_t liste[voies][sous_series_max] = {};
  for (std::size_t i = 0; i < k; ++i) {
    std::size_t v = 0;
    for (std::size_t w = 1; w < voies; ++w)
      if (charge[w] < charge[v]) v = w;
    liste[v][nombre[v]++] = chaines[i];
    charge[v] += longueur(chaines[i]);
  }
  // Lanes renumbered longest first.
  std::size_t ordre[voies] = {0, 1, 2, 3};
  for (std::size_t i = 1; i < voies; ++i)
    for (std::size_t j = i; j > 0 && charge[ordre[j]] > charge[ordre[j - 1]]; --j) {
      const std::size_t x = ordre[j];
      ordre[j] = ordre[j - 1];
      ordre[j - 1] = x;
    }
  for (std::size_t v = 0; v < voies; ++v) {
    const std::size_t w = ordre[v];
    std::size_t pas = 0;
    for (std::size_t i = 0; i < nombre[w]; ++i) {
      const std::uint8_t s = liste[w][i];
      if (i == 0) p.premiere[v] = s;
      p.suivante[s] = i + 1 < nombre[w] ? liste[w][i + 1] : aucune;
      pas += longueur(s);
      p.fins[p.nombre_fins++] = {static_cast<std::uint16_t>(pas), static_cast<std::uint8_t>(v), s, 0};
    }
  }
  for (std::size_t i = 1; i < p.nombre_fins; ++i)  // by step, then by lane
    for (std::size_t j = i; j > 0 && (p.fins[j].pas < p.fins[j - 1].pas ||
                                      (p.fins[j].pas == p.fins[j - 1].pas && p.fins[j].voie < p.fins[j - 1].voie));
         --j) {
      const Programme::Fin x = p.fins[j];
      p.fins[j] = p.fins[j - 1];
      p.fins[j - 1] = x;
    }
  std::size_t avant = 0;
  for (std::size_t i = 0; i < p.nombre_fins; ++i) {
    std::uint8_t actives = 0;
    for (std::size_t v = 0; v < voies; ++v)
      if (charge[ordre[v]] > avant) ++actives;
    p.fins[i].actives = actives;
    avant = p.fins[i].pas;
  }
  return p;
}

template <std::size_t N, std::size_t C>
struct Colonnes {
  alignas(64) double a[N + marge_colonnes] = {};
  alignas(64) double omega_haut[N + marge_colonnes] = {};
  alignas(64) double omega_bas[N + marge_colonnes] = {};
  alignas(64) double phi[N + marge_colonnes] = {};
  std::uint16_t debut[C * puissances + 1] = {};
  Programme tout;
  Programme coordonnee[C];

  constexpr VueColonnes vue() const {
    return {a, omega_haut, omega_bas, phi, debut, C * puissances, &tout, coordonnee};
  }
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
  static_assert(C * puissances <= sous_series_max);
  c.tout = programmer(c.debut, 0, C * puissances);
  for (std::size_t k = 0; k < C; ++k) c.coordonnee[k] = programmer(c.debut, k * puissances, (k + 1) * puissances);
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
// one turn in double-double arithmetic and its cosine taken in double by the widest
// vector unit of the processor, the products summed in extended precision in table
// order by the program p (that of these sub-series).
void sommes(const VueColonnes& v, const Programme& p, std::size_t premiere, std::size_t fin, long double t,
            long double* somme);

// Only the first n terms of sub-series s.
long double somme_debut(const VueColonnes& v, std::size_t s, std::size_t n, long double t);

}  // namespace planseries
