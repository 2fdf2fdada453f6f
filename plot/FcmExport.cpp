#include "plot/FcmExport.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "platform/AtomicFile.h"
#include "plot/CopyWalk.h"
#include "plot/CuttingHead.h"
#include "plot/FcmFile.h"
#include "plot/JobLayout.h"

#include <functional>

namespace {

bool isMarksLayer(const KCLayer* layer) { return layer->name() == Document::MarksLayerName; }

bool passesSelection(const Document& doc, const KCObject* o)
{
    return doc.selection2() != Document::AISelectedObjects || o->isSelected();
}

// Splits a file name at its last "." (no "." : no extension). Only the last
// component counts: a dot in a folder name ("~/.local/job") is no extension.
void splitName(const QString& fileName, QString& base, QString& extension)
{
    int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < fileName.lastIndexOf(QLatin1Char('/')))
        dot = -1;
    base = dot < 0 ? fileName : fileName.left(dot);
    extension = dot < 0 ? QString() : fileName.mid(dot);
}

// One pass over the job with one cutting head. `fileDone` is called with
// the geometry of every file as soon as it is complete.
class Walk
{
public:
    using FileDone = std::function<void(const CuttingHead&)>;

    Walk(const Document& doc, const FileDone& fileDone)
        : m_doc(doc), m_layout(doc),
          // The FCM turn, whatever output the document was last set for.
          m_transform(doc.rotation(), doc.mirrored(), true, m_layout.scaleX(), m_layout.scaleY(),
                      m_layout.scaledWidth(), m_layout.scaledHeight()),
          m_fileDone(fileDone)
    {
        // A long job would write one debug line per corner; the command
        // text is not wanted at all.
        m_head.setDiagnostics(false);
        m_head.setEmitCommands(false);
    }

    CuttingHead& head() { return m_head; }

    void run()
    {
        // Material limits stay at their initial values: nothing is clipped.
        start();
        if (m_doc.selection() == Document::LayerSelection)
            byLayers();
        else if (m_doc.selection() == Document::ColorSelection)
            byColours();
        if (!m_doc.stopBetweenLayers()) {
            m_head.penUp();
            m_fileDone(m_head);
        }
    }

private:
    // A fresh object in the geometry record, the head at the first origin.
    void start()
    {
        m_head.resetOrigins();
        CopyWalk::restoreOvercut(m_head, m_doc);
        m_head.penUp();
        m_head.moveTo(m_layout.originX(), m_layout.originY());
        m_head.pushOrigin();
    }

    void fileBoundary()
    {
        m_fileDone(m_head);
        start();
    }

    // Copies of one row up to the copy limit; false when the row held none.
    template <class F> bool row(int r, int& placed, F f)
    {
        bool any = false;
        for (int col = 0; col < m_layout.columns() && placed < m_layout.copyLimit(); ++col) {
            f(col, r);
            ++placed;
            any = true;
        }
        return any;
    }

    void byLayers()
    {
        bool firstLayer = true;
        for (const KCLayer* layer : m_doc.layers()) {
            if (isMarksLayer(layer) || !layer->cutEnabled())
                continue;
            int placed = 0;
            for (int r = 0; r < m_layout.rows(); ++r)
                row(r, placed, [&](int col, int rw) {
                    CopyWalk::goToCopy(m_head, m_layout, col, rw);
                    if (m_doc.grid())
                        CopyWalk::enterFrame(m_head, m_layout, m_doc, m_doc.stopBetweenLayers() || firstLayer);
                    for (const KCObject* o : layer->objects())
                        if (passesSelection(m_doc, o))
                            m_head.outputObject(*o, m_transform);
                    CopyWalk::leaveCopy(m_head, m_doc);
                });
            firstLayer = false;
            if (m_doc.stopBetweenLayers())
                fileBoundary();
        }
    }

    void byColours()
    {
        bool frameDue = true;
        for (const KCObjectColor* colour : m_doc.colors()) {
            if (!colour->cutEnabled())
                continue;
            if (m_doc.stopBetweenLayers())
                frameDue = true;
            const QColor value = colour->color();
            int placed = 0;
            for (int r = 0; r < m_layout.rows(); ++r) {
                const bool any = row(r, placed, [&](int col, int rw) {
                    for (const KCLayer* layer : m_doc.layers()) {
                        if (isMarksLayer(layer))
                            continue;
                        CopyWalk::goToCopy(m_head, m_layout, col, rw);
                        if (m_doc.grid()) {
                            CopyWalk::enterFrame(m_head, m_layout, m_doc, frameDue);
                            frameDue = false;
                        }
                        for (const KCObject* o : layer->objects())
                            if (o->color() == value && passesSelection(m_doc, o))
                                m_head.outputObject(*o, m_transform);
                        CopyWalk::leaveCopy(m_head, m_doc);
                    }
                });
                // A row the copy limit left empty is no row of copies.
                if (any && m_doc.stopBetweenLayers())
                    fileBoundary();
            }
        }
    }

    const Document& m_doc;
    JobLayout m_layout;
    HeadTransform m_transform;
    FileDone m_fileDone;
    CuttingHead m_head;
};

} // namespace

FcmExport::FcmExport(const Document& doc) : m_doc(doc) {}

QString FcmExport::internalName(const QString& fileName)
{
    QString base, extension;
    splitName(fileName, base, extension);
    return base.section(QLatin1Char('/'), -1);
}

QString FcmExport::numberedName(const QString& fileName, int k)
{
    QString base, extension;
    splitName(fileName, base, extension);
    return base + QString::number(k) + extension;
}

void FcmExport::run(const QString& fileName, const QImage& thumbnail,
                    const std::function<void(File&&)>& take) const
{
    const QString name = internalName(fileName);
    const FcmFile::Mat mat = FcmFile::matFor(m_doc.materialHeight());
    const QByteArray bmp = FcmFile::thumbnailBytes(thumbnail);
    const bool numbered = m_doc.stopBetweenLayers();
    int k = 0;
    Walk walk(m_doc, [&](const CuttingHead& head) {
        const QString path = numbered ? numberedName(fileName, ++k) : fileName;
        const CutGeometry::Object& object = head.geometry().last();
        take(File{path, FcmFile::bytes(name, mat, bmp, object), object});
    });
    walk.head().setFcmName(name);
    walk.head().setMatFlag(mat);
    walk.head().setThumbnail(thumbnail);
    walk.run();
}

QVector<FcmExport::File> FcmExport::files(const QString& fileName, const QImage& thumbnail) const
{
    QVector<File> out;
    run(fileName, thumbnail, [&](File&& f) { out.append(std::move(f)); });
    return out;
}

FcmExport::Written FcmExport::write(const QString& fileName, const QImage& thumbnail) const
{
    // Each file is written as soon as it is complete, so only one file's
    // bytes are held at a time.
    Written result;
    run(fileName, thumbnail, [&](File&& f) {
        (AtomicFile::save(f.path, f.bytes) ? result.paths : result.failed) << f.path;
    });
    return result;
}
