#!/bin/sh
# Refreshes the .ts files from the sources; run by hand after changing texts.
cd "$(dirname "$0")/.." || exit 1
lupdate -no-obsolete app document presets plot device job ui plugins platform cli \
  -ts translations/Kerfcraft_de.ts translations/Kerfcraft_en.ts
