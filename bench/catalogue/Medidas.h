#pragma once
// What the catalogue benchmarks measure: the screen's thread stalling, memory, and the
// figures a benchmark process hands the one that started it.
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <cstdio>

/// The longest the screen's thread went without running a 1 ms timer: what the waiter
/// sees as the screen stalling.
class MedidorPausas : public QObject {
public:
    MedidorPausas()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 ahora = m_reloj.nsecsElapsed();
            m_peor = std::max(m_peor, ahora - m_ultimo);
            m_ultimo = ahora;
        });
    }
    void empezar()
    {
        m_reloj.start();
        m_ultimo = 0;
        m_peor = 0;
        m_timer.start();
    }
    /// The longest gap between two ticks so far, in milliseconds.
    [[nodiscard]] double peorMs() const { return m_peor / 1e6; }
    void parar() { m_timer.stop(); }

private:
    QTimer m_timer;
    QElapsedTimer m_reloj;
    qint64 m_ultimo = 0, m_peor = 0;
};

/// A field of /proc/self/status in MB ("VmRSS", "VmHWM": the peak since the process began).
inline double MemoriaMb(const char *campo)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefijo = QByteArray(campo) + ':';
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith(prefijo))
            return l.mid(prefijo.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

/// A figure for the process that started this one: "cifra <name> <value>".
inline void Cifra(const char *nombre, double valor)
{
    std::printf("cifra %s %.3f\n", nombre, valor);
    std::fflush(stdout);
}
