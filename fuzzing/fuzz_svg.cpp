// The SVG the Inkscape plug-in saves ("kcxfer.svg"), read as UTF-8 text.

#include "FuzzSupport.h"

#include "document/Document.h"
#include "document/SvgReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Document doc;
    SvgReader::read(doc, QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
