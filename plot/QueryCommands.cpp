#include "plot/QueryCommands.h"

namespace QueryCommands {

QString deviceQuestion() { return QStringLiteral("\x1b.R4:"); }

QString settingsQuestion() { return QStringLiteral("\x1b.R1:"); }

QString mediaQuestion() { return QStringLiteral("OH;"); }

QString unrollMediumSetting(bool on)
{
    return on ? QStringLiteral("\x1b.C1;20;1:") : QStringLiteral("\x1b.C1;20;0:");
}

QString edgeSmoothingSetting(bool on)
{
    return on ? QStringLiteral("\x1b.C1;19;1:") : QStringLiteral("\x1b.C1;19;0:");
}

} // namespace QueryCommands
