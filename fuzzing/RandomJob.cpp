#include "RandomJob.h"

#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/PlotDataGenerator.h"

#include <QColor>

namespace FuzzSupport {

Document::JobSettings settingsFrom(ByteReader& in)
{
    Document::JobSettings s;
    s.materialWidth = in.range(0, 2000);
    s.materialHeight = in.range(0, 20000);
    s.jobWidth = in.range(0, 1500);
    s.jobHeight = in.range(0, 1500);
    s.fitToMaterialSize = in.flag();
    s.proportional = in.flag();
    s.right = in.range(-50, 2000);
    s.bottom = in.range(-50, 2000);
    s.location = Document::Location(in.range(0, 3));
    s.rotation = Document::Rotation(in.range(0, 3));
    s.mirrored = in.flag();
    s.copiesCount = in.range(0, 20);
    s.copiesHorz = in.range(0, 10);
    s.copiesVert = in.range(0, 10);
    s.horzDistance = in.range(-10, 100);
    s.vertDistance = in.range(-10, 100);
    s.autoPlacement = in.flag();
    s.sameDistance = in.flag();
    s.grid = in.flag();
    s.overcut = in.flag();
    s.gridDistance = in.range(-10, 100);
    s.overcutAngle = in.range(0, 360);
    s.overcutDistance = in.number(0, 20);
    s.quality = in.range(0, 2);
    s.homeposition = Document::Homeposition(in.range(0, 2));
    s.extraspace = in.range(-10, 200);
    s.selection = in.range(0, 3);
    s.segmentation = in.flag();
    s.segmentHeight = in.range(0, 5000);
    s.stopBetweenLayers = in.flag();
    s.differentCuttingParameter = in.flag();
    s.selection2 = in.range(0, 1);
    s.usePassermarks = in.flag();
    s.startJobImmediatly = in.flag();
    s.bladeInitializing = in.flag();
    return s;
}

void drawingFrom(ByteReader& in, Document& doc)
{
    const QColor palette[] = {Qt::red, Qt::green, Qt::blue, Qt::black};
    const int colours = in.range(0, 3);
    for (int i = 0; i < colours; ++i) {
        KCObjectColor* c = doc.appendColor();
        c->setColor(palette[in.range(0, 3)]);
        c->setIsCmyk(in.flag());
        c->setCutEnabled(in.flag());
    }
    const int layers = in.range(1, 3);
    for (int l = 0; l < layers; ++l) {
        KCLayer* layer = doc.appendLayer();
        layer->setName(in.flag() ? Document::MarksLayerName : QStringLiteral("Ebene %1").arg(l));
        layer->setCutEnabled(in.flag());
        const int objects = in.range(1, 4);
        for (int o = 0; o < objects; ++o) {
            KCObject* object = layer->appendObject();
            object->setColor(palette[in.range(0, 3)]);
            object->setIsSelected(in.flag());
            const int subPaths = in.range(1, 2);
            for (int p = 0; p < subPaths; ++p) {
                KCSubPath sp;
                sp.setIsClosed(in.flag());
                const int nodes = in.range(0, 6);
                // One value per statement: the order in which a call's
                // arguments are read differs between compilers, and an input
                // must give the same drawing under each.
                double x = in.number(-200, 200), y = in.number(-200, 200);
                for (int n = 0; n < nodes; ++n) {
                    KCNode node;
                    node.setP0(x, y);
                    const bool line = in.flag();
                    double c1x = x, c1y = y;
                    if (!line) {
                        c1x = in.number(-200, 200);
                        c1y = in.number(-200, 200);
                    }
                    node.setP1(c1x, c1y);
                    x = in.number(-200, 200);
                    y = in.number(-200, 200);
                    double c2x = x, c2y = y;
                    if (!line) {
                        c2x = in.number(-200, 200);
                        c2y = in.number(-200, 200);
                    }
                    node.setP2(c2x, c2y);
                    node.setP3(x, y);
                    node.setIsLine(line);
                    node.setIsCorner(in.flag());
                    sp.nodes().append(node);
                }
                object->subPaths().append(sp);
            }
        }
    }
    doc.ReadAdobeIllustratorPasserMarks();
    doc.completeColorTable();
    doc.updateDrawingExtent();
}

bool jobFrom(ByteReader& in, Document& doc)
{
    const Document::JobSettings settings = settingsFrom(in);
    const int passes = in.range(0, 3), speed = in.range(0, 100), pressure = in.range(0, 600);
    const double offset = in.number(0, 2), startOffset = in.number(0, 100);
    drawingFrom(in, doc);
    doc.setJobSettings(settings);
    doc.setPasses(passes);
    doc.setSpeed(speed);
    doc.setPressure(pressure);
    doc.setOffsetCorrection(offset);
    doc.setStartOffset(startOffset);
    return PlotDataGenerator::objectOutputs(doc) <= 3000;
}

} // namespace FuzzSupport
