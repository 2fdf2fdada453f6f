#include "cli/CliCommands.h"
#include "cli/ConsoleMessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kerfcraft"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kerfcraft"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kerfcraft.org"));
    QFile rawOut;
    rawOut.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&rawOut);
    QFile errFile;
    errFile.open(stderr, QIODevice::WriteOnly);
    QTextStream err(&errFile);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    ConsoleMessages messages;
    CliIo io{out, err, rawOut, messages};
    return cliMain(QCoreApplication::arguments(), io);
}
