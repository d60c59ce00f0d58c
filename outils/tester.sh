#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/outils/preparer.sh" "$racine/build"
cd "$racine/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
