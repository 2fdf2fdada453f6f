#pragma once

#include "plot/CutGeometry.h"

#include <QByteArray>
#include <QDataStream>
#include <QString>

// Reads an FCM file back: the name, the mat flag and the paths of all
// pieces in millimetres. Only what the tests compare; ok is false when the
// bytes do not have the expected structure.
struct FcmReader {
    bool ok = false;
    QString name;
    int mat = -1; // mat flag of the cut data
    CutGeometry::Piece paths; // all pieces in one

    explicit FcmReader(const QByteArray& bytes)
    {
        QDataStream in(bytes);
        in.setByteOrder(QDataStream::LittleEndian);
        auto i32 = [&] { qint32 v = 0; in >> v; return v; };
        auto mm = [&] { return i32() / 100.0; };
        in.skipRawData(24);
        quint8 length = 0;
        in >> length;
        for (int i = 0; i < length; ++i) {
            quint16 c = 0;
            in >> c;
            name += QChar(c);
        }
        in.skipRawData(8);
        in.skipRawData(i32() + 4 * 3); // thumbnail, "KC50", 100, 16
        mat = i32();
        in.skipRawData(4 * 3);
        const int pieces = i32();
        in.skipRawData(4 * pieces + 4 * 2 + 2 * pieces);
        for (int p = 0; p < pieces; ++p) {
            in.skipRawData(64);
            for (int n = i32(); n > 0; --n) {
                in.skipRawData(12);
                const int segments = i32();
                in.skipRawData(8);
                const double x = mm();
                paths.startPath({x, mm()});
                for (int s = 0; s < segments; ++s) {
                    const auto type = i32() == 1 ? CutGeometry::CurveRun : CutGeometry::PolylineRun;
                    for (int k = i32() * (type == CutGeometry::CurveRun ? 3 : 1); k > 0; --k) {
                        const double px = mm();
                        paths.addPoint(type, {px, mm()});
                    }
                }
            }
        }
        ok = in.status() == QDataStream::Ok && in.atEnd();
    }
};
