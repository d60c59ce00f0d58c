// The floor: one term a * cos(phi + omega * t) four and eight at a time, over tables
// the size of a Venus place's series (576 terms) and a Saturn place's (1654): the
// cost per term that the places' ratios are measured against.
#include <benchmark/benchmark.h>

#include "plancher.h"

namespace {

void BM_Plancher(benchmark::State& state) {
  const int largeur = static_cast<int>(state.range(0));
  if (largeur > plancher::largeur_max()) {
    state.SkipWithError("largeur absente de ce processeur");
    return;
  }
  const plancher::Table table(static_cast<std::size_t>(state.range(1)));
  double t = -6.7;
  for (auto _ : state) {
    benchmark::DoNotOptimize(plancher::somme(table, t, largeur));
    t += 1e-3;
  }
  // Time per term.
  state.counters["par_terme"] = benchmark::Counter(
      static_cast<double>(table.taille()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_Plancher)
    ->ArgNames({"largeur", "termes"})
    ->Args({4, static_cast<long>(plancher::termes_place_planete(1))})
    ->Args({8, static_cast<long>(plancher::termes_place_planete(1))})
    ->Args({4, static_cast<long>(plancher::termes_place_planete(5))})
    ->Args({8, static_cast<long>(plancher::termes_place_planete(5))});
