#include "plot/FcmFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace FcmFile {

namespace {

// Values the receiving machine expects as they stand.
constexpr quint32 FileVersion = 400000001;
constexpr quint32 SingleOne = 0x3F800000;  // bits of the float 1.0
constexpr quint32 SingleHalf = 0x3F000000; // bits of the float 0.5
constexpr qint32 PieceHeader[16] = {0, 0, 9999, 5998, 1, SingleOne, 0, 0,
                                    SingleOne, 0, 0, 0, 0, 4, 4, 0x31304101};
constexpr int PieceHeaderSize = 16 * 4 + 4; // constants and the path count
constexpr int PathHeaderSize = 32;
constexpr int SegmentHeaderSize = 8;

// Segment types as the file counts them (the head's record numbers them
// the other way round).
constexpr qint32 FilePolyline = 0;
constexpr qint32 FileCurve = 1;

// mm → 0.01 mm, truncated toward zero; out-of-range values saturate.
qint32 hundredths(double mm)
{
    const double v = mm * 100.0;
    if (!(v == v))
        return 0;
    if (v >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (v <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(v); // the conversion truncates toward zero
}

// Writes little-endian integers into a buffer sized in advance (a long job
// writes millions of them).
class Out
{
public:
    explicit Out(char* at) : m_at(at) {}
    void i32(qint32 v)
    {
        qToLittleEndian(v, m_at);
        m_at += 4;
    }
    void u32(quint32 v) { i32(qint32(v)); }
    void i16(qint16 v)
    {
        qToLittleEndian(v, m_at);
        m_at += 2;
    }
    void raw(const char* data, int size)
    {
        std::memcpy(m_at, data, size_t(size));
        m_at += size;
    }
    void raw(const QByteArray& b) { raw(b.constData(), b.size()); }
    void byte(int v) { *m_at++ = char(v); }
    char* at() const { return m_at; }

private:
    char* m_at;
};

// The buffer's memory, out of the optimiser's sight: seen through, GCC
// takes it for the empty array's header and warns of overflow.
[[gnu::noipa]] char* storage(QByteArray& bytes) { return bytes.data(); }

// Every path record is 32 bytes plus its runs; every run 8 bytes plus 8
// per point.
int pieceSize(const CutGeometry::Piece& piece)
{
    return PieceHeaderSize + PathHeaderSize * piece.paths.size()
        + SegmentHeaderSize * piece.segments.size() + 8 * piece.points.size();
}

void writePath(Out& out, const CutGeometry::Piece& piece, const CutGeometry::Path& path)
{
    int points = 0;
    for (int k = 0; k < path.segmentCount; ++k)
        points += piece.segment(path, k).count;
    out.i32(PathHeaderSize + SegmentHeaderSize * path.segmentCount + 8 * points - 4);
    out.i32(4);
    out.i32(7);
    out.i32(path.segmentCount);
    out.i32(0);
    out.u32(SingleHalf);
    out.i32(hundredths(path.start.x));
    out.i32(hundredths(path.start.y));
    for (int k = 0; k < path.segmentCount; ++k) {
        const CutGeometry::Segment& s = piece.segment(path, k);
        const bool curve = s.type == CutGeometry::CurveRun;
        out.i32(curve ? FileCurve : FilePolyline);
        out.i32(curve ? s.count / 3 : s.count);
        for (int i = 0; i < s.count; ++i) {
            const CutGeometry::Point& p = piece.point(s, i);
            // The cut is moved onto the mat edge rather than refused.
            out.i32(std::max<qint32>(hundredths(p.x), 0));
            out.i32(std::max<qint32>(hundredths(p.y), 0));
        }
    }
}

} // namespace

Mat matFor(int materialHeightMm) { return materialHeightMm <= 300 ? Mat12Inch : Mat24Inch; }

QByteArray thumbnailBytes(const QImage& thumbnail)
{
    if (thumbnail.isNull())
        return QByteArray();
    // A 1-bit picture's row ends (the bits beyond the width and the padding
    // to 4 bytes) go into the BMP as they lie in memory: clear them so that
    // the same job always gives the same file.
    QImage image = thumbnail;
    // Nor may the screen's resolution reach the file (96 dpi).
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    if (image.depth() == 1) {
        const int used = image.width() / 8, bits = image.width() % 8;
        for (int y = 0; y < image.height(); ++y) {
            uchar* line = image.scanLine(y);
            int from = used;
            if (bits) {
                const uchar keep = image.format() == QImage::Format_MonoLSB
                    ? uchar((1u << bits) - 1)
                    : uchar(0xFF00u >> bits);
                line[from++] &= keep;
            }
            std::fill(line + from, line + image.bytesPerLine(), uchar(0));
        }
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(image))
        return QByteArray();
    for (int i = 58; i <= 61 && i < bmp.size(); ++i)
        bmp[i] = char(0xFF);
    return bmp;
}

QByteArray bytes(const QString& name, Mat mat, const QByteArray& thumbnailBmp,
                 const CutGeometry::Object& object)
{
    const int pieces = object.size();
    QVector<int> pieceSizes;
    pieceSizes.reserve(pieces);
    int total = 0;
    for (const CutGeometry::Piece& piece : object) {
        pieceSizes.append(pieceSize(piece));
        total += pieceSizes.last();
    }
    const int nameLength = name.size();
    const int headerSize = 37 + 2 * nameLength + thumbnailBmp.size();
    const int cutHeaderSize = 4 * 8 + 4 * pieces + 4 + 4 + 2 * pieces;

    QByteArray bytes(headerSize + cutHeaderSize + total, Qt::Uninitialized);
    Out out(storage(bytes));

    // Header. The 8-bit name field has one byte per character, so the
    // name is cut to 8 characters and written as Latin-1.
    out.raw("#FCM", 4);
    out.raw("0100", 4);
    out.u32(FileVersion);
    out.i32(thumbnailBmp.size() + 29 + 2 * nameLength);
    out.raw(name.left(8).toLatin1().leftJustified(8, ' ', true));
    out.byte(nameLength & 0xFF);
    for (const QChar c : name)
        out.i16(qint16(c.unicode()));
    const char matBytes[8] = {1, 32, 0, 1, 32, 0, 3, char(mat == Mat12Inch ? 3 : 4)};
    out.raw(matBytes, 8);
    out.i32(thumbnailBmp.size());
    out.raw(thumbnailBmp);

    // Cut data.
    out.raw("KC50", 4);
    out.i32(100);
    out.i32(16);
    out.i32(mat == Mat12Inch ? 0 : 1);
    out.i32(29667);
    out.i32(mat == Mat12Inch ? 29880 : 60360);
    out.i32(700);
    out.i32(pieces);
    int offset = 0;
    for (int size : pieceSizes) {
        out.i32(offset);
        offset += size;
    }
    out.i32(total);
    out.i32(pieces);
    for (int i = 0; i < pieces; ++i)
        out.i16(qint16(i));
    for (const CutGeometry::Piece& piece : object) {
        for (qint32 v : PieceHeader)
            out.i32(v);
        out.i32(piece.paths.size());
        for (const CutGeometry::Path& path : piece.paths)
            writePath(out, piece, path);
    }
    Q_ASSERT(out.at() == bytes.constData() + bytes.size());
    return bytes;
}

} // namespace FcmFile
