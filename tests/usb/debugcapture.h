// Collects Qt's debug output while alive, so a test can read the trace the link writes.
#pragma once

#include <QStringList>
#include <QtGlobal>

class DebugCapture
{
public:
    DebugCapture() : m_previous(qInstallMessageHandler(&DebugCapture::collect)) { s_active = this; }
    ~DebugCapture()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    // One entry per debug message, exactly as written.
    QStringList &messages() { return m_messages; }
    int count(const QString &message) const { return int(m_messages.count(message)); }

private:
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg && s_active)
            s_active->m_messages.append(message);
        else if (s_active && s_active->m_previous)
            s_active->m_previous(type, context, message);
    }

    inline static DebugCapture *s_active = nullptr;
    QtMessageHandler m_previous;
    QStringList m_messages;
};
