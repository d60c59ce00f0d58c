#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to astro.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Only the programs (astro builds astro-graphique, which opens the window) and their
# library: the tests and benchmarks are built by tester.sh.
ALMANAX_CIBLES=astro "$racine/outils/preparer.sh" "$racine/build"
exec "$racine/build/astro" "$@"
