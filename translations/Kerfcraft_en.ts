<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Kerfcraft</source>
        <translation>About Kerfcraft</translation>
    </message>
    <message>
        <source>Version für:</source>
        <translation>Version for:</translation>
    </message>
    <message>
        <source>&lt;font color='green'&gt;Windows&lt;/font&gt;</source>
        <translation>&lt;font color='green'&gt;Windows&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color='gray'&gt;Macintosh&lt;/font&gt;</source>
        <translation>&lt;font color='gray'&gt;Macintosh&lt;/font&gt;</translation>
    </message>
    <message>
        <source>USB Treiber deinstallieren</source>
        <translation>Uninstall USB driver</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kerfcraft %1</source>
        <translation>Kerfcraft %1</translation>
    </message>
    <message>
        <source>USB-Treiber Deinstallation</source>
        <translation>USB driver removal</translation>
    </message>
    <message>
        <source>Sollen der installierte Plotter-Treiber wieder deinstalliert werden?
Nach der Deinstallation muss der Plotter entfernt und wieder eingesteckt, oder aus- und wieder eingeschaltet werden.</source>
        <translation>Should the installed plotter driver be uninstalled?
Afterwards the plotter must be unplugged and plugged in again, or switched off and on again.</translation>
    </message>
    <message>
        <source>Diese Ausgabe enthält kein Installationsprogramm für den Plotter-Zugriff. Er beruht auf der udev-Regel %1; entfernen Sie diese Datei als Administrator, um ihn aufzuheben.</source>
        <translation>This edition has no installer for plotter access. It relies on the udev rule %1; remove that file as administrator to revoke it.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Nach -o fehlt der Name der Zieldatei.</source>
        <translation>The target file name is missing after -o.</translation>
    </message>
    <message>
        <source>Die Option -o ist mehrfach angegeben.</source>
        <translation>The option -o is given more than once.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Mehr als eine Eingabedatei angegeben: %1</source>
        <translation>More than one input file given: %1</translation>
    </message>
    <message>
        <source>Keine Eingabedatei angegeben.</source>
        <translation>No input file given.</translation>
    </message>
    <message>
        <source>Keine Zieldatei angegeben (-o ZIEL.kcf).</source>
        <translation>No target file given (-o TARGET.kcf).</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf</source>
        <translation>Usage: kerfcraft-cli convert FILE -o TARGET.kcf</translation>
    </message>
    <message>
        <source>Die Auftragsdatei %1 konnte nicht gespeichert werden.</source>
        <translation>The job file %1 could not be saved.</translation>
    </message>
    <message>
        <source>%1 gespeichert: %2 Ebenen, %3 Knoten, %4 x %5 mm.</source>
        <translation>%1 saved: %2 layers, %3 nodes, %4 x %5 mm.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Ebenen: %1</source>
        <translation>Layers: %1</translation>
    </message>
    <message>
        <source>Ebene %1: "%2" (schneiden: %3)</source>
        <translation>Layer %1: "%2" (cut: %3)</translation>
    </message>
    <message>
        <source>Objekt %1: Farbe %2, Teilpfade %3, Knoten %4</source>
        <translation>Object %1: colour %2, sub-paths %3, nodes %4</translation>
    </message>
    <message>
        <source>Passermarken:</source>
        <translation>Registration marks:</translation>
    </message>
    <message>
        <source>Marke 9: %1</source>
        <translation>Mark 9: %1</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli info DATEI</source>
        <translation>Usage: kerfcraft-cli info FILE</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Zeichnung: %1 x %2 mm</source>
        <translation>Drawing: %1 x %2 mm</translation>
    </message>
    <message>
        <source>Auftragsgröße: %1 x %2 mm</source>
        <translation>Job size: %1 x %2 mm</translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ein Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Ungültiger Wert für %1: %2</source>
        <translation>Invalid value for %1: %2</translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>The option %1 takes no value.</translation>
    </message>
    <message>
        <source>Unbekannte Einstellung: %1</source>
        <translation>Unknown setting: %1</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli %1 DATEI%2 [OPTIONEN]

</source>
        <translation>Usage: kerfcraft-cli %1 FILE%2 [OPTIONS]

</translation>
    </message>
    <message>
        <source>Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.</source>
        <translation>The presets (KerfcraftPresets.xml) were not found.</translation>
    </message>
    <message>
        <source>Unbekanntes Material: %1</source>
        <translation>Unknown material: %1</translation>
    </message>
    <message>
        <source>Unbekanntes Messer: %1</source>
        <translation>Unknown blade: %1</translation>
    </message>
    <message>
        <source>Die Geschwindigkeit %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</source>
        <translation>The speed %1 is outside the range of %2 (%3 to %4).</translation>
    </message>
    <message>
        <source>Der Andruck %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</source>
        <translation>The force %1 is outside the range of %2 (%3 to %4).</translation>
    </message>
    <message>
        <source>Plotdaten: %1 %</source>
        <translation>Plot data: %1 %</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Rolle</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Plotter %1: Bus %2, Adresse %3, USB %4:%5</source>
        <translation>Plotter %1: bus %2, address %3, USB %4:%5</translation>
    </message>
    <message>
        <source>Modell</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>(kein passendes Modell)</source>
        <translation>(no matching model)</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>%1 cm/s</source>
        <translation>%1 cm/s</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Messerversatz</source>
        <translation>Blade offset</translation>
    </message>
    <message>
        <source>Qualität</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Medium abrollen</source>
        <translation>Unroll medium</translation>
    </message>
    <message>
        <source>Kanten glätten</source>
        <translation>Edge smoothing</translation>
    </message>
    <message>
        <source>Medientyp</source>
        <translation>Media type</translation>
    </message>
    <message>
        <source>Unbekannte Angabe: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>Ungültige Geräteangabe: %1 (erwartet BUS:ADRESSE)</source>
        <translation>Invalid device: %1 (expected BUS:ADDRESS)</translation>
    </message>
    <message>
        <source>Der USB-Zugriff konnte nicht eingerichtet werden.</source>
        <translation>USB access could not be set up.</translation>
    </message>
    <message>
        <source>Kein Plotter gefunden.</source>
        <translation>No plotter found.</translation>
    </message>
    <message>
        <source>Kein Plotter an Bus %1, Adresse %2 gefunden.</source>
        <translation>No plotter found at bus %1, address %2.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>  --device BUS:ADR          Plotter an diesem USB-Bus und dieser Adresse (Vorgabe: der erste)
</source>
        <translation>  --device BUS:ADR          the plotter at this USB bus and address (default: the first)
</translation>
    </message>
    <message>
        <source>Pause nach %1; als Nächstes %2.</source>
        <translation>Pause after %1; next: %2.</translation>
    </message>
    <message>
        <source>Weiter mit der Eingabetaste ("Weiter -&gt;"), Abbruch mit Strg+C.</source>
        <translation>Press Enter to continue ("Next -&gt;"), Ctrl+C to cancel.</translation>
    </message>
    <message>
        <source>Die Eingabe ist kein Terminal: es geht sofort weiter.</source>
        <translation>The input is not a terminal: continuing at once.</translation>
    </message>
    <message>
        <source>Abbruch: der Auftrag endet nach dem laufenden Block.</source>
        <translation>Cancelled: the job ends after the current block.</translation>
    </message>
    <message>
        <source>Auftrag abgebrochen.</source>
        <translation>Job cancelled.</translation>
    </message>
    <message>
        <source>Auftrag an %1 gesendet.</source>
        <translation>Job sent to %1.</translation>
    </message>
    <message>
        <source>Ursprung X</source>
        <translation>Origin X</translation>
    </message>
    <message>
        <source>Breite X</source>
        <translation>Width X</translation>
    </message>
    <message>
        <source>Ursprung Y</source>
        <translation>Origin Y</translation>
    </message>
    <message>
        <source>Versatz Y</source>
        <translation>Offset Y</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Line thickness</translation>
    </message>
    <message>
        <source>Abstand X</source>
        <translation>Distance X</translation>
    </message>
    <message>
        <source>Abstand Y</source>
        <translation>Distance Y</translation>
    </message>
    <message>
        <source>Erste Marke X</source>
        <translation>First mark X</translation>
    </message>
    <message>
        <source>Erste Marke Y</source>
        <translation>First mark Y</translation>
    </message>
    <message>
        <source>Bitte mit -o die FCM-Datei angeben.</source>
        <translation>Please name the FCM file with -o.</translation>
    </message>
    <message>
        <source>Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, Zeit ca. %4:%5 min bei %6 cm/s</source>
        <translation>Cut length %1 mm, travel %2 mm, material used %3 mm, time about %4:%5 min at %6 cm/s</translation>
    </message>
    <message>
        <source>Der Wert %1 für %2 liegt außerhalb des erlaubten Bereichs (%3 bis %4).</source>
        <translation>The value %1 for %2 lies outside the allowed range (%3 to %4).</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli BEFEHL [OPTIONEN]

Befehle:
  info DATEI                 Ebenen, Objekte, Farben und Ausdehnung einer Zeichnung
  convert DATEI -o ZIEL.kcf  Zeichnung als Auftragsdatei speichern
  plot DATEI [-o ZIEL]       Plotterdaten erzeugen
  blocks DATEI               Plotterdaten blockweise anzeigen
  fcm DATEI -o ZIEL.fcm      Auftrag als FCM-Datei schreiben
  devices                    angeschlossene Plotter auflisten
  query [--device BUS:ADR]   einen Plotter abfragen
  send DATEI [--device BUS:ADR]  Auftrag an einen Plotter senden
  presets                    Plottermodelle, Materialien und Messer auflisten

kerfcraft-cli BEFEHL --help zeigt die Optionen eines Befehls.
</source>
        <translation>Usage: kerfcraft-cli COMMAND [OPTIONS]

Commands:
  info FILE                  layers, objects, colours and extent of a drawing
  convert FILE -o TARGET.kcf save a drawing as a job file
  plot FILE [-o TARGET]      generate plot data
  blocks FILE                show plot data block by block
  fcm FILE -o TARGET.fcm     write the job as an FCM file
  devices                    list connected plotters
  query [--device BUS:ADR]   query one plotter
  send FILE [--device BUS:ADR]  send a job to a plotter
  presets                    list plotter models, materials and blades

kerfcraft-cli COMMAND --help shows the options of a command.
</translation>
    </message>
    <message>
        <source>
Eine SVG-Datei ist eine beliebige Zeichnung; mit --exchange wird sie wie die
Übertragungsdatei des Inkscape-Plug-ins gelesen.
</source>
        <translation>
An SVG file is any drawing; with --exchange it is read as the exchange
file of the Inkscape plug-in.
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli info DATEI

Ebenen, Objekte, Farben, Ausdehnung, Begrenzung (links, oben, rechts, unten in mm)
und Passermarken einer Zeichnung (.kcj, .svg, .kcf).
</source>
        <translation>Usage: kerfcraft-cli info FILE

Layers, objects, colours, extent, bounding box (left, top, right, bottom in mm)
and registration marks of a drawing (.kcj, .svg, .kcf).
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli devices

Angeschlossene Plotter mit Modell, Firmware und eingelegtem Medium.
</source>
        <translation>Usage: kerfcraft-cli devices

Connected plotters with model, firmware and loaded medium.
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli query [--device BUS:ADR]

Fragt einen Plotter (Vorgabe: den ersten) nach seinen Einstellungen.
</source>
        <translation>Usage: kerfcraft-cli query [--device BUS:ADR]

Asks a plotter (default: the first) for its settings.
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli presets

Plottermodelle (Name und Kürzel), Materialien und Messer der Voreinstellungen.
</source>
        <translation>Usage: kerfcraft-cli presets

Plotter models (name and key), materials and blades of the presets.
</translation>
    </message>
    <message>
        <source>Die Zieldatei %1 muss auf .kcf oder .fcm enden.</source>
        <translation>The target file %1 must end in .kcf or .fcm.</translation>
    </message>
    <message>
        <source>Die Zieldatei %1 ist die Eingabedatei; sie wird nicht überschrieben.</source>
        <translation>The target file %1 is the input file; it is not overwritten.</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf

Speichert eine Zeichnung (.kcj, .svg, .kcf) als Auftragsdatei (.kcf) oder als FCM-Datei (.fcm,
wie kerfcraft-cli fcm). Die Zieldatei ist nie die Eingabedatei.
</source>
        <translation>Usage: kerfcraft-cli convert FILE -o TARGET.kcf

Saves a drawing (.kcj, .svg, .kcf) as a job file (.kcf) or as an FCM file (.fcm,
as kerfcraft-cli fcm does). The target file is never the input file.
</translation>
    </message>
    <message>
        <source>Begrenzung: links %1, oben %2, rechts %3, unten %4 mm</source>
        <translation>Bounding box: left %1, top %2, right %3, bottom %4 mm</translation>
    </message>
    <message>
        <source>Ausgelassen: %1</source>
        <translation>Left out: %1</translation>
    </message>
    <message>
        <source>  --plotter NAME            Plottermodell (Vorgabe: das erste der Voreinstellungen)
  --material NAME|ID        Material (Vorgabe: das erste)
  --blade NAME|ID           Messer (Vorgabe: das Messer des Materials)
  --speed N                 Geschwindigkeit in cm/s
  --force N                 Andruck in g
  --passes N                Durchgänge
  --blade-offset MM         Versatzkorrektur des Messers
  --offset-correction MM    zusätzliche Versatzkorrektur
  --blade-init              Messer-Initialisierung vor dem Auftrag
  --use-plotter-settings    Einstellungen des Plotters verwenden
  --set Element.Attribut=WERT  Auftragseinstellung, z. B. Position.Rotation=Right90
  --material-size BxH       Materialgröße in mm, z. B. 600x1000
  --allow-clipping          auch schneiden, was nicht auf das Material passt
  --progress                Fortschritt anzeigen
</source>
        <translation>  --plotter NAME            plotter model (default: the first of the presets)
  --material NAME|ID        material (default: the first)
  --blade NAME|ID           blade (default: the material's blade)
  --speed N                 speed in cm/s
  --force N                 force in g
  --passes N                passes
  --blade-offset MM         offset correction of the blade
  --offset-correction MM    additional offset correction
  --blade-init              blade initialisation before the job
  --use-plotter-settings    use the plotter's own settings
  --set Element.Attribute=VALUE  job setting, e.g. Position.Rotation=Right90
  --material-size WxH       material size in mm, e.g. 600x1000
  --allow-clipping          cut even what does not fit on the material
  --progress                show progress
</translation>
    </message>
    <message>
        <source>  --exchange                SVG als Übertragungsdatei des Inkscape-Plug-ins lesen
</source>
        <translation>  --exchange                read an SVG as the exchange file of the Inkscape plug-in
</translation>
    </message>
    <message>
        <source>Unbekanntes Plottermodell: %1. Bekannt sind: %2.</source>
        <translation>Unknown plotter model: %1. Known are: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Plottermodelle (--plotter NAME oder KÜRZEL):</source>
        <translation>Plotter models (--plotter NAME or KEY):</translation>
    </message>
    <message>
        <source>Schnittbreite bis %1 mm, %2 bis %3 cm/s, %4 bis %5 g</source>
        <translation>cut width up to %1 mm, %2 to %3 cm/s, %4 to %5 g</translation>
    </message>
    <message>
        <source>Materialien (--material NAME oder ID):</source>
        <translation>Materials (--material NAME or ID):</translation>
    </message>
    <message>
        <source>%1 cm/s, %2 g, %3 Durchgänge, Messer %4</source>
        <translation>%1 cm/s, %2 g, %3 passes, blade %4</translation>
    </message>
    <message>
        <source>Messer (--blade NAME oder ID):</source>
        <translation>Blades (--blade NAME or ID):</translation>
    </message>
    <message>
        <source>Versatzkorrektur %1 mm</source>
        <translation>offset correction %1 mm</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden (%2).</source>
        <translation>The file %1 could not be written (%2).</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>Die Datei %1 ist leer.</source>
        <translation>The file %1 is empty.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine SVG-Zeichnung (kein gültiges XML).</source>
        <translation>The file %1 is not an SVG drawing (not valid XML).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine SVG-Zeichnung.</source>
        <translation>The file %1 is not an SVG drawing.</translation>
    </message>
    <message>
        <source>Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden.</source>
        <translation>The drawing %1 holds no visible outlines to cut.</translation>
    </message>
    <message>
        <source>Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden. Ausgelassen: %2</source>
        <translation>The drawing %1 holds no visible outlines to cut. Left out: %2</translation>
    </message>
    <message>
        <source>Das Wurzelelement ist &lt;%1&gt;, nicht &lt;svg&gt;.</source>
        <translation>The root element is &lt;%1&gt;, not &lt;svg&gt;.</translation>
    </message>
    <message>
        <source>Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).</source>
        <translation>The file is not well-formed XML (line %1: %2).</translation>
    </message>
    <message>
        <source>Die Datei enthält kein XML-Element.</source>
        <translation>The file holds no XML element.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Das ist ein Verzeichnis, keine Zeichnung.</source>
        <translation>This is a directory, not a drawing.</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gefunden.</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>Das Dateiformat wird nicht unterstützt (erwartet .kcj, .svg oder .kcf).</source>
        <translation>The file format is not supported (expected .kcj, .svg or .kcf).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Textdatei.</source>
        <translation>The file is not a text file.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gelesen werden.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Austauschdatei (keine Zeile KCEbene, KCObjekt oder KCStart).</source>
        <translation>The file is not an exchange file (no line KCEbene, KCObjekt or KCStart).</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Auftragsdatei. %1</source>
        <translation>The file is not a readable job file. %1</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Pfade, die geschnitten werden könnten.</source>
        <translation>The file holds no paths that could be cut.</translation>
    </message>
</context>
<context>
    <name>ExchangeFileLocator</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Die Übertragungsdatei konnte nicht gefunden werden.</source>
        <translation>The transfer file could not be found.</translation>
    </message>
</context>
<context>
    <name>HostPassermarks</name>
    <message>
        <source>Passermarken</source>
        <translation>Registration marks</translation>
    </message>
    <message>
        <source>Das Übertragungsprogramm für CorelDRAW wurde nicht gefunden:
%1
Die Passermarken konnten nicht übergeben werden.</source>
        <translation>The transfer program for CorelDRAW was not found:
%1
The registration marks could not be handed over.</translation>
    </message>
    <message>
        <source>Die Passermarken-Einstellungen konnten nicht in die Datei %1 geschrieben werden.
%2</source>
        <translation>The registration-mark settings could not be written to the file %1.
%2</translation>
    </message>
</context>
<context>
    <name>InkscapeCheck</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Die Inkspace-Einstellungsdatei konnte nicht gefunden werden</source>
        <translation>The Inkscape preferences file could not be found</translation>
    </message>
    <message>
        <source>Die Inkspace-Einstellungsdatei konnte nicht gelesen werden.</source>
        <translation>The Inkscape preferences file could not be read.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Sie müssen bei Inkscape 0.91 unter 'Bearbeiten -&gt;Einstellungen-&gt;Eingabe/Ausgabe-&gt;SVG Ausgabe' <byte value="xd" />
die Einstellung für Pfad-Zeichenkettenformat auf 'Absolut' setzen und Inkscape neu starten !!!<byte value="xd" />
<byte value="xd" />
Sie müssen bei Inkscape 0.47+0.48 unter 'Datei -&gt;Inkscape Einstellungen-&gt;SVG Ausgabe' <byte value="xd" />
das Häckchen bei <byte value="xd" />
'relative Koordinaten erlauben' <byte value="xd" />
entfernen und Inkscape neu starten !!!<byte value="xd" />
( Diese Einstellung braucht nur einmal vorgenommen werden. )</source>
        <translation>In Inkscape 0.91 you must set the path string format under 'Edit -&gt;Preferences-&gt;Input/Output-&gt;SVG output' <byte value="xd" />
to 'Absolute' and restart Inkscape !!!<byte value="xd" />
<byte value="xd" />
In Inkscape 0.47+0.48 you must clear the tick at <byte value="xd" />
'Allow relative coordinates' <byte value="xd" />
under 'File -&gt;Inkscape Preferences-&gt;SVG output' <byte value="xd" />
and restart Inkscape !!!<byte value="xd" />
( This setting needs to be made only once. )</translation>
    </message>
</context>
<context>
    <name>InstallpluginsDialog</name>
    <message>
        <source>Kerfcraft Plugininstall</source>
        <translation>Kerfcraft plug-in installation</translation>
    </message>
    <message>
        <source>Suche Anwendungen und installiere Plugins</source>
        <translation>Searching applications and installing plug-ins</translation>
    </message>
    <message>
        <source>Verzeichnis:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>32 Bit</source>
        <translation>32 bit</translation>
    </message>
    <message>
        <source>64 Bit</source>
        <translation>64 bit</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Verzeichnis: %1</source>
        <translation>Folder: %1</translation>
    </message>
</context>
<context>
    <name>JobFile</name>
    <message>
        <source>Auftragsdatei</source>
        <translation>Job file</translation>
    </message>
    <message>
        <source>In der Auftragsdatei %1 lagen Einstellungen außerhalb des erlaubten Bereichs. Sie wurden angepasst:
%2</source>
        <translation>Settings in the job file %1 lay outside the allowed range. They were adjusted:
%2</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geöffnet werden.</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>Der Inhalt ist kein wohlgeformtes XML.</source>
        <translation>Its content is not well-formed XML.</translation>
    </message>
    <message>
        <source>Das Wurzelelement ist nicht "KerfcraftData".</source>
        <translation>The root element is not "KerfcraftData".</translation>
    </message>
</context>
<context>
    <name>JobFit</name>
    <message>
        <source>Das Material ist %1 mm breit; der Plotter %2 schneidet höchstens %3 mm breit.</source>
        <translation>The material is %1 mm wide; the plotter %2 cuts at most %3 mm wide.</translation>
    </message>
    <message>
        <source>Das Material ist %1 mm breit; der Plotter %2 braucht mindestens %3 mm.</source>
        <translation>The material is %1 mm wide; the plotter %2 needs at least %3 mm.</translation>
    </message>
    <message>
        <source>Das Material ist %1 mm lang; der Plotter %2 schneidet höchstens %3 mm lang.</source>
        <translation>The material is %1 mm long; the plotter %2 cuts at most %3 mm long.</translation>
    </message>
    <message>
        <source>Das Material ist %1 mm lang; der Plotter %2 braucht mindestens %3 mm.</source>
        <translation>The material is %1 mm long; the plotter %2 needs at least %3 mm.</translation>
    </message>
    <message>
        <source>Die Zeichnung enthält nichts zu schneiden: keine Pfade in den zum Schneiden gewählten Ebenen oder Farben.</source>
        <translation>The drawing holds nothing to cut: no paths in the layers or colours chosen for cutting.</translation>
    </message>
    <message>
        <source>Die Zeichnung hat keine Fläche (%1 x %2 mm) und kann nicht geschnitten werden.</source>
        <translation>The drawing has no area (%1 x %2 mm) and cannot be cut.</translation>
    </message>
    <message>
        <source>Der Auftrag ist %1 mm breit und liegt %2 mm vom rechten Rand: er passt nicht auf das %3 mm breite Material.</source>
        <translation>The job is %1 mm wide and lies %2 mm from the right edge: it does not fit on the %3 mm wide material.</translation>
    </message>
    <message>
        <source>Der Auftrag reicht quer bis %1 mm und würde am Rand des %2 mm breiten Materials abgeschnitten.</source>
        <translation>The job reaches %1 mm across and would be cut off at the edge of the %2 mm wide material.</translation>
    </message>
    <message>
        <source>Der Auftrag reicht bis %1 mm in Vorschubrichtung und würde am Ende des %2 mm langen Materials abgeschnitten.</source>
        <translation>The job reaches %1 mm in the feed direction and would be cut off at the end of the %2 mm long material.</translation>
    </message>
    <message>
        <source>Der Auftrag ergäbe mindestens %1 MB Plotterdaten (%2 Objektausgaben); die Grenze liegt bei %3 MB.</source>
        <translation>The job would make at least %1 MB of plot data (%2 object outputs); the limit is %3 MB.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>Die Zeichnung enthält nichts zu schneiden; es wurde nichts gesendet.</source>
        <translation>The drawing holds nothing to cut; nothing was sent.</translation>
    </message>
</context>
<context>
    <name>KerfcraftPresets</name>
    <message>
        <source>Dateifehler</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei konnte nicht geöffnet werden.<byte value="xd" />
</source>
        <translation>The presets file could not be opened.<byte value="xd" />
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Vinyl-Folie</source>
        <translation>Vinyl</translation>
    </message>
    <message>
        <source>Flock-Folie</source>
        <translation>Flock</translation>
    </message>
    <message>
        <source>Flex-Folie</source>
        <translation>Flex</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Material hinzufügen</source>
        <translation>Add material</translation>
    </message>
    <message>
        <source>Material entfernen</source>
        <translation>Remove material</translation>
    </message>
    <message>
        <source>Ausgabegerät</source>
        <translation>Output device</translation>
    </message>
    <message>
        <source>Erneuern</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Objektauswahl</source>
        <translation>Object selection</translation>
    </message>
    <message>
        <source>Plotter</source>
        <translation>Plotter</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Testdata</source>
        <translation>Test data</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Plotten</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ebenen/Farben in extra Dateien speichern</source>
        <translation>Save layers/colours in separate files</translation>
    </message>
    <message>
        <source>Pause zwischen Ebenen/Farben</source>
        <translation>Pause between layers/colours</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Oben</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Unten</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Parameter für </source>
        <translation>Parameters for </translation>
    </message>
    <message>
        <source>Waehlen</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Kerfcraft Dateien (*.kcf)</source>
        <translation>Kerfcraft files (*.kcf)</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Ebene %1: </source>
        <translation>Layer %1: </translation>
    </message>
    <message>
        <source>Color %1 </source>
        <translation>Colour %1 </translation>
    </message>
    <message>
        <source>No plotter found</source>
        <translation>No plotter found</translation>
    </message>
    <message>
        <source>FCM-Datei (Brother ScanNCut)</source>
        <translation>FCM file (Brother ScanNCut)</translation>
    </message>
    <message>
        <source>Die Zeichnung wird geladen …</source>
        <translation>Loading the drawing …</translation>
    </message>
    <message>
        <source>Kerfcraft</source>
        <translation>Kerfcraft</translation>
    </message>
    <message>
        <source>Nicht übernommen:
%1</source>
        <translation>Not taken over:
%1</translation>
    </message>
    <message>
        <source>Schnittlänge: %1 m
Leerfahrt: %2 m
Materialverbrauch: %3 mm
Zeit: ca. %4:%5 min bei %6 cm/s

Auftrag an den Plotter senden?</source>
        <translation>Cut length: %1 m
Travel: %2 m
Material used: %3 mm
Time: about %4:%5 min at %6 cm/s

Send the job to the plotter?</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>FCM File (*.fcm)</source>
        <translation>FCM File (*.fcm)</translation>
    </message>
    <message>
        <source>Die FCM-Datei konnte nicht geschrieben werden:
%1</source>
        <translation>The FCM file could not be written:
%1</translation>
    </message>
    <message>
        <source>Die Auftragsdatei wird gespeichert …</source>
        <translation>Saving the job file …</translation>
    </message>
    <message>
        <source>Die Auftragsdatei wird geladen …</source>
        <translation>Loading the job file …</translation>
    </message>
    <message>
        <source>Die Plotdaten werden erzeugt …</source>
        <translation>Generating the plot data …</translation>
    </message>
    <message>
        <source>Die FCM-Datei wird geschrieben …</source>
        <translation>Writing the FCM file …</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>MainWindowAllgemein</name>
    <message>
        <source>Materialgröße</source>
        <translation>Material size</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Größe des eingelegten Mediums vom Plotter holen</source>
        <translation>Get the size of the loaded medium from the plotter</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>12''</source>
        <translation>12''</translation>
    </message>
    <message>
        <source>24''</source>
        <translation>24''</translation>
    </message>
    <message>
        <source>Jobgröße</source>
        <translation>Job size</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>An Materialbreite anpassen</source>
        <translation>Fit to material width</translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>Jobgröße auf Originalgröße zurücksetzen</source>
        <translation>Reset the job to its original size</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Lage</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Manuell positionieren</source>
        <translation>Place manually</translation>
    </message>
    <message>
        <source>unten rechts</source>
        <translation>bottom right</translation>
    </message>
    <message>
        <source>unten links</source>
        <translation>bottom left</translation>
    </message>
    <message>
        <source>Horizontal zentriert</source>
        <translation>Centred horizontally</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Unten</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Keine Rotation</source>
        <translation>No rotation</translation>
    </message>
    <message>
        <source>90° rechts</source>
        <translation>90° right</translation>
    </message>
    <message>
        <source>90° links</source>
        <translation>90° left</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Kopien</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertikal</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horiz. Abstand</source>
        <translation>Horiz. spacing</translation>
    </message>
    <message>
        <source>Vert. Abstand</source>
        <translation>Vert. spacing</translation>
    </message>
    <message>
        <source>Automatisch verteilen</source>
        <translation>Arrange automatically</translation>
    </message>
    <message>
        <source>Gleiche Abstände</source>
        <translation>Equal spacing</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Entgitterrahmen</source>
        <translation>Weeding frame</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
</context>
<context>
    <name>MainWindowObjektauswahl</name>
    <message>
        <source>Objektauswahl</source>
        <translation>Object selection</translation>
    </message>
    <message>
        <source>Alle Objekte</source>
        <translation>All objects</translation>
    </message>
    <message>
        <source>Nur in Editor markierte Objekte</source>
        <translation>Only objects selected in the editor</translation>
    </message>
    <message>
        <source>Jobgröße an Auswahl anpassen</source>
        <translation>Fit job size to selection</translation>
    </message>
    <message>
        <source>Passermarken benutzen</source>
        <translation>Use registration marks</translation>
    </message>
    <message>
        <source>PM X Korrektur:</source>
        <translation>RM X correction:</translation>
    </message>
    <message>
        <source>PM Y Korrektur:</source>
        <translation>RM Y correction:</translation>
    </message>
    <message>
        <source>Unterschiedliche Schneideparameter für jede Ebene/Farbe</source>
        <translation>Different cutting parameters for each layer/colour</translation>
    </message>
    <message>
        <source>Auswahl nach Ebenen</source>
        <translation>Select by layers</translation>
    </message>
    <message>
        <source>Auswahl nach Farben</source>
        <translation>Select by colours</translation>
    </message>
    <message>
        <source>Segmentierung</source>
        <translation>Segmentation</translation>
    </message>
    <message>
        <source>Segmenthöhe</source>
        <translation>Segment height</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Pause zwischen Ebenen/Farben</source>
        <translation>Pause between layers/colours</translation>
    </message>
    <message>
        <source>Plotmedium: Blatt</source>
        <translation>Plot medium: sheet</translation>
    </message>
    <message>
        <source>Parameter für</source>
        <translation>Parameters for</translation>
    </message>
    <message>
        <source>Medium-Vorauswahl</source>
        <translation>Medium preselection</translation>
    </message>
    <message>
        <source>Vinyl-Folie</source>
        <translation>Vinyl</translation>
    </message>
    <message>
        <source>Flock-Folie</source>
        <translation>Flock</translation>
    </message>
    <message>
        <source>Flex-Folie</source>
        <translation>Flex</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Neues Medium eintragen</source>
        <translation>Enter new medium</translation>
    </message>
    <message>
        <source>Medium speichern</source>
        <translation>Save medium</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>cm/s</source>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>Werkzeugauswahl</source>
        <translation>Tool selection</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Linientyp</source>
        <translation>Line type</translation>
    </message>
    <message>
        <source>Durchgänge</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Musterlänge</source>
        <translation>Pattern length</translation>
    </message>
</context>
<context>
    <name>MainWindowOptionen</name>
    <message>
        <source>Entgittern / Überschrift / Qualität</source>
        <translation>Weeding / overcut / quality</translation>
    </message>
    <message>
        <source>Entgitterrahmen</source>
        <translation>Weeding frame</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Überschnitt</source>
        <translation>Overcut</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>1/10 mm</source>
        <translation>1/10 mm</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Qualität</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>High quality</translation>
    </message>
    <message>
        <source>Produktionsmodus</source>
        <translation>Production mode</translation>
    </message>
    <message>
        <source>Endposition des Kopfes (Werkzeughalter) nach dem Schneiden</source>
        <translation>End position of the head (tool holder) after cutting</translation>
    </message>
    <message>
        <source>Startposition</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>Hinter dem Job</source>
        <translation>Behind the job</translation>
    </message>
    <message>
        <source>Links neben dem Job</source>
        <translation>Left of the job</translation>
    </message>
    <message>
        <source>Vorschub nach dem Plotten</source>
        <translation>Feed after plotting</translation>
    </message>
    <message>
        <source>Parameter für </source>
        <translation>Parameters for </translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>cm/s</source>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>Linientyp</source>
        <translation>Line type</translation>
    </message>
    <message>
        <source>Durchgehend</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Musterlänge</source>
        <translation>Pattern length</translation>
    </message>
    <message>
        <source>Durchgänge</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Parameter im Material speichern</source>
        <translation>Store the parameters in the material</translation>
    </message>
    <message>
        <source>Testschnitt</source>
        <translation>Test cut</translation>
    </message>
    <message>
        <source>Testschnitt ein/aus</source>
        <translation>Test cut on/off</translation>
    </message>
    <message>
        <source>Plottereinstellungen benutzen</source>
        <translation>Use plotter settings</translation>
    </message>
    <message>
        <source>Werkzeugauswahl</source>
        <translation>Tool selection</translation>
    </message>
    <message>
        <source>Offset Korrektur</source>
        <translation>Offset correction</translation>
    </message>
</context>
<context>
    <name>MainWindowPlotter</name>
    <message>
        <source>Weitere Funktionen</source>
        <translation>More functions</translation>
    </message>
    <message>
        <source>Interne Einstellungen laden</source>
        <translation>Load internal settings</translation>
    </message>
    <message>
        <source>Virtueller Monitor</source>
        <translation>Virtual monitor</translation>
    </message>
    <message>
        <source>Messer-Initialisierung</source>
        <translation>Blade initialisation</translation>
    </message>
    <message>
        <source>Aktuelle Einstellungen im Plotter</source>
        <translation>Current settings in the plotter</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>cm/s</source>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Qualität</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Nur im Plotter gespeicherte Werte</source>
        <translation>Values stored only in the plotter</translation>
    </message>
    <message>
        <source>Medientyp</source>
        <translation>Media type</translation>
    </message>
    <message>
        <source>Rolle</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Kanten glätten</source>
        <translation>Edge smoothing</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Medium abrollen</source>
        <translation>Unroll medium</translation>
    </message>
    <message>
        <source>Diese Standardwerte werden von den aktuellen Einstellungen des Auftrages Überschrieben.</source>
        <translation>These defaults are overridden by the current settings of the job.</translation>
    </message>
</context>
<context>
    <name>NewMaterialDialog</name>
    <message>
        <source>Neues Material anlegen</source>
        <translation>Create new material</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Andruck:</source>
        <translation>Force:</translation>
    </message>
    <message>
        <source>Durchgänge:</source>
        <translation>Passes:</translation>
    </message>
    <message>
        <source>Messer:</source>
        <translation>Blade:</translation>
    </message>
</context>
<context>
    <name>PassermarkenDialog</name>
    <message>
        <source>Konfiguration der Passermarken</source>
        <translation>Registration mark settings</translation>
    </message>
    <message>
        <source>Erscheinungsbild</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Line thickness</translation>
    </message>
    <message>
        <source>1/10 mm</source>
        <translation>1/10 mm</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Segmentierung</source>
        <translation>Segmentation</translation>
    </message>
    <message>
        <source>Hor. Segmentierung benutzen</source>
        <translation>Use horizontal segmentation</translation>
    </message>
    <message>
        <source>X-Abstand (Breite)</source>
        <translation>X distance (width)</translation>
    </message>
    <message>
        <source>Vert. Segmentierung benutzen</source>
        <translation>Use vertical segmentation</translation>
    </message>
    <message>
        <source>Y-Abstand (Höhe)</source>
        <translation>Y distance (height)</translation>
    </message>
    <message>
        <source>Marken entfernen</source>
        <translation>Remove marks</translation>
    </message>
    <message>
        <source>Marken setzen</source>
        <translation>Set marks</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>Fehler: Der Plotter lieferte keine Daten.</source>
        <translation>Error: the plotter returned no data.</translation>
    </message>
</context>
<context>
    <name>PresetsFile</name>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: <byte value="xd" />
%1</source>
        <translation>The material could not be added because the presets file could not be opened. Path: <byte value="xd" />
%1</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden.</source>
        <translation>The material could not be added.</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: <byte value="xd" />
%1</source>
        <translation>The material could not be added because the presets file could not be opened for writing. Path: <byte value="xd" />
%1</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.</source>
        <translation>The document is larger than the medium loaded in the plotter! Please adjust the size of the document.</translation>
    </message>
    <message>
        <source>Auto Größe</source>
        <translation>Fit size</translation>
    </message>
    <message>
        <source>Auto Breite</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Free</translation>
    </message>
</context>
<context>
    <name>StatusDialog</name>
    <message>
        <source>Kerfcraft - Status</source>
        <translation>Kerfcraft - Status</translation>
    </message>
    <message>
        <source>Aktueller Job</source>
        <translation>Current job</translation>
    </message>
    <message>
        <source>Plotdaten werden erzeugt</source>
        <translation>Generating plot data</translation>
    </message>
    <message>
        <source>Aktuelle Ebene/Farbe:</source>
        <translation>Current layer/colour:</translation>
    </message>
    <message>
        <source>Nächste Ebene/Farbe:</source>
        <translation>Next layer/colour:</translation>
    </message>
    <message>
        <source>Weiter -&gt;</source>
        <translation>Next -&gt;</translation>
    </message>
    <message>
        <source>(CMYK %1, %2, %3, %4)</source>
        <translation>(CMYK %1, %2, %3, %4)</translation>
    </message>
    <message>
        <source>(RGB %1, %2, %3)</source>
        <translation>(RGB %1, %2, %3)</translation>
    </message>
    <message>
        <source>Farbe %1: %2 %3</source>
        <translation>Colour %1: %2 %3</translation>
    </message>
    <message>
        <source>Ebene %1: %2</source>
        <translation>Layer %1: %2</translation>
    </message>
</context>
<context>
    <name>SvgImport</name>
    <message>
        <source>%1 Bild(er): Rastergrafiken lassen sich nicht schneiden</source>
        <translation>%1 image(s): raster graphics cannot be cut</translation>
    </message>
    <message>
        <source>Filtereffekte: geschnitten werden nur die Umrisse</source>
        <translation>Filter effects: only the outlines are cut</translation>
    </message>
    <message>
        <source>Beschneidungspfade und Masken: die betroffenen Objekte werden ganz geschnitten</source>
        <translation>Clip paths and masks: the objects concerned are cut whole</translation>
    </message>
    <message>
        <source>Text %1: Fließtext und Text auf Pfad werden nicht umgewandelt</source>
        <translation>Text %1: flowed text and text on a path are not converted</translation>
    </message>
    <message>
        <source>Text %1: keine Schrift installiert</source>
        <translation>Text %1: no font installed</translation>
    </message>
    <message>
        <source>Ebene %1</source>
        <translation>Layer %1</translation>
    </message>
</context>
<context>
    <name>USBDevice</name>
    <message>
        <source>Das Gerät konnte nicht geöffnet werden.
Error: %1</source>
        <translation>The device could not be opened.
Error: %1</translation>
    </message>
    <message>
        <source>Das Gerät(Interface) konnte nicht geöffnet werden.
Error: %1</source>
        <translation>The device (interface) could not be opened.
Error: %1</translation>
    </message>
    <message>
        <source>Es konnten keine Informationen zu dem Gerät ermittelt werden.(%1)</source>
        <translation>No information about the device could be obtained. (%1)</translation>
    </message>
    <message>
        <source>Es konnten keine Daten zum Gerät gesendet werden.
Error: %1</source>
        <translation>No data could be sent to the device.
Error: %1</translation>
    </message>
    <message>
        <source>Es konnten keine Daten zum Gerät gesendet werden (2).
Error: %1</source>
        <translation>No data could be sent to the device (2).
Error: %1</translation>
    </message>
    <message>
        <source>Kein Zugriff auf den Plotter. Abhilfe als root: echo '%1' &gt; %2 &amp;&amp; udevadm control --reload-rules &amp;&amp; udevadm trigger</source>
        <translation>No access to the plotter. Fix as root: echo '%1' &gt; %2 &amp;&amp; udevadm control --reload-rules &amp;&amp; udevadm trigger</translation>
    </message>
    <message>
        <source>Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist. Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</source>
        <translation>The device could not be opened because the required driver is not installed yet. Install the driver now? Kerfcraft restarts afterwards.</translation>
    </message>
</context>
<context>
    <name>UdevDriverInstaller</name>
    <message>
        <source>Die temporären Dateien für die udev-Regel konnten nicht angelegt werden.</source>
        <translation>The temporary files for the udev rule could not be created.</translation>
    </message>
    <message>
        <source>Für die Änderung werden Administratorrechte benötigt, aber pkexec ist nicht installiert (Paket policykit-1).
Als root ausführen: %1</source>
        <translation>This change needs administrator rights, but pkexec is not installed (package policykit-1).
Run as root: %1</translation>
    </message>
    <message>
        <source>Die Änderung wurde nicht erlaubt.</source>
        <translation>The change was not permitted.</translation>
    </message>
    <message>
        <source>Die udev-Regel %1 konnte nicht geändert werden.</source>
        <translation>The udev rule %1 could not be changed.</translation>
    </message>
</context>
<context>
    <name>VirtualMonitor</name>
    <message>
        <source>Virtueller Monitor</source>
        <translation>Virtual monitor</translation>
    </message>
    <message>
        <source>Empfangenes löschen</source>
        <translation>Clear received data</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Der virtuelle Plotter hat noch nichts empfangen.</source>
        <translation>The virtual plotter has not received anything yet.</translation>
    </message>
    <message>
        <source>%1 Bytes empfangen – Schnittlänge %2 mm, Leerfahrt %3 mm, Materialverbrauch %4 mm</source>
        <translation>%1 bytes received – cut length %2 mm, travel %3 mm, material used %4 mm</translation>
    </message>
</context>
</TS>
