// Plot generation from a small random drawing under random job settings.

#include "RandomJob.h"

#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::ByteReader in(data, size);
    const bool deviceControl = in.flag();
    Document doc;
    if (!FuzzSupport::jobFrom(in, doc))
        return 0;
    BlockList blocks(deviceControl);
    PlotDataGenerator generator(doc);
    generator.setDiagnostics(false);
    generator.generate(blocks);
    return 0;
}
