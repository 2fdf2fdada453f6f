// The general SVG import of files the user opens ("Laden", kerfcraft-cli),
// on bytes as read from the file.

#include "FuzzSupport.h"

#include "document/Document.h"
#include "document/SvgImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Document doc;
    SvgImport::read(doc, QByteArray(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
