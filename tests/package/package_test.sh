#!/usr/bin/env bash
# The Debian package as a player gets it: made by cpack from the build, accepted by Debian's own
# checker without an error or a warning, unpacked into a throwaway root, its dependencies present
# on this machine, its desktop entry, software-centre description and manual pages valid, and the
# installed game finding its data where the package put it, playing its first screens and, driven
# by the installed scripted player, Garden1's games to their stickers.
#
# package_test.sh BUILD-FOLDER
set -euo pipefail

build=$1
app_id=cz.rufo.rufo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# --- The package and what it depends on -----------------------------------------------------
cpack -G DEB -B "$work/cpack" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, got: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb --field "$deb" Version)

# Debian's checker: any error or warning fails (an override needs its reason beside it).
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(grep -v 'running with root privileges' "$work/lintian.log")"

# Package names only: versions and alternatives dropped.
depends=$(dpkg-deb --field "$deb" Depends | tr ',|' '\n\n' | sed -E 's/^ *([^ (]+).*/\1/')
for needed in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libpng16-16 libcairo2 fonts-dejavu-core; do
  grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Every dependency is a package this machine has, so the runs below use exactly those.
for name in $depends; do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
    fail "dependency $name is not installed here"
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "section is not games"

root=$work/root
dpkg -x "$deb" "$root"
installed=$root/usr
share=$installed/share
data=$share/games/rufo

# --- Files a desktop needs ---------------------------------------------------------------------
for file in games/rufo games/rufo-data games/rufo-play share/games/rufo/Cursors.dat \
  "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$app_id.svg" share/man/man6/rufo.6.gz \
  share/man/man6/rufo-play.6.gz share/man/man1/rufo-data.1.gz share/doc/rufo/copyright \
  share/doc/rufo/changelog.gz; do
  [ -s "$installed/$file" ] || fail "the package lacks /usr/$file"
done
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "icon ${size}x${size}: $(file "$icon")"
done
[ ! -e "$data/.demogen" ] || fail "the generator's stamp was installed with the data"
zcat "$share/doc/rufo/changelog.gz" | head -1 | grep -q "^rufo ($version) " ||
  fail "the changelog's latest entry is not for $version"

desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop entry"
grep -qx "Icon=$app_id" "$share/applications/$app_id.desktop" || fail "desktop entry icon"
metainfo=$share/metainfo/$app_id.metainfo.xml
grep -q '^ *<p>$' "$metainfo" || fail "metainfo has no English description"
grep -q '^ *<p xml:lang="cs">$' "$metainfo" || fail "metainfo has no Czech description"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
# appstreamcli exits 0 on pedantic findings and on info: every finding fails here.
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  fail "metainfo: $(cat "$work/appstream.log")"
grep -q '^[EWIP]: ' "$work/appstream.log" && fail "metainfo: $(cat "$work/appstream.log")"
# Every screenshot the description shows is one of the pictures published from docs/screenshots.
screenshots=$(dirname "$0")/../../docs/screenshots
shown=$(sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
[ -n "$shown" ] || fail "metainfo shows no screenshot"
for picture in $shown; do
  [ -s "$screenshots/$picture" ] || fail "metainfo shows $picture, which docs/screenshots lacks"
done
for page in man6/rufo.6.gz man6/rufo-play.6.gz man1/rufo-data.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/$page" 2>&1 >/dev/null) ||
    fail "man $page failed"
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
for page in rufo.6.gz rufo-play.6.gz; do
  grep -q "/usr/share/games/rufo/" <(zcat "$share/man/man6/$page") ||
    fail "$page names another data folder than /usr/share/games/rufo/"
done

# --- The installed programs on the installed data ----------------------------------------------
"$installed/games/rufo-data" check "$data/" >"$work/check.log" ||
  fail "rufo-data check: $(cat "$work/check.log")"

home=$work/home
run_game() {  # run_game EXTRA-ENV... : the installed game headless, as a fresh user
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work" \
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" RUFO_HEADLESS=1 RUFO_SEED=7 \
    "$@" "$installed/games/rufo"
}
ini=$home/config/rufo/rufo.ini

# Without its data the game says so in Czech, naming the folder where the package puts it, and
# fails.
mv "$data" "$data.away"
status=0
run_game RUFO_RUN_MS=1000 >"$work/no-data.out" 2>&1 || status=$?
mv "$data.away" "$data"
[ $status -ne 0 ] || fail "no data, yet the game exited 0"
grep -q "ve složce „$data/“ nejsou její data" "$work/no-data.out" ||
  fail "no Czech message about the missing data: $(cat "$work/no-data.out")"
rm -rf "$home"
mkdir -p "$home"

# The first run finds the data beside the installed program, wherever the package was unpacked,
# and names it in the rufo.ini it writes. It plays through the title and the Start screen to the
# learning garden: a face is chosen and the cap put on it.
play_installed_game() {
  local script=$work/input.txt
  echo "300 lup" >"$script"
  for ((t = 2000; t < 30000; t += 1000)); do  # clicks until the introduction is skipped
    printf '%d move 600 40\n%d ldown\n%d lup\n' $t $((t + 100)) $((t + 150)) >>"$script"
  done
  cat >>"$script" <<'EOF'
32000 move 116 283
32100 ldown
32150 lup
33000 move 203 297
33100 ldown
33150 lup
34000 move 116 283
34100 ldown
34150 lup
EOF
  run_game RUFO_RUN_MS=50000 RUFO_INPUT="$script"
}
status=0
play_installed_game >"$work/play.out" 2>&1 || status=$?
[ $status -eq 0 ] || fail "the installed game exited $status: $(cat "$work/play.out")"
expected_ini=$(printf '[Rufo I]\nCD=%s/\nHD=%s/data/rufo/' "$data" "$home")
[ "$(cat "$ini" 2>/dev/null)" = "$expected_ini" ] || fail "first rufo.ini: $(cat "$ini" 2>&1)"
log=$home/data/rufo/Debug.log
grep -qx "CD=$data/" "$log" || fail "log: $(cat "$log")"
grep -qx "Interface::Init () OK" "$log" || fail "log: $(cat "$log")"
user=$home/data/rufo/rufo_usr.dat
if [ "$(stat -c %s "$user" 2>/dev/null)" != 224 ]; then
  fail "user file: $(ls -l "$user" 2>&1)"
else
  # Slot 0: the face (32-bit, at 28) and the in-use flag (at 54) of a 56-byte profile.
  [ "$(od -An -td4 -j28 -N4 "$user" | tr -d ' ')" = 1 ] || fail "slot 0 face"
  [ "$(od -An -tu1 -j54 -N1 "$user" | tr -d ' ')" = 1 ] || fail "slot 0 not in use"
fi

# The installed scripted player wins Garden1's games with the installed game (beside it) on the
# installed data.
"$installed/games/rufo-play" --win-all --garden 1 --seed 7 --data "$data" \
  >"$work/rufo-play.out" 2>&1 ||
  fail "rufo-play --win-all --garden 1: $(cat "$work/rufo-play.out")"

if [ $failures -ne 0 ]; then
  echo "$failures package checks failed" >&2
  exit 1
fi
echo "package $(basename "$deb"): all checks passed"
