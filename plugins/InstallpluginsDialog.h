#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class InstallpluginsDialog;
}

// Shows the search for host applications and which of them got (or lost)
// our plug-ins: one row per host, a cell per bitness turning from "O" to
// "X" when that host was found. The search runs on its own thread from the
// first show on; the dialog closes when it ends.
class InstallpluginsDialog : public QDialog
{
    Q_OBJECT
public:
    // install false: remove the plug-ins.
    explicit InstallpluginsDialog(bool install, QWidget* parent = nullptr);
    ~InstallpluginsDialog() override;

public slots:
    void setFolder(QString name);
    void setPlugins(bool AI16_32, bool AI16_64, bool AI17_32, bool AI17_64, bool AI18_32, bool AI18_64, bool AI19_32, bool AI19_64, bool AI20_32, bool AI20_64, bool AI22_32, bool AI22_64, bool AI23_32, bool AI23_64, bool AI24_32, bool AI24_64, bool AI25_32, bool AI25_64, bool AI26_32, bool AI26_64, bool AI27_32, bool AI27_64);
    void setCorelPlugins(bool CRX4_32, bool CRX5_32, bool CRX6_32, bool CRX6_64, bool CRX7_32, bool CRX7_64, bool CRX8_32, bool CRX8_64, bool CRX9_32, bool CRX9_64, bool CRX10_32, bool CRX10_64, bool CRX11_32, bool CRX11_64, bool CRX12_32, bool CRX12_64, bool CRX13_32, bool CRX13_64, bool CRX14_32, bool CRX14_64);
    void setInkscapePlugins(bool INK_32, bool INK_64);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void mark(const char* cell, bool found);

    std::unique_ptr<Ui::InstallpluginsDialog> ui;
    bool m_install;
    bool m_started = false;
};
