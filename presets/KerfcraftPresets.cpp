#include "presets/KerfcraftPresets.h"

#include "platform/UserMessages.h"
#include "platform/Environment.h"
#include "presets/Blade.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>

namespace {

KerfcraftPresets* s_instance = nullptr;

// Decimal only; anything that is not a number reads as 0, as the file's
// hand-editing users would least expect a half-parsed value.
int intAttribute(const QDomElement& e, const QString& name, const char* fallback)
{
    return e.attribute(name, QLatin1String(fallback)).toInt(nullptr, 10);
}

bool flagAttribute(const QDomElement& e, const QString& name, const char* fallback)
{
    return intAttribute(e, name, fallback) != 0;
}

// Later entries of a language replace earlier ones.
void readNames(const QDomElement& owner, QMap<QString, QString>& names)
{
    for (QDomElement list = owner.firstChildElement(QStringLiteral("Names")); !list.isNull();
         list = list.nextSiblingElement(QStringLiteral("Names")))
        for (QDomElement n = list.firstChildElement(QStringLiteral("Name")); !n.isNull();
             n = n.nextSiblingElement(QStringLiteral("Name")))
            names.insert(n.attribute(QStringLiteral("Language"), QStringLiteral("de")),
                         n.attribute(QStringLiteral("Value"), QString()));
}

void readMaterial(const QDomElement& e, Material& m)
{
    m.ID = intAttribute(e, QStringLiteral("ID"), "0");
    m.Name = e.attribute(QStringLiteral("Name"), QString());
    // "true" is not a number and therefore not a factory material.
    m.IsDefault = flagAttribute(e, QStringLiteral("IsDefault"), "false");
    m.UId = e.hasAttribute(QStringLiteral("UId")) ? QUuid(e.attribute(QStringLiteral("UId")))
                                                  : QUuid::createUuid();
    m.Speed = intAttribute(e, QStringLiteral("Speed"), "5");
    m.Force = intAttribute(e, QStringLiteral("Force"), "6");
    m.Passages = intAttribute(e, QStringLiteral("Passages"), "7");
    m.Linetype = intAttribute(e, QStringLiteral("Linetype"), "8");
    m.PatternLength = intAttribute(e, QStringLiteral("PatternLength"), "9");
    m.Blade = intAttribute(e, QStringLiteral("Blade"), "1010");
}

void readBlade(const QDomElement& e, Blade& b)
{
    b.ID = intAttribute(e, QStringLiteral("ID"), "0");
    b.OffsetCorrection = e.attribute(QStringLiteral("OffsetCorrection"), QStringLiteral("0.0")).toDouble();
}

QStringList splitKeys(const QString& text)
{
    QStringList keys;
    const QStringList parts = text.split(QLatin1Char(' '));
    for (const QString& p : parts)
        if (!p.isEmpty())
            keys.append(p);
    return keys;
}

void readPlotter(const QDomElement& e, PlotterTemplate& p)
{
    auto i = [&e](const char* name) { return intAttribute(e, QLatin1String(name), "0"); };
    p.Manufacturer = e.attribute(QStringLiteral("Manufacturer"), QString());
    p.Name = e.attribute(QStringLiteral("Name"), QString());
    p.VendorID = i("VendorID");
    p.ProductID = i("ProductID");
    p.PipeIn = i("PipeIn");
    p.PipeOut = i("PipeOut");
    p.Protocol = e.attribute(QStringLiteral("Protocol"), QString())
                             .compare(QLatin1String("hpgl"), Qt::CaseInsensitive) == 0
                     ? ProtocolType::HPGL
                     : ProtocolType::GPGL;
    p.SupportsPassermarks = i("SupportsPassermarks") != 0;
    p.MaxCutWidth = i("MaxCutWidth");
    p.MaxCutHeight = i("MaxCutHeight");
    p.MinCutWidth = i("MinCutWidth");
    p.MinCutHeight = i("MinCutHeight");
    p.MaxMediaWidth = i("MaxMediaWidth");
    p.MaxMediaHeight = i("MaxMediaHeight");
    p.MinMediaWidth = i("MinMediaWidth");
    p.MinMediaHeight = i("MinMediaHeight");
    p.MinMediaMargin = i("MinMediaMargin");
    p.MaxCutSpeed = i("MaxCutSpeed");
    p.MinCutSpeed = i("MinCutSpeed");
    p.MaxCutForce = i("MaxCutForce");
    p.MinCutForce = i("MinCutForce");
    p.QualityDraft = i("QualityDraft");
    p.QualityFair = i("QualityFair");
    p.QualityNormal = i("QualityNormal");
    p.QualityFine = i("QualityFine");
    p.QualitySmallLetter = i("QualitySmallLetter");
    p.Keys = splitKeys(e.attribute(QStringLiteral("Keys"), QString()));
}

} // namespace

QString KerfcraftPresets::defaultPath()
{
    return Environment::kerfcraftDataDir() + QStringLiteral("/KerfcraftPresets.xml");
}

KerfcraftPresets* KerfcraftPresets::instance() { return s_instance; }

void KerfcraftPresets::setInstance(KerfcraftPresets* presets) { s_instance = presets; }

KerfcraftPresets::KerfcraftPresets(UserMessages& messages, const QString& path, QObject* parent)
    : QObject(parent), m_messages(messages), m_path(path)
{
}

KerfcraftPresets::~KerfcraftPresets()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void KerfcraftPresets::load()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_messages.information(tr("Dateifehler"),
                               tr("Die Einstellungsdatei konnte nicht geöffnet werden.\r\n"));
        return;
    }

    // The old entries stay alive as our children; only the lists forget them.
    m_materials.clear();
    m_blades.clear();
    m_plotterTemplates.clear();

    QDomDocument doc;
    doc.setContent(&file); // a parse error keeps whatever was built so far

    for (QDomNode top = doc.firstChild(); !top.isNull(); top = top.nextSibling()) {
        if (!top.isElement() || top.nodeName() != QLatin1String("KerfcraftPresets"))
            continue;
        for (QDomElement section = top.firstChildElement(); !section.isNull();
             section = section.nextSiblingElement()) {
            const QString name = section.tagName();
            if (name == QLatin1String("Materials")) {
                for (QDomElement e = section.firstChildElement(QStringLiteral("Material")); !e.isNull();
                     e = e.nextSiblingElement(QStringLiteral("Material"))) {
                    auto* m = new Material;
                    m->setParent(this);
                    readMaterial(e, *m);
                    m_materials.append(m);
                    readNames(e, m->Names);
                }
            } else if (name == QLatin1String("Blades")) {
                for (QDomElement e = section.firstChildElement(QStringLiteral("Blade")); !e.isNull();
                     e = e.nextSiblingElement(QStringLiteral("Blade"))) {
                    auto* b = new Blade;
                    b->setParent(this);
                    readBlade(e, *b);
                    m_blades.append(b);
                    readNames(e, b->Names);
                }
            } else if (name == QLatin1String("Plotters")) {
                for (QDomElement e = section.firstChildElement(QStringLiteral("Plotter")); !e.isNull();
                     e = e.nextSiblingElement(QStringLiteral("Plotter"))) {
                    auto* p = new PlotterTemplate;
                    p->setParent(this);
                    readPlotter(e, *p);
                    m_plotterTemplates.append(p);
                }
            }
        }
    }
}

Material* KerfcraftPresets::materialById(int id) const
{
    for (Material* m : m_materials)
        if (m->ID == id)
            return m;
    return nullptr;
}

Blade* KerfcraftPresets::bladeById(int id) const
{
    for (Blade* b : m_blades)
        if (b->ID == id)
            return b;
    return nullptr;
}
