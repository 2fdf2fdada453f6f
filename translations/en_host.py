# English texts of the host integration: registration-mark mode, plug-in
# installer, USB access.
EN = {
 'Passermarken': 'Registration marks',
 'Das Übertragungsprogramm für CorelDRAW wurde nicht gefunden:\n%1\nDie Passermarken konnten nicht übergeben werden.': 'The transfer program for CorelDRAW was not found:\n%1\nThe registration marks could not be handed over.',
 'Die Passermarken-Einstellungen konnten nicht in die Datei %1 geschrieben werden.\n%2': 'The registration-mark settings could not be written to the file %1.\n%2',
 'Konfiguration der Passermarken': 'Registration mark settings',
 'Erscheinungsbild': 'Appearance', 'mm': 'mm', '1/10 mm': '1/10 mm', 'Abstand': 'Distance',
 'Segmentierung': 'Segmentation', 'Hor. Segmentierung benutzen': 'Use horizontal segmentation',
 'X-Abstand (Breite)': 'X distance (width)', 'Vert. Segmentierung benutzen': 'Use vertical segmentation',
 'Y-Abstand (Höhe)': 'Y distance (height)', 'Marken entfernen': 'Remove marks', 'Marken setzen': 'Set marks',
 'Abbrechen': 'Cancel',
 'Die temporären Dateien für die udev-Regel konnten nicht angelegt werden.': 'The temporary files for the udev rule could not be created.',
 'Für die Änderung werden Administratorrechte benötigt, aber pkexec ist nicht installiert (Paket policykit-1).\nAls root ausführen: %1': 'This change needs administrator rights, but pkexec is not installed (package policykit-1).\nRun as root: %1',
 'Die Änderung wurde nicht erlaubt.': 'The change was not permitted.',
 'Die udev-Regel %1 konnte nicht geändert werden.': 'The udev rule %1 could not be changed.',
 'USB-Treiber Deinstallation': 'USB driver removal',
 'Sollen der installierte Plotter-Treiber wieder deinstalliert werden?\nNach der Deinstallation muss der Plotter entfernt und wieder eingesteckt, oder aus- und wieder eingeschaltet werden.': 'Remove the installed plotter driver?\nAfterwards the plotter must be unplugged and plugged in again, or switched off and on.',
 "Kein Zugriff auf den Plotter. Abhilfe als root: echo '%1' > %2 && udevadm control --reload-rules && udevadm trigger": "No access to the plotter. Fix as root: echo '%1' > %2 && udevadm control --reload-rules && udevadm trigger",
 'Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht installiert ist. Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart von Kerfcraft.': 'The device could not be opened because the required driver is not installed yet. Install the driver now? Kerfcraft restarts afterwards.',
 'Kerfcraft Plugininstall': 'Kerfcraft plug-in installation',
 'Suche Anwendungen und installiere Plugins': 'Searching applications and installing plug-ins',
 'Verzeichnis:': 'Folder:', 'Schließen': 'Close', 'Verzeichnis: %1': 'Folder: %1', '32 Bit': '32 bit', '64 Bit': '64 bit',
}
