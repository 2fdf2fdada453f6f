#include "plot/CopyWalk.h"

#include "document/Document.h"
#include "plot/CuttingHead.h"
#include "plot/JobLayout.h"

namespace CopyWalk {

void restoreOvercut(CuttingHead& head, const Document& doc)
{
    head.setOvercut(doc.overcut(), doc.overcutAngle(), doc.overcutDistance());
}

void goToCopy(CuttingHead& head, const JobLayout& layout, int col, int row)
{
    head.returnToOrigin();
    head.penUp();
    head.moveTo(layout.copyX(col), layout.copyY(row));
    head.pushOrigin();
}

void enterFrame(CuttingHead& head, const JobLayout& layout, const Document& doc, bool cutFrame)
{
    head.setOvercut(false, 0, 0);
    if (cutFrame) {
        const double w = layout.frameWidth(), l = layout.frameLength();
        head.penDown();
        head.moveTo(w, 0);
        head.moveTo(w, l);
        head.moveTo(0, l);
        head.moveTo(0, 0);
    }
    head.penUp();
    head.moveTo(layout.margin(), layout.margin());
    head.pushOrigin();
    restoreOvercut(head, doc);
}

void leaveCopy(CuttingHead& head, const Document& doc)
{
    if (doc.grid())
        head.popOrigin();
    head.popOrigin();
}

} // namespace CopyWalk
