#!/bin/sh
# The real window end to end: "kerfcraft /cut" on an exchange file, "Plotten"
# and the question's "Ja" pressed through the accessibility tree, the virtual
# plotter's bytes compared with what kerfcraft-cli makes of the same job.
# Run under dbus-run-session:
#   e2e_cut.sh BIN_DIR SOURCE_DIR OUTPUT_DIR PYTHON AT_SPI_BUS_LAUNCHER XVFB
set -eu
bin=$1 src=$2 out=$3 python=$4 launcher=$5 xvfb=$6
rm -rf "$out"
mkdir -p "$out/temp" "$out/home"
cp "$src/data/samples/corel.kcj" "$out/temp/kcxfer.kcj"

# Nothing of the user's settings or temp files takes part.
export HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config" XDG_DATA_HOME="$out/home/.local/share"
export TEMP="$out/temp" TMPDIR="$out/temp" KERFCRAFT_BIN_DIR="$bin" QT_QPA_PLATFORM=xcb
export KERFCRAFT_VIRTUAL_PLOTTER=1 KERFCRAFT_VIRTUAL_PLOTTER_OUT="$out/received.plt"
# Qt offers its widgets on the accessibility bus only when asked to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

fail() { echo "FAIL: $*" >&2; exit 1; }
# Xvfb takes the first free display itself and names it once it listens:
# xvfb-run -a races with other X servers starting at the same moment.
"$xvfb" -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$out/display" 2>"$out/xvfb.log" &
server=$!
trap 'kill $server ${bus:-} ${app:-} 2>/dev/null || true' EXIT
for _ in $(seq 200); do [ -s "$out/display" ] && break; sleep 0.1; done
[ -s "$out/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$out/display")"

"$launcher" --launch-immediately >"$out/at-spi.log" 2>&1 &
bus=$!
"$bin/kerfcraft" /cut >"$out/kerfcraft.log" 2>&1 &
app=$!
press() { "$python" "$src/tests/app/a11y_press.py" Kerfcraft "$@"; }

# The limits are for a loaded machine and a sanitizer build; a normal run
# takes seconds. "Plotten" stays disabled until the plotter has been found.
press 60 Plotten || fail "could not press Plotten"
press 30 Ja Yes || fail "could not confirm the job"
# The status dialog closes itself once the plotter has the whole job.
press 45 || fail "the status dialog did not close"
import -window root "$out/window.png"
[ -s "$out/received.plt" ] || fail "the virtual plotter received nothing"

# The sample itself, since the window may have removed the exchange file; the
# window's material and the 600 x 1000 mm the virtual plotter reports.
"$bin/kerfcraft-cli" plot "$src/data/samples/corel.kcj" --material "Flexfolie (Textil)" --material-size 600x1000 -o "$out/expected.plt" \
    || fail "kerfcraft-cli plot failed"
cmp "$out/expected.plt" "$out/received.plt" || fail "plotter bytes differ from kerfcraft-cli plot"
echo "PASS: $(wc -c <"$out/received.plt") bytes"
