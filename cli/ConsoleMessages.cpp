#include "cli/ConsoleMessages.h"

#include <cstdio>

UserMessages::Button ConsoleMessages::show(Icon, const QString& title, const QString& text,
                                           Buttons buttons, Button defaultButton)
{
    QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    if (defaultButton != NoButton)
        return defaultButton;
    for (Button b : {Yes, Ok, Cancel, No, Abort})
        if (buttons.testFlag(b))
            return b;
    return NoButton;
}
