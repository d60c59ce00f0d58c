#include <benchmark/benchmark.h>

#include "calcul/lune.h"
#include "calcul/pages/soleil_lune.h"

namespace {

using namespace almanax;

// One press of the page's "OK": the Sun and the Moon for three days each, their
// rising and setting, and every text of the two groups.
void BM_SoleilLune(benchmark::State& state) {
  instant_saisi instant;
  instant.date = {13, 10, 1992};
  site_courant paris;
  paris.latitude = 48.8667L;
  paris.longitude = 2.3333L;
  paris.sens_longitude = -1;
  for (auto _ : state) {
    resultat_soleil_lune r = calcul_soleil_lune(instant, paris, ",");
    benchmark::DoNotOptimize(r);
    instant.date.jour = instant.date.jour % 28 + 1;
  }
}
BENCHMARK(BM_SoleilLune);

// The Moon's three series for one instant (what the map and the perigee search pay).
void BM_PositionLune(benchmark::State& state) {
  long double T = -0.077221081451L;
  for (auto _ : state) {
    position_lune p = position_de_la_lune(T);
    benchmark::DoNotOptimize(p);
    T += 1e-5L;
  }
}
BENCHMARK(BM_PositionLune);

}  // namespace
