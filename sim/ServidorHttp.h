#pragma once
// The one place that knows QHttpServer (a technology preview in Qt 6.4).
#include "sim/Http.h"
#include <QHostAddress>
#include <functional>
#include <memory>

class QHttpServer;

/// An HTTP server that hands every request to one function and sends back its answer,
/// after the delay the answer asks for.
class ServidorHttp {
public:
    using Manejador = std::function<RespuestaHttp(const PeticionHttp &)>;

    explicit ServidorHttp(Manejador manejador);
    ~ServidorHttp();

    /// Starts listening; port 0 picks a free one. Returns the port, 0 on failure.
    quint16 escuchar(const QHostAddress &direccion, quint16 puerto);

private:
    std::unique_ptr<QHttpServer> m_servidor;
    Manejador m_manejador;
};
