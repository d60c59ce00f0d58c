#!/usr/bin/env bash
# One apparent place per call, this program against two peer libraries on the same
# 4096 instants from -4000 to 9000, in one run: PyEphem (Debian's python3-ephem) and a
# C library that evaluates the full theories (Debian's libnova, bench/places_libnova.c),
# with this program's floor on this machine (bench/plancher.h) and its ratio to it.
# Installs python3-ephem and libnova-dev if missing (this script only: the build and
# the tests never need them), builds the benchmarks in Release, prints microseconds
# per place.
# Usage: bench/comparer_pairs.sh [build directory, default build-release]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$racine/build-release}"

manquants=()
/usr/bin/python3 -c 'import ephem' 2>/dev/null || manquants+=(python3-ephem)
[ -f /usr/include/libnova/libnova.h ] || manquants+=(libnova-dev)
if [ ${#manquants[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q && apt-get install -y -q --no-install-recommends "${manquants[@]}"
fi
"$racine/outils/preparer.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DALMANAX_GUI=OFF -DALMANAX_TESTS=OFF >/dev/null

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
"$build/bench_almanax" --benchmark_filter='BM_PlaceApparente' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$travail/almanax.json" 2>/dev/null
gcc -O2 "$racine/bench/places_libnova.c" -o "$travail/places_libnova" -lnova -lm
"$travail/places_libnova" >"$travail/libnova.txt"

/usr/bin/python3 - "$travail/almanax.json" "$travail/libnova.txt" <<'PY'
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
programme, plancher = {}, {}
for b in mesures:
    if b.get("aggregate_name") == "median":
        nom = b["run_name"].split("/")[-1]
        programme[nom] = b["cpu_time"] / 1000.0 if b["time_unit"] == "ns" else b["cpu_time"]
        if "plancher_us" in b:
            plancher[nom] = b["plancher_us"]
libnova = dict((l.split()[0], float(l.split()[1])) for l in open(sys.argv[2]))

print(f"{'corps':10} {'Almanax':>9} {'plancher':>9} {'rapport':>8} {'PyEphem':>9} {'libnova':>9}   (µs par place)")
for nom, c in corps.items():
    a = programme[nom]
    p = plancher.get(nom)
    texte_plancher = f"{p:9.2f} {a / p:8.2f}" if p else f"{'':9} {'':8}"
    print(f"{nom:10} {a:9.2f} {texte_plancher} {temps_pyephem(c):9.2f} {libnova[nom]:9.2f}")
PY
