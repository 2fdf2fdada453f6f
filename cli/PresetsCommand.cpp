#include "cli/CliCommands.h"
#include "cli/CliPresets.h"
#include "cli/CliTr.h"

#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"

#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace {
// The German name, else the stored one: what the window would offer.
template <class Entry>
QString displayName(const Entry& e)
{
    return e.Names.value(QStringLiteral("de"), e.Name);
}
} // namespace

// kerfcraft-cli presets: what --plotter, --material and --blade accept.
int cliPresets(const QStringList& args, CliIo& io)
{
    if (!args.isEmpty()) {
        io.err << Cli::tr("Unbekannte Angabe: %1").arg(args.first()) << '\n';
        return 2;
    }
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    std::unique_ptr<KerfcraftPresets> own;
    if (!presets && QFileInfo(CliPresets::chooseFile()).isFile()) {
        own = std::make_unique<KerfcraftPresets>(io.messages, CliPresets::chooseFile());
        own->load();
        presets = own.get();
    }
    if (!presets) {
        io.err << Cli::tr("Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden.") << '\n';
        return 2;
    }
    QTextStream& out = io.out;
    out << Cli::tr("Plottermodelle (--plotter NAME oder KÜRZEL):") << '\n';
    for (const PlotterTemplate* t : presets->plotterTemplates())
        out << "  " << t->Name << "  [" << t->Keys.join(QStringLiteral(", ")) << "]  "
            << Cli::tr("Schnittbreite bis %1 mm, %2 bis %3 cm/s, %4 bis %5 g")
                   .arg(t->MaxCutWidth)
                   .arg(t->MinCutSpeed)
                   .arg(t->MaxCutSpeed)
                   .arg(t->MinCutForce)
                   .arg(t->MaxCutForce)
            << '\n';
    out << Cli::tr("Materialien (--material NAME oder ID):") << '\n';
    for (const Material* m : presets->materials())
        out << "  " << m->ID << "  " << displayName(*m) << "  "
            << Cli::tr("%1 cm/s, %2 g, %3 Durchgänge, Messer %4")
                   .arg(m->Speed)
                   .arg(m->Force)
                   .arg(m->Passages)
                   .arg(m->Blade)
            << '\n';
    out << Cli::tr("Messer (--blade NAME oder ID):") << '\n';
    for (const Blade* b : presets->blades())
        out << "  " << b->ID << "  " << displayName(*b) << "  "
            << Cli::tr("Versatzkorrektur %1 mm").arg(b->OffsetCorrection) << '\n';
    return 0;
}
