#include <benchmark/benchmark.h>

#include "calcul/calendrier.h"

using namespace almanax;

// One round trip per iteration: Julian day -> calendar date -> Julian day, walking
// through the whole supported range so that both calendars are exercised.
static void BM_calendrier_aller_retour(benchmark::State& state) {
  long double jour_julien = 0.5L;
  for (auto _ : state) {
    date_de_calcul d;
    d.jour_julien = jour_julien;
    date_calendaire(d);
    julien(d);
    benchmark::DoNotOptimize(d.jour_julien);
    benchmark::DoNotOptimize(d.nom_du_jour);
    jour_julien += 1237.0L;
    if (jour_julien > 5.4e6L) jour_julien -= 5.4e6L;
  }
}
BENCHMARK(BM_calendrier_aller_retour);
