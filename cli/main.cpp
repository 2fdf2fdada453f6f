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

int main(int argc, char** argv)
{
    // fcm draws its thumbnail with the window's preview, which needs the
    // GUI application; the offscreen platform spares it a display.
    const bool gui = argc > 1 && qstrcmp(argv[1], "fcm") == 0;
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app = gui
        ? std::make_unique<QApplication>(argc, argv)
        : std::make_unique<QCoreApplication>(argc, argv);
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
