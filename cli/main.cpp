#include "cli/CliCommands.h"
#include "cli/CliPresets.h"
#include "cli/ConsoleMessages.h"
#include "presets/KerfcraftPresets.h"

#include <QGuiApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    // A GUI application for the fonts that turn SVG text into outlines; the
    // tool never shows a window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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
