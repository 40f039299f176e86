#pragma once
#include <QByteArray>
#include <QNetworkRequest>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

class QThread;

/// HTTP exchanges for the thread that created it, each on a connection of its own that
/// carries one request, once, and is closed after its reply: a request that changes
/// data on the server is never sent twice. The body is handed over in pieces of at most
/// 64 KB as it arrives.
class TransporteHttp {
public:
    struct Tiempos {
        int conectarMs; // name lookup and connection
        int recibirMs;  // from connected: sending the request and receiving the whole reply
    };
    struct Resultado {
        int estado = 0;              // HTTP status
        QByteArray razon;            // its reason phrase
        std::exception_ptr errorDelLector; // what the chunk reader threw; the exchange was cut there
    };
    using Lector = std::function<void(QByteArrayView)>;

    /// Once `cancelada` is true, every exchange running or to come ends at once.
    explicit TransporteHttp(std::shared_ptr<const std::atomic<bool>> cancelada = {});
    ~TransporteHttp();

    /// GET when `cuerpo` is null (it may follow a few redirections), else POST (never
    /// redirected). Of the request's headers, those the caller set go as they are; Host,
    /// User-Agent, Content-Length and "Connection: close" are this transport's. Failing
    /// to connect, a time-out, a cancellation, a body beyond `limiteBytes` and transport
    /// errors throw ErrorServicio, which tells whether the request went out; an HTTP
    /// error status does not (its body is read like any other).
    Resultado enviar(QNetworkRequest peticion, const QByteArray *cuerpo, const Lector &lector, Tiempos tiempos,
                     qint64 limiteBytes);

private:
    QThread *m_hilo;
    std::shared_ptr<const std::atomic<bool>> m_cancelada;
};
