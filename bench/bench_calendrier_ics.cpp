// The calendar export: 1000 years of lunar phases (about 49,500 events) written as one
// iCalendar file, the phases already found (their search is measured apart).
#include <benchmark/benchmark.h>

#include "calcul/pages/calendrier_evenements.h"

namespace {

using namespace almanax;

void calendrier_phases_1000_ans(benchmark::State& etat) {
  std::vector<resultat_phases> resultats;
  for (long long annee = 1600; annee < 2600; ++annee)
    for (int mois : {1, 7}) resultats.push_back(phases_de_la_lune(mois, annee));
  std::vector<const phase_trouvee*> phases;
  for (const resultat_phases& r : resultats)
    for (const liste_phases& l : r.listes)
      for (const phase_trouvee& p : l.phases) phases.push_back(&p);
  std::size_t octets = 0;
  for (auto _ : etat) {
    const std::string f = calendrier_ics(calendrier_phases(phases), 0);
    octets = f.size();
    benchmark::DoNotOptimize(f.data());
  }
  etat.counters["evenements"] = static_cast<double>(phases.size());
  etat.counters["octets"] = static_cast<double>(octets);
}
BENCHMARK(calendrier_phases_1000_ans)->Unit(benchmark::kMillisecond);

}  // namespace
