#pragma once

class CuttingHead;
class Document;
class JobLayout;

// The head's way through the grid of copies, shared by the plotter stream
// and the FCM export so both place every copy and weeding frame alike.
// Positions are millimetres relative to the head's pushed origins.
namespace CopyWalk {

// The document's overcut, after the frame had it switched off.
void restoreOvercut(CuttingHead& head, const Document& doc);

// Pen up to the corner of copy (col, row), which becomes the origin.
void goToCopy(CuttingHead& head, const JobLayout& layout, int col, int row);

// The weeding frame (when cutFrame) with overcut off, then the move to the
// drawing inside the margin, which becomes the origin.
void enterFrame(CuttingHead& head, const JobLayout& layout, const Document& doc, bool cutFrame);

// Drops the origins goToCopy and enterFrame pushed.
void leaveCopy(CuttingHead& head, const Document& doc);

} // namespace CopyWalk
