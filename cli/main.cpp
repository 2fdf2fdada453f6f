#include "cli/CliCommands.h"
#include "cli/CliPresets.h"
#include "cli/ConsoleMessages.h"
#include "presets/KerfcraftPresets.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
