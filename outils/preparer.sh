#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root), then configures and builds.
# A second run installs nothing and rebuilds only what changed.
# Usage: outils/preparer.sh [build directory] [extra cmake options...]
# ALMANAX_CIBLES="astro ..." builds only those targets (and what they need).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$racine/build}"
shift || true

paquets=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
         libbenchmark-dev fonts-liberation xvfb xauth poppler-utils qt6-translations-l10n tzdata)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation : ${manquants[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${manquants[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cibles=()
for c in ${ALMANAX_CIBLES:-}; do cibles+=(--target "$c"); done
cmake --build "$build" -j "$(nproc)" "${cibles[@]}"
