#include "cli/CliCommands.h"
#include "cli/CliPresets.h"
#include "cli/ConsoleMessages.h"
#include "presets/KerfcraftPresets.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {
// The offscreen platform asks for the runtime folder, which a root shell or
// a build machine does not have; the tool writes nothing there, so the
// complaint would only clutter its output.
QtMessageHandler& startupHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}
void quietStartup(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        startupHandler()(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    // A GUI application without a display: the installed fonts turn SVG
    // text into outlines, and fcm draws its thumbnail with the window's
    // preview.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    startupHandler() = qInstallMessageHandler(quietStartup);
    QApplication app(argc, argv);
    qInstallMessageHandler(startupHandler());
    QCoreApplication::setApplicationName(QStringLiteral("Kerfcraft"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kerfcraft"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kerfcraft.org"));
    // Diagnostics would mix with the tool's own output; KERFCRAFT_DEBUG=1
    // shows them, KERFCRAFT_LOG=path collects them in a file either way.
    if (qEnvironmentVariableIntValue("KERFCRAFT_DEBUG") == 0)
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QFile rawOut;
    rawOut.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&rawOut);
    QFile errFile;
    errFile.open(stderr, QIODevice::WriteOnly);
    QTextStream err(&errFile);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    ConsoleMessages messages;
    const std::unique_ptr<KerfcraftPresets> presets = CliPresets::open(messages);
    CliIo io{out, err, rawOut, messages};
    return cliMain(QCoreApplication::arguments(), io);
}
