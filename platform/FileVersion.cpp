#include "platform/FileVersion.h"

#include <QFile>
#include <QVector>
#include <QtEndian>

namespace FileVersion {

namespace {

constexpr quint32 RtVersion = 16;          // resource type of version information
constexpr quint32 FixedInfoSignature = 0xFEEF04BD;
constexpr qint64 MaxImageBytes = 512 * 1024 * 1024;

// Bounds-checked little-endian reads over the whole image.
class Image
{
public:
    explicit Image(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    bool has(qint64 offset, qint64 size) const
    {
        return offset >= 0 && size >= 0 && offset + size <= m_bytes.size();
    }
    quint16 u16(qint64 offset) const
    {
        return has(offset, 2) ? qFromLittleEndian<quint16>(m_bytes.constData() + offset) : 0;
    }
    quint32 u32(qint64 offset) const
    {
        return has(offset, 4) ? qFromLittleEndian<quint32>(m_bytes.constData() + offset) : 0;
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct Section {
    quint32 virtualAddress, virtualSize, rawSize, rawOffset;
};

// File offset of a relative virtual address, or -1.
qint64 fileOffset(const QVector<Section>& sections, quint32 rva)
{
    for (const Section& s : sections) {
        const quint32 size = qMax(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva < s.virtualAddress + size)
            return qint64(s.rawOffset) + (rva - s.virtualAddress);
    }
    return -1;
}

// In a resource directory at dirOffset (relative to the resource root):
// the entry with the id, or the first entry when id is 0. Returns the
// entry's OffsetToData, or 0 when absent.
quint32 findEntry(const Image& img, qint64 root, quint32 dirOffset, quint32 id)
{
    const qint64 dir = root + dirOffset;
    const int count = img.u16(dir + 12) + img.u16(dir + 14);
    for (int i = 0; i < count && i < 4096; ++i) {
        const qint64 entry = dir + 16 + qint64(i) * 8;
        if (!img.has(entry, 8))
            return 0;
        if (id == 0 || img.u32(entry) == id)
            return img.u32(entry + 4);
    }
    return 0;
}

} // namespace

bool read(const QString& path, Version& version)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxImageBytes)
        return false;
    const Image img(file.readAll());
    const QByteArray& b = img.bytes();
    if (!b.startsWith("MZ"))
        return false;
    const qint64 pe = img.u32(0x3C);
    if (!img.has(pe, 24) || b.mid(pe, 4) != QByteArray("PE\0\0", 4))
        return false;
    const int sectionCount = img.u16(pe + 6);
    const int optionalSize = img.u16(pe + 20);
    const qint64 optional = pe + 24;
    const quint16 magic = img.u16(optional);
    // The data directories follow the fields that differ between PE32 and PE32+.
    const qint64 directories = optional + (magic == 0x20b ? 112 : 96);
    const quint32 resourceRva = img.u32(directories + 2 * 8);
    if ((magic != 0x10b && magic != 0x20b) || resourceRva == 0)
        return false;

    QVector<Section> sections;
    const qint64 table = optional + optionalSize;
    for (int i = 0; i < sectionCount && img.has(table + i * 40, 40); ++i) {
        const qint64 s = table + i * 40;
        sections.append({img.u32(s + 12), img.u32(s + 8), img.u32(s + 16), img.u32(s + 20)});
    }
    const qint64 root = fileOffset(sections, resourceRva);
    if (root < 0)
        return false;

    // type RT_VERSION -> name (the first) -> language (the first) -> data
    quint32 next = findEntry(img, root, 0, RtVersion);
    for (int level = 0; level < 2; ++level) {
        if (!(next & 0x80000000u))
            return false;
        next = findEntry(img, root, next & 0x7FFFFFFFu, 0);
    }
    if (next == 0 || (next & 0x80000000u))
        return false;
    const qint64 dataEntry = root + next;
    const qint64 data = fileOffset(sections, img.u32(dataEntry));
    const quint32 size = img.u32(dataEntry + 4);
    if (data < 0 || !img.has(data, size))
        return false;

    // VS_VERSIONINFO: the fixed part starts at its signature, after the
    // header and the 32-bit aligned key "VS_VERSION_INFO".
    QByteArray signature(4, '\0');
    qToLittleEndian<quint32>(FixedInfoSignature, signature.data());
    const int at = b.mid(data, size).indexOf(signature);
    if (at < 0)
        return false;
    const qint64 fixed = data + at;
    const quint32 ms = img.u32(fixed + 8), ls = img.u32(fixed + 12);
    version = {int(ms >> 16), int(ms & 0xFFFF), int(ls >> 16), int(ls & 0xFFFF)};
    return true;
}

} // namespace FileVersion
