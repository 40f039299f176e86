#pragma once
#include <QByteArray>
#include <QNetworkRequest>
#include <exception>
#include <functional>
#include <memory>

class QNetworkAccessManager;

/// HTTP exchanges for the thread that created it: each one runs a local event loop
/// until the reply is complete, handing the body over chunk by chunk as it arrives.
/// It owns its QNetworkAccessManager, which never leaves its thread.
class TransporteHttp {
public:
    struct Tiempos {
        int conectarMs;
        int recibirMs; // without a byte from the server for this long, the exchange ends
    };
    struct Resultado {
        int estado = 0;              // HTTP status
        QByteArray razon;            // its reason phrase
        std::exception_ptr errorDelLector; // what the chunk reader threw; the exchange was cut there
    };
    using Lector = std::function<void(QByteArrayView)>;

    TransporteHttp();
    ~TransporteHttp();

    /// GET when `cuerpo` is null, else POST. Failing to connect, a time-out, a body beyond
    /// `limiteBytes` and transport errors throw ErrorServicio; an HTTP error status does
    /// not (its body is read like any other).
    Resultado enviar(QNetworkRequest peticion, const QByteArray *cuerpo, const Lector &lector, Tiempos tiempos,
                     qint64 limiteBytes);

private:
    std::unique_ptr<QNetworkAccessManager> m_red;
};
