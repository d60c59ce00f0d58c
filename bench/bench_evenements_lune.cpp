// The Moon's event searches over 1000 years each, as the command line runs them.
#include <benchmark/benchmark.h>

#include "calcul/pages/eclipses.h"
#include "calcul/pages/perigee_apogee.h"
#include "calcul/pages/phases.h"

namespace {

using namespace almanax;

// Phases: the page covers six months per search, so 1000 years are 2000 searches.
void phases_1000_ans(benchmark::State& etat) {
  for (auto _ : etat) {
    std::size_t n = 0;
    for (long long annee = 1000; annee < 2000; ++annee)
      for (int mois : {1, 7})
        for (const liste_phases& l : phases_de_la_lune(mois, annee).listes) n += l.phases.size();
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(phases_1000_ans)->Unit(benchmark::kMillisecond);

void eclipses_lune_1000_ans(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(recherche_eclipses(1000, 1999, astre_eclipse::lune).eclipses.size());
}
BENCHMARK(eclipses_lune_1000_ans)->Unit(benchmark::kMillisecond);

void eclipses_soleil_1000_ans(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(recherche_eclipses(1000, 1999, astre_eclipse::soleil).eclipses.size());
}
BENCHMARK(eclipses_soleil_1000_ans)->Unit(benchmark::kMillisecond);

void perigees_apogees_1000_ans(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(perigees_apogees(1000, 1999, true, true).passages.size());
}
// Wall time: a long span is searched on both cores.
BENCHMARK(perigees_apogees_1000_ans)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
