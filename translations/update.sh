#!/bin/sh
# Refreshes the .ts files from the sources; run by hand after changing texts.
# German is the source language (its file repeats the sources); the English
# texts live in translations/en.py, which reports any text still missing.
cd "$(dirname "$0")/.." || exit 1
dirs=""
for d in app document presets plot device job ui plugins platform cli; do
  [ -d "$d" ] && dirs="$dirs $d"
done
# shellcheck disable=SC2086 # one word per folder
lupdate -no-obsolete $dirs -ts translations/Kerfcraft_de.ts translations/Kerfcraft_en.ts || exit 1
python3 - <<'PY'
import copy
import xml.etree.ElementTree as ET
p = 'translations/Kerfcraft_de.ts'
root = ET.fromstring(open(p, encoding='utf-8').read())
for m in root.iter('message'):
    # The whole source, with its <byte/> elements (carriage returns) and
    # the text after them, not only the text before the first one.
    src, tr = m.find('source'), m.find('translation')
    tr.text = src.text
    tr[:] = [copy.deepcopy(c) for c in src]
    tr.attrib.pop('type', None)
open(p, 'w', encoding='utf-8').write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                                     + ET.tostring(root, encoding='unicode') + '\n')
PY
python3 translations/en.py
