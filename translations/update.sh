#!/bin/sh
# Refreshes the .ts files from the sources; run by hand after changing texts.
# German is the source language (its file repeats the sources); the English
# texts live in translations/en.py, which reports any text still missing.
cd "$(dirname "$0")/.." || exit 1
# Only the source folders that exist yet (lupdate stops at a missing one).
dirs=$(for d in app document presets plot device job ui plugins platform cli; do [ -d "$d" ] && echo "$d"; done)
# shellcheck disable=SC2086
lupdate -no-obsolete $dirs \
  -ts translations/Kerfcraft_de.ts translations/Kerfcraft_en.ts || exit 1
python3 - <<'PY'
import xml.etree.ElementTree as ET
p = 'translations/Kerfcraft_de.ts'
root = ET.fromstring(open(p, encoding='utf-8').read())
for m in root.iter('message'):
    tr = m.find('translation')
    tr.text = m.find('source').text
    tr.attrib.pop('type', None)
open(p, 'w', encoding='utf-8').write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                                     + ET.tostring(root, encoding='unicode') + '\n')
PY
python3 translations/en.py
