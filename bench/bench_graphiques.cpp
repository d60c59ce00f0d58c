#include <benchmark/benchmark.h>

#include "calcul/pages/equa_time.h"
#include "calcul/pages/satellites.h"
#include "dessin/dessin_graphiques.h"
#include "dessin/image_fichier.h"

namespace {

using namespace almanax;

// The year's curve of the "Equa. Temps" page: 411 values of the equation of time.
void BM_CourbeEquationTemps(benchmark::State& state) {
  for (auto _ : state) {
    courbe_equation_du_temps c = trace_equation_du_temps(1992);
    benchmark::DoNotOptimize(c);
  }
}
BENCHMARK(BM_CourbeEquationTemps);

void BM_ImageEquationTemps(benchmark::State& state) {
  dessin::assurer_contexte_dessin();
  const courbe_equation_du_temps c = trace_equation_du_temps(1992);
  for (auto _ : state) {
    QImage image = dessin::image_equation_du_temps(c);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_ImageEquationTemps);

// One month's chart of the satellites at the design size: 385 instants.
void BM_GraphiqueSatellites(benchmark::State& state) {
  for (auto _ : state) {
    graphique_satellites g = graphique_des_satellites(1, 1994);
    benchmark::DoNotOptimize(g);
  }
}
BENCHMARK(BM_GraphiqueSatellites);

void BM_ImageSatellites(benchmark::State& state) {
  dessin::assurer_contexte_dessin();
  const graphique_satellites g = graphique_des_satellites(1, 1994);
  for (auto _ : state) {
    QImage image = dessin::image_satellites(g);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_ImageSatellites);

}  // namespace
