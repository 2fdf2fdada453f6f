// The INI file shared with the host plug-ins: whatever a host or a user left
// in it, a write of our keys keeps it readable and keeps the values written.

#include "FuzzSupport.h"

#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzSupport::scratchFile(
        QByteArray(reinterpret_cast<const char*>(data), int(size)), QStringLiteral("Kerfcraft.ini"));
    IniFile::readSection(path, QStringLiteral("Passermarks"));
    const IniFile::Values values = {{QStringLiteral("Length"), QStringLiteral("10")},
                                    {QStringLiteral("XStep"), QStringLiteral("250")}};
    if (!IniFile::write(path, QStringLiteral("Passermarks"), values))
        return 0;
    const QMap<QString, QString> back = IniFile::readSection(path, QStringLiteral("Passermarks"));
    if (back.value(QStringLiteral("length")) != QLatin1String("10")
        || back.value(QStringLiteral("xstep")) != QLatin1String("250"))
        qFatal("a written key does not read back");
    return 0;
}
