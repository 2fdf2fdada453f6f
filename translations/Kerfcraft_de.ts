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
  --progress                Fortschritt anzeigen
</translation>
    </message>
    <message>
        <source>Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.</source>
        <translation>Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.</translation>
    </message>
    <message>
        <source>Unbekanntes Plottermodell: %1</source>
        <translation>Unbekanntes Plottermodell: %1</translation>
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
</translation>
    </message>
    <message>
        <source>Bitte mit -o die FCM-Datei angeben.</source>
        <translation>Bitte mit -o die FCM-Datei angeben.</translation>
    </message>
    <message>
        <source>Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, Zeit ca. %4:%5 min bei %6 cm/s</source>
        <translation>Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, Zeit ca. %4:%5 min bei %6 cm/s</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>Die Datei %1 wurde nicht gefunden.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine lesbare Auftragsdatei.</source>
        <translation>Die Datei %1 ist keine lesbare Auftragsdatei.</translation>
    </message>
    <message>
        <source>Das Dateiformat von %1 wird nicht unterstützt.</source>
        <translation>Das Dateiformat von %1 wird nicht unterstützt.</translation>
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
        <translation>Sie müssen bei Inkscape 0.91 unter 'Bearbeiten -&gt;Einstellungen-&gt;Eingabe/Ausgabe-&gt;SVG Ausgabe' </translation>
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
        <translation>Die Einstellungsdatei konnte nicht geöffnet werden.</translation>
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
        <source>Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.</source>
        <translation>Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.</translation>
    </message>
    <message>
        <source>Die Ausgabe als FCM-Datei ist noch nicht verfügbar.</source>
        <translation>Die Ausgabe als FCM-Datei ist noch nicht verfügbar.</translation>
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
        <translation>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: </translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden.</source>
        <translation>Das Material konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: <byte value="xd" />
%1</source>
        <translation>Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: </translation>
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
    <name>Startup</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Diese Funktion ist noch nicht verfügbar.</translation>
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
    <name>USBDevice</name>
    <message>
        <source>Das Gerät konnte nicht geöffnet werden, da die Berechtigung für den Zugriff auf den Plotter fehlt.</source>
        <translation>Das Gerät konnte nicht geöffnet werden, da die Berechtigung für den Zugriff auf den Plotter fehlt.</translation>
    </message>
    <message>
        <source>Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist.</source>
        <translation>Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist.</translation>
    </message>
    <message>
        <source>Abhilfe: Eine udev-Regel gibt dem angemeldeten Benutzer Zugriff auf die Plotter des Herstellers 0x0F0B.
Datei: %1
Inhalt: %2</source>
        <translation>Abhilfe: Eine udev-Regel gibt dem angemeldeten Benutzer Zugriff auf die Plotter des Herstellers 0x0F0B.
Datei: %1
Inhalt: %2</translation>
    </message>
    <message>
        <source>Bitte legen Sie die Datei als Administrator an, laden Sie die Regeln neu (udevadm control --reload-rules) und stecken Sie den Plotter aus und wieder ein.</source>
        <translation>Bitte legen Sie die Datei als Administrator an, laden Sie die Regeln neu (udevadm control --reload-rules) und stecken Sie den Plotter aus und wieder ein.</translation>
    </message>
    <message>
        <source>Soll die Regel nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</source>
        <translation>Soll die Regel nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</translation>
    </message>
    <message>
        <source>Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</source>
        <translation>Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.</translation>
    </message>
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
