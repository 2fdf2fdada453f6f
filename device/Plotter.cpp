#include "device/Plotter.h"

#include "platform/Logger.h"
#include "platform/UserMessages.h"
#include "device/USBDevice.h"
#include "platform/Clock.h"
#include "plot/QueryCommands.h"

Plotter::Plotter(USBDevice* device, Clock& clock, UserMessages& messages, QObject* parent)
    : QObject(parent), m_device(device), m_clock(clock), m_messages(messages)
{
}

bool Plotter::open() { return m_device->open(); }

void Plotter::close() { m_device->close(); }

bool Plotter::write(const char* data, int length) { return m_device->write(data, length); }

void Plotter::setModel(int id, PlotterTemplate* model)
{
    m_id = id;
    m_template = model;
    m_name = model ? model->Name : QString();
    if (model)
        m_protocol = model->Protocol;
}

bool Plotter::sendSettings(bool unrollMedium, bool edgeSmoothing)
{
    const QString text = QueryCommands::unrollMediumSetting(unrollMedium)
        + QueryCommands::edgeSmoothingSetting(edgeSmoothing);
    Logger::debug(QStringLiteral("CMD: ") + text);
    const QByteArray bytes = text.toLatin1();
    return m_device->write(bytes.constData(), bytes.size());
}

bool Plotter::query()
{
    using PlotterAnswers::Result;
    if (!m_device->open())
        return false;

    const QString questions[3] = {QueryCommands::deviceQuestion(),
                                  QueryCommands::settingsQuestion(),
                                  QueryCommands::mediaQuestion()};
    bool deviceSeen = false;
    bool settingsSeen = false;
    bool mediaSeen = false;
    // One byte more than is read, so the answer always ends with a zero.
    QByteArray answer(AnswerBufferSize, '\0');

    for (int attempt = 0; attempt < MaxQueryAttempts; ++attempt) {
        // A plotter that stays silent gets its link opened afresh now and
        // then; a failure shows its message and the attempts go on.
        if (attempt % 10 == 0 && attempt > 19) {
            m_device->close();
            m_clock.sleepMs(ReopenPauseMs);
            m_device->open();
        }
        const QString& question = questions[attempt % 3];
        const QByteArray questionBytes = question.toLatin1();
        m_clock.sleepMs(QuestionPauseMs);
        // A question that cannot be sent will not be answered: the transport
        // has told why, more attempts would only repeat its box, and the
        // query ends as every failed one does.
        if (!m_device->write(questionBytes.constData(), questionBytes.size()))
            break;

        answer.fill('\0');
        const int received = m_device->read(answer.data(), AnswerBufferSize - 1);
        if (received < 0)
            return false;
        const QString text = PlotterAnswers::answerText(answer.constData(), received);
        Logger::debug(QStringLiteral("Frage: %1 Antwort: %2").arg(question, text));

        if (PlotterAnswers::readDeviceAnswer(text, m_config) == Result::Read)
            deviceSeen = true;
        const Result settings = PlotterAnswers::readSettingsAnswer(text, m_config);
        if (settings != Result::Other) {
            settingsSeen = settingsSeen || settings == Result::Read;
            Logger::debug(QStringLiteral("OR1 found: %1").arg(text));
        }
        const Result media = PlotterAnswers::readMediaAnswer(text, m_config);
        if (media == Result::Read)
            Logger::debug(QStringLiteral("0,0 found: %1").arg(text));
        if (media != Result::Other)
            mediaSeen = true;

        if (deviceSeen && settingsSeen && mediaSeen) {
            Logger::debug(QStringLiteral("All values found"));
            m_device->close();
            emit ConfigurationDataChanged();
            return true;
        }
    }

    m_device->close();
    Logger::debug(QStringLiteral("%1 %2 %3")
                      .arg(settingsSeen ? 1 : 0)
                      .arg(deviceSeen ? 1 : 0)
                      .arg(mediaSeen ? 1 : 0));
    m_messages.show(UserMessages::Icon::Information, QString(),
                    tr("Fehler: Der Plotter lieferte keine Daten."), UserMessages::Ok);
    return false;
}
