#include "ui/AboutDialog.h"

#include "ui_AboutDialog.h"

#include "device/USBDevice.h"
#include "device/UsbDriverInstaller.h"
#include "platform/UserMessages.h"

QString AboutDialog::versionNumber() { return QStringLiteral("5.6.0.1"); }

AboutDialog::AboutDialog(UserMessages& messages, UsbDriverInstaller* installer, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>()), m_messages(messages),
      m_installer(installer)
{
    ui->setupUi(this);
    ui->lblVersion->setText(tr("Kerfcraft %1").arg(versionNumber()));
    connect(ui->btnUninstallLibUSB, &QPushButton::clicked, this,
            &AboutDialog::btnRemoveDriverClicked);
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::close);
    setFixedSize(sizeHint());
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::btnRemoveDriverClicked()
{
    const UserMessages::Button answer = m_messages.show(
        UserMessages::Icon::Question, tr("USB-Treiber Deinstallation"),
        tr("Sollen der installierte Plotter-Treiber wieder deinstalliert werden?\nNach der "
           "Deinstallation muss der Plotter entfernt und wieder eingesteckt, oder aus- und "
           "wieder eingeschaltet werden."),
        UserMessages::Buttons(UserMessages::Yes) | UserMessages::No, UserMessages::No);
    if (answer != UserMessages::Yes)
        return;
    if (m_installer) {
        m_installer->removeDrivers();
        return;
    }
    m_messages.information(
        tr("USB-Treiber Deinstallation"),
        tr("Diese Ausgabe enthält kein Installationsprogramm für den Plotter-Zugriff. Er beruht "
           "auf der udev-Regel %1; entfernen Sie diese Datei als Administrator, um ihn "
           "aufzuheben.")
            .arg(USBDevice::udevRuleFile()));
}
