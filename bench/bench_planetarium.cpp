#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPalette>

#include "calcul/pages/planetarium.h"
#include "dessin/dessin_planetarium.h"
#include "dessin/image_fichier.h"

namespace {

using namespace almanax;

// One animation step of both planetaria: the date step, both computations and both
// pictures drawn with every body shown. The animation's pause leaves the window idle
// between two such steps.
void BM_PasDesDeuxPlanetaria(benchmark::State& state) {
  dessin::assurer_contexte_dessin();
  const QColor fond = QGuiApplication::palette().color(QPalette::Button);
  std::array<bool, nombre_planetes> planetes;
  planetes.fill(true);
  std::array<bool, nombre_corps_geo> corps;
  corps.fill(true);
  instant_saisi instant;
  instant.date = {1, 1, 2000};
  for (auto _ : state) {
    instant = pas_geo(instant, intervalle_geo::jour, sens_pas::avant).value_or(instant);
    const resultat_helio h = calcul_helio(instant, largeur_helio, hauteur_helio, ",");
    const resultat_geo g = calcul_geo(instant, largeur_geo, hauteur_geo, ",");
    QImage ih = dessin::image_helio(h, planetes, fond);
    QImage ig = dessin::image_geo(g, corps, fond);
    benchmark::DoNotOptimize(ih.constBits());
    benchmark::DoNotOptimize(ig.constBits());
  }
}
BENCHMARK(BM_PasDesDeuxPlanetaria)->Unit(benchmark::kMillisecond);

}  // namespace
