#pragma once

#include "device/SimulatedUsbBus.h"

#include <QList>
#include <QString>

// What the virtual plotter reports about itself.
struct VirtualPlotterModel {
    int productId = 0x0001;
    QString manufacturer = QStringLiteral("KERFCRAFT");
    QString modelName = QStringLiteral("Kerfcraft Sable 60");
    QString firmwareVersion = QStringLiteral("V2.11");
    QString firmwareDate = QStringLiteral("2024-03-18");
    QString firmwareBuild = QStringLiteral("R1");
    int speed = 30;      // cm/s
    int force = 120;     // g
    int offset = 25;     // blade offset as the plotter counts it
    int quality = 2;
    bool edgeSmoothing = true;
    bool unrollMedium = false;
    int mediaType = 0;   // 0 roll, 1 sheet, 2 edge
    int mediaWidthMm = 600;
    int mediaHeightMm = 1000;
};

// A cutting plotter of vendor 0x0F0B on the simulated bus. It answers the
// three questions ("\e.R4:", "\e.R1:", "OH;") with its model, takes the two
// plotter-only settings ("\e.C1;20;b:", "\e.C1;19;b:"), records every byte
// it is sent and, when given an output path, writes what it received to
// that file (and a picture of the cut) each time the host closes it.
class VirtualPlotter : public SimulatedUsbDevice
{
public:
    static constexpr quint16 VendorId = 0x0F0B;

    explicit VirtualPlotter(const VirtualPlotterModel& model = VirtualPlotterModel());

    // The virtual plotter at (bus, address) of a simulated bus; null for the
    // real bus or any other device. Lets a window offer the virtual
    // plotter's monitor for the plotter it lists.
    static std::shared_ptr<VirtualPlotter> at(const UsbBackend& backend, int bus, int address);

    enum class Question { Device, Settings, Media };

    // The answer the plotter gives now, as one transfer.
    QByteArray standardAnswer(Question question) const;
    // Replaces the answer to one question: each piece goes out in a transfer
    // of its own (an answer split over several reads); no pieces: silence.
    void setAnswer(Question question, const QList<QByteArray>& pieces);
    void resetAnswers();
    // Splits every answer into pieces of this many bytes (0: whole).
    void setAnswerPieceSize(int bytes);

    VirtualPlotterModel model() const;
    void setModel(const VirtualPlotterModel& model);
    int questionsAnswered() const;

    // "path": the bytes go to path and the picture to path + ".png"; a path
    // ending in ".png" gets the picture alone. Empty: nothing is written.
    void setOutputPath(const QString& path);
    // Writes the last job (the bytes of the last open … close that cut
    // something) now; false when a file could not be written. Closing
    // after a job writes it by itself.
    bool writeOutput() const;

    int open(std::unique_ptr<UsbHandle>& handle) override;

protected:
    void bytesReceived(const QByteArray& bytes) override;
    void handleClosed() override;

private:
    void answer(Question question);
    void scan(const QByteArray& bytes);

    VirtualPlotterModel m_model;
    bool m_overridden[3] = {false, false, false};
    QList<QByteArray> m_override[3];
    int m_pieceSize = 0;
    int m_answered = 0;
    QByteArray m_tail;  // start of a command split between two writes
    QString m_outputPath;
    qint64 m_sessionStart = 0; // received() offset of the current open
    QByteArray m_lastJob;
};
