#pragma once

#include "cli/CliCommands.h"
#include "support/RecordingMessages.h"

#include <QBuffer>
#include <QTextStream>

#include <functional>

// One run of a kerfcraft-cli sub-command inside the test process: the exit
// code, the byte output, stdout and stderr (UTF-8) and the message boxes it
// raised. `onErr` sees stderr as it is written, so a test can answer a prompt.
struct CliRun {
    int rc = -1;
    QByteArray raw;
    QString out, err;
    RecordingMessages messages;

    explicit CliRun(const std::function<int(CliIo&)>& command,
                    const std::function<void(const QByteArray&)>& onErr = {})
    {
        struct Watched : QBuffer {
            std::function<void(const QByteArray&)> onWrite;
            qint64 writeData(const char* data, qint64 n) override
            {
                const qint64 written = QBuffer::writeData(data, n);
                if (onWrite)
                    onWrite(QByteArray(data, int(n)));
                return written;
            }
        } errBuf;
        errBuf.onWrite = onErr;
        QBuffer rawBuf(&raw), outBuf;
        for (QBuffer* b : {&rawBuf, &outBuf, static_cast<QBuffer*>(&errBuf)})
            b->open(QIODevice::WriteOnly);
        QTextStream o(&outBuf), e(&errBuf);
        o.setCodec("UTF-8");
        e.setCodec("UTF-8");
        CliIo io{o, e, rawBuf, messages};
        rc = command(io);
        o.flush();
        e.flush();
        out = QString::fromUtf8(outBuf.data());
        err = QString::fromUtf8(errBuf.data());
    }
    // The whole command line after "kerfcraft-cli", through its dispatcher.
    explicit CliRun(const QStringList& args)
        : CliRun([&](CliIo& io) { return cliMain(QStringList{QStringLiteral("kerfcraft-cli")} + args, io); })
    {
    }
};
