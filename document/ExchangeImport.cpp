#include "document/ExchangeImport.h"

#include "document/Document.h"
#include "document/ExchangeReader.h"
#include "document/SvgReader.h"

void importExchangeText(Document& doc, const QStringList& texts, bool isSvg)
{
    if (!isSvg) {
        ExchangeReader::read(doc, texts);
        return;
    }
    SvgReader::read(doc, texts.value(0));
}
