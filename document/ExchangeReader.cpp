#include "document/ExchangeReader.h"

#include "document/Document.h"

namespace ExchangeReader {
void read(Document& doc, QStringList)
{
    doc.clear();
    doc.notifyChanged();
}
} // namespace ExchangeReader
