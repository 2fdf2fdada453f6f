<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Kerfcraft</source>
        <translation>About Kerfcraft</translation>
    </message>
    <message>
        <source>Version für:</source>
        <translation>Version für:</translation>
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
        <translation>USB Treiber deinstallieren</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Kerfcraft %1</source>
        <translation>Kerfcraft %1</translation>
    </message>
    <message>
        <source>USB-Treiber Deinstallation</source>
        <translation>USB-Treiber Deinstallation</translation>
    </message>
    <message>
        <source>Sollen der installierte Plotter-Treiber wieder deinstalliert werden?
Nach der Deinstallation muss der Plotter entfernt und wieder eingesteckt, oder aus- und wieder eingeschaltet werden.</source>
        <translation>Sollen der installierte Plotter-Treiber wieder deinstalliert werden?
Nach der Deinstallation muss der Plotter entfernt und wieder eingesteckt, oder aus- und wieder eingeschaltet werden.</translation>
    </message>
    <message>
        <source>Diese Ausgabe enthält kein Installationsprogramm für den Plotter-Zugriff. Er beruht auf der udev-Regel %1; entfernen Sie diese Datei als Administrator, um ihn aufzuheben.</source>
        <translation>Diese Ausgabe enthält kein Installationsprogramm für den Plotter-Zugriff. Er beruht auf der udev-Regel %1; entfernen Sie diese Datei als Administrator, um ihn aufzuheben.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Nach -o fehlt der Name der Zieldatei.</source>
        <translation>Nach -o fehlt der Name der Zieldatei.</translation>
    </message>
    <message>
        <source>Die Option -o ist mehrfach angegeben.</source>
        <translation>Die Option -o ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Mehr als eine Eingabedatei angegeben: %1</source>
        <translation>Mehr als eine Eingabedatei angegeben: %1</translation>
    </message>
    <message>
        <source>Keine Eingabedatei angegeben.</source>
        <translation>Keine Eingabedatei angegeben.</translation>
    </message>
    <message>
        <source>Keine Zieldatei angegeben (-o ZIEL.kcf).</source>
        <translation>Keine Zieldatei angegeben (-o ZIEL.kcf).</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf</source>
        <translation>Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf</translation>
    </message>
    <message>
        <source>Die Auftragsdatei %1 konnte nicht gespeichert werden.</source>
        <translation>Die Auftragsdatei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 gespeichert: %2 Ebenen, %3 Knoten, %4 x %5 mm.</source>
        <translation>%1 gespeichert: %2 Ebenen, %3 Knoten, %4 x %5 mm.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Ebenen: %1</source>
        <translation>Ebenen: %1</translation>
    </message>
    <message>
        <source>Ebene %1: "%2" (schneiden: %3)</source>
        <translation>Ebene %1: "%2" (schneiden: %3)</translation>
    </message>
    <message>
        <source>Objekt %1: Farbe %2, Teilpfade %3, Knoten %4</source>
        <translation>Objekt %1: Farbe %2, Teilpfade %3, Knoten %4</translation>
    </message>
    <message>
        <source>Passermarken:</source>
        <translation>Passermarken:</translation>
    </message>
    <message>
        <source>Marke 9: %1</source>
        <translation>Marke 9: %1</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli info DATEI</source>
        <translation>Aufruf: kerfcraft-cli info DATEI</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Zeichnung: %1 x %2 mm</source>
        <translation>Zeichnung: %1 x %2 mm</translation>
    </message>
    <message>
        <source>Auftragsgröße: %1 x %2 mm</source>
        <translation>Auftragsgröße: %1 x %2 mm</translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ein Wert.</source>
        <translation>Der Option %1 fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Ungültiger Wert für %1: %2</source>
        <translation>Ungültiger Wert für %1: %2</translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>Die Option %1 nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>Unbekannte Einstellung: %1</source>
        <translation>Unbekannte Einstellung: %1</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli %1 DATEI%2 [OPTIONEN]

</source>
        <translation>Aufruf: kerfcraft-cli %1 DATEI%2 [OPTIONEN]

</translation>
    </message>
    <message>
        <source>Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.</source>
        <translation>Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.</translation>
    </message>
    <message>
        <source>Unbekanntes Material: %1</source>
        <translation>Unbekanntes Material: %1</translation>
    </message>
    <message>
        <source>Unbekanntes Messer: %1</source>
        <translation>Unbekanntes Messer: %1</translation>
    </message>
    <message>
        <source>Die Geschwindigkeit %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</source>
        <translation>Die Geschwindigkeit %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</translation>
    </message>
    <message>
        <source>Der Andruck %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</source>
        <translation>Der Andruck %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).</translation>
    </message>
    <message>
        <source>Plotdaten: %1 %</source>
        <translation>Plotdaten: %1 %</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Rolle</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Plotter %1: Bus %2, Adresse %3, USB %4:%5</source>
        <translation>Plotter %1: Bus %2, Adresse %3, USB %4:%5</translation>
    </message>
    <message>
        <source>Modell</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>(kein passendes Modell)</source>
        <translation>(kein passendes Modell)</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Gerät</translation>
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
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>%1 cm/s</source>
        <translation>%1 cm/s</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Andruck</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Messerversatz</source>
        <translation>Messerversatz</translation>
    </message>
    <message>
        <source>Qualität</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Medium abrollen</source>
        <translation>Medium abrollen</translation>
    </message>
    <message>
        <source>Kanten glätten</source>
        <translation>Kanten glätten</translation>
    </message>
    <message>
        <source>Medientyp</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Unbekannte Angabe: %1</source>
        <translation>Unbekannte Angabe: %1</translation>
    </message>
    <message>
        <source>Ungültige Geräteangabe: %1 (erwartet BUS:ADRESSE)</source>
        <translation>Ungültige Geräteangabe: %1 (erwartet BUS:ADRESSE)</translation>
    </message>
    <message>
        <source>Der USB-Zugriff konnte nicht eingerichtet werden.</source>
        <translation>Der USB-Zugriff konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>Kein Plotter gefunden.</source>
        <translation>Kein Plotter gefunden.</translation>
    </message>
    <message>
        <source>Kein Plotter an Bus %1, Adresse %2 gefunden.</source>
        <translation>Kein Plotter an Bus %1, Adresse %2 gefunden.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>  --device BUS:ADR          Plotter an diesem USB-Bus und dieser Adresse (Vorgabe: der erste)
</source>
        <translation>  --device BUS:ADR          Plotter an diesem USB-Bus und dieser Adresse (Vorgabe: der erste)
</translation>
    </message>
    <message>
        <source>Pause nach %1; als Nächstes %2.</source>
        <translation>Pause nach %1; als Nächstes %2.</translation>
    </message>
    <message>
        <source>Weiter mit der Eingabetaste ("Weiter -&gt;"), Abbruch mit Strg+C.</source>
        <translation>Weiter mit der Eingabetaste ("Weiter -&gt;"), Abbruch mit Strg+C.</translation>
    </message>
    <message>
        <source>Die Eingabe ist kein Terminal: es geht sofort weiter.</source>
        <translation>Die Eingabe ist kein Terminal: es geht sofort weiter.</translation>
    </message>
    <message>
        <source>Abbruch: der Auftrag endet nach dem laufenden Block.</source>
        <translation>Abbruch: der Auftrag endet nach dem laufenden Block.</translation>
    </message>
    <message>
        <source>Auftrag abgebrochen.</source>
        <translation>Auftrag abgebrochen.</translation>
    </message>
    <message>
        <source>Auftrag an %1 gesendet.</source>
        <translation>Auftrag an %1 gesendet.</translation>
    </message>
    <message>
        <source>Ursprung X</source>
        <translation>Ursprung X</translation>
    </message>
    <message>
        <source>Breite X</source>
        <translation>Breite X</translation>
    </message>
    <message>
        <source>Ursprung Y</source>
        <translation>Ursprung Y</translation>
    </message>
    <message>
        <source>Versatz Y</source>
        <translation>Versatz Y</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <source>Abstand X</source>
        <translation>Abstand X</translation>
    </message>
    <message>
        <source>Abstand Y</source>
        <translation>Abstand Y</translation>
    </message>
    <message>
        <source>Erste Marke X</source>
        <translation>Erste Marke X</translation>
    </message>
    <message>
        <source>Erste Marke Y</source>
        <translation>Erste Marke Y</translation>
    </message>
    <message>
        <source>Bitte mit -o die FCM-Datei angeben.</source>
        <translation>Bitte mit -o die FCM-Datei angeben.</translation>
    </message>
    <message>
        <source>Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, Zeit ca. %4:%5 min bei %6 cm/s</source>
        <translation>Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, Zeit ca. %4:%5 min bei %6 cm/s</translation>
    </message>
    <message>
        <source>Der Wert %1 für %2 liegt außerhalb des erlaubten Bereichs (%3 bis %4).</source>
        <translation>Der Wert %1 für %2 liegt außerhalb des erlaubten Bereichs (%3 bis %4).</translation>
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
        <translation>Aufruf: kerfcraft-cli BEFEHL [OPTIONEN]

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
</translation>
    </message>
    <message>
        <source>
Eine SVG-Datei ist eine beliebige Zeichnung; mit --exchange wird sie wie die
Übertragungsdatei des Inkscape-Plug-ins gelesen.
</source>
        <translation>
Eine SVG-Datei ist eine beliebige Zeichnung; mit --exchange wird sie wie die
Übertragungsdatei des Inkscape-Plug-ins gelesen.
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli info DATEI

Ebenen, Objekte, Farben, Ausdehnung, Begrenzung (links, oben, rechts, unten in mm)
und Passermarken einer Zeichnung (.kcj, .svg, .kcf).
</source>
        <translation>Aufruf: kerfcraft-cli info DATEI

Ebenen, Objekte, Farben, Ausdehnung, Begrenzung (links, oben, rechts, unten in mm)
und Passermarken einer Zeichnung (.kcj, .svg, .kcf).
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli devices

Angeschlossene Plotter mit Modell, Firmware und eingelegtem Medium.
</source>
        <translation>Aufruf: kerfcraft-cli devices

Angeschlossene Plotter mit Modell, Firmware und eingelegtem Medium.
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli query [--device BUS:ADR]

Fragt einen Plotter (Vorgabe: den ersten) nach seinen Einstellungen.
</source>
        <translation>Aufruf: kerfcraft-cli query [--device BUS:ADR]

Fragt einen Plotter (Vorgabe: den ersten) nach seinen Einstellungen.
</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli presets

Plottermodelle (Name und Kürzel), Materialien und Messer der Voreinstellungen.
</source>
        <translation>Aufruf: kerfcraft-cli presets

Plottermodelle (Name und Kürzel), Materialien und Messer der Voreinstellungen.
</translation>
    </message>
    <message>
        <source>Die Zieldatei %1 muss auf .kcf oder .fcm enden.</source>
        <translation>Die Zieldatei %1 muss auf .kcf oder .fcm enden.</translation>
    </message>
    <message>
        <source>Die Zieldatei %1 ist die Eingabedatei; sie wird nicht überschrieben.</source>
        <translation>Die Zieldatei %1 ist die Eingabedatei; sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf

Speichert eine Zeichnung (.kcj, .svg, .kcf) als Auftragsdatei (.kcf) oder als FCM-Datei (.fcm,
wie kerfcraft-cli fcm). Die Zieldatei ist nie die Eingabedatei.
</source>
        <translation>Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf

Speichert eine Zeichnung (.kcj, .svg, .kcf) als Auftragsdatei (.kcf) oder als FCM-Datei (.fcm,
wie kerfcraft-cli fcm). Die Zieldatei ist nie die Eingabedatei.
</translation>
    </message>
    <message>
        <source>Begrenzung: links %1, oben %2, rechts %3, unten %4 mm</source>
        <translation>Begrenzung: links %1, oben %2, rechts %3, unten %4 mm</translation>
    </message>
    <message>
        <source>Ausgelassen: %1</source>
        <translation>Ausgelassen: %1</translation>
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
        <translation>  --plotter NAME            Plottermodell (Vorgabe: das erste der Voreinstellungen)
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
</translation>
    </message>
    <message>
        <source>  --exchange                SVG als Übertragungsdatei des Inkscape-Plug-ins lesen
</source>
        <translation>  --exchange                SVG als Übertragungsdatei des Inkscape-Plug-ins lesen
</translation>
    </message>
    <message>
        <source>Unbekanntes Plottermodell: %1. Bekannt sind: %2.</source>
        <translation>Unbekanntes Plottermodell: %1. Bekannt sind: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Plottermodelle (--plotter NAME oder KÜRZEL):</source>
        <translation>Plottermodelle (--plotter NAME oder KÜRZEL):</translation>
    </message>
    <message>
        <source>Schnittbreite bis %1 mm, %2 bis %3 cm/s, %4 bis %5 g</source>
        <translation>Schnittbreite bis %1 mm, %2 bis %3 cm/s, %4 bis %5 g</translation>
    </message>
    <message>
        <source>Materialien (--material NAME oder ID):</source>
        <translation>Materialien (--material NAME oder ID):</translation>
    </message>
    <message>
        <source>%1 cm/s, %2 g, %3 Durchgänge, Messer %4</source>
        <translation>%1 cm/s, %2 g, %3 Durchgänge, Messer %4</translation>
    </message>
    <message>
        <source>Messer (--blade NAME oder ID):</source>
        <translation>Messer (--blade NAME oder ID):</translation>
    </message>
    <message>
        <source>Versatzkorrektur %1 mm</source>
        <translation>Versatzkorrektur %1 mm</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden (%2).</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>Die Datei %1 ist leer.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine SVG-Zeichnung (kein gültiges XML).</source>
        <translation>Die Datei %1 ist keine SVG-Zeichnung (kein gültiges XML).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine SVG-Zeichnung.</source>
        <translation>Die Datei %1 ist keine SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden.</source>
        <translation>Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden.</translation>
    </message>
    <message>
        <source>Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden. Ausgelassen: %2</source>
        <translation>Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden. Ausgelassen: %2</translation>
    </message>
    <message>
        <source>Das Wurzelelement ist &lt;%1&gt;, nicht &lt;svg&gt;.</source>
        <translation>Das Wurzelelement ist &lt;%1&gt;, nicht &lt;svg&gt;.</translation>
    </message>
    <message>
        <source>Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).</translation>
    </message>
    <message>
        <source>Die Datei enthält kein XML-Element.</source>
        <translation>Die Datei enthält kein XML-Element.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Das ist ein Verzeichnis, keine Zeichnung.</source>
        <translation>Das ist ein Verzeichnis, keine Zeichnung.</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gefunden.</source>
        <translation>Die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Das Dateiformat wird nicht unterstützt (erwartet .kcj, .svg oder .kcf).</source>
        <translation>Das Dateiformat wird nicht unterstützt (erwartet .kcj, .svg oder .kcf).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Textdatei.</source>
        <translation>Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gelesen werden.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Austauschdatei (keine Zeile KCEbene, KCObjekt oder KCStart).</source>
        <translation>Die Datei ist keine Austauschdatei (keine Zeile KCEbene, KCObjekt oder KCStart).</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Auftragsdatei. %1</source>
        <translation>Die Datei ist keine lesbare Auftragsdatei. %1</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Pfade, die geschnitten werden könnten.</source>
        <translation>Die Datei enthält keine Pfade, die geschnitten werden könnten.</translation>
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
        <translation>Die Übertragungsdatei konnte nicht gefunden werden.</translation>
    </message>
</context>
<context>
    <name>HostPassermarks</name>
    <message>
        <source>Passermarken</source>
        <translation>Passermarken</translation>
    </message>
    <message>
        <source>Das Übertragungsprogramm für CorelDRAW wurde nicht gefunden:
%1
Die Passermarken konnten nicht übergeben werden.</source>
        <translation>Das Übertragungsprogramm für CorelDRAW wurde nicht gefunden:
%1
Die Passermarken konnten nicht übergeben werden.</translation>
    </message>
    <message>
        <source>Die Passermarken-Einstellungen konnten nicht in die Datei %1 geschrieben werden.
%2</source>
        <translation>Die Passermarken-Einstellungen konnten nicht in die Datei %1 geschrieben werden.
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
        <translation>Die Inkspace-Einstellungsdatei konnte nicht gefunden werden</translation>
    </message>
    <message>
        <source>Die Inkspace-Einstellungsdatei konnte nicht gelesen werden.</source>
        <translation>Die Inkspace-Einstellungsdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
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
        <translation>Sie müssen bei Inkscape 0.91 unter 'Bearbeiten -&gt;Einstellungen-&gt;Eingabe/Ausgabe-&gt;SVG Ausgabe' <byte value="xd" />
die Einstellung für Pfad-Zeichenkettenformat auf 'Absolut' setzen und Inkscape neu starten !!!<byte value="xd" />
<byte value="xd" />
Sie müssen bei Inkscape 0.47+0.48 unter 'Datei -&gt;Inkscape Einstellungen-&gt;SVG Ausgabe' <byte value="xd" />
das Häckchen bei <byte value="xd" />
'relative Koordinaten erlauben' <byte value="xd" />
entfernen und Inkscape neu starten !!!<byte value="xd" />
( Diese Einstellung braucht nur einmal vorgenommen werden. )</translation>
    </message>
</context>
<context>
    <name>InstallpluginsDialog</name>
    <message>
        <source>Kerfcraft Plugininstall</source>
        <translation>Kerfcraft Plugininstall</translation>
    </message>
    <message>
        <source>Suche Anwendungen und installiere Plugins</source>
        <translation>Suche Anwendungen und installiere Plugins</translation>
    </message>
    <message>
        <source>Verzeichnis:</source>
        <translation>Verzeichnis:</translation>
    </message>
    <message>
        <source>32 Bit</source>
        <translation>32 Bit</translation>
    </message>
    <message>
        <source>64 Bit</source>
        <translation>64 Bit</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Verzeichnis: %1</source>
        <translation>Verzeichnis: %1</translation>
    </message>
</context>
<context>
    <name>JobFile</name>
    <message>
        <source>Auftragsdatei</source>
        <translation>Auftragsdatei</translation>
    </message>
    <message>
        <source>In der Auftragsdatei %1 lagen Einstellungen außerhalb des erlaubten Bereichs. Sie wurden angepasst:
%2</source>
        <translation>In der Auftragsdatei %1 lagen Einstellungen außerhalb des erlaubten Bereichs. Sie wurden angepasst:
%2</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geöffnet werden.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Der Inhalt ist kein wohlgeformtes XML.</source>
        <translation>Der Inhalt ist kein wohlgeformtes XML.</translation>
    </message>
    <message>
        <source>Das Wurzelelement ist nicht "KerfcraftData".</source>
        <translation>Das Wurzelelement ist nicht "KerfcraftData".</translation>
    </message>
</context>
<context>
    <name>JobFit</name>
    <message>
        <source>Das Material ist %1 mm breit; der Plotter %2 schneidet höchstens %3 mm breit.</source>
        <translation>Das Material ist %1 mm breit; der Plotter %2 schneidet höchstens %3 mm breit.</translation>
    </message>
    <message>
        <source>Das Material ist %1 mm breit; der Plotter %2 braucht mindestens %3 mm.</source>
        <translation>Das Material ist %1 mm breit; der Plotter %2 braucht mindestens %3 mm.</translation>
    </message>
    <message>
        <source>Das Material ist %1 mm lang; der Plotter %2 schneidet höchstens %3 mm lang.</source>
        <translation>Das Material ist %1 mm lang; der Plotter %2 schneidet höchstens %3 mm lang.</translation>
    </message>
    <message>
        <source>Das Material ist %1 mm lang; der Plotter %2 braucht mindestens %3 mm.</source>
        <translation>Das Material ist %1 mm lang; der Plotter %2 braucht mindestens %3 mm.</translation>
    </message>
    <message>
        <source>Die Zeichnung enthält nichts zu schneiden: keine Pfade in den zum Schneiden gewählten Ebenen oder Farben.</source>
        <translation>Die Zeichnung enthält nichts zu schneiden: keine Pfade in den zum Schneiden gewählten Ebenen oder Farben.</translation>
    </message>
    <message>
        <source>Die Zeichnung hat keine Fläche (%1 x %2 mm) und kann nicht geschnitten werden.</source>
        <translation>Die Zeichnung hat keine Fläche (%1 x %2 mm) und kann nicht geschnitten werden.</translation>
    </message>
    <message>
        <source>Der Auftrag ist %1 mm breit und liegt %2 mm vom rechten Rand: er passt nicht auf das %3 mm breite Material.</source>
        <translation>Der Auftrag ist %1 mm breit und liegt %2 mm vom rechten Rand: er passt nicht auf das %3 mm breite Material.</translation>
    </message>
    <message>
        <source>Der Auftrag reicht quer bis %1 mm und würde am Rand des %2 mm breiten Materials abgeschnitten.</source>
        <translation>Der Auftrag reicht quer bis %1 mm und würde am Rand des %2 mm breiten Materials abgeschnitten.</translation>
    </message>
    <message>
        <source>Der Auftrag reicht bis %1 mm in Vorschubrichtung und würde am Ende des %2 mm langen Materials abgeschnitten.</source>
        <translation>Der Auftrag reicht bis %1 mm in Vorschubrichtung und würde am Ende des %2 mm langen Materials abgeschnitten.</translation>
    </message>
    <message>
        <source>Der Auftrag ergäbe mindestens %1 MB Plotterdaten (%2 Objektausgaben); die Grenze liegt bei %3 MB.</source>
        <translation>Der Auftrag ergäbe mindestens %1 MB Plotterdaten (%2 Objektausgaben); die Grenze liegt bei %3 MB.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>Die Zeichnung enthält nichts zu schneiden; es wurde nichts gesendet.</source>
        <translation>Die Zeichnung enthält nichts zu schneiden; es wurde nichts gesendet.</translation>
    </message>
</context>
<context>
    <name>KerfcraftPresets</name>
    <message>
        <source>Dateifehler</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei konnte nicht geöffnet werden.<byte value="xd" />
</source>
        <translation>Die Einstellungsdatei konnte nicht geöffnet werden.<byte value="xd" />
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Vinyl-Folie</source>
        <translation>Vinyl-Folie</translation>
    </message>
    <message>
        <source>Flock-Folie</source>
        <translation>Flock-Folie</translation>
    </message>
    <message>
        <source>Flex-Folie</source>
        <translation>Flex-Folie</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Material hinzufügen</source>
        <translation>Material hinzufügen</translation>
    </message>
    <message>
        <source>Material entfernen</source>
        <translation>Material entfernen</translation>
    </message>
    <message>
        <source>Ausgabegerät</source>
        <translation>Ausgabegerät</translation>
    </message>
    <message>
        <source>Erneuern</source>
        <translation>Erneuern</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Objektauswahl</source>
        <translation>Objektauswahl</translation>
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
        <translation>Laden</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Testdata</source>
        <translation>Testdata</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Plotten</source>
        <translation>Plotten</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ebenen/Farben in extra Dateien speichern</source>
        <translation>Ebenen/Farben in extra Dateien speichern</translation>
    </message>
    <message>
        <source>Pause zwischen Ebenen/Farben</source>
        <translation>Pause zwischen Ebenen/Farben</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Oben</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Unten</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Parameter für </source>
        <translation>Parameter für </translation>
    </message>
    <message>
        <source>Waehlen</source>
        <translation>Waehlen</translation>
    </message>
    <message>
        <source>Kerfcraft Dateien (*.kcf)</source>
        <translation>Kerfcraft Dateien (*.kcf)</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Ebene %1: </source>
        <translation>Ebene %1: </translation>
    </message>
    <message>
        <source>Color %1 </source>
        <translation>Color %1 </translation>
    </message>
    <message>
        <source>No plotter found</source>
        <translation>No plotter found</translation>
    </message>
    <message>
        <source>FCM-Datei (Brother ScanNCut)</source>
        <translation>FCM-Datei (Brother ScanNCut)</translation>
    </message>
    <message>
        <source>Die Zeichnung wird geladen …</source>
        <translation>Die Zeichnung wird geladen …</translation>
    </message>
    <message>
        <source>Kerfcraft</source>
        <translation>Kerfcraft</translation>
    </message>
    <message>
        <source>Nicht übernommen:
%1</source>
        <translation>Nicht übernommen:
%1</translation>
    </message>
    <message>
        <source>Schnittlänge: %1 m
Leerfahrt: %2 m
Materialverbrauch: %3 mm
Zeit: ca. %4:%5 min bei %6 cm/s

Auftrag an den Plotter senden?</source>
        <translation>Schnittlänge: %1 m
Leerfahrt: %2 m
Materialverbrauch: %3 mm
Zeit: ca. %4:%5 min bei %6 cm/s

Auftrag an den Plotter senden?</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>FCM File (*.fcm)</source>
        <translation>FCM File (*.fcm)</translation>
    </message>
    <message>
        <source>Die FCM-Datei konnte nicht geschrieben werden:
%1</source>
        <translation>Die FCM-Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>Die Auftragsdatei wird gespeichert …</source>
        <translation>Die Auftragsdatei wird gespeichert …</translation>
    </message>
    <message>
        <source>Die Auftragsdatei wird geladen …</source>
        <translation>Die Auftragsdatei wird geladen …</translation>
    </message>
    <message>
        <source>Die Plotdaten werden erzeugt …</source>
        <translation>Die Plotdaten werden erzeugt …</translation>
    </message>
    <message>
        <source>Die FCM-Datei wird geschrieben …</source>
        <translation>Die FCM-Datei wird geschrieben …</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>MainWindowAllgemein</name>
    <message>
        <source>Materialgröße</source>
        <translation>Materialgröße</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Größe des eingelegten Mediums vom Plotter holen</source>
        <translation>Größe des eingelegten Mediums vom Plotter holen</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Höhe</translation>
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
        <translation>Jobgröße</translation>
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
        <translation>An Materialbreite anpassen</translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Jobgröße auf Originalgröße zurücksetzen</source>
        <translation>Jobgröße auf Originalgröße zurücksetzen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Lage</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Manuell positionieren</source>
        <translation>Manuell positionieren</translation>
    </message>
    <message>
        <source>unten rechts</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>unten links</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>Horizontal zentriert</source>
        <translation>Horizontal zentriert</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Unten</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Keine Rotation</source>
        <translation>Keine Rotation</translation>
    </message>
    <message>
        <source>90° rechts</source>
        <translation>90° rechts</translation>
    </message>
    <message>
        <source>90° links</source>
        <translation>90° links</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Kopien</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertikal</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horiz. Abstand</source>
        <translation>Horiz. Abstand</translation>
    </message>
    <message>
        <source>Vert. Abstand</source>
        <translation>Vert. Abstand</translation>
    </message>
    <message>
        <source>Automatisch verteilen</source>
        <translation>Automatisch verteilen</translation>
    </message>
    <message>
        <source>Gleiche Abstände</source>
        <translation>Gleiche Abstände</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Entgitterrahmen</source>
        <translation>Entgitterrahmen</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Abstand</translation>
    </message>
</context>
<context>
    <name>MainWindowObjektauswahl</name>
    <message>
        <source>Objektauswahl</source>
        <translation>Objektauswahl</translation>
    </message>
    <message>
        <source>Alle Objekte</source>
        <translation>Alle Objekte</translation>
    </message>
    <message>
        <source>Nur in Editor markierte Objekte</source>
        <translation>Nur in Editor markierte Objekte</translation>
    </message>
    <message>
        <source>Jobgröße an Auswahl anpassen</source>
        <translation>Jobgröße an Auswahl anpassen</translation>
    </message>
    <message>
        <source>Passermarken benutzen</source>
        <translation>Passermarken benutzen</translation>
    </message>
    <message>
        <source>PM X Korrektur:</source>
        <translation>PM X Korrektur:</translation>
    </message>
    <message>
        <source>PM Y Korrektur:</source>
        <translation>PM Y Korrektur:</translation>
    </message>
    <message>
        <source>Unterschiedliche Schneideparameter für jede Ebene/Farbe</source>
        <translation>Unterschiedliche Schneideparameter für jede Ebene/Farbe</translation>
    </message>
    <message>
        <source>Auswahl nach Ebenen</source>
        <translation>Auswahl nach Ebenen</translation>
    </message>
    <message>
        <source>Auswahl nach Farben</source>
        <translation>Auswahl nach Farben</translation>
    </message>
    <message>
        <source>Segmentierung</source>
        <translation>Segmentierung</translation>
    </message>
    <message>
        <source>Segmenthöhe</source>
        <translation>Segmenthöhe</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Pause zwischen Ebenen/Farben</source>
        <translation>Pause zwischen Ebenen/Farben</translation>
    </message>
    <message>
        <source>Plotmedium: Blatt</source>
        <translation>Plotmedium: Blatt</translation>
    </message>
    <message>
        <source>Parameter für</source>
        <translation>Parameter für</translation>
    </message>
    <message>
        <source>Medium-Vorauswahl</source>
        <translation>Medium-Vorauswahl</translation>
    </message>
    <message>
        <source>Vinyl-Folie</source>
        <translation>Vinyl-Folie</translation>
    </message>
    <message>
        <source>Flock-Folie</source>
        <translation>Flock-Folie</translation>
    </message>
    <message>
        <source>Flex-Folie</source>
        <translation>Flex-Folie</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Neues Medium eintragen</source>
        <translation>Neues Medium eintragen</translation>
    </message>
    <message>
        <source>Medium speichern</source>
        <translation>Medium speichern</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>cm/s</source>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>Werkzeugauswahl</source>
        <translation>Werkzeugauswahl</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Andruck</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Linientyp</source>
        <translation>Linientyp</translation>
    </message>
    <message>
        <source>Durchgänge</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>Musterlänge</source>
        <translation>Musterlänge</translation>
    </message>
</context>
<context>
    <name>MainWindowOptionen</name>
    <message>
        <source>Entgittern / Überschrift / Qualität</source>
        <translation>Entgittern / Überschrift / Qualität</translation>
    </message>
    <message>
        <source>Entgitterrahmen</source>
        <translation>Entgitterrahmen</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Überschnitt</source>
        <translation>Überschnitt</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>1/10 mm</source>
        <translation>1/10 mm</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Qualität</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Produktionsmodus</source>
        <translation>Produktionsmodus</translation>
    </message>
    <message>
        <source>Endposition des Kopfes (Werkzeughalter) nach dem Schneiden</source>
        <translation>Endposition des Kopfes (Werkzeughalter) nach dem Schneiden</translation>
    </message>
    <message>
        <source>Startposition</source>
        <translation>Startposition</translation>
    </message>
    <message>
        <source>Hinter dem Job</source>
        <translation>Hinter dem Job</translation>
    </message>
    <message>
        <source>Links neben dem Job</source>
        <translation>Links neben dem Job</translation>
    </message>
    <message>
        <source>Vorschub nach dem Plotten</source>
        <translation>Vorschub nach dem Plotten</translation>
    </message>
    <message>
        <source>Parameter für </source>
        <translation>Parameter für </translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>cm/s</source>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>Linientyp</source>
        <translation>Linientyp</translation>
    </message>
    <message>
        <source>Durchgehend</source>
        <translation>Durchgehend</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Andruck</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Musterlänge</source>
        <translation>Musterlänge</translation>
    </message>
    <message>
        <source>Durchgänge</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>Parameter im Material speichern</source>
        <translation>Parameter im Material speichern</translation>
    </message>
    <message>
        <source>Testschnitt</source>
        <translation>Testschnitt</translation>
    </message>
    <message>
        <source>Testschnitt ein/aus</source>
        <translation>Testschnitt ein/aus</translation>
    </message>
    <message>
        <source>Plottereinstellungen benutzen</source>
        <translation>Plottereinstellungen benutzen</translation>
    </message>
    <message>
        <source>Werkzeugauswahl</source>
        <translation>Werkzeugauswahl</translation>
    </message>
    <message>
        <source>Offset Korrektur</source>
        <translation>Offset Korrektur</translation>
    </message>
</context>
<context>
    <name>MainWindowPlotter</name>
    <message>
        <source>Weitere Funktionen</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <source>Interne Einstellungen laden</source>
        <translation>Interne Einstellungen laden</translation>
    </message>
    <message>
        <source>Virtueller Monitor</source>
        <translation>Virtueller Monitor</translation>
    </message>
    <message>
        <source>Messer-Initialisierung</source>
        <translation>Messer-Initialisierung</translation>
    </message>
    <message>
        <source>Aktuelle Einstellungen im Plotter</source>
        <translation>Aktuelle Einstellungen im Plotter</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>cm/s</source>
        <translation>cm/s</translation>
    </message>
    <message>
        <source>Andruck</source>
        <translation>Andruck</translation>
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
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Nur im Plotter gespeicherte Werte</source>
        <translation>Nur im Plotter gespeicherte Werte</translation>
    </message>
    <message>
        <source>Medientyp</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Rolle</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Kanten glätten</source>
        <translation>Kanten glätten</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Medium abrollen</source>
        <translation>Medium abrollen</translation>
    </message>
    <message>
        <source>Diese Standardwerte werden von den aktuellen Einstellungen des Auftrages Überschrieben.</source>
        <translation>Diese Standardwerte werden von den aktuellen Einstellungen des Auftrages Überschrieben.</translation>
    </message>
</context>
<context>
    <name>NewMaterialDialog</name>
    <message>
        <source>Neues Material anlegen</source>
        <translation>Neues Material anlegen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Andruck:</source>
        <translation>Andruck:</translation>
    </message>
    <message>
        <source>Durchgänge:</source>
        <translation>Durchgänge:</translation>
    </message>
    <message>
        <source>Messer:</source>
        <translation>Messer:</translation>
    </message>
</context>
<context>
    <name>PassermarkenDialog</name>
    <message>
        <source>Konfiguration der Passermarken</source>
        <translation>Konfiguration der Passermarken</translation>
    </message>
    <message>
        <source>Erscheinungsbild</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <source>1/10 mm</source>
        <translation>1/10 mm</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Segmentierung</source>
        <translation>Segmentierung</translation>
    </message>
    <message>
        <source>Hor. Segmentierung benutzen</source>
        <translation>Hor. Segmentierung benutzen</translation>
    </message>
    <message>
        <source>X-Abstand (Breite)</source>
        <translation>X-Abstand (Breite)</translation>
    </message>
    <message>
        <source>Vert. Segmentierung benutzen</source>
        <translation>Vert. Segmentierung benutzen</translation>
    </message>
    <message>
        <source>Y-Abstand (Höhe)</source>
        <translation>Y-Abstand (Höhe)</translation>
    </message>
    <message>
        <source>Marken entfernen</source>
        <translation>Marken entfernen</translation>
    </message>
    <message>
        <source>Marken setzen</source>
        <translation>Marken setzen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>Fehler: Der Plotter lieferte keine Daten.</source>
        <translation>Fehler: Der Plotter lieferte keine Daten.</translation>
    </message>
</context>
<context>
    <name>PresetsFile</name>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: <byte value="xd" />
%1</source>
        <translation>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: <byte value="xd" />
%1</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden.</source>
        <translation>Das Material konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: <byte value="xd" />
%1</source>
        <translation>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: <byte value="xd" />
%1</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.</source>
        <translation>Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.</translation>
    </message>
    <message>
        <source>Auto Größe</source>
        <translation>Auto Größe</translation>
    </message>
    <message>
        <source>Auto Breite</source>
        <translation>Auto Breite</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Frei</translation>
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
        <translation>Aktueller Job</translation>
    </message>
    <message>
        <source>Plotdaten werden erzeugt</source>
        <translation>Plotdaten werden erzeugt</translation>
    </message>
    <message>
        <source>Aktuelle Ebene/Farbe:</source>
        <translation>Aktuelle Ebene/Farbe:</translation>
    </message>
    <message>
        <source>Nächste Ebene/Farbe:</source>
        <translation>Nächste Ebene/Farbe:</translation>
    </message>
    <message>
        <source>Weiter -&gt;</source>
        <translation>Weiter -&gt;</translation>
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
        <translation>Farbe %1: %2 %3</translation>
    </message>
    <message>
        <source>Ebene %1: %2</source>
        <translation>Ebene %1: %2</translation>
    </message>
</context>
<context>
    <name>SvgImport</name>
    <message>
        <source>%1 Bild(er): Rastergrafiken lassen sich nicht schneiden</source>
        <translation>%1 Bild(er): Rastergrafiken lassen sich nicht schneiden</translation>
    </message>
    <message>
        <source>Filtereffekte: geschnitten werden nur die Umrisse</source>
        <translation>Filtereffekte: geschnitten werden nur die Umrisse</translation>
    </message>
    <message>
        <source>Beschneidungspfade und Masken: die betroffenen Objekte werden ganz geschnitten</source>
        <translation>Beschneidungspfade und Masken: die betroffenen Objekte werden ganz geschnitten</translation>
    </message>
    <message>
        <source>Text %1: Fließtext und Text auf Pfad werden nicht umgewandelt</source>
        <translation>Text %1: Fließtext und Text auf Pfad werden nicht umgewandelt</translation>
    </message>
    <message>
        <source>Text %1: keine Schrift installiert</source>
        <translation>Text %1: keine Schrift installiert</translation>
    </message>
    <message>
        <source>Ebene %1</source>
        <translation>Ebene %1</translation>
    </message>
</context>
<context>
    <name>USBDevice</name>
    <message>
        <source>Das Gerät konnte nicht geöffnet werden.
Error: %1</source>
        <translation>Das Gerät konnte nicht geöffnet werden.
Error: %1</translation>
    </message>
    <message>
        <source>Das Gerät(Interface) konnte nicht geöffnet werden.
Error: %1</source>
        <translation>Das Gerät(Interface) konnte nicht geöffnet werden.
Error: %1</translation>
    </message>
    <message>
        <source>Es konnten keine Informationen zu dem Gerät ermittelt werden.(%1)</source>
        <translation>Es konnten keine Informationen zu dem Gerät ermittelt werden.(%1)</translation>
    </message>
    <message>
        <source>Es konnten keine Daten zum Gerät gesendet werden.
Error: %1</source>
        <translation>Es konnten keine Daten zum Gerät gesendet werden.
Error: %1</translation>
    </message>
    <message>
        <source>Es konnten keine Daten zum Gerät gesendet werden (2).
Error: %1</source>
        <translation>Es konnten keine Daten zum Gerät gesendet werden (2).
Error: %1</translation>
    </message>
    <message>
        <source>Kein Zugriff auf den Plotter. Abhilfe als root: echo '%1' &gt; %2 &amp;&amp; udevadm control --reload-rules &amp;&amp; udevadm trigger</source>
        <translation>Kein Zugriff auf den Plotter. Abhilfe als root: echo '%1' &gt; %2 &amp;&amp; udevadm control --reload-rules &amp;&amp; udevadm trigger</translation>
    </message>
    <message>
        <source>Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist. Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</source>
        <translation>Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist. Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</translation>
    </message>
</context>
<context>
    <name>UdevDriverInstaller</name>
    <message>
        <source>Die temporären Dateien für die udev-Regel konnten nicht angelegt werden.</source>
        <translation>Die temporären Dateien für die udev-Regel konnten nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Für die Änderung werden Administratorrechte benötigt, aber pkexec ist nicht installiert (Paket policykit-1).
Als root ausführen: %1</source>
        <translation>Für die Änderung werden Administratorrechte benötigt, aber pkexec ist nicht installiert (Paket policykit-1).
Als root ausführen: %1</translation>
    </message>
    <message>
        <source>Die Änderung wurde nicht erlaubt.</source>
        <translation>Die Änderung wurde nicht erlaubt.</translation>
    </message>
    <message>
        <source>Die udev-Regel %1 konnte nicht geändert werden.</source>
        <translation>Die udev-Regel %1 konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>VirtualMonitor</name>
    <message>
        <source>Virtueller Monitor</source>
        <translation>Virtueller Monitor</translation>
    </message>
    <message>
        <source>Empfangenes löschen</source>
        <translation>Empfangenes löschen</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Der virtuelle Plotter hat noch nichts empfangen.</source>
        <translation>Der virtuelle Plotter hat noch nichts empfangen.</translation>
    </message>
    <message>
        <source>%1 Bytes empfangen – Schnittlänge %2 mm, Leerfahrt %3 mm, Materialverbrauch %4 mm</source>
        <translation>%1 Bytes empfangen – Schnittlänge %2 mm, Leerfahrt %3 mm, Materialverbrauch %4 mm</translation>
    </message>
</context>
</TS>
