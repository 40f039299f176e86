#pragma once
#include "service/ErrorServicio.h"
#include "service/LectorHttp.h"
#include "service/TransporteHttp.h"
#include <QAbstractSocket>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <optional>

class QTcpSocket;

/// One HTTP exchange on a connection of its own: it connects, sends the request once,
/// reads one reply and closes; never reused, never sent again. A local event loop runs
/// until it ends, watching the deadlines and the client's cancellation all along.
class IntercambioHttp {
public:
    /// Looks at the reply's headers before any of its body; false ends the exchange there.
    using AlCabeceras = std::function<bool(const LectorHttp &)>;

    IntercambioHttp(QUrl url, TransporteHttp::Tiempos tiempos, qint64 limiteBytes,
                    const std::atomic<bool> *cancelada);
    ~IntercambioHttp();

    /// Sends `cabeza` and `cuerpo` (none for a GET) and hands the reply's body to `lector`.
    /// Throws ErrorServicio, which tells whether the request went out.
    TransporteHttp::Resultado ejecutar(const QByteArray &cabeza, const QByteArray *cuerpo,
                                       const TransporteHttp::Lector &lector, const AlCabeceras &alCabeceras);

private:
    enum class Corte { Ninguno, Fin, Conectar, Recibir, Limite, Cancelada, Red, Protocolo, Lector };

    void conectado();
    void enviarPeticion();
    void leer();
    void procesar(QByteArrayView datos);
    void entregar(QByteArrayView cuerpo);
    void cierre();
    void revisar();
    void cortar(Corte corte);
    [[nodiscard]] ErrorServicio error() const;

    QUrl m_url;
    QString m_servidor;
    TransporteHttp::Tiempos m_tiempos;
    qint64 m_limite;
    const std::atomic<bool> *m_cancelada;
    std::unique_ptr<QTcpSocket> m_socket;
    LectorHttp m_respuesta;
    QEventLoop m_bucle;
    QTimer m_vigia; // wakes the loop to look at the deadline and the cancellation
    QDeadlineTimer m_plazo; // to connect, then to send and receive
    QByteArray m_trozo; // what one read takes from the connection

    const QByteArray *m_cabeza = nullptr, *m_cuerpo = nullptr;
    const TransporteHttp::Lector *m_lector = nullptr;
    const AlCabeceras *m_alCabeceras = nullptr;

    Corte m_corte = Corte::Ninguno;
    QAbstractSocket::SocketError m_errorRed = QAbstractSocket::UnknownSocketError;
    QString m_textoRed;
    std::optional<ErrorServicio> m_errorProtocolo;
    bool m_conectado = false, m_enviada = false, m_cerrada = false;
    qint64 m_recibidos = 0;
    TransporteHttp::Resultado m_resultado;
};
