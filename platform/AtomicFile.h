#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

// Replaces a file in one step, so that no reader (the user, a host plug-in,
// udev) ever sees half a file and a failed write loses nothing. The content
// goes into a temporary file in the target's folder, is flushed to the disk
// (fsync) and then renamed over the target. On any failure the temporary
// file is removed, the old file stays byte for byte as it was, and
// errorString() holds the reason the system gave (ready to be put into a
// German message). A file that is replaced keeps its permission bits (rules,
// scripts); a new one gets the usual ones under the umask. A symbolic link
// is followed: the file it points to is replaced. A device, pipe or socket,
// and whatever "/dev/stdout" and its kind stand for, is written directly.
//
// Large content is streamed: open(), write through the QIODevice interface,
// then commit(). A write error sticks: later writes and commit() fail.
// Whatever is not committed is thrown away when the object goes.
class AtomicFile : public QIODevice
{
    Q_OBJECT
public:
    explicit AtomicFile(const QString& path, QObject* parent = nullptr);
    ~AtomicFile() override;

    // The target as given.
    QString fileName() const { return m_path; }

    // Creates the temporary file; only WriteOnly is accepted.
    bool open(OpenMode mode = WriteOnly) override;
    // Flush, fsync, rename over the target. False when anything failed,
    // this step or an earlier write.
    bool commit();
    // Throws away what was written; the target is not touched.
    void cancelWriting();
    bool isSequential() const override { return true; }

    // The whole content at once; *error gets the system's reason.
    static bool save(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // Streams source over target. A new target gets the source's permissions.
    static bool copy(const QString& source, const QString& target, QString* error = nullptr);

    // For tests: while one lives, every AtomicFile of the process fails at
    // the given point as the system would: no space left once `bytes` bytes
    // of a file were written, an I/O error at the flush to the disk, or a
    // refused rename.
    class FailureInjection
    {
    public:
        enum Point { AfterBytes, AtSync, AtRename };
        explicit FailureInjection(Point point, qint64 bytes = 0);
        ~FailureInjection();
        FailureInjection(const FailureInjection&) = delete;
        FailureInjection& operator=(const FailureInjection&) = delete;

        const Point point;
        const qint64 bytes;
    };

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool fail(const QString& reason);
    void discard();

    const QString m_path;
    QString m_target; // m_path with symbolic links resolved
    QFile m_temp;     // the target itself when written directly
    bool m_direct = false;
    qint64 m_written = 0;
    bool m_failed = false;
};
