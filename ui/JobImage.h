#pragma once

#include <QImage>

class Document;

// The small monochrome picture of a job that FCM files carry, drawn without
// a window so that the command-line tool can make it too. Copies are laid
// out from the top-left corner as the FCM output places them (1 pixel per
// mm), then folded into a 98 × 100 picture, or 73 × 122 for a tall job
// (material longer than 300 mm), with the cut pixels at colour index 0.
namespace JobImage {

// True when the job needs the tall picture.
bool tallFor(const Document& doc);

QImage render(const Document& doc, bool tall);

} // namespace JobImage
