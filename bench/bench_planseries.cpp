// Cost of the planetary series: one full heliocentric position (L, B, R) per
// planet, Pluto's three sums, and the short l/b/r of each planet.
#include <benchmark/benchmark.h>
#include <planseries/planseries.h>

#include <array>
#include <numbers>

namespace {

using Fonction = long double (*)(long double);
using Coordonnees = std::array<Fonction, 3>;

// 2025 January 1, a typical date.
constexpr long double t_date = (2460676.5L - 2451545.0L) / 365250.0L;

void position(benchmark::State& state, Coordonnees fonctions) {
  long double t = t_date;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    for (Fonction f : fonctions) {
      if (f != nullptr) benchmark::DoNotOptimize(f(t));
    }
  }
}

void pluton(benchmark::State& state) {
  const long double k = std::numbers::pi_v<long double> / 180.0L;
  long double t = t_date;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(planseries::pluton_longitude(k, t));
    benchmark::DoNotOptimize(planseries::pluton_latitude(k, t));
    benchmark::DoNotOptimize(planseries::pluton_rayon(k, t));
  }
}

using namespace planseries;

BENCHMARK_CAPTURE(position, mercure_complete, Coordonnees{mercure_longitude, mercure_latitude, mercure_rayon});
BENCHMARK_CAPTURE(position, venus_complete, Coordonnees{venus_longitude, venus_latitude, venus_rayon});
BENCHMARK_CAPTURE(position, terre_complete, Coordonnees{terre_longitude, terre_latitude, terre_rayon});
BENCHMARK_CAPTURE(position, mars_complete, Coordonnees{mars_longitude, mars_latitude, mars_rayon});
BENCHMARK_CAPTURE(position, jupiter_complete, Coordonnees{jupiter_longitude, jupiter_latitude, jupiter_rayon});
BENCHMARK_CAPTURE(position, saturne_complete, Coordonnees{saturne_longitude, saturne_latitude, saturne_rayon});
BENCHMARK_CAPTURE(position, uranus_complete, Coordonnees{uranus_longitude, uranus_latitude, uranus_rayon});
BENCHMARK_CAPTURE(position, neptune_complete, Coordonnees{neptune_longitude, neptune_latitude, neptune_rayon});
BENCHMARK_CAPTURE(position, terre_j2000, Coordonnees{terre2_longitude, terre2_latitude, nullptr});
BENCHMARK(pluton);

// The Earth has no short latitude.
BENCHMARK_CAPTURE(position, mercure_courte, Coordonnees{mercure_l, mercure_b, mercure_r});
BENCHMARK_CAPTURE(position, venus_courte, Coordonnees{venus_l, venus_b, venus_r});
BENCHMARK_CAPTURE(position, terre_courte, Coordonnees{terre_l, nullptr, terre_r});
BENCHMARK_CAPTURE(position, mars_courte, Coordonnees{mars_l, mars_b, mars_r});
BENCHMARK_CAPTURE(position, jupiter_courte, Coordonnees{jupiter_l, jupiter_b, jupiter_r});
BENCHMARK_CAPTURE(position, saturne_courte, Coordonnees{saturne_l, saturne_b, saturne_r});
BENCHMARK_CAPTURE(position, uranus_courte, Coordonnees{uranus_l, uranus_b, uranus_r});
BENCHMARK_CAPTURE(position, neptune_courte, Coordonnees{neptune_l, neptune_b, neptune_r});

}  // namespace
