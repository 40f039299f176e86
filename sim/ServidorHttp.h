#pragma once
#include "sim/Http.h"
#include <QHostAddress>
#include <QTcpServer>

/// An HTTP/1.1 server of its own over TCP that hands every request to one function and
/// sends back its answer the way the answer asks (see RespuestaHttp). Its own, not
/// QHttpServer: a late, dripped or missing answer needs the connection in the sim's hands
/// after the handler has returned, which the responder of Qt 6.4 does not allow.
class ServidorHttp {
public:
    using Manejador = ManejadorHttp;

    explicit ServidorHttp(Manejador manejador);
    ~ServidorHttp();

    /// Starts listening; port 0 picks a free one. Returns the port, 0 on failure.
    quint16 escuchar(const QHostAddress &direccion, quint16 puerto);

private:
    QTcpServer m_tcp; // owns the connections
    Manejador m_manejador;
};
