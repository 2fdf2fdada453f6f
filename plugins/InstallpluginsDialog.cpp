#include "plugins/InstallpluginsDialog.h"

#include "plugins/PluginSearcher.h"
#include "platform/Clock.h"
#include "platform/ProcessRunner.h"

#include "ui_InstallpluginsDialog.h"

#include <QPushButton>
#include <QThread>

InstallpluginsDialog::InstallpluginsDialog(bool install, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::InstallpluginsDialog>()), m_install(install)
{
    ui->setupUi(this);
    connect(ui->buttonBox, &QDialogButtonBox::clicked, this, &QDialog::close);
    if (QPushButton* close = ui->buttonBox->button(QDialogButtonBox::Close))
        close->setText(tr("Schließen"));
    setFixedSize(sizeHint());
}

InstallpluginsDialog::~InstallpluginsDialog() = default;

void InstallpluginsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // The thread and the searcher delete themselves when the search ends;
    // closing the dialog early does not stop it.
    auto* thread = new QThread;
    auto* searcher = new PluginSearcher(m_install, Clock::system(), ProcessRunner::system());
    searcher->moveToThread(thread);
    connect(thread, &QThread::started, searcher, &PluginSearcher::process);
    connect(searcher, &PluginSearcher::finished, thread, &QThread::quit);
    connect(searcher, &PluginSearcher::finished, this, &QDialog::close);
    connect(searcher, &PluginSearcher::finished, searcher, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(searcher, &PluginSearcher::setFolder, this, &InstallpluginsDialog::setFolder);
    connect(searcher, &PluginSearcher::setPlugins, this, &InstallpluginsDialog::setPlugins);
    connect(searcher, &PluginSearcher::setCorelPlugins, this, &InstallpluginsDialog::setCorelPlugins);
    connect(searcher, &PluginSearcher::setInkscapePlugins, this, &InstallpluginsDialog::setInkscapePlugins);
    thread->start();
}

void InstallpluginsDialog::mark(const char* cell, bool found)
{
    if (!found)
        return;
    if (auto* label = findChild<QLabel*>(QString::fromLatin1(cell)))
        label->setText(QStringLiteral("X"));
}

void InstallpluginsDialog::setFolder(QString name)
{
    ui->lblDir->setText(tr("Verzeichnis: %1").arg(name));
}

void InstallpluginsDialog::setPlugins(bool AI16_32, bool AI16_64, bool AI17_32, bool AI17_64, bool AI18_32, bool AI18_64, bool AI19_32, bool AI19_64, bool AI20_32, bool AI20_64, bool AI22_32, bool AI22_64, bool AI23_32, bool AI23_64, bool AI24_32, bool AI24_64, bool AI25_32, bool AI25_64, bool AI26_32, bool AI26_64, bool AI27_32, bool AI27_64)
{
    mark("lblAI16_32", AI16_32);
    mark("lblAI16_64", AI16_64);
    mark("lblAI17_32", AI17_32);
    mark("lblAI17_64", AI17_64);
    mark("lblAI18_32", AI18_32);
    mark("lblAI18_64", AI18_64);
    mark("lblAI19_32", AI19_32);
    mark("lblAI19_64", AI19_64);
    mark("lblAI20_32", AI20_32);
    mark("lblAI20_64", AI20_64);
    mark("lblAI22_32", AI22_32);
    mark("lblAI22_64", AI22_64);
    mark("lblAI23_32", AI23_32);
    mark("lblAI23_64", AI23_64);
    mark("lblAI24_32", AI24_32);
    mark("lblAI24_64", AI24_64);
    mark("lblAI25_32", AI25_32);
    mark("lblAI25_64", AI25_64);
    mark("lblAI26_32", AI26_32);
    mark("lblAI26_64", AI26_64);
    mark("lblAI27_32", AI27_32);
    mark("lblAI27_64", AI27_64);
}

void InstallpluginsDialog::setCorelPlugins(bool CRX4_32, bool CRX5_32, bool CRX6_32, bool CRX6_64, bool CRX7_32, bool CRX7_64, bool CRX8_32, bool CRX8_64, bool CRX9_32, bool CRX9_64, bool CRX10_32, bool CRX10_64, bool CRX11_32, bool CRX11_64, bool CRX12_32, bool CRX12_64, bool CRX13_32, bool CRX13_64, bool CRX14_32, bool CRX14_64)
{
    mark("lblCRX4_32", CRX4_32);
    mark("lblCRX5_32", CRX5_32);
    mark("lblCRX6_32", CRX6_32);
    mark("lblCRX6_64", CRX6_64);
    mark("lblCRX7_32", CRX7_32);
    mark("lblCRX7_64", CRX7_64);
    mark("lblCRX8_32", CRX8_32);
    mark("lblCRX8_64", CRX8_64);
    mark("lblCRX9_32", CRX9_32);
    mark("lblCRX9_64", CRX9_64);
    mark("lblCRX10_32", CRX10_32);
    mark("lblCRX10_64", CRX10_64);
    mark("lblCRX11_32", CRX11_32);
    mark("lblCRX11_64", CRX11_64);
    mark("lblCRX12_32", CRX12_32);
    mark("lblCRX12_64", CRX12_64);
    mark("lblCRX13_32", CRX13_32);
    mark("lblCRX13_64", CRX13_64);
    mark("lblCRX14_32", CRX14_32);
    mark("lblCRX14_64", CRX14_64);
}

void InstallpluginsDialog::setInkscapePlugins(bool INK_32, bool INK_64)
{
    mark("lblINK_32", INK_32);
    mark("lblINK_64", INK_64);
}
