#include "sim/ConexionHttp.h"
#include <QHash>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr qsizetype MaxCabeceras = 64 * 1024;
constexpr qint64 MaxCuerpo = qint64(64) << 20;

QByteArray Razon(int estado)
{
    static const QHash<int, QByteArray> razones{
        {200, "OK"},          {400, "Bad Request"},           {401, "Unauthorized"},
        {403, "Forbidden"},   {404, "Not Found"},             {405, "Method Not Allowed"},
        {408, "Request Timeout"}, {411, "Length Required"},  {413, "Payload Too Large"},
        {431, "Request Header Fields Too Large"},             {500, "Internal Server Error"},
        {501, "Not Implemented"}, {502, "Bad Gateway"},       {503, "Service Unavailable"},
        {504, "Gateway Timeout"}};
    return razones.value(estado, estado >= 500 ? "Server Error" : "Client Error");
}
} // namespace

ConexionHttp::ConexionHttp(QTcpSocket *socket, ManejadorHttp manejador, QObject *padre)
    : QObject(padre), m_socket(socket), m_manejador(std::move(manejador))
{
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &ConexionHttp::leer);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    connect(&m_goteo, &QTimer::timeout, this, [this] {
        m_socket->write(m_resto.first(1));
        m_resto.remove(0, 1);
        if (m_resto.isEmpty()) {
            m_goteo.stop();
            terminada(m_cerrarTrasGoteo);
        }
    });
    leer();
}

void ConexionHttp::leer()
{
    if (m_cerrada)
        return;
    m_entrada += m_socket->readAll();
    while (!m_ocupada && !m_cerrada && atenderUna()) {
    }
}

bool ConexionHttp::atenderUna()
{
    const qsizetype fin = m_entrada.indexOf("\r\n\r\n");
    if (fin < 0) {
        if (m_entrada.size() > MaxCabeceras)
            rechazar(431, "cabeceras demasiado largas");
        return false;
    }
    const QList<QByteArray> lineas = m_entrada.left(fin).split('\n');
    const QList<QByteArray> primera = lineas.first().trimmed().split(' ');
    if (primera.size() != 3 || !primera[2].startsWith("HTTP/1.")) {
        rechazar(400, "peticion HTTP mal formada");
        return false;
    }
    QHash<QByteArray, QByteArray> cabeceras; // names in lower case
    for (qsizetype i = 1; i < lineas.size(); ++i)
        if (const qsizetype dp = lineas[i].indexOf(':'); dp > 0)
            cabeceras.insert(lineas[i].left(dp).trimmed().toLower(), lineas[i].mid(dp + 1).trimmed());
    if (cabeceras.contains("transfer-encoding")) {
        rechazar(501, "cuerpo por trozos no admitido; use Content-Length");
        return false;
    }
    bool ok = true;
    const qint64 largo = cabeceras.value("content-length", "0").toLongLong(&ok);
    if (!ok || largo < 0 || largo > MaxCuerpo) {
        rechazar(!ok || largo < 0 ? 400 : 413, "Content-Length no valido");
        return false;
    }
    if (m_entrada.size() - fin - 4 < largo) {
        if (!m_continuar && cabeceras.value("expect").toLower() == "100-continue") {
            m_continuar = true;
            m_socket->write("HTTP/1.1 100 Continue\r\n\r\n");
        }
        return false;
    }
    PeticionHttp p;
    p.metodo = primera[0];
    p.ruta = QUrl::fromEncoded(primera[1]).path();
    p.host = cabeceras.value("host");
    p.accion = cabeceras.value("soapaction");
    p.cuerpo = m_entrada.mid(fin + 4, largo);
    m_entrada.remove(0, fin + 4 + largo);
    m_continuar = false;
    const QByteArray conexion = cabeceras.value("connection").toLower();
    const bool seguir = primera[2] == "HTTP/1.1" ? conexion != "close" : conexion == "keep-alive";
    responder(m_manejador(p), !seguir, p.metodo == "HEAD");
    return true;
}

void ConexionHttp::responder(const RespuestaHttp &r, bool cerrar, bool sinCuerpo)
{
    switch (r.corte) {
    case RespuestaHttp::Corte::Morir:
        // As a server killed right after its work: what it stored is committed by now.
        std::fputs("wstrazen-sim: termina sin responder (morir_en)\n", stderr);
        std::_Exit(3);
    case RespuestaHttp::Corte::Cerrar:
        m_cerrada = true;
        m_socket->disconnectFromHost();
        return;
    case RespuestaHttp::Corte::Ninguno:
        break;
    }
    // Holds the whole server: while it sleeps, no other request is answered.
    if (r.retrasoMs > 0)
        QThread::msleep(r.retrasoMs);
    const QByteArray bytes = "HTTP/1.1 " + QByteArray::number(r.estado) + ' ' + Razon(r.estado)
        + "\r\nContent-Type: " + r.tipo + "\r\nContent-Length: " + QByteArray::number(r.cuerpo.size())
        + "\r\nConnection: " + (cerrar ? "close" : "keep-alive") + "\r\n\r\n" + (sinCuerpo ? QByteArray() : r.cuerpo);
    m_ocupada = true;
    if (r.tardeMs > 0)
        // Precise: a coarse timer may fire up to 5% early, and a late answer is never early.
        QTimer::singleShot(r.tardeMs, Qt::PreciseTimer, this, [=, this] { enviar(bytes, r.goteoMs, cerrar); });
    else
        enviar(bytes, r.goteoMs, cerrar);
}

void ConexionHttp::enviar(const QByteArray &bytes, int goteoMs, bool cerrar)
{
    if (goteoMs <= 0) {
        m_socket->write(bytes);
        return terminada(cerrar);
    }
    m_resto = bytes;
    m_cerrarTrasGoteo = cerrar;
    m_goteo.start(goteoMs);
}

void ConexionHttp::rechazar(int estado, const QByteArray &texto)
{
    m_cerrada = true;
    m_socket->write("HTTP/1.1 " + QByteArray::number(estado) + ' ' + Razon(estado)
                    + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
                    + QByteArray::number(texto.size() + 1) + "\r\nConnection: close\r\n\r\n" + texto + '\n');
    m_socket->disconnectFromHost();
}

void ConexionHttp::terminada(bool cerrar)
{
    m_ocupada = false;
    if (cerrar) {
        m_cerrada = true;
        m_socket->disconnectFromHost();
        return;
    }
    // The next request may be waiting in the buffer already.
    QTimer::singleShot(0, this, &ConexionHttp::leer);
}
