#!/usr/bin/env bash
# Installs what the browser build needs, when it is missing: the WebAssembly compiler, the
# browser its test drives headless, and Debian's source archives, from which scripts/web.sh
# builds SDL2, SDL2_ttf, libpng, zlib and FreeType for the browser. Runs apt-get as root, or
# through sudo.
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages=(emscripten chromium dpkg-dev)

# Source packages come from the same release as the binaries.
sources=/etc/apt/sources.list.d/rufo-web-src.sources
updated=0
if [ ! -f "$sources" ]; then
  $sudo tee "$sources" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
  updated=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
[ "$updated" -eq 1 ] || $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
