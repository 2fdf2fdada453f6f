#!/bin/sh
# The real window end to end: "kerfcraft /cut" on an exchange file, "Plotten"
# pressed with X key and mouse events, the virtual plotter's bytes compared
# with what kerfcraft-cli makes of the same job.
# Run under xvfb-run: e2e_cut.sh BIN_DIR SOURCE_DIR OUTPUT_DIR
set -eu
bin=$1 src=$2 out=$3
rm -rf "$out"
mkdir -p "$out/temp" "$out/home"
cp "$src/data/samples/corel.kcj" "$out/temp/kcxfer.kcj"

# Nothing of the user's settings or temp files takes part.
export HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config" XDG_DATA_HOME="$out/home/.local/share"
export TEMP="$out/temp" TMPDIR="$out/temp" KERFCRAFT_BIN_DIR="$bin" QT_QPA_PLATFORM=xcb
export KERFCRAFT_VIRTUAL_PLOTTER=1 KERFCRAFT_VIRTUAL_PLOTTER_OUT="$out/received.plt"

fail() { echo "FAIL: $*" >&2; kill "$app" 2>/dev/null || true; exit 1; }
# Waits up to $2 tenths of a second for a visible window of the program whose
# title matches $1, other than the main window.
window() {
    for _ in $(seq "$2"); do
        w=$(xdotool search --onlyvisible --pid "$app" --name "$1" 2>/dev/null | grep -vx "${main:-0}" | tail -n 1) || true
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

"$bin/kerfcraft" /cut >"$out/kerfcraft.log" 2>&1 &
app=$!
main=$(window Kerfcraft 200) || fail "no main window"

# "Plotten" sits left of "Beenden" in the bottom right corner. It stays
# disabled until the plotter has been found, so press until it asks.
eval "$(xdotool getwindowgeometry --shell "$main")"
for _ in $(seq 20); do
    xdotool mousemove --window "$main" $((WIDTH - 136)) $((HEIGHT - 22)) click 1
    question=$(window Auftrag 10) && break
done
[ -n "${question:-}" ] || fail "no question after pressing Plotten"
xdotool windowfocus --sync "$question" key Return

# The status dialog closes itself once the plotter has the whole job: done
# when only the main window is left and the received file stops growing.
last=-1
for _ in $(seq 150); do
    size=$(stat -c %s "$out/received.plt" 2>/dev/null || echo 0)
    shown=$(xdotool search --onlyvisible --pid "$app" --name . 2>/dev/null | wc -l)
    [ "$size" -gt 0 ] && [ "$size" -eq "$last" ] && [ "$shown" -le 1 ] && break
    last=$size
    sleep 0.3
done
import -window root "$out/window.png" || true
kill "$app" 2>/dev/null || true
[ -s "$out/received.plt" ] || fail "the virtual plotter received nothing"

# The sample itself, since the window may have removed the exchange file; the
# window's material and the 600 x 1000 mm the virtual plotter reports.
"$bin/kerfcraft-cli" plot "$src/data/samples/corel.kcj" --material "Flexfolie (Textil)" --material-size 600x1000 -o "$out/expected.plt" \
    || fail "kerfcraft-cli plot failed"
cmp "$out/expected.plt" "$out/received.plt" || fail "plotter bytes differ from kerfcraft-cli plot"
echo "PASS: $(wc -c <"$out/received.plt") bytes"
