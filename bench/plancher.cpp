#include "plancher.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>

#include "colonnes.h"
#include "vsop87d_termes.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
extern "C" __m256d _ZGVdN4v_cos(__m256d);
extern "C" __m512d _ZGVeN8v_cos(__m512d);
#define PLANCHER_X86 1
#endif

namespace plancher {

namespace {

constexpr double deux_pi = 6.283185307179586476925286766559;
constexpr double inverse_deux_pi = 0.15915494309189533576888376337251;

#if PLANCHER_X86
__attribute__((target("avx2,fma"))) double somme4(const Table& table, double t) {
  const __m256d vt = _mm256_set1_pd(t), dp = _mm256_set1_pd(deux_pi), idp = _mm256_set1_pd(inverse_deux_pi);
  __m256d s = _mm256_setzero_pd();
  for (std::size_t i = 0; i < table.taille(); i += 4) {
    __m256d x = _mm256_fmadd_pd(_mm256_loadu_pd(&table.omega[i]), vt, _mm256_loadu_pd(&table.phi[i]));
    x = _mm256_fnmadd_pd(_mm256_round_pd(_mm256_mul_pd(x, idp), _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC), dp, x);
    s = _mm256_fmadd_pd(_mm256_loadu_pd(&table.a[i]), _ZGVdN4v_cos(x), s);
  }
  alignas(32) double l[4];
  _mm256_store_pd(l, s);
  return l[0] + l[1] + l[2] + l[3];
}

__attribute__((target("avx512f"))) double somme8(const Table& table, double t) {
  const __m512d vt = _mm512_set1_pd(t), dp = _mm512_set1_pd(deux_pi), idp = _mm512_set1_pd(inverse_deux_pi);
  __m512d s = _mm512_setzero_pd();
  for (std::size_t i = 0; i < table.taille(); i += 8) {
    __m512d x = _mm512_fmadd_pd(_mm512_loadu_pd(&table.omega[i]), vt, _mm512_loadu_pd(&table.phi[i]));
    const __m512d k = _mm512_maskz_roundscale_pd(static_cast<__mmask8>(0xff), _mm512_mul_pd(x, idp),
                                                 _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    x = _mm512_fnmadd_pd(k, dp, x);
    s = _mm512_fmadd_pd(_mm512_loadu_pd(&table.a[i]), _ZGVeN8v_cos(x), s);
  }
  alignas(64) double l[8];
  _mm512_store_pd(l, s);
  return ((l[0] + l[1]) + (l[2] + l[3])) + ((l[4] + l[5]) + (l[6] + l[7]));
}
#endif

double somme1(const Table& table, double t) {
  double s = 0;
  for (std::size_t i = 0; i < table.taille(); ++i) {
    double x = table.omega[i] * t + table.phi[i];
    x -= std::nearbyint(x * inverse_deux_pi) * deux_pi;
    s += table.a[i] * std::cos(x);
  }
  return s;
}

std::size_t termes_planete(const planseries::Planete& p) {
  const planseries::Serie series[] = {p.l, p.b, p.r};
  return planseries::nombre_termes(series);
}

}  // namespace

// Amplitudes from 1e8 down to 1, frequencies up to 1e5 rad per millennium, phases
// over the turn: what the tables hold. The table is padded to a whole vector of 8.
Table::Table(std::size_t n_) : n(n_) {
  const std::size_t place = (n + 7) / 8 * 8;
  a.assign(place, 0.0);
  phi.assign(place, 0.0);
  omega.assign(place, 0.0);
  for (std::size_t i = 0; i < n; ++i) {
    a[i] = 1e8 / static_cast<double>((i + 1) * (i + 1));
    phi[i] = std::fmod(2.399963 * static_cast<double>(i), deux_pi);
    omega[i] = std::fmod(7919.0 * static_cast<double>(i * i + 1), 1e5);
  }
}

int largeur_max() {
#if PLANCHER_X86
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f")) return 8;
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return 4;
#endif
  return 1;
}

double somme(const Table& table, double t, int largeur) {
#if PLANCHER_X86
  if (largeur == 8) return somme8(table, t);
  if (largeur == 4) return somme4(table, t);
#endif
  return somme1(table, t);
}

double secondes_par_terme(std::size_t n) {
  const Table table(n);
  const int largeur = largeur_max();
  constexpr int appels = 2000;
  double meilleur = 1e9;
  volatile double puits = 0;
  for (int essai = 0; essai < 7; ++essai) {
    const auto debut = std::chrono::steady_clock::now();
    for (int k = 0; k < appels; ++k) puits = puits + somme(table, -6.7 + 1e-3 * k, largeur);
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    meilleur = std::min(meilleur, duree.count() / appels / static_cast<double>(n));
  }
  return meilleur;
}

std::size_t termes_place_planete(int index_planete) {
  using namespace planseries::vsop87d;
  const planseries::Planete* planetes[] = {&mercure, &venus, &terre, &mars, &jupiter, &saturne, &uranus, &neptune};
  return 2 * (termes_planete(*planetes[index_planete]) + termes_planete(terre));
}

std::size_t termes_soleil() {
  return termes_planete(planseries::vsop87d::terre);
}

}  // namespace plancher
