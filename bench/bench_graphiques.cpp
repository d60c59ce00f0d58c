#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "calcul/equa_time.h"
#include "calcul/satellites.h"
#include "images/graphiques.h"

namespace {

using namespace almanax;

// The drawings need the toolkit's fonts: one offscreen application for the process.
void application() {
  static int argc = 3;
  static char nom[] = "bench", option[] = "-platform", plateforme[] = "offscreen";
  static char* argv[] = {nom, option, plateforme, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  benchmark::DoNotOptimize(app);
}

// The year's curve of the "Equa. Temps" page: 411 values of the equation of time.
void BM_CourbeEquationTemps(benchmark::State& state) {
  for (auto _ : state) {
    courbe_equation_du_temps c = trace_equation_du_temps(1992);
    benchmark::DoNotOptimize(c);
  }
}
BENCHMARK(BM_CourbeEquationTemps);

void BM_ImageEquationTemps(benchmark::State& state) {
  application();
  const courbe_equation_du_temps c = trace_equation_du_temps(1992);
  for (auto _ : state) {
    QImage image = image_equation_du_temps(c);
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
  application();
  const graphique_satellites g = graphique_des_satellites(1, 1994);
  for (auto _ : state) {
    QImage image = image_satellites(g);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_ImageSatellites);

}  // namespace
