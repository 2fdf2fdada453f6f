#pragma once

#include <QString>

// The modal German message boxes of the lower layers (file access, USB,
// plotter questions) go through this interface, so that the same code runs
// in the GUI (a QMessageBox on the GUI thread), in the command-line tool
// (stderr) and in tests (a recorder answering from a script).
// Callers show their one message and return a bool; nobody adds a second.
class UserMessages
{
public:
    enum class Icon { NoIcon, Information, Warning, Critical, Question };
    // Values match QMessageBox::StandardButton so the GUI can pass them on.
    enum Button {
        NoButton = 0x00000000,
        Ok = 0x00000400,
        Yes = 0x00004000,
        No = 0x00010000,
        Abort = 0x00040000,
        Retry = 0x00080000,
        Ignore = 0x00100000,
        Cancel = 0x00400000,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~UserMessages() = default;

    // Shows one modal message and returns the button that closed it.
    // Safe to call from any thread; a worker is blocked until it is answered.
    virtual Button show(Icon icon, const QString& title, const QString& text,
                        Buttons buttons = Ok, Button defaultButton = NoButton) = 0;

    Button information(const QString& title, const QString& text)
    {
        return show(Icon::Information, title, text, Ok);
    }
    Button warning(const QString& title, const QString& text)
    {
        return show(Icon::Warning, title, text, Ok);
    }
    Button critical(const QString& title, const QString& text)
    {
        return show(Icon::Critical, title, text, Ok);
    }
    Button question(const QString& title, const QString& text, Buttons buttons = Buttons(Yes) | No)
    {
        return show(Icon::Question, title, text, buttons);
    }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserMessages::Buttons)
