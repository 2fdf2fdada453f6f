#include "platform/AtomicFile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::atomic<const AtomicFile::FailureInjection*> injection{nullptr};

bool injectedAt(AtomicFile::FailureInjection::Point point)
{
    const AtomicFile::FailureInjection* i = injection.load();
    return i && i->point == point;
}

// The rename is only durable once the folder's entry is on the disk, too.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

constexpr int NameAttempts = 64;
constexpr qint64 CopyChunk = 1 << 20;
} // namespace

AtomicFile::FailureInjection::FailureInjection(Point point, qint64 bytes) : point(point), bytes(bytes)
{
    injection.store(this);
}

AtomicFile::FailureInjection::~FailureInjection() { injection.store(nullptr); }

AtomicFile::AtomicFile(const QString& path, QObject* parent) : QIODevice(parent), m_path(path) {}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::fail(const QString& reason)
{
    if (!m_failed)
        setErrorString(reason);
    m_failed = true;
    return false;
}

void AtomicFile::discard()
{
    if (m_direct)
        m_temp.close();
    else if (!m_temp.fileName().isEmpty())
        m_temp.remove();
    m_temp.setFileName(QString());
    if (isOpen())
        QIODevice::close();
}

bool AtomicFile::open(OpenMode mode)
{
    if (isOpen() || (mode & (ReadOnly | Append)) || !(mode & WriteOnly)) {
        setErrorString(qt_error_string(EINVAL));
        return false;
    }
    m_failed = false;
    m_written = 0;
    const QFileInfo info(m_path);
    const QString canonical = info.canonicalFilePath();
    m_target = !canonical.isEmpty() ? canonical : info.isSymLink() ? info.symLinkTarget() : m_path;
    const QFileInfo target(m_target);
    // A file the user made read-only is not replaced behind their back.
    if (target.isDir() || (target.exists() && !target.isWritable())) {
        setErrorString(qt_error_string(target.isDir() ? EISDIR : EACCES));
        return false;
    }
    // A device, pipe or socket cannot be replaced, and renaming over it
    // would put a plain file in its place: written directly. So is whatever
    // a stream alias ("-o /dev/stdout") stands for, appended to as a shell's
    // ">>" expects.
    const bool alias = m_path.startsWith(QLatin1String("/dev/std")) || m_path.startsWith(QLatin1String("/dev/fd/"))
        || m_path.startsWith(QLatin1String("/proc/"));
    m_direct = target.exists() && (alias || !target.isFile());
    if (m_direct) {
        m_temp.setFileName(alias ? m_path : m_target);
        if (!m_temp.open(WriteOnly | Append)) {
            setErrorString(m_temp.errorString());
            return false;
        }
        return QIODevice::open(WriteOnly | Unbuffered);
    }
    for (int attempt = 0;; ++attempt) {
        const QString name = QStringLiteral("%1.%2.tmp")
                                 .arg(m_target)
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        m_temp.setFileName(name);
        if (m_temp.open(WriteOnly | NewOnly))
            break;
        if (!QFileInfo::exists(name) || attempt == NameAttempts) {
            setErrorString(m_temp.errorString());
            m_temp.setFileName(QString());
            return false;
        }
    }
    if (target.exists())
        m_temp.setPermissions(QFile(m_target).permissions());
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 AtomicFile::readData(char*, qint64) { return -1; }

qint64 AtomicFile::writeData(const char* data, qint64 size)
{
    if (m_failed)
        return -1;
    qint64 allowed = size;
    const FailureInjection* i = injection.load();
    if (i && i->point == FailureInjection::AfterBytes)
        allowed = qBound<qint64>(0, i->bytes - m_written, size);
    const qint64 n = allowed > 0 ? m_temp.write(data, allowed) : 0;
    m_written += qMax<qint64>(n, 0);
    if (n != allowed) {
        fail(m_temp.errorString());
        return -1;
    }
    if (allowed < size) {
        fail(qt_error_string(ENOSPC));
        return -1;
    }
    return n;
}

bool AtomicFile::commit()
{
    if (!isOpen() || m_temp.fileName().isEmpty())
        return fail(qt_error_string(EBADF));
    bool ok = !m_failed;
    if (ok && !m_temp.flush())
        ok = fail(m_temp.errorString());
    if (ok && !m_direct && (injectedAt(FailureInjection::AtSync) || ::fsync(m_temp.handle()) != 0))
        ok = fail(qt_error_string(injectedAt(FailureInjection::AtSync) ? EIO : errno));
    m_temp.close();
    if (ok && m_temp.error() != QFileDevice::NoError)
        ok = fail(m_temp.errorString());
    if (ok && !m_direct
        && (injectedAt(FailureInjection::AtRename)
            || std::rename(QFile::encodeName(m_temp.fileName()).constData(),
                           QFile::encodeName(m_target).constData())
                != 0))
        ok = fail(qt_error_string(injectedAt(FailureInjection::AtRename) ? EACCES : errno));
    if (ok && !m_direct) {
        m_temp.setFileName(QString());
        syncFolder(QFileInfo(m_target).absolutePath());
    }
    discard();
    return ok;
}

void AtomicFile::cancelWriting() { discard(); }

bool AtomicFile::save(const QString& path, const QByteArray& bytes, QString* error)
{
    AtomicFile file(path);
    const bool ok = file.open() && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

bool AtomicFile::copy(const QString& source, const QString& target, QString* error)
{
    QFile in(source);
    AtomicFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open()) {
        if (error)
            *error = in.isOpen() ? out.errorString() : in.errorString();
        return false;
    }
    if (!QFileInfo::exists(out.m_target))
        out.m_temp.setPermissions(in.permissions());
    bool ok = true;
    QByteArray chunk;
    while (ok && !in.atEnd()) {
        chunk = in.read(CopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            ok = out.fail(in.errorString());
        else
            ok = out.write(chunk) == chunk.size();
    }
    ok = ok && out.commit();
    if (!ok && error)
        *error = out.errorString();
    return ok;
}
