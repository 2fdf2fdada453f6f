#include "document/ExchangeImport.h"

#include "document/Document.h"
#include "document/ExchangeReader.h"

void importExchangeText(Document& doc, const QStringList& texts, bool isSvg)
{
    if (!isSvg) {
        ExchangeReader::read(doc, texts);
        return;
    }
    // No SVG reader yet: an SVG drawing opens empty.
    doc.clear();
    doc.notifyChanged();
}
