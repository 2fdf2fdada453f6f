#pragma once

#include "platform/UserMessages.h"

// Messages of the command-line tool: printed to stderr as "title: text".
// Questions take their default answer (or the first of Yes, Ok, Cancel,
// No offered), since nobody may be at the terminal.
class ConsoleMessages : public UserMessages
{
public:
    Button show(Icon icon, const QString& title, const QString& text, Buttons buttons,
                Button defaultButton) override;
};
