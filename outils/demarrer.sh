#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to astro.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/outils/preparer.sh" "$racine/build"
exec "$racine/build/astro" "$@"
