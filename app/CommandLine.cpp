#include "app/CommandLine.h"

#include <QString>

#include <cstring>

namespace {
bool equals(const char* argument, const char* expected)
{
    return std::strcmp(argument, expected) == 0;
}
} // namespace

CommandLine CommandLine::evaluate(int argc, const char* const* argv)
{
    if (argc < 2 || !argv || !argv[argc - 1])
        return CommandLine();
    return evaluateArgument(argv[argc - 1]);
}

CommandLine CommandLine::evaluateArgument(const char* argument)
{
    CommandLine c;
    if (!argument)
        return c;
    // Hosts hand over Windows-1252/Latin-1 bytes; decoding that way keeps
    // every byte a character, so no argument fails to decode.
    const QString lower = QString::fromLatin1(argument).toLower();
    c.passermarksMode = lower.trimmed().endsWith(QLatin1String("passermarks"));
    c.corelHost = lower.contains(QLatin1String("corel"));
    // The switches the plug-ins and the set-up program pass are compared
    // byte for byte: anything else (other case mix, blanks) means plain mode.
    c.cut = equals(argument, "/cut") || equals(argument, "/Cut") || equals(argument, "/CUT");
    c.installPlugins = equals(argument, "/installplugins") || equals(argument, "installplugins");
    c.deinstallPlugins = equals(argument, "/deinstallplugins");
    return c;
}

CommandLine::Mode CommandLine::mode() const
{
    if (passermarksMode)
        return Mode::RegistrationMarks;
    if (cut)
        return Mode::Cut;
    if (installPlugins)
        return Mode::InstallPlugins;
    if (deinstallPlugins)
        return Mode::DeinstallPlugins;
    return Mode::Plain;
}
