#include "sim/ServidorHttp.h"
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QThread>

namespace {

QByteArray Cabecera(const QHttpServerRequest &r, const QByteArray &nombre)
{
    const auto cabeceras = r.headers();
    for (const auto &[clave, valor] : cabeceras)
        if (clave.compare(nombre, Qt::CaseInsensitive) == 0)
            return valor;
    return {};
}

} // namespace

ServidorHttp::ServidorHttp(Manejador manejador)
    : m_servidor(std::make_unique<QHttpServer>()), m_manejador(std::move(manejador))
{
    // No routes: every request reaches the handler for unmatched paths, and the sim
    // routes it itself.
    m_servidor->setMissingHandler([this](const QHttpServerRequest &r, QHttpServerResponder &&responder) {
        PeticionHttp p;
        switch (r.method()) {
        case QHttpServerRequest::Method::Get: p.metodo = "GET"; break;
        case QHttpServerRequest::Method::Post: p.metodo = "POST"; break;
        case QHttpServerRequest::Method::Put: p.metodo = "PUT"; break;
        case QHttpServerRequest::Method::Delete: p.metodo = "DELETE"; break;
        case QHttpServerRequest::Method::Head: p.metodo = "HEAD"; break;
        default: p.metodo = "OTHER"; break;
        }
        p.ruta = r.url().path();
        p.host = Cabecera(r, "Host");
        p.accion = Cabecera(r, "SOAPAction");
        p.cuerpo = r.body();
        const RespuestaHttp s = m_manejador(p);
        // The responder of Qt 6.4 cannot outlive this call, so a delay holds the whole
        // server: while it runs, no other request is answered.
        if (s.retrasoMs > 0)
            QThread::msleep(s.retrasoMs);
        responder.write(s.cuerpo, s.tipo, static_cast<QHttpServerResponder::StatusCode>(s.estado));
    });
}

ServidorHttp::~ServidorHttp() = default;

quint16 ServidorHttp::escuchar(const QHostAddress &direccion, quint16 puerto)
{
    return m_servidor->listen(direccion, puerto);
}
