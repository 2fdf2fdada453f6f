// The FCM export from a small random job: the files it would write, built
// in memory (layout, cutting head record, header, thumbnail, cut data).

#include "RandomJob.h"

#include "plot/FcmExport.h"

#include <QImage>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::ByteReader in(data, size);
    const int width = in.range(0, 40);
    const int height = in.range(0, 40);
    QImage thumbnail(width, height, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    Document doc;
    if (!FuzzSupport::jobFrom(in, doc))
        return 0;
    doc.setFcmOutput(true);
    FcmExport(doc).files(QStringLiteral("/tmp/Aufkleber.fcm"), thumbnail);
    return 0;
}
