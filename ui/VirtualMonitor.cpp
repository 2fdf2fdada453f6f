#include "ui/VirtualMonitor.h"
#include "ui_VirtualMonitor.h"

#include "device/CutPicture.h"
#include "device/VirtualPlotter.h"
#include "plot/StreamFigures.h"

#include <QPixmap>

VirtualMonitor::VirtualMonitor(std::shared_ptr<VirtualPlotter> plotter, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::VirtualMonitor>()), m_plotter(std::move(plotter))
{
    m_ui->setupUi(this);
    connect(m_ui->btnLeeren, &QPushButton::clicked, this, &VirtualMonitor::onBtnLeerenClicked);
    connect(m_ui->btnSchliessen, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_timer, &QTimer::timeout, this, &VirtualMonitor::onTimerTimeout);
    m_timer.start(1000);
    refresh();
}

VirtualMonitor::~VirtualMonitor() = default;

void VirtualMonitor::refresh()
{
    const QByteArray stream = m_plotter ? m_plotter->received() : QByteArray();
    m_shownCount = stream.size();
    if (stream.isEmpty()) {
        m_ui->lblBild->setPixmap(QPixmap());
        m_ui->lblBild->setText(tr("Der virtuelle Plotter hat noch nichts empfangen."));
        m_ui->lblZahlen->clear();
        return;
    }
    // 2 pixels per mm keeps an A4 job at about 420 × 600 pixels.
    m_ui->lblBild->setPixmap(QPixmap::fromImage(CutPicture::render(stream, 2.0, 8, 4000)));
    const StreamFigures f = StreamFigures::measure(stream);
    m_ui->lblZahlen->setText(tr("%1 Bytes empfangen – Schnittlänge %2 mm, Leerfahrt %3 mm, "
                                "Materialverbrauch %4 mm")
                                 .arg(stream.size())
                                 .arg(f.cutMm, 0, 'f', 1)
                                 .arg(f.travelMm, 0, 'f', 1)
                                 .arg(f.materialMm, 0, 'f', 1));
}

void VirtualMonitor::onTimerTimeout()
{
    // Drawing a long stream takes a while: only when something arrived.
    if (m_plotter && m_plotter->receivedCount() != m_shownCount)
        refresh();
}

void VirtualMonitor::onBtnLeerenClicked()
{
    if (m_plotter)
        m_plotter->clearReceived();
    refresh();
}
