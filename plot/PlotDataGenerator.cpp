#include "plot/PlotDataGenerator.h"

#include "platform/Logger.h"
#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/Block.h"
#include "plot/BlockSink.h"
#include "plot/Commands.h"
#include "plot/CuttingHead.h"
#include "plot/JobLayout.h"
#include "presets/Blade.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace {

bool isMarksLayer(const KCLayer* layer) { return layer->name() == Document::MarksLayerName; }

bool passesSelection(const Document& doc, const KCObject* o)
{
    return doc.selection2() != Document::AISelectedObjects || o->isSelected();
}

// Copies actually produced: row by row up to the copy limit, only the first
// one when the device repeats the job by its registration marks.
qint64 producedCopies(const Document& doc, const JobLayout& layout)
{
    if (layout.rows() <= 0 || layout.columns() <= 0)
        return 0;
    qint64 n = std::min<qint64>(qint64(layout.rows()) * layout.columns(), layout.copyLimit());
    if (doc.usePassermarks())
        n = std::min<qint64>(n, 1);
    return std::max<qint64>(n, 0);
}

// One generation run: the head, the layout and the loops over the job.
class Run
{
public:
    Run(Document& doc, BlockSink& sink, const PlotDataGenerator::Progress& progress,
        bool diagnostics)
        : m_doc(doc), m_sink(sink), m_progress(progress), m_layout(doc),
          m_transform(doc, m_layout)
    {
        m_head.setDiagnostics(diagnostics);
        m_head.setRecordGeometry(false);
        m_diagnostics = diagnostics;
    }

    void generate()
    {
        m_total = int(std::min<qint64>(PlotDataGenerator::objectOutputs(m_doc), INT_MAX));
        report();

        m_head.setMaterialSize(m_doc.materialWidth(), m_doc.materialHeight());
        m_head.resetOrigins();
        if (m_doc.stopBetweenLayers())
            m_sink.enablePauses();
        m_head.resetOrigins();
        restoreOvercut();

        if (m_layout.usesMarks())
            m_head.append(Commands::registrationMarks(markGroup()));
        if (!m_doc.usePlotterSettings())
            m_head.append(Commands::initialisation(initialisation()));
        m_head.penUp();
        if (m_diagnostics)
            Logger::debug(QStringLiteral("Thikness %1 OffsetY %2 XKorrektur: %3 YKorrektur: %4")
                              .arg(m_doc.passerThickness())
                              .arg(m_doc.passerOffsetY())
                              .arg(m_doc.passerXCorrection())
                              .arg(m_doc.passerYCorrection()));

        m_head.moveTo(m_layout.firstOriginX(), m_layout.firstOriginY(m_doc.startOffset()));
        m_head.pushOrigin();

        if (m_doc.selection() == Document::LayerSelection)
            byLayers();
        else if (m_doc.selection() == Document::ColorSelection)
            byColours();

        m_head.penUp();
        const CuttingHead::Point max = m_head.maximum();
        m_head.append(Commands::finalHeadPosition(m_doc.homeposition(), m_doc.extraspace(), max.x,
                                                  max.y));
        if (m_doc.segmentation())
            m_head.append(Commands::inputWindowReset());
        push(false, Block::Index{});
        m_sink.markFinished();
        m_doc.setStartOffset(0);
        report();
    }

private:
    Commands::MarkGroup markGroup() const
    {
        Commands::MarkGroup g;
        if (m_layout.rotated()) {
            g.origin1 = m_doc.passerXOffset();
            g.origin2 = m_doc.passerYOffset();
            g.spacing1 = m_doc.passerYDistance();
            g.spacing2 = m_doc.passerXDistance();
        } else {
            g.origin1 = m_doc.passerYOffset();
            g.origin2 = m_doc.passerXOffset();
            g.spacing1 = m_doc.passerXDistance();
            g.spacing2 = m_doc.passerYDistance();
        }
        g.markLength = m_doc.passerLength();
        g.rows = m_layout.rows();
        g.columns = m_layout.columns();
        g.columnGap = m_doc.horzDistance();
        g.force = m_sink.deviceControl() ? m_doc.pressure() : 0;
        return g;
    }

    Commands::Initialisation initialisation() const
    {
        Commands::Initialisation init;
        init.speed = m_doc.speed();
        init.force = m_doc.pressure();
        init.acceleration = Commands::acceleration(m_doc.quality());
        init.toolOffset = (m_doc.blade() ? m_doc.blade()->OffsetCorrection : 0.0)
            + m_doc.offsetCorrection();
        init.deviceControl = m_sink.deviceControl();
        init.bladeInitialisation = m_doc.bladeInitialisation();
        return init;
    }

    void restoreOvercut()
    {
        m_head.setOvercut(m_doc.overcut(), m_doc.overcutAngle(), m_doc.overcutDistance());
    }

    void push(bool pause, const Block::Index& index)
    {
        auto block = std::make_unique<Block>(m_head.take(), pause, index);
        m_sink.push(block.release()); // the sink owns it from here
    }

    void pauseBlock(int finished, int next)
    {
        m_head.penUp();
        m_head.append(Commands::pauseParking());
        Block::Index index;
        index.group = finished;
        index.second = next;
        push(true, index);
    }

    void windowCommand(int k)
    {
        if (!m_doc.segmentation())
            return;
        const JobLayout::Window w = m_layout.window(k);
        m_head.append(Commands::inputWindow(w.startMm, w.lengthMm, m_doc.materialWidth()));
    }

    // Calls f(column, row) for every copy that is produced.
    template <class F> void forEachCopy(F f)
    {
        int placed = 0;
        for (int row = 0; row < m_layout.rows(); ++row)
            for (int col = 0; col < m_layout.columns() && placed < m_layout.copyLimit(); ++col) {
                f(col, row);
                ++placed;
                if (m_doc.usePassermarks())
                    return; // the device repeats the job by its mark grid
            }
    }

    void goToCopy(int col, int row)
    {
        m_head.returnToOrigin();
        m_head.penUp();
        m_head.moveTo(m_layout.copyX(col), m_layout.copyY(row));
        m_head.pushOrigin();
    }

    // Weeding frame (when cutFrame) and the move into it; overcut stays off
    // around the frame.
    void enterFrame(bool cutFrame)
    {
        m_head.setOvercut(false, 0, 0);
        if (cutFrame) {
            const double w = m_layout.frameWidth(), l = m_layout.frameLength();
            m_head.penDown();
            m_head.moveTo(w, 0);
            m_head.moveTo(w, l);
            m_head.moveTo(0, l);
            m_head.moveTo(0, 0);
        }
        m_head.penUp();
        m_head.moveTo(m_layout.margin(), m_layout.margin());
        m_head.pushOrigin();
        restoreOvercut();
    }

    void leaveCopy()
    {
        if (m_doc.grid())
            m_head.popOrigin();
        m_head.popOrigin();
    }

    void cutObject(const KCObject& o, const Block::Index& index)
    {
        m_head.outputObject(o, m_transform);
        push(false, index);
        ++m_done;
        report();
    }

    void byLayers()
    {
        const QList<KCLayer*>& layers = m_doc.layers();
        int previous = -1;
        for (int li = 0; li < layers.size(); ++li) {
            const KCLayer* layer = layers[li];
            if (isMarksLayer(layer) || !layer->cutEnabled())
                continue;
            const bool firstLayer = previous < 0;
            if (m_doc.stopBetweenLayers() && !firstLayer)
                pauseBlock(previous, li);
            for (int k = 0; k < m_layout.windowCount(); ++k) {
                windowCommand(k);
                forEachCopy([&](int col, int row) {
                    for (int pass = 1; pass <= m_doc.passes(); ++pass) {
                        goToCopy(col, row);
                        if (m_doc.grid())
                            enterFrame(m_doc.stopBetweenLayers() || firstLayer);
                        const QList<KCObject*>& objects = layer->objects();
                        for (int oi = 0; oi < objects.size(); ++oi) {
                            if (!passesSelection(m_doc, objects[oi]))
                                continue;
                            cutObject(*objects[oi], Block::Index{li, li, col, row, oi});
                        }
                        leaveCopy();
                    }
                });
            }
            previous = li;
        }
    }

    void byColours()
    {
        const QList<KCObjectColor*>& colours = m_doc.colors();
        const QList<KCLayer*>& layers = m_doc.layers();
        int previous = -1;
        bool frameDue = true;
        for (int ci = 0; ci < colours.size(); ++ci) {
            const KCObjectColor* colour = colours[ci];
            if (!colour->cutEnabled())
                continue;
            if (m_doc.stopBetweenLayers() && previous >= 0)
                pauseBlock(previous, ci);
            const QColor value = colour->color();
            for (int k = 0; k < m_layout.windowCount(); ++k) {
                windowCommand(k);
                if (m_doc.stopBetweenLayers())
                    frameDue = true;
                forEachCopy([&](int col, int row) {
                    for (int li = 0; li < layers.size(); ++li) {
                        const KCLayer* layer = layers[li];
                        if (isMarksLayer(layer))
                            continue;
                        for (int pass = 1; pass <= m_doc.passes(); ++pass) {
                            goToCopy(col, row);
                            if (m_doc.grid()) {
                                enterFrame(frameDue);
                                frameDue = false;
                            }
                            const QList<KCObject*>& objects = layer->objects();
                            for (int oi = 0; oi < objects.size(); ++oi) {
                                const KCObject* o = objects[oi];
                                if (o->color() != value || !passesSelection(m_doc, o))
                                    continue;
                                cutObject(*o, Block::Index{ci, li, col, row, oi});
                            }
                            leaveCopy();
                        }
                    }
                });
            }
            previous = ci;
        }
    }

    void report()
    {
        if (m_progress)
            m_progress(std::min(m_done, m_total), m_total);
    }

    Document& m_doc;
    BlockSink& m_sink;
    const PlotDataGenerator::Progress& m_progress;
    JobLayout m_layout;
    HeadTransform m_transform;
    CuttingHead m_head;
    bool m_diagnostics = true;
    int m_done = 0;
    int m_total = 0;
};

} // namespace

PlotDataGenerator::PlotDataGenerator(Document& doc) : m_doc(doc) {}

QString PlotDataGenerator::generate(BlockSink& sink)
{
    Run run(m_doc, sink, m_progress, m_diagnostics);
    run.generate();
    return QString();
}

PlotDataGenerator::Volume PlotDataGenerator::volume(const Document& doc)
{
    const JobLayout layout(doc);
    // In double: copies, windows and passes come from the settings and may
    // be anything an int holds.
    const double perGroup = double(producedCopies(doc, layout)) * layout.windowCount()
        * std::max(doc.passes(), 0);
    qint64 objects = 0, nodes = 0;
    auto count = [&](const KCObject* o) {
        ++objects;
        for (const KCSubPath& sp : o->subPaths())
            nodes += sp.nodes().size();
    };
    if (doc.selection() == Document::LayerSelection) {
        for (const KCLayer* layer : doc.layers()) {
            if (isMarksLayer(layer) || !layer->cutEnabled())
                continue;
            for (const KCObject* o : layer->objects())
                if (passesSelection(doc, o))
                    count(o);
        }
    } else if (doc.selection() == Document::ColorSelection) {
        for (const KCObjectColor* colour : doc.colors()) {
            if (!colour->cutEnabled())
                continue;
            const QColor value = colour->color();
            for (const KCLayer* layer : doc.layers()) {
                if (isMarksLayer(layer))
                    continue;
                for (const KCObject* o : layer->objects())
                    if (o->color() == value && passesSelection(doc, o))
                        count(o);
            }
        }
    }
    auto times = [perGroup](qint64 n) {
        const double v = double(n) * perGroup;
        return v >= 4e18 ? qint64(4e18) : qint64(v);
    };
    return Volume{times(objects), times(nodes)};
}

int PlotDataGenerator::objectOutputs(const Document& doc)
{
    return int(std::min<qint64>(volume(doc).objects, INT_MAX));
}
