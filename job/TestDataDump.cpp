#include "job/TestDataDump.h"

#include "job/Pipe.h"
#include "job/WorkerPlotter.h"
#include "platform/AtomicFile.h"
#include "plot/PlotDataGenerator.h"

namespace TestDataDump {

QString defaultPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Tmp\\lastcut.txt");
#else
    return QStringLiteral("/tmp/lastcut.txt");
#endif
}

Result dump(Document& doc, bool deviceControl, const QString& path)
{
    Pipe pipe;
    pipe.setDeviceControl(deviceControl);
    PlotDataGenerator generator(doc);
    generator.setDiagnostics(false);
    generator.generate(pipe);
    pipe.close();
    return drain(pipe, path);
}

Result drain(Pipe& pipe, const QString& path)
{
    Result result;
    while (pipe.pop(result.stream, WorkerPlotter::PopLimit)) {
    }
    const int zero = result.stream.indexOf('\0');
    result.characters = zero < 0 ? result.stream.size() : zero;

    AtomicFile file(path);
    result.written = file.open() && file.write(result.stream) == result.stream.size()
        && file.write("\r\n", 2) == 2 && file.commit();
    return result;
}

} // namespace TestDataDump
