#pragma once

#include <QCoreApplication>

// Texts of the command-line tool, all in the translation context "Cli".
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
