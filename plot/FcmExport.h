#pragma once

#include "plot/CutGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class Document;

// Writes a document's job as FCM files instead of sending it to a plotter.
// The job is laid out as plot generation lays it out (copies, weeding
// frames, overcut), but with the FCM turn of the drawing, no start offset,
// no registration marks and every copy cut once; the geometry the cutting
// head records is what the files hold.
//
// With stops between layers (or colours) there is one file per layer (or
// per row of copies of a colour), named base + k + extension
// ("star.fcm" → "star1.fcm", "star2.fcm", …) and none under the chosen name
// itself; otherwise one file under the chosen name. Every file carries the
// same internal name (the chosen file's base name) and thumbnail.
//
// plot/ knows no window: the thumbnail is handed in (the preview's job
// image, Preview::renderJobImage).
class FcmExport
{
public:
    struct File {
        QString path;
        QByteArray bytes;
        CutGeometry::Object geometry; // what the file holds, in mm
    };

    explicit FcmExport(const Document& doc);

    // The files the export would write, in order, without writing them.
    QVector<File> files(const QString& fileName, const QImage& thumbnail) const;

    struct Written {
        QStringList paths;  // written, in order
        QStringList failed; // could not be written
    };
    // Writes every file under a temporary name and renames it into place.
    Written write(const QString& fileName, const QImage& thumbnail) const;

    // The name written into the file: the last "/" component of the file
    // name without its extension ("C:/jobs/star.fcm" → "star").
    static QString internalName(const QString& fileName);
    // base + k + extension; k counts from 1.
    static QString numberedName(const QString& fileName, int k);

private:
    void run(const QString& fileName, const QImage& thumbnail,
             const std::function<void(File&&)>& take) const;

    const Document& m_doc;
};
