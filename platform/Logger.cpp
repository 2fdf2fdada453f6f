#include "platform/Logger.h"

#include <QByteArray>
#include <QDebug>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>

namespace Logger {

namespace {
// The one log file, opened on first use; lines from worker threads are
// written whole under the mutex.
struct LogFile {
    QMutex mutex;
    QFile file;
    bool tried = false;
};

LogFile& logFile()
{
    static LogFile f;
    return f;
}
} // namespace

void keepOffTerminalUnlessAsked()
{
    if (qEnvironmentVariableIntValue("KERFCRAFT_DEBUG") == 0)
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void debug(const QString& line)
{
    qDebug().noquote() << line;

    LogFile& f = logFile();
    QMutexLocker lock(&f.mutex);
    if (!f.tried) {
        f.tried = true;
        const QByteArray path = qgetenv("KERFCRAFT_LOG");
        if (!path.isEmpty()) {
            f.file.setFileName(QString::fromLocal8Bit(path));
            if (!f.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
                qWarning("Kerfcraft: log file %s cannot be opened", path.constData());
        }
    }
    if (f.file.isOpen()) {
        f.file.write(line.toUtf8());
        f.file.write("\n");
        f.file.flush();
    }
}

} // namespace Logger
