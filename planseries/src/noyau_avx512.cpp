// The series' kernel eight terms at a time, for processors with AVX-512F. This file
// alone is compiled with -mavx512f: it is only called where the processor has it.
#include <immintrin.h>

#include "noyau.h"

extern "C" __m512d _ZGVeN8v_cos(__m512d);

namespace planseries::noyau {

namespace {

constexpr std::size_t L = 8;
using vd = __m512d;

inline vd charger(const double* p) {
  return _mm512_loadu_pd(p);
}
inline void ranger(double* p, vd x) {
  _mm512_storeu_pd(p, x);
}
inline vd diffuser(double x) {
  return _mm512_set1_pd(x);
}
inline vd fma(vd a, vd b, vd c) {
  return _mm512_fmadd_pd(a, b, c);
}
// The masked form: the plain one reads an undefined vector that the compiler warns of.
inline vd entier_proche(vd x) {
  return _mm512_maskz_roundscale_pd(static_cast<__mmask8>(0xff), x, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
}
inline vd cosinus(vd x) {
  return _ZGVeN8v_cos(x);
}

#include "noyau_vecteur.inc"

}  // namespace

Noyau avx512() {
  return {"avx512", cosinus_termes_v};
}

}  // namespace planseries::noyau
