#include "RecordingMessages.h"

#include <QMutexLocker>

UserMessages::Button RecordingMessages::show(Icon icon, const QString& title, const QString& text,
                                             Buttons buttons, Button)
{
    QMutexLocker lock(&m_mutex);
    m_messages.append({icon, title, text, buttons});
    return m_answers.isEmpty() ? m_defaultAnswer : m_answers.dequeue();
}

void RecordingMessages::queueAnswer(Button b)
{
    QMutexLocker lock(&m_mutex);
    m_answers.enqueue(b);
}

QList<RecordingMessages::Message> RecordingMessages::messages() const
{
    QMutexLocker lock(&m_mutex);
    return m_messages;
}

QStringList RecordingMessages::lines() const
{
    QStringList out;
    for (const Message& m : messages())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

QStringList RecordingMessages::texts() const
{
    QStringList t;
    for (const Message& m : messages())
        t.append(m.text);
    return t;
}

int RecordingMessages::count() const
{
    QMutexLocker lock(&m_mutex);
    return m_messages.size();
}

void RecordingMessages::clear()
{
    QMutexLocker lock(&m_mutex);
    m_messages.clear();
    m_answers.clear();
}
