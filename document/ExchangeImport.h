#pragma once

#include <QStringList>

class Document;

// Fills a document from the exchange text start-up found: the line format
// (one entry per line) through ExchangeReader, SVG (one entry, the whole
// text) through the SVG reader. The document is cleared first either way and
// emits DataChanged() at the end.
void importExchangeText(Document& doc, const QStringList& texts, bool isSvg);
