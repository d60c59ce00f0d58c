// Progress and cancellation of the long event searches. A search calls
// avancer(fraction done, 0..1) between candidates; when it returns false the
// search stops and returns what it found so far with `interrompue` set.
#pragma once

#include <functional>

namespace almanax {

struct suivi_recherche {
  std::function<bool(double)> avancer;  // empty: never stops, reports nothing
  bool continuer(double fraction) const { return !avancer || avancer(fraction); }
};

}  // namespace almanax
