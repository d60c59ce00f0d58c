// One apparent geocentric place per call (series, light time, aberration, nutation,
// right ascension and declination), each call at a different instant spread over the
// program's years, so that nothing computed for one call serves the next. Each
// reports its floor on this machine (its series' and the nutation's terms at the
// cost of the cheapest term, measured in the same run: bench/plancher.h) and its
// ratio to it.
#include <benchmark/benchmark.h>

#include <vector>

#include "calcul/corrections.h"
#include "calcul/lune.h"
#include "calcul/planete.h"
#include "calcul/soleil.h"
#include "calcul/table_lune.h"
#include "plancher.h"

namespace {

// 4096 instants from -4000 to 9000, in an order that jumps about.
const std::vector<long double>& instants() {
  static const std::vector<long double> jd = [] {
    std::vector<long double> v;
    const long double debut = 260424.5L, fin = 5008271.5L;  // years -4000 and 9000
    for (int i = 0; i < 4096; ++i)
      v.push_back(debut + (fin - debut) * ((i * 2654435761u) % 4096) / 4096.0L + i * 0.37L);
    return v;
  }();
  return jd;
}

void plancher_de(benchmark::State& state, std::size_t termes) {
  const double plancher_s = static_cast<double>(termes) * plancher::secondes_par_terme(termes);
  state.counters["plancher_us"] = plancher_s * 1e6;
  state.counters["rapport"] =
      benchmark::Counter(plancher_s, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void place_planete(benchmark::State& state, almanax::planete p) {
  const auto& jd = instants();
  std::size_t i = 0;
  for (auto _ : state) {
    almanax::etat_position e;
    almanax::position_instant(p, jd[i++ & 4095], 0, e);
    benchmark::DoNotOptimize(e.alpha);
    benchmark::DoNotOptimize(e.delta);
  }
  plancher_de(state, plancher::termes_place_planete(static_cast<int>(p)) + plancher::termes_nutation);
}

void BM_PlaceApparente_soleil(benchmark::State& state) {
  const auto& jd = instants();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto p = almanax::position_du_soleil(jd[i++ & 4095]);
    benchmark::DoNotOptimize(p.alpha);
  }
  plancher_de(state, plancher::termes_soleil() + plancher::termes_nutation);
}

// The Moon as its page computes it: the series, the nutation, the equator.
void BM_PlaceApparente_lune(benchmark::State& state) {
  const auto& jd = instants();
  std::size_t i = 0;
  for (auto _ : state) {
    const long double T = (jd[i++ & 4095] - almanax::jd_j2000) / almanax::jours_siecle;
    const almanax::position_lune p = almanax::position_de_la_lune(T);
    const almanax::etat_nutation n = almanax::nutation_complete(T / 10.0L);
    const auto eq = almanax::ecliptique_vers_equatorial({p.lambda + n.delta_psi, p.beta}, n.epsilon());
    benchmark::DoNotOptimize(eq.alpha);
  }
  // The longitude's sines and the distance's cosines of one table, the latitude's sines.
  plancher_de(state, 2 * almanax::table_lune_lr.size() + almanax::table_lune_b.size() + plancher::termes_nutation);
}

}  // namespace

BENCHMARK_CAPTURE(place_planete, venus, almanax::planete::venus)->Name("BM_PlaceApparente/venus");
BENCHMARK_CAPTURE(place_planete, saturne, almanax::planete::saturne)->Name("BM_PlaceApparente/saturne");
BENCHMARK(BM_PlaceApparente_soleil)->Name("BM_PlaceApparente/soleil");
BENCHMARK(BM_PlaceApparente_lune)->Name("BM_PlaceApparente/lune");
