# English names of widgets that show no text of their own, for screen readers.
EN = {
 'Sprache': 'Language',
}
