#include "FuzzSupport.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// On tmpfs where there is one: the writers fsync every file they replace,
// which on a disk would cost more than the input itself.
QTemporaryDir& scratchDir()
{
    const QString shm = QStringLiteral("/dev/shm");
    static QTemporaryDir dir((QFileInfo(shm).isWritable() ? shm : QDir::tempPath())
                             + QStringLiteral("/kerfcraft-fuzz-XXXXXX"));
    return dir;
}

} // namespace

namespace FuzzSupport {

void setUp()
{
    static int argc = 1;
    static char name[] = "kerfcraft-fuzz";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    qInstallMessageHandler(quiet);
    // The SVG import draws text with the installed fonts: a GUI application,
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv); // lives as long as the process
}

QString scratchFile(const QByteArray& bytes, const QString& name)
{
    const QString path = scratchDir().filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("scratch file %s not written", qPrintable(path));
    return path;
}

} // namespace FuzzSupport

// libFuzzer calls this once before the first input; the replay runner too.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::setUp();
    return 0;
}
