# English texts of the job settings, the job-file notes and the start-up hints.
EN = {
 'Auftragsdatei': 'Job file',
 'In der Auftragsdatei %1 lagen Einstellungen außerhalb des erlaubten Bereichs. Sie wurden angepasst:\n%2':
     'Settings in the job file %1 lay outside the allowed range. They were adjusted:\n%2',
 'Der Wert %1 für %2 liegt außerhalb des erlaubten Bereichs (%3 bis %4).':
     'The value %1 for %2 lies outside the allowed range (%3 to %4).',
 "Sie müssen bei Inkscape 0.91 unter 'Bearbeiten ->Einstellungen->Eingabe/Ausgabe->SVG Ausgabe' \r\n"
 "die Einstellung für Pfad-Zeichenkettenformat auf 'Absolut' setzen und Inkscape neu starten !!!\r\n\r\n"
 "Sie müssen bei Inkscape 0.47+0.48 unter 'Datei ->Inkscape Einstellungen->SVG Ausgabe' \r\n"
 "das Häckchen bei \r\n'relative Koordinaten erlauben' \r\nentfernen und Inkscape neu starten !!!\r\n"
 "( Diese Einstellung braucht nur einmal vorgenommen werden. )":
     "In Inkscape 0.91 you must set the path string format under 'Edit ->Preferences->Input/Output->SVG output' \r\n"
     "to 'Absolute' and restart Inkscape !!!\r\n\r\n"
     "In Inkscape 0.47+0.48 you must clear the tick at \r\n'Allow relative coordinates' \r\n"
     "under 'File ->Inkscape Preferences->SVG output' \r\nand restart Inkscape !!!\r\n"
     "( This setting needs to be made only once. )",
}
