# English texts of the file writing shared by all writers.
EN = {
 'Die Datei %1 konnte nicht geschrieben werden (%2).': 'The file %1 could not be written (%2).',
}
