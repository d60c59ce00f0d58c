// Time of the two planetary event searches over a thousand years, all planets.
#include <benchmark/benchmark.h>

#include "calcul/pages/perihelie.h"
#include "calcul/pages/phenomene.h"

namespace {

void phenomenes_mille_ans(benchmark::State& etat) {
  almanax::recherche_phenomenes r;
  r.premiere_annee = 1500;
  r.derniere_annee = 2500;
  std::size_t lignes = 0;
  for (auto _ : etat) {
    const almanax::resultat_phenomenes res = almanax::phenomenes_planetaires(r);
    lignes = res.lignes.size();
    benchmark::DoNotOptimize(res.lignes.data());
  }
  etat.counters["lignes"] = static_cast<double>(lignes);
}
BENCHMARK(phenomenes_mille_ans)->Unit(benchmark::kMillisecond);

void perihelies_mille_ans(benchmark::State& etat) {
  almanax::recherche_perihelies r;
  r.premiere_annee = 1500;
  r.derniere_annee = 2500;
  std::size_t lignes = 0;
  for (auto _ : etat) {
    const almanax::resultat_perihelies res = almanax::perihelies_aphelies(r);
    lignes = res.lignes.size();
    benchmark::DoNotOptimize(res.lignes.data());
  }
  etat.counters["lignes"] = static_cast<double>(lignes);
}
BENCHMARK(perihelies_mille_ans)->Unit(benchmark::kMillisecond);

}  // namespace
