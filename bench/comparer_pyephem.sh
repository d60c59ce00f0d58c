#!/usr/bin/env bash
# One apparent place per call, this program against PyEphem (a peer ephemeris library,
# Debian's python3-ephem), on the same 4096 instants from -4000 to 9000, in one run.
# Installs python3-ephem if missing (this script only: the build and the tests never
# need it), builds the benchmarks in Release, prints microseconds per place and the ratio.
# Usage: bench/comparer_pyephem.sh [build directory, default build-release]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$racine/build-release}"

if ! /usr/bin/python3 -c 'import ephem' 2>/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q && apt-get install -y -q --no-install-recommends python3-ephem
fi
"$racine/outils/preparer.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DALMANAX_GUI=OFF -DALMANAX_TESTS=OFF >/dev/null

json=$(mktemp)
"$build/bench_almanax" --benchmark_filter='BM_PlaceApparente' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$json" 2>/dev/null

/usr/bin/python3 - "$json" <<'PY'
import json, sys, time
import ephem

# The benchmark's instants (bench/bench_place_apparente.cpp).
debut, fin = 260424.5, 5008271.5
instants = [debut + (fin - debut) * ((i * 2654435761) % 2**32 % 4096) / 4096.0 + i * 0.37 for i in range(4096)]
dates = [ephem.Date(jd - 2415020.0) for jd in instants]
corps = {"venus": ephem.Venus(), "saturne": ephem.Saturn(), "soleil": ephem.Sun(), "lune": ephem.Moon()}

def temps_pyephem(c):
    meilleur = float("inf")
    for _ in range(5):
        t0 = time.perf_counter()
        for d in dates:
            c.compute(d)
            c.g_ra, c.g_dec
        meilleur = min(meilleur, (time.perf_counter() - t0) / len(dates))
    return meilleur * 1e6

with open(sys.argv[1]) as f:
    mesures = json.load(f)["benchmarks"]
programme = {}
for b in mesures:
    if b.get("aggregate_name") == "median":
        nom = b["run_name"].split("/")[-1]
        programme[nom] = b["cpu_time"] / 1000.0 if b["time_unit"] == "ns" else b["cpu_time"]

print(f"{'corps':10} {'Almanax (µs)':>14} {'PyEphem (µs)':>14} {'rapport':>9}")
for nom, c in corps.items():
    p = temps_pyephem(c)
    a = programme[nom]
    print(f"{nom:10} {a:14.2f} {p:14.2f} {a / p:9.2f}")
PY
rm -f "$json"
