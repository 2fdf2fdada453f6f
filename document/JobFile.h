#pragma once

#include <QString>

class Document;
class UserMessages;

// The job file ("*.kcf"): the job settings and the whole drawing as XML
// under the root "KerfcraftData".
class JobFile
{
public:
    JobFile() = delete;

    // Replaces path through AtomicFile, so an existing file survives a
    // failed save. False on any failure, with *error set to the system's
    // reason; no message is shown (the caller shows one).
    static bool save(const Document& doc, const QString& path, QString* error = nullptr);

    // Reads a job file into doc. The drawing is replaced and the settings
    // the file holds are set as stored (settings it does not mention keep
    // their values); then registration marks are measured, the colour table
    // completed and the extent updated, and DataChanged() is emitted.
    // A file that cannot be opened or is not well-formed XML leaves doc
    // untouched; a well-formed file with another root element leaves the
    // drawing and settings as they are but still updates the extent. Both
    // return false. Settings beyond the range the window's controls allow
    // are held to it, with one warning through messages (when given). On
    // failure *reason (when given) says in German what the file lacks:
    // readable, well-formed XML, or the root "KerfcraftData".
    static bool load(Document& doc, const QString& path, UserMessages* messages = nullptr,
                     QString* reason = nullptr);
};
