#pragma once

#include <QByteArray>

// How the program was started, decided from the last command-line argument
// only (hosts append their own switches after ours). Pure: no environment,
// no files.
class CommandLine
{
public:
    enum class Mode { RegistrationMarks, Cut, InstallPlugins, DeinstallPlugins, Plain };

    // argv[argc-1]; every flag stays false when there is no argument.
    static CommandLine evaluate(int argc, const char* const* argv);
    // One argument as the raw bytes the host passed; it ends at its first
    // zero byte, as an argv entry does.
    static CommandLine evaluateArgument(const char* argument);

    // Lower-cased, trimmed argument ends in "passermarks".
    bool passermarksMode = false;
    // Lower-cased argument contains "corel" (the registration-mark host).
    bool corelHost = false;
    // Exactly "/cut", "/Cut" or "/CUT".
    bool cut = false;
    // Exactly "/installplugins" or "installplugins" (the set-up program's form).
    bool installPlugins = false;
    // Exactly "/deinstallplugins".
    bool deinstallPlugins = false;

    // First match wins, registration marks before everything else.
    Mode mode() const;
};
