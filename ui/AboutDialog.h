#pragma once

#include <QDialog>

#include <memory>

class UserMessages;
class UsbDriverInstaller;

namespace Ui {
class AboutDialog;
}

// "About Kerfcraft": the version and the removal of the plotter's USB
// driver. Removal asks first and is then left to the installer; without
// one the user is told what is missing and how to do it by hand.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    static QString versionNumber(); // "5.6.0.1"

    explicit AboutDialog(UserMessages& messages, UsbDriverInstaller* installer = nullptr,
                         QWidget* parent = nullptr);
    ~AboutDialog() override;

public slots:
    void btnRemoveDriverClicked();

private:
    std::unique_ptr<Ui::AboutDialog> ui;
    UserMessages& m_messages;
    UsbDriverInstaller* m_installer;
};
