#pragma once

#include "job/Worker.h"

class Document;

// The document side of a job: runs plot data generation of the laid-out
// document into the pipe (one block per object, marked finished after the
// final block) and closes the pipe when generation has returned. Progress
// is the share of object outputs done, reported in steps of 1/1000 so a
// large job does not flood the GUI thread with signals. Cancel does not
// interrupt generation.
class WorkerDocument : public Worker
{
    Q_OBJECT
public:
    WorkerDocument(Pipe& pipe, Document& doc, Clock& clock, QObject* parent = nullptr);

    // Generation's diagnostic lines (one per corner and block); off unless
    // a trace was asked for, since they would cost more than the job.
    void setDiagnostics(bool on) { m_diagnostics = on; }

protected:
    void work() override;

private:
    Document& m_doc;
    bool m_diagnostics = false;
};
