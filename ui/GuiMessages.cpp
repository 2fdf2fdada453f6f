#include "ui/GuiMessages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QThread>

GuiMessages::GuiMessages(QObject* parent) : QObject(parent)
{
    // Lives on the GUI thread whatever thread created it.
    if (QCoreApplication::instance())
        moveToThread(QCoreApplication::instance()->thread());
}

UserMessages::Button GuiMessages::show(Icon icon, const QString& title, const QString& text,
                                       Buttons buttons, Button defaultButton)
{
    if (QThread::currentThread() == thread())
        return Button(showHere(int(icon), title, text, int(buttons), int(defaultButton)));
    int answer = NoButton;
    QMetaObject::invokeMethod(this, "showHere", Qt::BlockingQueuedConnection,
                              Q_RETURN_ARG(int, answer), Q_ARG(int, int(icon)),
                              Q_ARG(QString, title), Q_ARG(QString, text), Q_ARG(int, int(buttons)),
                              Q_ARG(int, int(defaultButton)));
    return Button(answer);
}

int GuiMessages::showHere(int icon, const QString& title, const QString& text, int buttons,
                          int defaultButton)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (Icon(icon)) {
    case Icon::Information: boxIcon = QMessageBox::Information; break;
    case Icon::Warning: boxIcon = QMessageBox::Warning; break;
    case Icon::Critical: boxIcon = QMessageBox::Critical; break;
    case Icon::Question: boxIcon = QMessageBox::Question; break;
    case Icon::NoIcon: break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::StandardButtons(buttons), m_parentWidget);
    if (defaultButton != NoButton)
        box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    return box.exec();
}
