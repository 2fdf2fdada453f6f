#include "cli/PlotJob.h"
#include "cli/CliTr.h"

#include "cli/CliMaterial.h"
#include "cli/CliPresets.h"
#include "plot/JobFit.h"

#include "document/Document.h"
#include "document/DrawingFile.h"
#include "document/JobSettingsTable.h"
#include "platform/Environment.h"
#include "plot/Commands.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"

#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTextStream>
#include <QUuid>

#include <cmath>

#include <unistd.h>

namespace PlotJob {

namespace {


bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool parseInt(const QString& text, int& value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

// Millimetres with "." or "," as the decimal separator.
bool parseDouble(const QString& text, double& value)
{
    bool ok = false;
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    value = t.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool parseBool(const QString& text, bool& value)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true")) {
        value = true;
        return true;
    }
    if (t == QLatin1String("false")) {
        value = false;
        return true;
    }
    int i = 0;
    if (!parseInt(t, i))
        return false;
    value = i != 0;
    return true;
}

// ---- Presets ------------------------------------------------------------------------

bool isNamed(const QString& wanted, const QString& name, const QMap<QString, QString>& names)
{
    if (name.compare(wanted, Qt::CaseInsensitive) == 0)
        return true;
    for (const QString& n : names)
        if (n.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

Material* findMaterial(const KerfcraftPresets& p, const QString& key)
{
    int id = 0;
    if (parseInt(key, id))
        if (Material* m = p.materialById(id))
            return m;
    for (Material* m : p.materials())
        if (isNamed(key, m->Name, m->Names))
            return m;
    return nullptr;
}

Blade* findBlade(const KerfcraftPresets& p, const QString& key)
{
    int id = 0;
    if (parseInt(key, id))
        if (Blade* b = p.bladeById(id))
            return b;
    for (Blade* b : p.blades())
        if (isNamed(key, b->Name, b->Names))
            return b;
    return nullptr;
}

bool inRange(int value, int min, int max) { return max <= 0 || (value >= min && value <= max); }

} // namespace

bool parse(const QStringList& args, bool allowOutput, Options& o, QString* error)
{
    for (int i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        QString inlineValue;
        bool hasInline = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            const int eq = arg.indexOf(QLatin1Char('='));
            inlineValue = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasInline = true;
        }
        auto value = [&](QString& out) {
            if (hasInline) {
                out = inlineValue;
                return true;
            }
            if (i + 1 >= args.size())
                return fail(error, Cli::tr("Der Option %1 fehlt ein Wert.").arg(arg));
            out = args[++i];
            return true;
        };
        auto bad = [&](const QString& v) {
            return fail(error, Cli::tr("Ungültiger Wert für %1: %2").arg(arg, v));
        };
        auto flag = [&]() {
            if (hasInline)
                return fail(error, Cli::tr("Die Option %1 nimmt keinen Wert.").arg(arg));
            return true;
        };
        QString v;
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            o.help = true;
        } else if (allowOutput && (arg == QLatin1String("-o") || arg == QLatin1String("--output"))) {
            if (!value(v))
                return false;
            if (v.isEmpty())
                return bad(v);
            o.output = v;
        } else if (arg == QLatin1String("--plotter")) {
            if (!value(o.plotter))
                return false;
        } else if (arg == QLatin1String("--material")) {
            if (!value(o.material))
                return false;
        } else if (arg == QLatin1String("--blade")) {
            if (!value(o.blade))
                return false;
        } else if (arg == QLatin1String("--speed") || arg == QLatin1String("--force")
                   || arg == QLatin1String("--passes")) {
            int n = 0;
            if (!value(v))
                return false;
            const int min = arg == QLatin1String("--passes") ? 1 : 0;
            if (!parseInt(v, n) || n < min)
                return bad(v);
            (arg == QLatin1String("--speed") ? o.speed
                                             : arg == QLatin1String("--force") ? o.force : o.passes) = n;
        } else if (arg == QLatin1String("--blade-offset")) {
            if (!value(v))
                return false;
            if (!parseDouble(v, o.bladeOffset))
                return bad(v);
            o.hasBladeOffset = true;
        } else if (arg == QLatin1String("--offset-correction")) {
            if (!value(v))
                return false;
            if (!parseDouble(v, o.offsetCorrection))
                return bad(v);
            o.hasOffsetCorrection = true;
        } else if (arg == QLatin1String("--blade-init")) {
            if (!flag())
                return false;
            o.bladeInit = true;
        } else if (arg == QLatin1String("--use-plotter-settings")) {
            if (!flag())
                return false;
            o.usePlotterSettings = true;
        } else if (arg == QLatin1String("--material-size")) {
            if (!value(v))
                return false;
            if (!CliMaterial::parseSize(v, o.materialWidth, o.materialHeight))
                return bad(v);
        } else if (arg == QLatin1String("--allow-clipping")) {
            if (!flag())
                return false;
            o.allowClipping = true;
        } else if (arg == QLatin1String("--progress")) {
            if (!flag())
                return false;
            o.progress = true;
        } else if (arg == QLatin1String("--exchange")) {
            if (!flag())
                return false;
            o.exchange = true;
        } else if (arg == QLatin1String("--set")) {
            if (!value(v))
                return false;
            const int eq = v.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return bad(v);
            const QString name = v.left(eq).trimmed();
            if (!JobSettingsTable::find(name))
                return fail(error, Cli::tr("Unbekannte Einstellung: %1").arg(name));
            o.settings.append({name, v.mid(eq + 1)});
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return fail(error, Cli::tr("Unbekannte Option: %1").arg(args[i]));
        } else if (o.input.isEmpty()) {
            o.input = arg;
        } else {
            return fail(error, Cli::tr("Mehr als eine Eingabedatei angegeben: %1").arg(arg));
        }
    }
    if (o.input.isEmpty() && !o.help)
        return fail(error, Cli::tr("Keine Eingabedatei angegeben."));
    return true;
}

QString usage(const QString& command, bool allowOutput)
{
    QString text = Cli::tr("Aufruf: kerfcraft-cli %1 DATEI%2 [OPTIONEN]\n\n")
                       .arg(command, allowOutput ? QStringLiteral(" [-o ZIEL]") : QString());
    text += Cli::tr("  --plotter NAME            Plottermodell (Vorgabe: das erste der Voreinstellungen)\n"
               "  --material NAME|ID        Material (Vorgabe: das erste)\n"
               "  --blade NAME|ID           Messer (Vorgabe: das Messer des Materials)\n"
               "  --speed N                 Geschwindigkeit in cm/s\n"
               "  --force N                 Andruck in g\n"
               "  --passes N                Durchgänge\n"
               "  --blade-offset MM         Versatzkorrektur des Messers\n"
               "  --offset-correction MM    zusätzliche Versatzkorrektur\n"
               "  --blade-init              Messer-Initialisierung vor dem Auftrag\n"
               "  --use-plotter-settings    Einstellungen des Plotters verwenden\n"
               "  --set Element.Attribut=WERT  Auftragseinstellung, z. B. Position.Rotation=Right90\n"
               "  --material-size BxH       Materialgröße in mm, z. B. 600x1000\n"
               "  --allow-clipping          auch schneiden, was nicht auf das Material passt\n"
               "  --progress                Fortschritt anzeigen\n");
    text += Cli::tr("  --exchange                SVG als Übertragungsdatei des Inkscape-Plug-ins lesen\n");
    return text;
}

bool applySetting(Document& doc, const QString& name, const QString& value, QString* error)
{
    using JobSettingsTable::Row;
    const Row* row = JobSettingsTable::find(name);
    if (!row)
        return fail(error, Cli::tr("Unbekannte Einstellung: %1").arg(name));
    auto bad = [&] { return fail(error, Cli::tr("Ungültiger Wert für %1: %2").arg(name, value)); };
    QVariant v;
    switch (row->type) {
    case Row::Int: {
        int i = 0;
        if (!parseInt(value, i))
            return bad();
        v = i;
        break;
    }
    case Row::Bool: {
        bool b = false;
        if (!parseBool(value, b))
            return bad();
        v = b;
        break;
    }
    case Row::Double: {
        double d = 0;
        if (!parseDouble(value, d))
            return bad();
        v = d;
        break;
    }
    case Row::Uuid: {
        const QUuid u(value.trimmed());
        if (u.isNull())
            return bad();
        v = u;
        break;
    }
    case Row::Enum: {
        int e = 0;
        bool known = false;
        for (const JobSettingsTable::EnumName& n : row->names)
            if (value.trimmed() == QLatin1String(n.name) || (parseInt(value, e) && e == n.value)) {
                v = n.value;
                known = true;
            }
        if (!known)
            return bad();
        break;
    }
    }
    // The window's control would not take it: refused, not quietly changed.
    if (row->hasRange() && !(v.toDouble() >= row->min && v.toDouble() <= row->max))
        return fail(error, Cli::tr("Der Wert %1 für %2 liegt außerhalb des erlaubten Bereichs (%3 bis %4).")
                               .arg(value.trimmed(), name)
                               .arg(qint64(row->min))
                               .arg(qint64(row->max)));
    row->apply(doc, v);
    return true;
}

bool prepare(const Options& o, Document& doc, UserMessages& messages, QObject& owner,
             bool& deviceControl, QString* error)
{
    const DrawingFile::LoadResult loaded =
        DrawingFile::load(doc, o.input,
                          o.exchange ? DrawingFile::SvgRoute::Exchange : DrawingFile::SvgRoute::AnyDrawing,
                          &messages);
    if (!loaded.ok)
        return fail(error, loaded.error);

    // The tool's process-wide store; without one (a test calling the
    // command directly) the same file is read here.
    KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!presets) {
        const QString path = CliPresets::chooseFile();
        if (QFileInfo(path).isFile()) {
            presets = new KerfcraftPresets(messages, path, &owner);
            presets->load();
        }
    }
    if (!presets && (!o.plotter.isEmpty() || !o.material.isEmpty() || !o.blade.isEmpty()))
        return fail(error, Cli::tr("Die Voreinstellungen (KerfcraftPresets.xml) wurden nicht gefunden."));

    // Plotter model: decides the device-control strings and the ranges.
    const PlotterTemplate* model = nullptr;
    QString modelName = o.plotter;
    if (presets) {
        if (!o.plotter.isEmpty()) {
            model = CliMaterial::findModel(*presets, o.plotter);
            if (!model)
                return fail(error, Cli::tr("Unbekanntes Plottermodell: %1. Bekannt sind: %2.")
                                       .arg(o.plotter, CliMaterial::modelList(*presets)));
        } else if (!presets->plotterTemplates().isEmpty()) {
            model = presets->plotterTemplates().first();
        }
        if (model)
            modelName = model->Name;
    }
    deviceControl = Commands::deviceControlForModel(modelName);

    // Material, then its blade unless one is named.
    Material* material = nullptr;
    if (presets) {
        if (!o.material.isEmpty()) {
            material = findMaterial(*presets, o.material);
            if (!material)
                return fail(error, Cli::tr("Unbekanntes Material: %1").arg(o.material));
        } else if (!presets->materials().isEmpty()) {
            material = presets->materials().first();
        }
    }
    if (material) {
        doc.setMaterial(material);
        doc.setSpeed(material->Speed);
        doc.setPressure(material->Force);
        doc.setPasses(material->Passages);
        doc.setPatternLength(material->PatternLength);
    }
    Blade* blade = nullptr;
    if (presets) {
        if (!o.blade.isEmpty()) {
            blade = findBlade(*presets, o.blade);
            if (!blade)
                return fail(error, Cli::tr("Unbekanntes Messer: %1").arg(o.blade));
        } else if (material && presets->bladeById(material->Blade)) {
            blade = presets->bladeById(material->Blade);
        } else if (!presets->blades().isEmpty()) {
            blade = presets->blades().first();
        }
    }
    if (o.hasBladeOffset) {
        auto* own = new Blade;
        own->setParent(&owner);
        if (blade) {
            own->Names = blade->Names;
            own->ID = blade->ID;
            own->Name = blade->Name;
        }
        own->OffsetCorrection = o.bladeOffset;
        blade = own;
    }
    doc.setBlade(blade);
    if (o.hasOffsetCorrection)
        doc.setOffsetCorrection(o.offsetCorrection);

    if (o.speed >= 0) {
        if (model && !inRange(o.speed, model->MinCutSpeed, model->MaxCutSpeed))
            return fail(error, Cli::tr("Die Geschwindigkeit %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).")
                                   .arg(o.speed)
                                   .arg(model->Name)
                                   .arg(model->MinCutSpeed)
                                   .arg(model->MaxCutSpeed));
        doc.setSpeed(o.speed);
    }
    if (o.force >= 0) {
        if (model && !inRange(o.force, model->MinCutForce, model->MaxCutForce))
            return fail(error, Cli::tr("Der Andruck %1 liegt außerhalb des Bereichs von %2 (%3 bis %4).")
                                   .arg(o.force)
                                   .arg(model->Name)
                                   .arg(model->MinCutForce)
                                   .arg(model->MaxCutForce));
        doc.setPressure(o.force);
    }
    if (o.passes >= 0)
        doc.setPasses(o.passes);

    const bool jobFile = DrawingFile::kindOf(o.input) == DrawingFile::Kind::Kcf;
    CliMaterial::setBase(doc, model, o.mediaWidth, o.mediaHeight, jobFile);
    bool heightSet = o.materialHeight > 0 || o.mediaHeight > 0 || jobFile;
    for (const auto& s : o.settings) {
        if (!applySetting(doc, s.first, s.second, error))
            return false;
        heightSet = heightSet || s.first == QLatin1String("MaterialSize.Height");
    }
    if (o.materialWidth > 0) {
        doc.setMaterialWidth(o.materialWidth);
        doc.setMaterialHeight(o.materialHeight);
    }
    if (!heightSet)
        CliMaterial::holdJob(doc, model);
    const QString refusal = JobFit::refusal(doc, model, o.allowClipping);
    if (!refusal.isEmpty())
        return fail(error, Cli::tr("%1: %2").arg(QFileInfo(o.input).fileName(), refusal));

    // The saved job's switch ticks the box; the option ticks it as well.
    doc.setBladeInitialisation(o.bladeInit || doc.bladeInitializing());
    if (o.usePlotterSettings)
        doc.setUsePlotterSettings(true);
    return true;
}

bool isTerminal(QTextStream& stream)
{
    const auto* file = qobject_cast<const QFile*>(stream.device());
    return file && file->handle() >= 0 && ::isatty(file->handle());
}

void generate(Document& doc, BlockList& blocks, bool showProgress, QTextStream& err)
{
    PlotDataGenerator generator(doc);
    // The debug channel gets a line per corner and per block: only when
    // diagnostics were asked for (a log file, or shown on stderr).
    generator.setDiagnostics(Environment::contains(QStringLiteral("KERFCRAFT_LOG"))
                             || qEnvironmentVariableIntValue("KERFCRAFT_DEBUG") != 0);
    int lastPercent = -1;
    if (showProgress)
        generator.setProgress([&](int done, int total) {
            const int percent = total > 0 ? int(qint64(done) * 100 / total) : 100;
            if (percent == lastPercent)
                return;
            lastPercent = percent;
            err << '\r' << Cli::tr("Plotdaten: %1 %").arg(percent);
            err.flush();
        });
    generator.generate(blocks);
    if (showProgress) {
        err << '\n';
        err.flush();
    }
}

} // namespace PlotJob
