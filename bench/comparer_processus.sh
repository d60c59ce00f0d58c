#!/usr/bin/env bash
# Whole-process time of one text report, `astro --rapport soleil-lune --site Paris`,
# against a one-shot C program on libnova (a peer astronomy library, Debian's
# libnova-dev) that prints the same places, distances and risings for Paris
# (bench/soleil_lune_libnova.c). Both are timed from process start to exit, loading
# included, in interleaved rounds of hyperfine (warm-ups, then runs alternating by round).
# Installs libnova-dev and hyperfine if missing (this script only: the build and the
# tests never need them), builds the program in Release, compiles the C program with
# gcc -O2, prints both medians and the ratio; exits 1 when astro's median is the slower.
# Usage: bench/comparer_processus.sh [build directory, default build-release]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$racine/build-release}"
tours=10        # rounds, alternating the two programs
par_tour=10     # runs of each program per round: 100 in all

manquants=()
[ -f /usr/include/libnova/libnova.h ] || manquants+=(libnova-dev)
command -v hyperfine >/dev/null || manquants+=(hyperfine)
command -v gcc >/dev/null || manquants+=(gcc)
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation : ${manquants[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q && apt-get install -y -q --no-install-recommends "${manquants[@]}"
fi
ALMANAX_CIBLES=astro "$racine/outils/preparer.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DALMANAX_TESTS=OFF \
  -DALMANAX_BENCH=OFF >/dev/null
astro="$build/astro"
c_prog="$build/soleil_lune_libnova"
gcc -O2 -o "$c_prog" "$racine/bench/soleil_lune_libnova.c" -lnova -lm

# Both run in an empty folder: astro reads no villes.dat there and uses its own list.
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
cd "$travail"
"$astro" --rapport soleil-lune --site Paris >/dev/null
"$c_prog" >/dev/null
for ((t = 1; t <= tours; t++)); do
  hyperfine -N --style none --warmup 3 --runs "$par_tour" --export-json "$travail/tour$t.json" \
    "$astro --rapport soleil-lune --site Paris" "$c_prog" >/dev/null
done

python3 - "$travail" "$tours" <<'PY'
import json, statistics, sys
dossier, tours = sys.argv[1], int(sys.argv[2])
temps = [[], []]
for t in range(1, tours + 1):
    with open(f"{dossier}/tour{t}.json") as f:
        for i, r in enumerate(json.load(f)["results"]):
            temps[i] += r["times"]
astro, c = (statistics.median(x) * 1000 for x in temps)
print(f"astro --rapport soleil-lune --site Paris : médiane {astro:.2f} ms ({len(temps[0])} exécutions)")
print(f"programme C sur libnova (gcc -O2)        : médiane {c:.2f} ms ({len(temps[1])} exécutions)")
print(f"rapport astro / C : {astro / c:.2f}")
if astro > c:
    print("astro est plus lent que le programme C sur cette machine (médianes ci-dessus).")
    sys.exit(1)
PY
