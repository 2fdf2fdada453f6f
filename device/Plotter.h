#pragma once

#include "device/PlotterAnswers.h"
#include "presets/PlotterTemplate.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>

class Clock;
class USBDevice;
class UserMessages;

// One connected cutting plotter: what it reported about itself, the model
// it was matched to, and the USB device it talks through (not owned).
class Plotter : public QObject
{
    Q_OBJECT
public:
    enum MediaType { Roll = 0, Sheet = 1, Edge = 2 };

    static constexpr int MaxQueryAttempts = 50;
    static constexpr int AnswerBufferSize = 1000;
    static constexpr int QuestionPauseMs = 20;
    static constexpr int ReopenPauseMs = 1200;

    Plotter(USBDevice* device, Clock& clock, UserMessages& messages, QObject* parent = nullptr);

    bool open();
    void close();
    bool write(const char* data, int length);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }

    // Asks the plotter for model, firmware, settings and loaded medium,
    // opening and closing its device. Up to MaxQueryAttempts question-answer
    // rounds; every tenth round from the twentieth on the device is opened
    // afresh. True when all three answers were understood; then
    // ConfigurationDataChanged() is emitted. On failure the values read so
    // far stay and the user has been told.
    bool query();
    // Sends the two plotter-only settings; the device must be open.
    bool sendSettings(bool unrollMedium, bool edgeSmoothing);

    // Set by the pool when a model of the presets matched the device text.
    void setModel(int id, PlotterTemplate* model);

    PlotterTemplate* plotterTemplate() const { return m_template; }
    int id() const { return m_id; }
    QString name() const { return m_name; }
    QString deviceText() const { return m_config.deviceText; }
    QString firmwareText() const { return m_config.firmwareText; }
    int speed() const { return m_config.speed; }
    int force() const { return m_config.force; }
    int offset() const { return m_config.offset; }
    int quality() const { return m_config.quality; }
    bool unrollMedium() const { return m_config.unrollMedium; }
    bool edgeSmoothing() const { return m_config.edgeSmoothing; }
    int mediaType() const { return m_config.mediaType; }
    int mediaWidth() const { return m_config.mediaWidth; }
    int mediaHeight() const { return m_config.mediaHeight; }
    ProtocolType protocol() const { return m_protocol; }
    USBDevice* device() const { return m_device; }
    PlotterConfiguration configuration() const { return m_config; }

    // Held by whoever writes to the plotter outside a job (test cut,
    // plotter-only settings), so those writes do not interleave.
    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }

signals:
    void ConfigurationDataChanged();

private:
    PlotterTemplate* m_template = nullptr;
    int m_id = -1;
    QString m_name;
    PlotterConfiguration m_config;
    ProtocolType m_protocol = ProtocolType::GPGL;
    USBDevice* m_device;
    Clock& m_clock;
    UserMessages& m_messages;
    QMutex m_mutex;
};
