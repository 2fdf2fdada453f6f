#pragma once

#include "plot/CutGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The FCM cut-data file of ScanNCut cutting machines, byte for byte: a
// header with the job's name, the mat size and a BMP thumbnail, then the
// cut data of one recorded object (its pieces, their paths, the polyline
// and curve runs). Integers are little-endian; coordinates are 0.01 mm
// (head millimetres × 100, truncated toward zero), x across and y along.
namespace FcmFile {

enum Mat {
    Mat12Inch = 0, // materials up to 300 mm long
    Mat24Inch = 1,
};

// 12-inch mat up to 300 mm of material length, else the 24-inch mat.
Mat matFor(int materialHeightMm);

// The thumbnail as the file embeds it: a BMP whose bytes 58 to 61 (the
// second colour-table entry of a 1-bit picture) are 0xFF. Empty image:
// no bytes.
QByteArray thumbnailBytes(const QImage& thumbnail);

// The whole file. `name` is the job's name (written cut to 8 characters in
// an 8-bit field and whole in UTF-16). Segment points below 0 are written
// as 0 (onto the mat edge); path start points keep their sign.
QByteArray bytes(const QString& name, Mat mat, const QByteArray& thumbnailBmp,
                 const CutGeometry::Object& object);

} // namespace FcmFile
