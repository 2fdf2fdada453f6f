#pragma once

#include <QString>

class UserMessages;

// Inkscape's SVG export must write absolute path coordinates, which our SVG
// reader relies on. Before an SVG exchange file is read, Inkscape's own
// preferences are looked at; a user with relative coordinates gets a hint
// how to change the setting and the program stops.
namespace InkscapeCheck {

enum class Outcome { Continue, Quit };

// "$XDG_CONFIG_HOME/inkscape/preferences.xml" (XDG default ~/.config); when
// that file does not exist, the Windows-style location below the home
// folder if it exists there.
QString preferencesPath();

// Continue also when the file is missing or unreadable (the user is told);
// Quit after the hint when no setting for absolute coordinates is found.
// Inkscape 0.91 and later store "pathstring_format" (0 = absolute); older
// versions only "allowrelativecoordinates", looked at only when no
// "pathstring_format" exists at all.
Outcome check(const QString& preferencesPath, UserMessages& messages);

// Our own Inkscape extension writes the exchange SVG itself, always with
// absolute path data, and says so on the root element:
// kerfcraft:pathdata="absolute" in the namespace below. Such a file needs
// no look at Inkscape's preferences.
const QString ExchangeNamespace = QStringLiteral("https://kerfcraft.org/ns/exchange");
bool hasAbsolutePathMark(const QString& svgPath);

} // namespace InkscapeCheck
