#pragma once
#include <QObject>

/// The activity dialog shown while a background task runs (title "POS"). Its shown
/// state is the one marker that a task is running.
class ActivityDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY changed)
    Q_PROPERTY(bool shown READ shown NOTIFY changed)

public:
    using QObject::QObject;
    [[nodiscard]] QString title() const { return QStringLiteral("POS"); }
    [[nodiscard]] QString message() const { return m_message; }
    [[nodiscard]] bool shown() const { return m_shown; }
    void setMessage(const QString &m)
    {
        if (m_message != m) {
            m_message = m;
            emit changed();
        }
    }
    void show() { setShown(true); }
    void hide() { setShown(false); }

signals:
    void changed();

private:
    void setShown(bool s)
    {
        if (m_shown != s) {
            m_shown = s;
            emit changed();
        }
    }
    QString m_message;
    bool m_shown = false;
};
