// The floor of a series evaluation on this machine: the least one term
// a * cos(phi + omega * t) can cost, its argument brought back to one turn in plain
// double, its cosine by the C library's vector function eight at a time (AVX-512F) or
// four at a time (AVX2), the products summed in double. No care for precision: what
// is left when everything but the cosine and a multiply-add is taken away. A place
// that evaluates n terms is compared with n times this.
#pragma once

#include <cstddef>
#include <vector>

namespace plancher {

// A table of n terms with amplitudes, phases and frequencies of the sizes the
// planetary series have.
struct Table {
  std::vector<double> a, phi, omega;
  explicit Table(std::size_t n);
  std::size_t taille() const { return n; }

 private:
  std::size_t n;
};

// The widths this processor runs: 8, 4, or 1 (no vector unit).
int largeur_max();

// Sum over the table at t, `largeur` terms at a time (8, 4 or 1; not above largeur_max()).
double somme(const Table& table, double t, int largeur);

// Seconds per term at the widest width, over a table of n terms: the best of a few
// short timed rounds, so that a benchmark can compare itself with it in the same run.
double secondes_par_terme(std::size_t n);

// Terms of the series each place evaluates: the planet and the Earth at the instant
// and again at the light-time instant; the Sun: the Earth once; the nutation: its
// 63 terms, sine and cosine.
std::size_t termes_place_planete(int index_planete);
std::size_t termes_soleil();
inline constexpr std::size_t termes_nutation = 2 * 63;

}  // namespace plancher
