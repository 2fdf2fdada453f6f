# English texts of the FCM export, the stream figures and the virtual monitor.
EN = {
 'Aufruf: kerfcraft-cli BEFEHL [OPTIONEN]\n\nBefehle:\n  info DATEI                 Ebenen, Objekte, Farben und Ausdehnung einer Zeichnung\n  convert DATEI -o ZIEL.kcf  Zeichnung als Auftragsdatei speichern\n  plot DATEI [-o ZIEL]       Plotterdaten erzeugen\n  blocks DATEI               Plotterdaten blockweise anzeigen\n  fcm DATEI -o ZIEL.fcm      Auftrag als FCM-Datei schreiben\n  devices                    angeschlossene Plotter auflisten\n  query [--device BUS:ADR]   einen Plotter abfragen\n  send DATEI [--device BUS:ADR]  Auftrag an einen Plotter senden\n':
 'Usage: kerfcraft-cli COMMAND [OPTIONS]\n\nCommands:\n  info FILE                  layers, objects, colours and extent of a drawing\n  convert FILE -o TARGET.kcf save a drawing as a job file\n  plot FILE [-o TARGET]      generate the plot data\n  blocks FILE                show the plot data block by block\n  fcm FILE -o TARGET.fcm     write the job as an FCM file\n  devices                    list connected plotters\n  query [--device BUS:ADR]   ask one plotter\n  send FILE [--device BUS:ADR]  send a job to a plotter\n',
 'Bitte mit -o die FCM-Datei angeben.': 'Please name the FCM file with -o.',
 'Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, Zeit ca. %4:%5 min bei %6 cm/s':
 'Cut length %1 mm, travel %2 mm, material used %3 mm, time about %4:%5 min at %6 cm/s',
 'Virtueller Monitor': 'Virtual monitor',
 'Empfangenes löschen': 'Clear received data',
 'Schließen': 'Close',
 'Der virtuelle Plotter hat noch nichts empfangen.': 'The virtual plotter has not received anything yet.',
 '%1 Bytes empfangen – Schnittlänge %2 mm, Leerfahrt %3 mm, Materialverbrauch %4 mm':
 '%1 bytes received – cut length %2 mm, travel %3 mm, material used %4 mm',
}
