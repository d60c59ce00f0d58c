// The two small functions the library also offers. They live in the
// planseries namespace on purpose: plain C symbols named tan or log10 would
// stand in for the C library's own in the whole process.
#include <planseries/planseries.h>

#include <cmath>

namespace planseries {

// Outside the domain (cos x = 0, x <= 0) the result is whatever the division or
// the logarithm gives (huge, infinite or NaN), with the floating-point flags
// raised; no caller passes such values.
long double tan(long double x) {
  return std::sin(x) / std::cos(x);
}

long double log10(long double x) {
  return std::log(x) / std::log(10.0L);
}

}  // namespace planseries
