#include "sim/ServidorHttp.h"
#include "sim/ConexionHttp.h"

ServidorHttp::ServidorHttp(Manejador manejador) : m_manejador(std::move(manejador))
{
    QObject::connect(&m_tcp, &QTcpServer::newConnection, &m_tcp, [this] {
        while (QTcpSocket *s = m_tcp.nextPendingConnection())
            new ConexionHttp(s, m_manejador, &m_tcp);
    });
}

ServidorHttp::~ServidorHttp() = default;

quint16 ServidorHttp::escuchar(const QHostAddress &direccion, quint16 puerto)
{
    return m_tcp.listen(direccion, puerto) ? m_tcp.serverPort() : 0;
}
