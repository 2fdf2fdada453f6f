#pragma once

#include <QByteArray>
#include <QString>

class Document;
class Pipe;

// The "Testdata" button's copy of the plot stream: generation runs
// synchronously into a local pipe, which is closed and emptied block by
// block (limit 10000000 bytes each) into one buffer; the buffer followed by
// "\r\n" replaces the file through AtomicFile.
namespace TestDataDump {

struct Result {
    QByteArray stream;   // the generated stream, without the line end
    int characters = 0;  // characters of the stream up to its first zero byte
    bool written = false;
};

// "/tmp/lastcut.txt"; "C:\Tmp\lastcut.txt" on Windows.
QString defaultPath();

// deviceControl: the receiving model takes the device-control strings.
Result dump(Document& doc, bool deviceControl, const QString& path = defaultPath());

// The second half of dump(): empties the closed pipe into the buffer and
// writes the file.
Result drain(Pipe& pipe, const QString& path);

} // namespace TestDataDump
