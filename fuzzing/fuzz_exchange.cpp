// The exchange-file route of "/cut": bytes decoded and normalised as a
// ".kcj" file is, then read into a document with its registration marks.

#include "FuzzSupport.h"

#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/ExchangeText.h"

#include <QBuffer>
#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    ExchangeText::readKcjLines(buffer, lines);
    Document doc;
    importExchangeText(doc, lines, false);
    return 0;
}
