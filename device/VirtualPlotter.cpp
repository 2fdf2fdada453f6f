#include "device/VirtualPlotter.h"

#include "device/CutPicture.h"
#include "platform/AtomicFile.h"

#include <QMutexLocker>

#include <algorithm>

namespace {

// What the plotter listens for. '#' stands for one digit, the flag of a
// setting.
struct Listened {
    template <int N>
    constexpr Listened(const char (&text)[N]) : pattern(text), length(N - 1)
    {
    }
    const char* pattern;
    int length;
};
const Listened kDeviceQuestion{"\x1b.R4:"};
const Listened kSettingsQuestion{"\x1b.R1:"};
const Listened kMediaQuestion{"OH;"};
const Listened kUnrollSetting{"\x1b.C1;20;#:"};
const Listened kSmoothingSetting{"\x1b.C1;19;#:"};
constexpr int kFlagAt = 8;  // where the '#' of a setting stands
const Listened* const kListened[] = {&kDeviceQuestion, &kSettingsQuestion, &kMediaQuestion,
                                     &kUnrollSetting, &kSmoothingSetting};

// How many leading bytes of `at` (of `available`) agree with the pattern.
int agreeing(const Listened& l, const char* at, int available)
{
    const int n = std::min(l.length, available);
    for (int k = 0; k < n; ++k) {
        const char want = l.pattern[k];
        const char got = at[k];
        if (want == '#' ? (got < '0' || got > '9') : got != want)
            return k;
    }
    return n;
}

// The settings answer codes the media type differently from the program:
// 1 roll, 0 sheet, 2 edge.
int mediaTypeCode(int mediaType)
{
    switch (mediaType) {
    case 0: return 1;
    case 1: return 0;
    default: return mediaType;
    }
}

} // namespace

VirtualPlotter::VirtualPlotter(const VirtualPlotterModel& model)
    : SimulatedUsbDevice(VendorId, quint16(model.productId)), m_model(model)
{
}

QByteArray VirtualPlotter::standardAnswer(Question question) const
{
    QMutexLocker lock(&m_mutex);
    const VirtualPlotterModel& m = m_model;
    QString text;
    switch (question) {
    case Question::Device:
        text = QStringLiteral("OR4,%1,%2,%3,%4,%5;")
                   .arg(m.manufacturer, m.modelName, m.firmwareVersion, m.firmwareDate,
                        m.firmwareBuild);
        break;
    case Question::Settings:
        text = QStringLiteral("OR1,%1,%2,%3,%4,%5,%6,%7,0;")
                   .arg(m.speed)
                   .arg(m.force)
                   .arg(m.offset)
                   .arg(m.quality)
                   .arg(m.edgeSmoothing ? 1 : 0)
                   .arg(m.unrollMedium ? 1 : 0)
                   .arg(mediaTypeCode(m.mediaType));
        break;
    case Question::Media:
        // Height (along the feed) before width, in steps of 0.025 mm.
        text = QStringLiteral("0,0,%1,%2\r\n").arg(m.mediaHeightMm * 40).arg(m.mediaWidthMm * 40);
        break;
    }
    return text.toLatin1();
}

void VirtualPlotter::setAnswer(Question question, const QList<QByteArray>& pieces)
{
    QMutexLocker lock(&m_mutex);
    m_overridden[int(question)] = true;
    m_override[int(question)] = pieces;
}

void VirtualPlotter::resetAnswers()
{
    QMutexLocker lock(&m_mutex);
    for (int q = 0; q < 3; ++q) {
        m_overridden[q] = false;
        m_override[q].clear();
    }
}

void VirtualPlotter::setAnswerPieceSize(int bytes)
{
    QMutexLocker lock(&m_mutex);
    m_pieceSize = std::max(0, bytes);
}

VirtualPlotterModel VirtualPlotter::model() const
{
    QMutexLocker lock(&m_mutex);
    return m_model;
}

void VirtualPlotter::setModel(const VirtualPlotterModel& model)
{
    QMutexLocker lock(&m_mutex);
    m_model = model;
}

int VirtualPlotter::questionsAnswered() const
{
    QMutexLocker lock(&m_mutex);
    return m_answered;
}

void VirtualPlotter::setOutputPath(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    m_outputPath = path;
}

bool VirtualPlotter::writeOutput() const
{
    QString path;
    {
        QMutexLocker lock(&m_mutex);
        path = m_outputPath;
    }
    if (path.isEmpty())
        return true;
    QByteArray bytes;
    {
        QMutexLocker lock(&m_mutex);
        bytes = m_lastJob;
    }
    bool ok = true;
    QString picturePath = path;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        ok = AtomicFile::save(path, bytes);
        picturePath += QLatin1String(".png");
    }
    return CutPicture::save(CutPicture::render(bytes), picturePath) && ok;
}

void VirtualPlotter::bytesReceived(const QByteArray& bytes) { scan(bytes); }

// Every open … close of the host is a session (the bytes since open); one that cut (a pen-down
// move) is the job the output shows. Queries and settings in between leave
// the last job's output as it is.
int VirtualPlotter::open(std::unique_ptr<UsbHandle>& handle)
{
    QMutexLocker lock(&m_mutex);
    const int rc = SimulatedUsbDevice::open(handle);
    m_sessionStart = receivedCount();
    return rc;
}

void VirtualPlotter::handleClosed()
{
    const QByteArray all = received();
    const QByteArray session = all.mid(int(std::min<qint64>(m_sessionStart, all.size())));
    if (!session.contains("PD"))
        return;
    m_lastJob = session;
    writeOutput();
}

void VirtualPlotter::answer(Question question)
{
    ++m_answered;
    if (m_overridden[int(question)]) {
        for (const QByteArray& piece : m_override[int(question)])
            queueAnswer(piece);
        return;
    }
    const QByteArray whole = standardAnswer(question);
    if (m_pieceSize <= 0) {
        queueAnswer(whole);
        return;
    }
    for (int at = 0; at < whole.size(); at += m_pieceSize)
        queueAnswer(whole.mid(at, m_pieceSize));
}

void VirtualPlotter::scan(const QByteArray& bytes)
{
    // Commands may arrive split over several writes: a possible beginning at
    // the end of one write waits in m_tail for the next.
    const QByteArray buffer = m_tail.isEmpty() ? bytes : m_tail + bytes;
    m_tail.clear();
    const char* p = buffer.constData();
    const int n = buffer.size();
    int i = 0;
    while (i < n) {
        while (i < n && p[i] != '\x1b' && p[i] != 'O')
            ++i;
        if (i >= n)
            break;
        const int rest = n - i;
        const Listened* matched = nullptr;
        bool mayContinue = false;
        for (const Listened* l : kListened) {
            const int k = agreeing(*l, p + i, rest);
            if (k == l->length) {
                matched = l;
                break;
            }
            if (k == rest)
                mayContinue = true;
        }
        if (matched == &kDeviceQuestion)
            answer(Question::Device);
        else if (matched == &kSettingsQuestion)
            answer(Question::Settings);
        else if (matched == &kMediaQuestion)
            answer(Question::Media);
        else if (matched == &kUnrollSetting)
            m_model.unrollMedium = p[i + kFlagAt] != '0';
        else if (matched == &kSmoothingSetting)
            m_model.edgeSmoothing = p[i + kFlagAt] != '0';
        if (matched) {
            i += matched->length;
            continue;
        }
        if (mayContinue) {
            m_tail = buffer.mid(i);
            return;
        }
        ++i;
    }
}

std::shared_ptr<VirtualPlotter> VirtualPlotter::at(const UsbBackend& backend, int bus, int address)
{
    const auto* simulated = dynamic_cast<const SimulatedUsbBus*>(&backend);
    if (!simulated)
        return nullptr;
    for (const std::shared_ptr<SimulatedUsbDevice>& device : simulated->devices())
        if (device->busNumber() == bus && device->address() == address)
            return std::dynamic_pointer_cast<VirtualPlotter>(device);
    return nullptr;
}
