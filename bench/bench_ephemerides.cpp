// One full "Éphémérides" computation: orbital elements, three instants with the
// light-time step, aberration and nutation, magnitude, rising and setting.
#include <benchmark/benchmark.h>

#include "calcul/pages/ephemerides.h"

namespace {

void BM_EphemeridesVenus(benchmark::State& state) {
  almanax::entree_ephemerides e;
  e.p = almanax::planete::venus;
  e.instant.date = {20, 12, 1992};
  e.site = almanax::site_courant_de({"Paris", 48.8333L, -2.3333L});
  for (auto _ : state) {
    auto r = almanax::calcul_ephemerides(e);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_EphemeridesVenus);

// Saturn adds the ring step (the Earth and Saturn twice more).
void BM_EphemeridesSaturne(benchmark::State& state) {
  almanax::entree_ephemerides e;
  e.p = almanax::planete::saturne;
  e.instant.date = {20, 12, 1992};
  e.site = almanax::site_courant_de({"Paris", 48.8333L, -2.3333L});
  for (auto _ : state) {
    auto r = almanax::calcul_ephemerides(e);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_EphemeridesSaturne);

}  // namespace
