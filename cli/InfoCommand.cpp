#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <QTextStream>

int cliInfo(const QStringList&, CliIo& io)
{
    io.err << QCoreApplication::translate("cli", "Dieser Befehl ist noch nicht verfügbar.") << '\n';
    return 2;
}
