#!/usr/bin/env bash
# Makes the pictures of the game that the README and the software-centre description show, from
# the game's own frames: one frame of each screen below, a few seconds into its first visit, as
# docs/screenshots/NAME.png (colours reduced, to keep the files small).
#
# scripts/screenshots.sh [BUILD-FOLDER]   (default: build; it needs rufo, rufo-play and the data)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=docs/screenshots
# Screen id, then the picture's name.
screens=(
  0x1 start
  0x201 garden
  0x202 counting
  0x203 colours
  0x801 album
)

work=$(mktemp -d)
trap "rm -rf \"$work\"" EXIT

# capture_screens DATA FOLDER: writes FOLDER/SCREEN-ID.png for every screen the scripted player
# reaches on its way through Garden1's games. The game keeps a frame every half second and its
# trace (linked to the file the player has it write); of each screen's longest visit, the frame
# a second after its first question is kept, or, without a question, SETTLE_MS into the visit
# (halfway through a shorter one).
capture_screens() {
  local data=$1 folder=$2 frames=$2/frames step=500 end=400000 settle_ms=2500
  mkdir -p "$frames"
  local capture="" t
  for ((t = 0; t <= end; t += step)); do capture+="$t:$frames/$t.png,"; done
  cat >"$work/game" <<GAME
#!/usr/bin/env bash
: >"\$RUFO_TRACE"
ln -f "\$RUFO_TRACE" "$folder/trace.txt"
RUFO_CAPTURE="${capture%,}" exec "$build/rufo" "\$@"
GAME
  chmod +x "$work/game"
  TMPDIR=$work "$build/rufo-play" --win-all --garden 1 --seed 7 --data "$data" \
    --game "$work/game" >"$folder/play.txt"
  awk -v step=$step -v settle=$settle_ms '
    function close_visit(to,   at) {
      if (id == "" || to - from <= longest[id]) return
      longest[id] = to - from
      at = asked != "" ? asked + 1000 : (settle * 2 < to - from ? from + settle : (from + to) / 2)
      chosen[id] = int((at + step - 1) / step) * step
    }
    $2 == "screen" { close_visit($1); id = $3; from = $1; asked = "" }
    $2 == "question" && asked == "" { asked = $1 }
    END { for (s in chosen) print s, chosen[s] }' "$folder/trace.txt" |
    while read -r id at; do cp "$frames/$at.png" "$folder/$id.png"; done
}

capture_screens "$build/data" "$work"
mkdir -p "$out"
for ((i = 0; i < ${#screens[@]}; i += 2)); do
  id=${screens[i]} name=${screens[i + 1]}
  [ -s "$work/$id.png" ] || { echo "no frame of screen $id" >&2; exit 1; }
  convert "$work/$id.png" -strip -colors 255 "PNG8:$out/$name.png"
  echo "$out/$name.png"
done
