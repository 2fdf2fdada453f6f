#include "presets/PresetsFile.h"

#include "platform/AtomicFile.h"
#include "platform/Logger.h"
#include "platform/UserMessages.h"
#include "document/Document.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QUuid>

namespace {

// The "Materials" sections below every top-level "KerfcraftPresets".
QList<QDomElement> materialSections(const QDomDocument& doc)
{
    QList<QDomElement> sections;
    for (QDomNode top = doc.firstChild(); !top.isNull(); top = top.nextSibling()) {
        if (!top.isElement() || top.nodeName() != QLatin1String("KerfcraftPresets"))
            continue;
        for (QDomElement s = top.firstChildElement(QStringLiteral("Materials")); !s.isNull();
             s = s.nextSiblingElement(QStringLiteral("Materials")))
            sections.append(s);
    }
    return sections;
}

int materialId(const QDomElement& material)
{
    return material.attribute(QStringLiteral("ID"), QStringLiteral("0")).toInt(nullptr, 10);
}

} // namespace

PresetsFile::PresetsFile(KerfcraftPresets& presets, UserMessages& messages, QObject* parent)
    : QObject(parent), m_presets(presets), m_messages(messages)
{
}

PresetsFile::ReadResult PresetsFile::read(QDomDocument& doc) const
{
    QFile file(m_presets.path());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return ReadResult::Unreadable;
    QString error;
    int line = 0;
    if (!doc.setContent(&file, &error, &line)) {
        Logger::debug(QStringLiteral("Presets file %1 not well-formed (line %2): %3")
                          .arg(m_presets.path())
                          .arg(line)
                          .arg(error));
        return ReadResult::Malformed;
    }
    return ReadResult::Ok;
}

bool PresetsFile::write(const QDomDocument& doc) const
{
    QString error;
    if (AtomicFile::save(m_presets.path(), doc.toByteArray(1), &error))
        return true;
    Logger::debug(QStringLiteral("Presets file %1 not written: %2").arg(m_presets.path(), error));
    return false;
}

int PresetsFile::addMaterial(const QString& name, const MaterialParameters& params,
                             const QString& currentLanguage)
{
    const QString path = m_presets.path();
    QDomDocument doc;
    if (read(doc) != ReadResult::Ok) {
        m_messages.information(
            tr("Hinweis"),
            tr("Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht "
               "geöffnet werden konnte.Pfad: \r\n%1")
                .arg(path));
        m_presets.load();
        return -1;
    }

    QStringList languages;
    if (!m_presets.materials().isEmpty())
        languages = m_presets.materials().first()->Names.keys();
    else
        languages << (currentLanguage.isEmpty() ? QStringLiteral("de") : currentLanguage);

    int newId = -1;
    const QList<QDomElement> sections = materialSections(doc);
    for (QDomElement materials : sections) {
        const int id = materials.attribute(QStringLiteral("NextId"), QStringLiteral("0")).toInt(nullptr, 10);
        QDomElement m = doc.createElement(QStringLiteral("Material"));
        m.setAttribute(QStringLiteral("ID"), id);
        materials.setAttribute(QStringLiteral("NextId"), id + 1);
        m.setAttribute(QStringLiteral("IsDefault"), 0);
        m.setAttribute(QStringLiteral("UId"), QUuid::createUuid().toString(QUuid::WithBraces));
        m.setAttribute(QStringLiteral("Speed"), params.speed);
        m.setAttribute(QStringLiteral("Force"), params.force);
        m.setAttribute(QStringLiteral("Passages"), params.passages);
        m.setAttribute(QStringLiteral("Linetype"), 0);
        m.setAttribute(QStringLiteral("PatternLength"), 0);
        m.setAttribute(QStringLiteral("Blade"), params.blade);
        QDomElement names = doc.createElement(QStringLiteral("Names"));
        for (const QString& language : qAsConst(languages)) {
            QDomElement n = doc.createElement(QStringLiteral("Name"));
            n.setAttribute(QStringLiteral("Language"), language);
            n.setAttribute(QStringLiteral("Value"), name);
            names.appendChild(n);
        }
        m.appendChild(names);
        materials.appendChild(m);
        newId = id;
    }
    if (sections.isEmpty())
        m_messages.information(tr("Hinweis"), tr("Das Material konnte nicht hinzugefügt werden."));

    if (!write(doc)) {
        m_messages.information(
            tr("Hinweis"),
            tr("Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum "
               "schreiben geöffnet werden konnte.Pfad: \r\n%1")
                .arg(path));
        newId = -1;
    }
    m_presets.load();
    return newId;
}

bool PresetsFile::removeMaterial(int id)
{
    QDomDocument doc;
    bool written = false;
    if (read(doc) == ReadResult::Ok) {
        const QList<QDomElement> sections = materialSections(doc);
        for (QDomElement materials : sections) {
            QDomElement last;
            for (QDomElement m = materials.firstChildElement(QStringLiteral("Material")); !m.isNull();
                 m = m.nextSiblingElement(QStringLiteral("Material")))
                if (materialId(m) == id)
                    last = m;
            if (!last.isNull())
                materials.removeChild(last);
        }
        written = write(doc);
    }
    m_presets.load();
    return written;
}

bool PresetsFile::storeParameters(int id, const MaterialParameters& params, Document* document)
{
    QDomDocument doc;
    bool written = false;
    if (read(doc) == ReadResult::Ok) {
        const QList<QDomElement> sections = materialSections(doc);
        for (const QDomElement& materials : sections)
            for (QDomElement m = materials.firstChildElement(QStringLiteral("Material")); !m.isNull();
                 m = m.nextSiblingElement(QStringLiteral("Material"))) {
                if (materialId(m) != id)
                    continue;
                m.setAttribute(QStringLiteral("Speed"), params.speed);
                m.setAttribute(QStringLiteral("Force"), params.force);
                m.setAttribute(QStringLiteral("Passages"), params.passages);
                m.setAttribute(QStringLiteral("Blade"), params.blade);
            }
        written = write(doc);
    }
    m_presets.load();

    if (document)
        for (Material* m : document->materials())
            if (m->ID == id) {
                m->Speed = params.speed;
                m->Force = params.force;
                m->Passages = params.passages;
                m->Blade = params.blade;
            }
    return written;
}
