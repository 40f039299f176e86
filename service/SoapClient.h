#pragma once
#include "service/Itrazen.h"
#include <QMutex>
#include <QUrl>
#include <atomic>
#include <memory>

struct EnlaceSoap;

/// The one service client of the process (`SoapClient1`): the address of the service
/// description, the service and port names, the time-outs, and what was learned from
/// the description (endpoint, SOAPActions), kept until the address is set again.
/// Thread-safe; calls are made from background tasks, one at a time.
class SoapClient {
public:
    static constexpr int TimeoutPorDefecto = 500000; // ms

    SoapClient();
    ~SoapClient();

    /// Binds to a description address; forgets what the previous address taught.
    void setDireccion(const QString &wsdl, const QString &servicio = QStringLiteral("Itrazenservice"),
                      const QString &puerto = QStringLiteral("ItrazenPort"));
    [[nodiscard]] QString direccion() const;

    void setTimeouts(int conectarMs, int recibirMs);
    [[nodiscard]] int timeoutConectar() const;
    [[nodiscard]] int timeoutRecibir() const;

    /// Largest reply (and description) accepted; a longer one is cut off and the call fails.
    static constexpr qint64 LimiteRespuestaPorDefecto = qint64(128) << 20;
    void setLimiteRespuesta(qint64 bytes);
    [[nodiscard]] qint64 limiteRespuesta() const;

    /// A fresh interface for calls made on the calling thread (it owns its own network
    /// access); the description is fetched by the first call that needs it.
    [[nodiscard]] std::unique_ptr<Itrazen> itrazen();

    /// Ends every running and later call of this client at once with "Llamada cancelada",
    /// from any thread: for a window that closes while a task is still in a call.
    void cancelarLlamadas();

private:
    friend class ItrazenSoap;
    mutable QMutex m_mutex;
    QString m_wsdl, m_servicio, m_puerto;
    int m_conectar = TimeoutPorDefecto;
    int m_recibir = TimeoutPorDefecto;
    qint64 m_limite = LimiteRespuestaPorDefecto;
    std::shared_ptr<const EnlaceSoap> m_enlace; // null until learned
    quint64 m_generacion = 0; // bumped by setDireccion: a fetch begun before it is stale
    // Shared with the transports handed out, which look at it while they wait.
    const std::shared_ptr<std::atomic<bool>> m_cancelada = std::make_shared<std::atomic<bool>>(false);
};
