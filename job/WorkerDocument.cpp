#include "job/WorkerDocument.h"

#include "job/Pipe.h"
#include "plot/PlotDataGenerator.h"

WorkerDocument::WorkerDocument(Pipe& pipe, Document& doc, Clock& clock, QObject* parent)
    : Worker(pipe, clock, parent), m_doc(doc)
{
}

void WorkerDocument::work()
{
    PlotDataGenerator generator(m_doc);
    generator.setDiagnostics(m_diagnostics);
    int lastStep = -1;
    generator.setProgress([&](int done, int total) {
        const int step = total > 0 ? int(qint64(done) * 1000 / total) : 1000;
        if (step == lastStep)
            return;
        lastStep = step;
        emit setProgressBar(step / 1000.0);
    });
    generator.generate(pipe());
    pipe().close();
}
