#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/DefaultFiles.h"
#include "app/ExchangeFileLocator.h"
#include "app/HostPassermarks.h"
#include "app/InkscapeCheck.h"
#include "app/Translations.h"
#include "device/UdevDriverInstaller.h"
#include "device/UsbBackendFactory.h"
#include "device/UsbBackend.h"
#include "document/DrawingFile.h"
#include "document/ExchangeText.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/ProcessRunner.h"
#include "plugins/InstallpluginsDialog.h"
#include "presets/KerfcraftPresets.h"
#include "ui/MainWindow.h"
#include "ui/GuiMessages.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <memory>

// Resources live in the core library; a static library's resources must be
// registered by hand, and only from the global namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(kerfcraft);
}

namespace Startup {

namespace {

// Creates and loads the one presets store, published for the whole process.
std::unique_ptr<KerfcraftPresets> createPresetsStore(UserMessages& messages)
{
    auto presets = std::make_unique<KerfcraftPresets>(messages, KerfcraftPresets::defaultPath());
    presets->load();
    KerfcraftPresets::setInstance(presets.get());
    return presets;
}

int showWindow(const WindowInput& input, GuiMessages& messages, Translations& translations)
{
    // Shown first, so a large drawing loads with the window already painting.
    MainWindow window(QStringList(), input.isSvg, messages, &translations);
    messages.setParentWidget(&window);
    UdevDriverInstaller installer(ProcessRunner::system(), messages, Clock::system());
    window.attachDevices(createUsbBackend(Clock::system()), Clock::system(), &installer);
    window.show();
    if (!input.texts.isEmpty())
        window.loadDrawing(input.texts, input.isSvg);
    if (!input.drawingFile.isEmpty())
        window.openFile(input.drawingFile);
    const int code = QApplication::exec();
    messages.setParentWidget(nullptr);
    return code;
}

} // namespace

WindowInput prepareCutMode(const QStringList& candidates, const QString& inkscapePreferences,
                           Clock& clock, UserMessages& messages)
{
    WindowInput input;
    const QString name = ExchangeFileLocator::chooseNewest(candidates);

    if (name.endsWith(QLatin1String("svg")) && !InkscapeCheck::hasAbsolutePathMark(name)
        && InkscapeCheck::check(inkscapePreferences, messages) == InkscapeCheck::Outcome::Quit)
        return input;

    if (!ExchangeFileLocator::waitForFile(name, clock, messages)) {
        input.exitCode = ExchangeFileLocator::NotFoundExitCode;
        return input;
    }

    // A file that vanished or cannot be opened now just gives an empty drawing.
    if (name.endsWith(QLatin1String(".kcj"))) {
        ExchangeText::readKcjLines(name, input.texts);
    } else if (name.endsWith(QLatin1String(".svg"))) {
        QString text;
        ExchangeText::readWholeText(name, text);
        input.texts << text;
        input.isSvg = true;
    } else {
        return input;
    }
    input.openWindow = true;
    return input;
}

QStringList readPlainModeText(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return QStringList{QString::fromLatin1(bytes)};
}

int run(int argc, char** argv, Translations& translations)
{
    registerResources();
    QCoreApplication::setOrganizationName(QStringLiteral("Kerfcraft"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kerfcraft.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Kerfcraft"));

    DefaultFiles::CopyIniFilesIfNotExists();
    // Organisation/application scope; the window keeps the chosen material,
    // blade and language there.
    QSettings settings;
    GuiMessages messages;
    const std::unique_ptr<KerfcraftPresets> presets = createPresetsStore(messages);

    const CommandLine commandLine = CommandLine::evaluate(argc, argv);
    // Registration-mark mode talks to the host in German only.
    translations.load(Environment::executableDir(),
                      commandLine.mode() != CommandLine::Mode::RegistrationMarks);
    translations.select(settings.value(QStringLiteral("Language"), QStringLiteral("German")).toString());

    switch (commandLine.mode()) {
    case CommandLine::Mode::RegistrationMarks:
        return HostPassermarks::run(commandLine.corelHost, messages);
    case CommandLine::Mode::InstallPlugins:
    case CommandLine::Mode::DeinstallPlugins: {
        InstallpluginsDialog dialog(commandLine.mode() == CommandLine::Mode::InstallPlugins);
        dialog.show();
        return QApplication::exec();
    }
    case CommandLine::Mode::Cut: {
        const WindowInput input =
            prepareCutMode(ExchangeFileLocator::candidates(), InkscapeCheck::preferencesPath(),
                           Clock::system(), messages);
        return input.openWindow ? showWindow(input, messages, translations) : input.exitCode;
    }
    case CommandLine::Mode::Plain:
        break;
    }
    WindowInput plain;
    // A drawing named as the last argument (or, from ./run, in KERFCRAFT_OPEN)
    // opens as it is; otherwise the text a host may have left.
    QString file = Environment::value(QStringLiteral("KERFCRAFT_OPEN"));
    const QString last = argc > 1 ? QString::fromLocal8Bit(argv[argc - 1]) : QString();
    if (file.isEmpty() && DrawingFile::kindOf(last) != DrawingFile::Kind::Unknown)
        file = last;
    if (!file.isEmpty())
        plain.drawingFile = file;
    else
        plain.texts = readPlainModeText(PlainModeFile);
    return showWindow(plain, messages, translations);
}

} // namespace Startup
