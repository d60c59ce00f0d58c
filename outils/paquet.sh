#!/usr/bin/env bash
# Installs the built program into a staging folder and checks what a desktop needs
# (desktop entry, AppStream metainfo), then makes the Debian package and checks it
# with lintian. Usage: outils/paquet.sh [build directory]  (after outils/preparer.sh)
# The package lands in the build directory as almanax_VERSION_ARCH.deb.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$racine/build}"

paquets=(dpkg-dev lintian desktop-file-utils appstream fakeroot)
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

cmake --build "$build" -j "$(nproc)" --target astro page_man
staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
cmake --install "$build" --prefix "$staging/usr" > /dev/null
echo "=== desktop-file-validate ==="
desktop-file-validate "$staging"/usr/share/applications/*.desktop
echo "=== appstreamcli validate ==="
appstreamcli validate --no-net "$staging"/usr/share/metainfo/*.metainfo.xml

echo "=== cpack -G DEB ==="
rm -f "$build"/almanax_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb="$(ls "$build"/almanax_*.deb)"
echo "$deb"
echo "=== lintian ==="
lintian --fail-on error "$deb"
