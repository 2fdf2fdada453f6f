#!/bin/sh
# First-run copy: puts the default data files beside this script into the
# user's Kerfcraft folder ("appdata"/Kerfcraft, else the XDG config folder).
# Files the user already has are kept.
set -u
src="$(cd "$(dirname "$0")" && pwd)"
base="${APPDATA:-${appdata:-${AppData:-${XDG_CONFIG_HOME:-$HOME/.config}}}}"
dest="$base/Kerfcraft"
mkdir -p "$dest" || exit 1
status=0
for f in KerfcraftPresets.xml 1000.txt 2000.txt 3000.txt Kerfcraft.ini; do
  if [ ! -e "$dest/$f" ]; then
    cp "$src/$f" "$dest/$f.tmp.$$" && mv "$dest/$f.tmp.$$" "$dest/$f" || status=1
  fi
done
exit $status
