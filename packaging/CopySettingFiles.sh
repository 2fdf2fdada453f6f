#!/bin/sh
# First-run copy: puts the default data files beside this script into the
# user's Kerfcraft folder ("appdata"/Kerfcraft, else the XDG config folder).
# Files the user already has are kept. Each file goes in under a temporary
# name and is renamed, so Kerfcraft never reads half a file; a failed copy
# leaves no temporary file behind.
set -u
src="$(cd "$(dirname "$0")" && pwd)"
base="${APPDATA:-${appdata:-${AppData:-${XDG_CONFIG_HOME:-$HOME/.config}}}}"
dest="$base/Kerfcraft"
mkdir -p "$dest" || exit 1
status=0
for f in KerfcraftPresets.xml 1000.txt 2000.txt 3000.txt Kerfcraft.ini; do
  if [ ! -e "$dest/$f" ]; then
    tmp="$dest/$f.tmp.$$"
    if ! { cp "$src/$f" "$tmp" && sync "$tmp" && mv -fT "$tmp" "$dest/$f"; }; then
      rm -f "$tmp"
      status=1
    fi
  fi
done
exit $status
