#pragma once
#include <QThread>
#include <atomic>
#include <chrono>

/// A TCP relay on the loopback, in a thread of its own, between a client and the
/// server at `puertoDestino`: what the server sends reaches the client at
/// `bytesPorSegundo`, in steps of 2 ms, as over a slower link (0: as fast as the client
/// takes them); the client's bytes go through at once. It keeps the moment it handed
/// its last byte to the client.
class RelevoLento : public QThread {
public:
    RelevoLento(quint16 puertoDestino, qint64 bytesPorSegundo);
    ~RelevoLento() override;

    [[nodiscard]] quint16 puerto() const { return m_puerto; }
    /// When the last byte towards the client went out (steady clock).
    [[nodiscard]] std::chrono::steady_clock::time_point ultimoByte() const
    {
        return std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(m_ultimo.load()));
    }

private:
    void run() override;

    quint16 m_destino;
    qint64 m_bytesPorSegundo;
    std::atomic<quint16> m_puerto{0};
    std::atomic<std::chrono::steady_clock::rep> m_ultimo{0};
};
