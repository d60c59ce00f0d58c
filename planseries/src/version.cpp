// The library's version, set by its build.
#include "planseries/planseries.h"

namespace planseries {

const char* version() {
  return PLANSERIES_VERSION;
}

}  // namespace planseries
