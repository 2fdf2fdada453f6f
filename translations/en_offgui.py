EN = {
    'Die Auftragsdatei wird gespeichert …': 'Saving the job file …',
    'Die Auftragsdatei wird geladen …': 'Loading the job file …',
    'Die Plotdaten werden erzeugt …': 'Generating the plot data …',
    'Die FCM-Datei wird geschrieben …': 'Writing the FCM file …',
}
