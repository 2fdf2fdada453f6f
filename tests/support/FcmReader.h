#pragma once

#include "plot/CutGeometry.h"

#include <QByteArray>
#include <QDataStream>
#include <QString>

// Reads an FCM file back: the name, the mat flag and the paths of all
// pieces (in one piece, millimetres). ok: the bytes had the structure.
struct FcmReader {
    bool ok = false;
    QString name;
    int mat = -1;
    CutGeometry::Piece paths;

    explicit FcmReader(const QByteArray& bytes)
    {
        QDataStream in(bytes);
        in.setByteOrder(QDataStream::LittleEndian);
        const auto i32 = [&] { qint32 v = 0; in >> v; return v; };
        const auto point = [&] { const double x = i32() / 100.0; return CutGeometry::Point{x, i32() / 100.0}; };
        in.skipRawData(24);
        quint8 length = 0;
        in >> length;
        for (quint16 c = 0; length-- > 0; name += QChar(c))
            in >> c;
        in.skipRawData(8);             // mat bytes
        in.skipRawData(i32() + 12);    // thumbnail, "KC50", 100, 16
        mat = i32();
        in.skipRawData(12);
        const int pieces = i32();
        in.skipRawData(6 * pieces + 8); // offsets, total, count, numbers
        for (int p = 0; p < pieces; ++p) {
            in.skipRawData(64);
            for (int n = i32(); n > 0; --n) {
                in.skipRawData(12);
                int segments = i32();
                in.skipRawData(8);
                paths.startPath(point());
                for (; segments > 0; --segments) {
                    const auto type = i32() == 1 ? CutGeometry::CurveRun : CutGeometry::PolylineRun;
                    for (int k = i32() * (type == CutGeometry::CurveRun ? 3 : 1); k > 0; --k)
                        paths.addPoint(type, point());
                }
            }
        }
        ok = in.status() == QDataStream::Ok && in.atEnd();
    }
};
