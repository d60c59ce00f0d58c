// One press of "OK" on the "Phases de la Lune" and "Dates" pages at their default inputs.
#include <benchmark/benchmark.h>

#include "calcul/pages/dates.h"
#include "calcul/pages/phases.h"

namespace {

using namespace almanax;

// Six months from October 1997: the candidate lunations of each month and phase, their
// dates and the row texts.
void BM_PagePhases(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(phases_de_la_lune(10, 1997));
}
BENCHMARK(BM_PagePhases)->Unit(benchmark::kMicrosecond);

// Two weekdays, the interval, four equinoxes and solstices, Easter and the leap year.
void BM_PageDates(benchmark::State& etat) {
  const instant_saisi date{{29, 12, 1997}, 0, 0, 0, 0};
  for (auto _ : etat) benchmark::DoNotOptimize(calculer_dates(date, date, 1998));
}
BENCHMARK(BM_PageDates)->Unit(benchmark::kMicrosecond);

}  // namespace
