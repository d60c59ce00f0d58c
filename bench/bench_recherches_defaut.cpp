// The four event searches at their pages' default span, 1992 to 1993: what one press
// of "&OK" costs before the rows reach the list.
#include <benchmark/benchmark.h>

#include "calcul/pages/eclipses.h"
#include "calcul/pages/perigee_apogee.h"
#include "calcul/pages/perihelie.h"
#include "calcul/pages/phenomene.h"

namespace {

using namespace almanax;

void perigees_apogees_defaut(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(perigees_apogees(1992, 1993, true, true).passages.size());
}
BENCHMARK(perigees_apogees_defaut)->Unit(benchmark::kMicrosecond);

void eclipses_lune_defaut(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(recherche_eclipses(1992, 1993, astre_eclipse::lune).texte.size());
}
BENCHMARK(eclipses_lune_defaut)->Unit(benchmark::kMicrosecond);

void eclipses_soleil_defaut(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(recherche_eclipses(1992, 1993, astre_eclipse::soleil).texte.size());
}
BENCHMARK(eclipses_soleil_defaut)->Unit(benchmark::kMicrosecond);

void phenomenes_defaut(benchmark::State& etat) {
  const recherche_phenomenes r;  // 1992 to 1993, every planet
  for (auto _ : etat) benchmark::DoNotOptimize(phenomenes_planetaires(r).lignes.size());
}
BENCHMARK(phenomenes_defaut)->Unit(benchmark::kMicrosecond);

void perihelies_defaut(benchmark::State& etat) {
  const recherche_perihelies r;  // 1992 to 1993, every planet
  for (auto _ : etat) benchmark::DoNotOptimize(perihelies_aphelies(r).lignes.size());
}
BENCHMARK(perihelies_defaut)->Unit(benchmark::kMicrosecond);

}  // namespace
