#pragma once

#include "platform/UserMessages.h"

#include <QList>
#include <QMutex>
#include <QQueue>
#include <QStringList>

// Records every message a test provokes and answers from a script (the
// queued answers in order, then the given default). Thread-safe, so workers
// may report through it.
class RecordingMessages : public UserMessages
{
public:
    struct Message {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };

    Button show(Icon icon, const QString& title, const QString& text, Buttons buttons,
                Button defaultButton) override;

    void queueAnswer(Button b);
    void setDefaultAnswer(Button b) { m_defaultAnswer = b; }
    QList<Message> messages() const;
    // "title|text" per message, for comparing against expected texts.
    QStringList lines() const;
    // The texts alone, in order.
    QStringList texts() const;
    int count() const;
    void clear();

private:
    mutable QMutex m_mutex;
    QList<Message> m_messages;
    QQueue<Button> m_answers;
    Button m_defaultAnswer = Ok;
};
