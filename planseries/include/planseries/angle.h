// Sine and cosine of a long double angle through the double functions: the angle is
// first brought to [-pi, pi] in extended precision, exactly enough for the series'
// arguments (up to a few million radians), then its sine or cosine is taken in
// double. The long double functions cost ten times more, most of it in their own
// multi-word reduction, for digits that the series' truncation (about 1e-7 rad)
// never needs. Header only: nothing here is exported.
#pragma once

#include <cmath>

namespace planseries {

// 2 pi in two parts: the first holds 44 significant bits, so that k * haut is exact
// for |k| < 2^20 turns; the second is the rest.
inline constexpr long double deux_pi_haut = 0xc90fdaa2216p-41L;
inline constexpr long double deux_pi_bas = 2.48934886875864535690338706838798750211641949889184615632813e-13L;
inline constexpr long double inverse_deux_pi = 0.159154943091895335768883763372514362034459645740456448747667L;

// The nearest integer of x for |x| < 2^62, without changing the rounding mode.
inline long double entier_proche(long double x) {
  constexpr long double decalage = 0x1.8p63L;
  return (x + decalage) - decalage;
}

// The same for a double, |x| < 2^51.
inline double entier_proche_double(double x) {
  constexpr double decalage = 0x1.8p52;
  return (x + decalage) - decalage;
}

// x - 2 pi k in [-pi, pi] (radians).
inline long double reduire_tour(long double x) {
  const long double k = entier_proche(x * inverse_deux_pi);
  return (x - k * deux_pi_haut) - k * deux_pi_bas;
}

inline double cos_rapide(long double x) {
  return std::cos(static_cast<double>(reduire_tour(x)));
}
inline double sin_rapide(long double x) {
  return std::sin(static_cast<double>(reduire_tour(x)));
}

}  // namespace planseries

// Cosines and sines of many angles already reduced to [-pi, pi], eight at a time with
// the C library's vector functions where the processor has AVX-512F, four at a time
// where it has AVX2 (any x86-64 machine of the last ten years), one at a time
// otherwise. Results agree with std::cos and
// std::sin to a few units in the last place of a double.
#include <cstddef>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
extern "C" __m256d _ZGVdN4v_cos(__m256d);
extern "C" __m256d _ZGVdN4v_sin(__m256d);
extern "C" __m512d _ZGVeN8v_cos(__m512d);
extern "C" __m512d _ZGVeN8v_sin(__m512d);
#define PLANSERIES_AVX2 1
#endif

namespace planseries {

namespace detail {

#if PLANSERIES_AVX2
// Whole groups of four, then the rest padded with zeros, so that every angle goes
// through the same function wherever it stands in the array.
template <bool cosinus>
__attribute__((target("avx2,fma"))) inline void trigo_avx2(const double* x, double* y, std::size_t n) {
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m256d v = _mm256_loadu_pd(x + i);
    _mm256_storeu_pd(y + i, cosinus ? _ZGVdN4v_cos(v) : _ZGVdN4v_sin(v));
  }
  if (i < n) {
    alignas(32) double a[4] = {0, 0, 0, 0}, b[4];
    for (std::size_t k = 0; i + k < n; ++k) a[k] = x[i + k];
    const __m256d v = _mm256_load_pd(a);
    _mm256_store_pd(b, cosinus ? _ZGVdN4v_cos(v) : _ZGVdN4v_sin(v));
    for (std::size_t k = 0; i + k < n; ++k) y[i + k] = b[k];
  }
}

template <bool cosinus>
__attribute__((target("avx512f"))) inline void trigo_avx512(const double* x, double* y, std::size_t n) {
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m512d v = _mm512_loadu_pd(x + i);
    _mm512_storeu_pd(y + i, cosinus ? _ZGVeN8v_cos(v) : _ZGVeN8v_sin(v));
  }
  if (i < n) {
    const __mmask8 m = static_cast<__mmask8>((1u << (n - i)) - 1u);
    const __m512d v = _mm512_maskz_loadu_pd(m, x + i);
    _mm512_mask_storeu_pd(y + i, m, cosinus ? _ZGVeN8v_cos(v) : _ZGVeN8v_sin(v));
  }
}

inline bool avec_avx2() {
  static const bool oui = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  }();
  return oui;
}

inline bool avec_avx512() {
  static const bool oui = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && avec_avx2();
  }();
  return oui;
}
#endif

}  // namespace detail

inline void cosinus_reduits(const double* x, double* y, std::size_t n) {
#if PLANSERIES_AVX2
  if (detail::avec_avx512()) return detail::trigo_avx512<true>(x, y, n);
  if (detail::avec_avx2()) return detail::trigo_avx2<true>(x, y, n);
#endif
  for (std::size_t i = 0; i < n; ++i) y[i] = std::cos(x[i]);
}

inline void sinus_reduits(const double* x, double* y, std::size_t n) {
#if PLANSERIES_AVX2
  if (detail::avec_avx512()) return detail::trigo_avx512<false>(x, y, n);
  if (detail::avec_avx2()) return detail::trigo_avx2<false>(x, y, n);
#endif
  for (std::size_t i = 0; i < n; ++i) y[i] = std::sin(x[i]);
}

}  // namespace planseries
