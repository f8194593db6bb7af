#!/usr/bin/env bash
# Builds the browser version into build-web/ and serves it on http://localhost:8000:
#   the game compiled to WebAssembly (build-web/game), against SDL2, SDL2_ttf, libpng, zlib and
#   FreeType built from Debian's source packages (build-web/deps, built once and kept);
#   the demo data tree of a native build (build/data), packed for the browser's file system;
#   the page of our own (web/).
# With --bundle it only writes build-web/site, a folder of static files for any web host.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bundle=0
[ "${1:-}" = "--bundle" ] && bundle=1

scripts/install-deps.sh
scripts/install-web-deps.sh

# Debian's emcc runs on the machine's node, which does not look in Debian's module folder.
export NODE_PATH=/usr/share/nodejs
jobs=${RUFO_JOBS:-2}
out=$root/build-web
deps=$out/deps
prefix=$deps/prefix
mkdir -p "$deps/src" "$prefix"

# The native build makes the data tree.
native=${RUFO_NATIVE_BUILD:-build}
if [ ! -f "$native/build.ninja" ]; then
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$native" --target rufo_demo_data -j"$jobs"

# Unpacks a Debian source package once; prints its folder.
source_of() {
  local package=$1
  local dir
  dir=$(find "$deps/src" -maxdepth 1 -mindepth 1 -type d -name "$package*" | head -1)
  if [ -z "$dir" ]; then
    (cd "$deps/src" && apt-get source -qq "$package" >/dev/null 2>&1)
    dir=$(find "$deps/src" -maxdepth 1 -mindepth 1 -type d -name "$package*" | head -1)
  fi
  [ -n "$dir" ] || { echo "web.sh: cannot unpack the source of $package" >&2; exit 1; }
  echo "$dir"
}

# Builds and installs a CMake project for the browser once; a stamp marks it done.
build_dep() {
  local name=$1 package=$2
  shift 2
  [ -f "$deps/$name.done" ] && return 0
  local src
  src=$(source_of "$package")
  echo "web.sh: building $name from $(basename "$src")"
  rm -rf "$deps/build-$name"
  emcmake cmake -S "$src" -B "$deps/build-$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$deps/$name.log" 2>&1
  cmake --build "$deps/build-$name" -j"$jobs" >>"$deps/$name.log" 2>&1
  cmake --install "$deps/build-$name" >>"$deps/$name.log" 2>&1
  touch "$deps/$name.done"
}

# Debian's zlib source lacks the files its CMake build lists for Windows; its own configure
# script builds the static library.
if [ ! -f "$deps/zlib.done" ]; then
  src=$(source_of zlib)
  echo "web.sh: building zlib from $(basename "$src")"
  (cd "$src" && emconfigure ./configure --static --prefix="$prefix" &&
    emmake make -j"$jobs" libz.a && emmake make install) >"$deps/zlib.log" 2>&1
  touch "$deps/zlib.done"
fi
build_dep png libpng1.6 -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
# FreeType uses the zlib above: Debian's source has no copy of its own to build.
build_dep freetype freetype -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BZIP2=ON \
  -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
build_dep sdl2 libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
build_dep sdl2_ttf libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF \
  -DSDL2TTF_SAMPLES=OFF -DSDL2_DIR="$prefix/lib/cmake/SDL2" \
  -DFREETYPE_LIBRARY="$prefix/lib/libfreetype.a" -DFREETYPE_INCLUDE_DIRS="$prefix/include/freetype2"

# SDL2_ttf's CMake build installs no pkg-config file; the game finds it by one.
if [ ! -f "$prefix/lib/pkgconfig/SDL2_ttf.pc" ]; then
  cat >"$prefix/lib/pkgconfig/SDL2_ttf.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: SDL2_ttf
Description: TrueType fonts for SDL2
Version: 2.20.1
Requires: sdl2 freetype2
Libs: -L\${libdir} -lSDL2_ttf
Cflags: -I\${includedir}/SDL2
PC
fi

# The game. emcmake takes pkg-config's search path from EM_PKG_CONFIG_PATH.
export EM_PKG_CONFIG_PATH=$prefix/lib/pkgconfig
emcmake cmake -S . -B "$out/game" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRUFO_WERROR=ON \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
  -DPNG_LIBRARY="$prefix/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$prefix/include" \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" >/dev/null
cmake --build "$out/game" --target rufo-web -j"$jobs"

# The site: the page, the game and the data packs.
site=$out/site
rm -rf "$site"
mkdir -p "$site"
cp web/index.html web/page.css web/page.js "$site/"
cp "$out/game/rufo-web.js" "$out/game/rufo-web.wasm" "$site/"
# Two data packs: what the title and the Start screen need, with the font, loaded before the
# game starts; the gardens, the lessons, the album and the end, loaded while the child plays.
data=$(realpath "$native/data")
later=(Bitmaps/Garden1 Bitmaps/Garden2 Bitmaps/Garden3 Bitmaps/Garden4 Bitmaps/Garden5
  Bitmaps/Garden6 Bitmaps/LearnG Bitmaps/Album Bitmaps/End Bitmaps/Credits Sounds/Garden1
  Sounds/Garden2 Sounds/Garden3 Sounds/Garden4 Sounds/Garden5 Sounds/Garden6 Sounds/LearnG
  Sounds/GB_UNI)
packager=(python3 "$(dirname "$(realpath "$(command -v emcc)")")/tools/file_packager.py")
excludes=()
rest=()
for dir in "${later[@]}"; do
  excludes+=("$data/$dir")
  rest+=("$data/$dir@/data/$dir")
done
font=/usr/share/fonts/truetype/dejavu
(cd "$site" &&
  "${packager[@]}" data-start.data --preload "$data@/data" \
    "$font/DejaVuSans.ttf@$font/DejaVuSans.ttf" "$font/DejaVuSans-Bold.ttf@$font/DejaVuSans-Bold.ttf" \
    --exclude "${excludes[@]}" --js-output=data-start.js >/dev/null &&
  "${packager[@]}" data-rest.data --preload "${rest[@]}" --js-output=data-rest.js >/dev/null)

if [ "$bundle" -eq 1 ]; then
  echo "$site"
  exit 0
fi
echo "Serving http://localhost:8000 (Ctrl+C ends)"
cd "$site" && exec python3 -m http.server 8000 --bind 127.0.0.1
