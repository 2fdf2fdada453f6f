#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class BlockSink;
class Document;

// Turns the laid-out job of a document into the plot stream: layers or
// colours marked for cutting, repeated per segment window, copy and pass,
// one block per object, pause blocks between groups when wanted, and a
// final block with the head's end position. Blocks are pushed into the sink
// as soon as each is complete; the sink is marked finished after the final
// block. Runs synchronously in the caller's thread.
//
// The document is only read, except for its start offset, which one run
// consumes (adds to the first origin) and clears.
class PlotDataGenerator
{
public:
    // objects done, objects in the whole job (every copy, pass and window).
    using Progress = std::function<void(int done, int total)>;

    explicit PlotDataGenerator(Document& doc);

    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Diagnostic lines (taken blocks, corner angles) on the debug channel;
    // on by default.
    void setDiagnostics(bool on) { m_diagnostics = on; }

    // Returns an empty string; the stream is in the sink.
    QString generate(BlockSink& sink);

    // Number of object outputs generate() will make: the progress total.
    static int objectOutputs(const Document& doc);
    // Object outputs and the nodes they cut, over the whole job (every
    // copy, pass and window); saturated, never overflowing.
    struct Volume {
        qint64 objects = 0;
        qint64 nodes = 0;
    };
    static Volume volume(const Document& doc);

private:
    Document& m_doc;
    Progress m_progress;
    bool m_diagnostics = true;
};
