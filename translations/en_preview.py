# English texts of the preview, the rulers and the small dialogs.
EN = {
 'Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte passen Sie die Größe des Dokumentes an.':
 'The document is larger than the medium loaded in the plotter! Please adjust the size of the document.',
 'Auto Größe': 'Fit size',
 'Auto Breite': 'Fit width',
 'Frei': 'Free',
 'Layout': 'Layout',
 'Info': 'Info',
 'Neues Material anlegen': 'Create new material',
 'Name:': 'Name:',
 'Geschwindigkeit:': 'Speed:',
 'Andruck:': 'Pressure:',
 'Durchgänge:': 'Passes:',
 'Messer:': 'Blade:',
 'About Kerfcraft': 'About Kerfcraft',
 'Kerfcraft %1': 'Kerfcraft %1',
 'Version für:': 'Version for:',
 "<font color='green'>Windows</font>": "<font color='green'>Windows</font>",
 "<font color='gray'>Macintosh</font>": "<font color='gray'>Macintosh</font>",
 'USB Treiber deinstallieren': 'Uninstall USB driver',
 'Schließen': 'Close',
 'USB-Treiber Deinstallation': 'USB driver removal',
 'Sollen der installierte Plotter-Treiber wieder deinstalliert werden?\nNach der Deinstallation muss der Plotter entfernt und wieder eingesteckt, oder aus- und wieder eingeschaltet werden.':
 'Should the installed plotter driver be uninstalled?\nAfterwards the plotter must be unplugged and plugged in again, or switched off and on again.',
 'Diese Ausgabe enthält kein Installationsprogramm für den Plotter-Zugriff. Er beruht auf der udev-Regel %1; entfernen Sie diese Datei als Administrator, um ihn aufzuheben.':
 'This edition has no installer for plotter access. Access rests on the udev rule %1; remove this file as administrator to revoke it.',
}
