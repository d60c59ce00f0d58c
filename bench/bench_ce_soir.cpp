// "Ce soir": one night at Paris in civil time (the Sun's levels, the Moon and seven
// planets through 24 hours, the chart's curves), then its picture.
#include <benchmark/benchmark.h>

#include <memory>

#include "calcul/pages/ce_soir.h"
#include "dessin/dessin_ce_soir.h"
#include "dessin/image_fichier.h"

namespace {

using namespace almanax;

entree_ce_soir paris() {
  entree_ce_soir e;
  e.instant.date = {21, 12, 2026};
  e.instant.heure = 22;
  e.site.latitude = 48.8567L;
  e.site.longitude = 2.3508L;
  e.site.sens_longitude = -1;
  e.echelle = echelle_temps(std::make_shared<fuseau_fixe>(3600, "Europe/Paris"));
  return e;
}

void BM_CeSoir(benchmark::State& state) {
  const entree_ce_soir e = paris();
  for (auto _ : state) {
    resultat_ce_soir r = calcul_ce_soir(e);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_CeSoir)->Unit(benchmark::kMillisecond);

void BM_ImageCeSoir(benchmark::State& state) {
  dessin::assurer_contexte_dessin();
  const resultat_ce_soir r = calcul_ce_soir(paris());
  for (auto _ : state) {
    QImage image = dessin::image_ce_soir(r);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_ImageCeSoir)->Unit(benchmark::kMillisecond);

}  // namespace
