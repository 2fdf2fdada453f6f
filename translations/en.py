# English texts for Kerfcraft_en.ts, keyed by (context, German source).
# Run: python3 translations/en.py  (after translations/update.sh); more texts in en_*.py
import xml.etree.ElementTree as ET
import sys, os

EN = {
 'Nach -o fehlt der Name der Zieldatei.': 'The target file name is missing after -o.',
 'Die Option -o ist mehrfach angegeben.': 'The option -o is given more than once.',
 'Unbekannte Option: %1': 'Unknown option: %1',
 'Mehr als eine Eingabedatei angegeben: %1': 'More than one input file given: %1',
 'Keine Eingabedatei angegeben.': 'No input file given.',
 'Keine Zieldatei angegeben (-o ZIEL.kcf).': 'No target file given (-o TARGET.kcf).',
 'Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf': 'Usage: kerfcraft-cli convert FILE -o TARGET.kcf',
 'Die Auftragsdatei %1 konnte nicht gespeichert werden.': 'The job file %1 could not be saved.',
 '%1 gespeichert: %2 Ebenen, %3 Knoten, %4 x %5 mm.': '%1 saved: %2 layers, %3 nodes, %4 x %5 mm.',
 'ja': 'yes', 'nein': 'no', 'keine': 'none',
 'Ebenen: %1': 'Layers: %1',
 'Ebene %1: "%2" (schneiden: %3)': 'Layer %1: "%2" (cut: %3)',
 'Objekt %1: Farbe %2, Teilpfade %3, Knoten %4': 'Object %1: colour %2, sub-paths %3, nodes %4',
 'Passermarken:': 'Registration marks:',
 'Marke 9: %1': 'Mark 9: %1',
 'Aufruf: kerfcraft-cli info DATEI': 'Usage: kerfcraft-cli info FILE',
 'Datei: %1': 'File: %1',
 'Zeichnung: %1 x %2 mm': 'Drawing: %1 x %2 mm',
 'Auftragsgröße: %1 x %2 mm': 'Job size: %1 x %2 mm',
 'Der Option %1 fehlt ein Wert.': 'The option %1 needs a value.',
 'Ungültiger Wert für %1: %2': 'Invalid value for %1: %2',
 'Die Option %1 nimmt keinen Wert.': 'The option %1 takes no value.',
 'Unbekannte Einstellung: %1': 'Unknown setting: %1',
 'Aufruf: kerfcraft-cli %1 DATEI%2 [OPTIONEN]\n\n': 'Usage: kerfcraft-cli %1 FILE%2 [OPTIONS]\n\n',
 '  --plotter NAME            Plottermodell (Vorgabe: das erste der Voreinstellungen)\n  --material NAME|ID        Material (Vorgabe: das erste)\n  --blade NAME|ID           Messer (Vorgabe: das Messer des Materials)\n  --speed N                 Geschwindigkeit in cm/s\n  --force N                 Andruck in g\n  --passes N                Durchgänge\n  --blade-offset MM         Versatzkorrektur des Messers\n  --offset-correction MM    zusätzliche Versatzkorrektur\n  --blade-init              Messer-Initialisierung vor dem Auftrag\n  --use-plotter-settings    Einstellungen des Plotters verwenden\n  --set Element.Attribut=WERT  Auftragseinstellung, z. B. Position.Rotation=Right90\n  --progress                Fortschritt anzeigen\n':
 '  --plotter NAME            plotter model (default: the first of the presets)\n  --material NAME|ID        material (default: the first)\n  --blade NAME|ID           blade (default: the material\'s blade)\n  --speed N                 speed in cm/s\n  --force N                 force in g\n  --passes N                passes\n  --blade-offset MM         offset correction of the blade\n  --offset-correction MM    additional offset correction\n  --blade-init              blade initialisation before the job\n  --use-plotter-settings    use the plotter\'s own settings\n  --set Element.Attribute=VALUE  job setting, e.g. Position.Rotation=Right90\n  --progress                show progress\n',
 'Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.': 'The presets (KerfcraftPresets.xml) were not found.',
 'Unbekanntes Plottermodell: %1': 'Unknown plotter model: %1',
 'Unbekanntes Material: %1': 'Unknown material: %1',
 'Unbekanntes Messer: %1': 'Unknown blade: %1',
 'Die Geschwindigkeit %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).': 'The speed %1 is outside the range of %2 (%3 to %4).',
 'Der Andruck %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).': 'The force %1 is outside the range of %2 (%3 to %4).',
 'Plotdaten: %1 %': 'Plot data: %1 %',
 'Ein': 'On', 'Aus': 'Off', 'Rolle': 'Roll', 'Blatt': 'Sheet', 'Rand': 'Edge',
 'Plotter %1: Bus %2, Adresse %3, USB %4:%5': 'Plotter %1: bus %2, address %3, USB %4:%5',
 'Modell': 'Model', '(kein passendes Modell)': '(no matching model)', 'Gerät': 'Device',
 'Firmware': 'Firmware', 'Medium': 'Medium', '%1 x %2 mm': '%1 x %2 mm',
 'Geschwindigkeit': 'Speed', '%1 cm/s': '%1 cm/s', 'Andruck': 'Force', '%1 g': '%1 g',
 'Messerversatz': 'Blade offset', 'Qualität': 'Quality', 'Medium abrollen': 'Unroll medium',
 'Kanten glätten': 'Edge smoothing', 'Medientyp': 'Media type',
 'Unbekannte Angabe: %1': 'Unknown argument: %1',
 'Ungültige Geräteangabe: %1 (erwartet BUS:ADRESSE)': 'Invalid device: %1 (expected BUS:ADDRESS)',
 'Der USB-Zugriff konnte nicht eingerichtet werden.': 'USB access could not be set up.',
 'Kein Plotter gefunden.': 'No plotter found.',
 'Kein Plotter an Bus %1, Adresse %2 gefunden.': 'No plotter found at bus %1, address %2.',
 'Unbekannter Befehl: %1': 'Unknown command: %1',
 'Die Datei %1 konnte nicht geschrieben werden.': 'The file %1 could not be written.',
 'Aufruf: kerfcraft-cli BEFEHL [OPTIONEN]\n\nBefehle:\n  info DATEI                 Ebenen, Objekte, Farben und Ausdehnung einer Zeichnung\n  convert DATEI -o ZIEL.kcf  Zeichnung als Auftragsdatei speichern\n  plot DATEI [-o ZIEL]       Plotterdaten erzeugen\n  blocks DATEI               Plotterdaten blockweise anzeigen\n  devices                    angeschlossene Plotter auflisten\n  query [--device BUS:ADR]   einen Plotter abfragen\n  send DATEI [--device BUS:ADR]  Auftrag an einen Plotter senden\n':
 'Usage: kerfcraft-cli COMMAND [OPTIONS]\n\nCommands:\n  info FILE                  layers, objects, colours and extent of a drawing\n  convert FILE -o TARGET.kcf save a drawing as a job file\n  plot FILE [-o TARGET]      generate the plot data\n  blocks FILE                show the plot data block by block\n  devices                    list connected plotters\n  query [--device BUS:ADR]   ask one plotter\n  send FILE [--device BUS:ADR]  send a job to a plotter\n',
 '  --device BUS:ADR          Plotter an diesem USB-Bus und dieser Adresse (Vorgabe: der erste)\n': '  --device BUS:ADR          the plotter at this USB bus and address (default: the first)\n',
 'Pause nach %1; als Nächstes %2.': 'Pause after %1; next: %2.',
 'Weiter mit der Eingabetaste ("Weiter ->"), Abbruch mit Strg+C.': 'Press Enter to continue ("Next ->"), Ctrl+C to cancel.',
 'Die Eingabe ist kein Terminal: es geht sofort weiter.': 'The input is not a terminal: continuing at once.',
 'Abbruch: der Auftrag endet nach dem laufenden Block.': 'Cancelled: the job ends after the current block.',
 'Auftrag abgebrochen.': 'Job cancelled.',
 'Auftrag an %1 gesendet.': 'Job sent to %1.',
 'Die Datei %1 wurde nicht gefunden.': 'The file %1 was not found.',
 'Die Datei %1 konnte nicht gelesen werden.': 'The file %1 could not be read.',
 'Die Datei %1 ist keine lesbare Auftragsdatei.': 'The file %1 is not a readable job file.',
 'Das Dateiformat von %1 wird nicht unterstützt.': 'The file format of %1 is not supported.',
 'Ebenen und Objekte': 'Layers and objects', 'Ebene / Objekt': 'Layer / object', 'Schneiden': 'Cut',
 'Teilpfade': 'Sub-paths', 'Knoten': 'Nodes', 'Farbtabelle': 'Colour table', 'Farbe': 'Colour',
 'Name': 'Name', 'Zeichnung': 'Drawing', 'Ausdehnung:': 'Extent:', 'Größe:': 'Size:',
 'Materialien': 'Materials', 'Material': 'Material', 'Geschwindigkeit (cm/s)': 'Speed (cm/s)',
 'Andruck (g)': 'Force (g)', 'Durchgänge': 'Passes', 'Messer': 'Blade', 'Objekt %1': 'Object %1',
 'CMYK %1 %2 %3 %4': 'CMYK %1 %2 %3 %4', 'RGB %1 %2 %3': 'RGB %1 %2 %3', 'keine Objekte': 'no objects',
 'X %1 … %2 mm, Y %3 … %4 mm': 'X %1 … %2 mm, Y %3 … %4 mm', '%1 × %2 mm': '%1 × %2 mm',
 'Information': 'Information', 'Hinweis': 'Note', 'Dateifehler': 'File error',
 'Die Übertragungsdatei konnte nicht gefunden werden.': 'The transfer file could not be found.',
 'Die Inkspace-Einstellungsdatei konnte nicht gefunden werden': 'The Inkscape preferences file could not be found',
 'Die Inkspace-Einstellungsdatei konnte nicht gelesen werden.': 'The Inkscape preferences file could not be read.',
 'Die Einstellungsdatei konnte nicht geöffnet werden.\r\n': 'The presets file could not be opened.\r\n',
 'Fehler: Der Plotter lieferte keine Daten.': 'Error: the plotter returned no data.',
 'Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: \r\n%1': 'The material could not be added because the presets file could not be opened. Path: \r\n%1',
 'Das Material konnte nicht hinzugefügt werden.': 'The material could not be added.',
 'Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: \r\n%1': 'The material could not be added because the presets file could not be opened for writing. Path: \r\n%1',
 'Diese Funktion ist noch nicht verfügbar.': 'This function is not available yet.',
 'Kerfcraft - Status': 'Kerfcraft - Status', 'Aktueller Job': 'Current job',
 'Plotdaten werden erzeugt': 'Generating plot data', 'Aktuelle Ebene/Farbe:': 'Current layer/colour:',
 'Nächste Ebene/Farbe:': 'Next layer/colour:', 'Weiter ->': 'Next ->',
 '(CMYK %1, %2, %3, %4)': '(CMYK %1, %2, %3, %4)', '(RGB %1, %2, %3)': '(RGB %1, %2, %3)',
 'Farbe %1: %2 %3': 'Colour %1: %2 %3', 'Ebene %1: %2': 'Layer %1: %2',
 'Das Gerät konnte nicht geöffnet werden, da die Berechtigung für den Zugriff auf den Plotter fehlt.': 'The device could not be opened because permission to access the plotter is missing.',
 'Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist.': 'The device could not be opened because the required driver is not installed yet.',
 'Abhilfe: Eine udev-Regel gibt dem angemeldeten Benutzer Zugriff auf die Plotter des Herstellers 0x0F0B.\nDatei: %1\nInhalt: %2': 'Remedy: a udev rule gives the logged-in user access to plotters of vendor 0x0F0B.\nFile: %1\nContent: %2',
 'Bitte legen Sie die Datei als Administrator an, laden Sie die Regeln neu (udevadm control --reload-rules) und stecken Sie den Plotter aus und wieder ein.': 'Please create the file as administrator, reload the rules (udevadm control --reload-rules) and unplug and replug the plotter.',
 'Soll die Regel nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.': 'Install the rule now? Kerfcraft restarts afterwards.',
 'Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.': 'Install the driver now? Kerfcraft restarts afterwards.',
 'Das Gerät konnte nicht geöffnet werden.\nError: %1': 'The device could not be opened.\nError: %1',
 'Das Gerät(Interface) konnte nicht geöffnet werden.\nError: %1': 'The device (interface) could not be opened.\nError: %1',
 'Es konnten keine Informationen zu dem Gerät ermittelt werden.(%1)': 'No information about the device could be obtained. (%1)',
 'Es konnten keine Daten zum Gerät gesendet werden.\nError: %1': 'No data could be sent to the device.\nError: %1',
 'Es konnten keine Daten zum Gerät gesendet werden (2).\nError: %1': 'No data could be sent to the device (2).\nError: %1',
 'Ausgabegerät': 'Output device', 'Neu suchen': 'Rescan', 'Plotten': 'Plot',
 'Bitte wählen Sie zuerst einen Plotter aus.': 'Please choose a plotter first.',
 'Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.': 'The document is larger than the medium loaded in the plotter! Please adjust the size of the document.',
 'Ursprung X': 'Origin X', 'Breite X': 'Width X', 'Ursprung Y': 'Origin Y', 'Versatz Y': 'Offset Y',
 'Länge': 'Length', 'Strichstärke': 'Line thickness', 'Abstand X': 'Distance X', 'Abstand Y': 'Distance Y',
 'Erste Marke X': 'First mark X', 'Erste Marke Y': 'First mark Y',
}

# Each subsystem may keep its texts in a file en_<area>.py beside this one
# (a dict named EN), so parallel work does not edit one long table.
import glob, runpy
for extra in sorted(glob.glob(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'en_*.py'))):
    EN.update(runpy.run_path(extra)['EN'])

path = os.path.join(os.path.dirname(__file__), 'Kerfcraft_en.ts')
text = open(path, encoding='utf-8').read()
tree = ET.ElementTree(ET.fromstring(text))
missing = []

def full_text(e):
    """The element's text with its <byte value="xd"/> children as characters."""
    s = e.text or ''
    for c in e:
        if c.tag == 'byte':
            s += chr(int(c.get('value').lstrip('x'), 16))
        s += c.tail or ''
    return s

def set_text(e, s):
    """Writes s into e, carriage returns as <byte/> elements as lupdate does."""
    parts = s.split('\r')
    e.text = parts[0]
    e[:] = []
    for p in parts[1:]:
        b = ET.SubElement(e, 'byte', value='xd')
        b.tail = p

for ctx in tree.getroot().findall('context'):
    for m in ctx.findall('message'):
        src = full_text(m.find('source'))
        tr = m.find('translation')
        if src in EN:
            set_text(tr, EN[src])
            tr.attrib.pop('type', None)
        else:
            missing.append(src)
body = ET.tostring(tree.getroot(), encoding='unicode')
with open(path, 'w', encoding='utf-8') as f:
    f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + '\n')
for s in missing:
    print('missing:', repr(s))
sys.exit(1 if missing else 0)
