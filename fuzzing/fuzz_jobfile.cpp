// Job files ("*.kcf"): whatever loads is saved and loaded again, so the
// writer meets every value the reader lets through.

#include "FuzzSupport.h"

#include "document/Document.h"
#include "document/JobFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzSupport::scratchFile(
        QByteArray(reinterpret_cast<const char*>(data), int(size)), QStringLiteral("job.kcf"));
    Document doc;
    if (!JobFile::load(doc, path))
        return 0;
    const QString copy = path + QStringLiteral(".copy.kcf");
    if (!JobFile::save(doc, copy))
        qFatal("a loaded job could not be saved");
    Document again;
    if (!JobFile::load(again, copy))
        qFatal("a saved job could not be loaded");
    return 0;
}
