#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

class VirtualPlotter;

namespace Ui {
class VirtualMonitor;
}

// "Virtueller Monitor": what the virtual plotter has received so far, drawn
// as the cut it would make (black on white, feed direction downwards), with
// the cut and travel lengths. Follows a running job: the picture is redrawn
// once a second while new bytes arrive. Non-modal; the caller gives it a
// parent and shows it.
class VirtualMonitor : public QDialog
{
    Q_OBJECT
public:
    explicit VirtualMonitor(std::shared_ptr<VirtualPlotter> plotter, QWidget* parent = nullptr);
    ~VirtualMonitor() override;

    // Redraws from the plotter's bytes now.
    void refresh();

private slots:
    void onTimerTimeout();
    void onBtnLeerenClicked();

private:
    std::unique_ptr<Ui::VirtualMonitor> m_ui;
    std::shared_ptr<VirtualPlotter> m_plotter;
    QTimer m_timer;
    qint64 m_shownCount = -1;
};
