// The series' kernel four terms at a time, for processors with AVX2 and FMA. This
// file alone is compiled with -mavx2 -mfma: it is only called where the processor
// has them.
#include <immintrin.h>

#include "noyau.h"

extern "C" __m256d _ZGVdN4v_cos(__m256d);

namespace planseries::noyau {

namespace {

constexpr std::size_t L = 4;
using vd = __m256d;

inline vd charger(const double* p) {
  return _mm256_loadu_pd(p);
}
inline void ranger(double* p, vd x) {
  _mm256_storeu_pd(p, x);
}
inline vd diffuser(double x) {
  return _mm256_set1_pd(x);
}
inline vd fma(vd a, vd b, vd c) {
  return _mm256_fmadd_pd(a, b, c);
}
inline vd entier_proche(vd x) {
  return _mm256_round_pd(x, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
}
inline vd cosinus(vd x) {
  return _ZGVdN4v_cos(x);
}

#include "noyau_vecteur.inc"

}  // namespace

Noyau avx2() {
  return {"avx2", cosinus_termes_v};
}

}  // namespace planseries::noyau
