#pragma once

#include "platform/UserMessages.h"

#include <QObject>

class QWidget;

// QMessageBox on the GUI thread. A call from a worker thread is carried over
// to the GUI thread and blocks the worker until the user has answered.
class GuiMessages : public QObject, public UserMessages
{
    Q_OBJECT
public:
    explicit GuiMessages(QObject* parent = nullptr);
    // Boxes are centred on this window; none means no parent, as at start-up.
    void setParentWidget(QWidget* w) { m_parentWidget = w; }

    Button show(Icon icon, const QString& title, const QString& text, Buttons buttons,
                Button defaultButton) override;

private:
    Q_INVOKABLE int showHere(int icon, const QString& title, const QString& text, int buttons,
                             int defaultButton);
    QWidget* m_parentWidget = nullptr;
};
