#include "app/HostPassermarks.h"

#include "platform/Environment.h"
#include "platform/Logger.h"
#include "platform/ProcessRunner.h"
#include "platform/UserMessages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace HostPassermarks {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("HostPassermarks", text); }

// The transfer program's first parameter; it names the command version.
constexpr int CreateRegMarksVersion = 1000;

int number(const QMap<QString, QString>& section, const char* key, int fallback)
{
    bool ok = false;
    const int v = section.value(QString::fromLatin1(key).toLower()).toInt(&ok);
    return ok ? v : fallback;
}

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
} // namespace

QString iniPath() { return Environment::kerfcraftDataDir() + QStringLiteral("/Kerfcraft.ini"); }

QString transferProgram(const QString& exeDir, bool is64Bit)
{
    return QStringLiteral("%1/DrawDatentransfer%2Bit.exe")
        .arg(Environment::toSlashes(exeDir), is64Bit ? QStringLiteral("64") : QStringLiteral("32"));
}

QString transferParameters(const Choice& choice)
{
    const PassermarkSettings& v = choice.values;
    switch (choice.action) {
    case PassermarkenDialog::SetMarks:
        return QStringLiteral("CreateRegMarks %1 %2 %3 %4 %5 %6")
            .arg(CreateRegMarksVersion)
            .arg(v.length)
            .arg(v.thickness)
            .arg(v.margin)
            .arg(v.xStep)
            .arg(v.yStep);
    case PassermarkenDialog::DeleteMarks:
        return QStringLiteral("DeleteRegMarks");
    default:
        return QString();
    }
}

IniFile::Values iniValues(const Choice& choice)
{
    const PassermarkSettings& v = choice.values;
    if (choice.action == PassermarkenDialog::DeleteMarks)
        return {{QStringLiteral("SetMarks"), flag(false)}, {QStringLiteral("DeleteMarks"), flag(true)}};
    if (choice.action != PassermarkenDialog::SetMarks)
        return {};
    return {{QStringLiteral("SetMarks"), flag(true)},
            {QStringLiteral("DeleteMarks"), flag(false)},
            {QStringLiteral("Length"), QString::number(v.length)},
            {QStringLiteral("Thickness"), QString::number(v.thickness)},
            {QStringLiteral("Margin"), QString::number(v.margin)},
            {QStringLiteral("UseHorSegmentMarks"), flag(v.useHorSegmentMarks)},
            {QStringLiteral("UseVertSegmentMarks"), flag(v.useVertSegmentMarks)},
            {QStringLiteral("XStep"), QString::number(v.xStep)},
            {QStringLiteral("YStep"), QString::number(v.yStep)}};
}

PassermarkSettings settingsFromIni(const QMap<QString, QString>& section)
{
    PassermarkSettings s;
    s.length = number(section, "Length", s.length);
    s.thickness = number(section, "Thickness", s.thickness);
    s.margin = number(section, "Margin", s.margin);
    s.useHorSegmentMarks = number(section, "UseHorSegmentMarks", 0) != 0;
    s.useVertSegmentMarks = number(section, "UseVertSegmentMarks", 0) != 0;
    s.xStep = number(section, "XStep", s.xStep);
    s.yStep = number(section, "YStep", s.yStep);
    return s;
}

int deliver(const Choice& choice, bool corelHost, const QString& iniFile, const QString& exeDir,
            ProcessRunner& processes, UserMessages& messages)
{
    if (corelHost) {
        const QString program = transferProgram(exeDir, Environment::is64BitSystem());
        if (!processes.exists(program)) {
            messages.warning(tr("Passermarken"),
                             tr("Das Übertragungsprogramm für CorelDRAW wurde nicht gefunden:\n%1\n"
                                "Die Passermarken konnten nicht übergeben werden.")
                                 .arg(program));
            return TransferProgramMissing;
        }
        const QString parameters = transferParameters(choice);
        Logger::debugParts(QStringLiteral("Passermarks:"), program, parameters);
        processes.run(program, parameters.split(QLatin1Char(' '), Qt::SkipEmptyParts),
                      ProcessRunner::NoTimeout, Environment::toSlashes(exeDir));
        return Delivered;
    }
    const IniFile::Values values = iniValues(choice);
    if (values.isEmpty())
        return Delivered;
    QString error;
    // The first-run copy normally made the folder; a host may start us before.
    QDir().mkpath(QFileInfo(iniFile).absolutePath());
    if (!IniFile::write(iniFile, Section, values, &error)) {
        messages.warning(tr("Passermarken"),
                         tr("Die Passermarken-Einstellungen konnten nicht in die Datei %1 "
                            "geschrieben werden.\n%2")
                             .arg(iniFile, error));
        return IniNotWritten;
    }
    return Delivered;
}

int run(bool corelHost, UserMessages& messages)
{
    const QString ini = iniPath();
    PassermarkenDialog dialog;
    dialog.setSettings(settingsFromIni(IniFile::readSection(ini, Section)));
    dialog.show();
    const int loopResult = QApplication::exec();
    const int code = deliver({dialog.action(), dialog.settings()}, corelHost, ini,
                             Environment::executableDir(), ProcessRunner::system(), messages);
    return code != Delivered ? code : loopResult;
}

} // namespace HostPassermarks
