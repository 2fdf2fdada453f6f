# English texts of the general SVG import and its command-line and window parts.
EN = {
 '\nEine SVG-Datei ist eine beliebige Zeichnung; mit --exchange wird sie wie die\nÜbertragungsdatei des Inkscape-Plug-ins gelesen.\n':
     '\nAn SVG file is any drawing; with --exchange it is read as the exchange\nfile of the Inkscape plug-in.\n',
 'Ausgelassen: %1': 'Left out: %1',
 '  --exchange                SVG als Übertragungsdatei des Inkscape-Plug-ins lesen\n':
     '  --exchange                read an SVG as the exchange file of the Inkscape plug-in\n',
 'Die Datei %1 ist leer.': 'The file %1 is empty.',
 'Die Datei %1 ist keine SVG-Zeichnung (kein gültiges XML).': 'The file %1 is not an SVG drawing (not valid XML).',
 'Die Datei %1 ist keine SVG-Zeichnung.': 'The file %1 is not an SVG drawing.',
 'Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden.': 'The drawing %1 holds no visible outlines to cut.',
 'Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden. Ausgelassen: %2':
     'The drawing %1 holds no visible outlines to cut. Left out: %2',
 'Nicht übernommen:\n%1': 'Not taken over:\n%1',
 '%1 Bild(er): Rastergrafiken lassen sich nicht schneiden': '%1 image(s): raster graphics cannot be cut',
 'Filtereffekte: geschnitten werden nur die Umrisse': 'Filter effects: only the outlines are cut',
 'Beschneidungspfade und Masken: die betroffenen Objekte werden ganz geschnitten':
     'Clip paths and masks: the objects concerned are cut whole',
 'Text %1: Fließtext und Text auf Pfad werden nicht umgewandelt': 'Text %1: flowed text and text on a path are not converted',
 'Text %1: keine Schrift installiert': 'Text %1: no font installed',
 'Ebene %1': 'Layer %1',
}
