#include "ServidorPrueba.h"
#include "service/OperacionesItrazen.h"
#include <QTcpSocket>
#include <QTimer>

ServidorPrueba::ServidorPrueba()
{
    m_tcp.listen(QHostAddress::LocalHost, 0);
    connect(&m_tcp, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_tcp.nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { atender(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

void ServidorPrueba::en(const QByteArray &ruta, Manejador manejador) { m_rutas.insert(ruta, std::move(manejador)); }

void ServidorPrueba::en(const QByteArray &ruta, const Respuesta &fija)
{
    en(ruta, [fija](const Peticion &) { return fija; });
}

QUrl ServidorPrueba::url(const QByteArray &ruta) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_tcp.serverPort()).arg(QString::fromLatin1(ruta)));
}

qsizetype ServidorPrueba::cuenta(const QByteArray &metodo, const QByteArray &ruta) const
{
    return std::count_if(m_peticiones.cbegin(), m_peticiones.cend(),
                         [&](const Peticion &p) { return p.metodo == metodo && p.ruta == ruta; });
}

void ServidorPrueba::atender(QTcpSocket *s)
{
    // The request so far lives in the socket's property until it is whole.
    QByteArray datos = s->property("datos").toByteArray() + s->readAll();
    s->setProperty("datos", datos);
    const qsizetype fin = datos.indexOf("\r\n\r\n");
    if (fin < 0)
        return;
    Peticion p;
    const QList<QByteArray> lineas = datos.left(fin).split('\n');
    const QList<QByteArray> primera = lineas.first().trimmed().split(' ');
    p.metodo = primera.value(0);
    p.ruta = primera.value(1);
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const qsizetype dp = lineas[i].indexOf(':');
        if (dp > 0)
            p.cabeceras.insert(lineas[i].left(dp).trimmed().toLower(), lineas[i].mid(dp + 1).trimmed());
    }
    const qsizetype largo = p.cabeceras.value("content-length", "0").toLongLong();
    if (datos.size() - fin - 4 < largo)
        return;
    p.cuerpo = datos.mid(fin + 4, largo);
    s->setProperty("datos", QByteArray());
    m_peticiones.append(p);

    const auto manejador = m_rutas.constFind(p.ruta);
    const Respuesta r = manejador != m_rutas.cend() ? (*manejador)(p) : Respuesta{404, "no existe", "text/plain"};
    if (r.cerrar)
        s->disconnectFromHost();
    else if (!r.callar)
        enviar(s, r);
}

void ServidorPrueba::enviar(QTcpSocket *s, const Respuesta &r)
{
    static const QHash<int, QByteArray> razones{{200, "OK"},
                                                {302, "Found"},
                                                {307, "Temporary Redirect"},
                                                {404, "Not Found"},
                                                {500, "Internal Server Error"},
                                                {503, "Service Unavailable"}};
    QByteArray cabeza = r.antes + "HTTP/1.1 " + QByteArray::number(r.estado) + ' ' + razones.value(r.estado, "Status")
        + "\r\nContent-Type: " + r.tipo + "\r\n";
    for (const QByteArray &c : r.cabeceras)
        cabeza += c + "\r\n";
    if (r.troceada)
        cabeza += "Transfer-Encoding: chunked\r\n";
    else if (r.largo >= 0 || (!r.sinLargo && !r.generar))
        cabeza += "Content-Length: " + QByteArray::number(r.largo >= 0 ? r.largo : r.cuerpo.size()) + "\r\n";
    cabeza += "Connection: close\r\n\r\n";
    const bool troceada = r.troceada;
    const auto marco = [troceada](const QByteArray &t) {
        return !troceada || t.isEmpty() ? t : QByteArray::number(t.size(), 16) + ";trozo=si\r\n" + t + "\r\n";
    };
    const QByteArray fin = troceada && !r.sinUltimoTrozo ? "0\r\nX-Fin: si\r\n\r\n" : "";

    if (r.goteoMs > 0) {
        if (r.goteoSoloCuerpo)
            s->write(std::exchange(cabeza, QByteArray()));
        auto *reloj = new QTimer(s); // goes with the socket when the client gives up
        connect(reloj, &QTimer::timeout, s, [s, reloj, todo = cabeza + marco(r.cuerpo) + fin, i = 0]() mutable {
            s->write(todo.mid(i++, 1));
            if (i >= todo.size()) {
                reloj->stop();
                s->disconnectFromHost();
            }
        });
        reloj->start(r.goteoMs);
        return;
    }
    s->write(cabeza + marco(r.cuerpo));
    if (!r.generar) {
        s->write(fin);
        s->disconnectFromHost();
        return;
    }
    // More is made only once the connection has taken most of what it holds.
    // One pump, shared by the first call and the signal: the generator runs once.
    const auto bombear = std::make_shared<std::function<void()>>([s, generar = r.generar, marco, fin,
                                                                   terminado = false]() mutable {
        while (!terminado && s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() < (1 << 20)) {
            const QByteArray t = generar();
            s->write(marco(t));
            if (t.isEmpty()) {
                terminado = true;
                s->write(fin);
                s->disconnectFromHost();
            }
        }
    });
    connect(s, &QTcpSocket::bytesWritten, s, [bombear] { (*bombear)(); });
    (*bombear)();
}

QByteArray WsdlPrueba(const QString &endpoint, const QString &servicio, const QString &puerto, bool acciones)
{
    QString ops;
    for (const OperacionItrazen &op : OperacionesItrazen()) {
        const QString nombre = QLatin1StringView(op.nombre);
        ops += QStringLiteral("<operation name=\"%1\"><soap:operation soapAction=\"%2\" style=\"rpc\"/>"
                              "<input><soap:body use=\"encoded\"/></input></operation>")
                   .arg(nombre, acciones ? QStringLiteral("urn:trazenIntf-Itrazen#") + nombre : QString());
        if (!acciones)
            ops.replace(QStringLiteral(" soapAction=\"\""), QString());
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
               "<definitions xmlns=\"http://schemas.xmlsoap.org/wsdl/\" "
               "xmlns:soap=\"http://schemas.xmlsoap.org/wsdl/soap/\" xmlns:tns=\"http://tempuri.org/\" "
               "name=\"Itrazenservice\" targetNamespace=\"http://tempuri.org/\">\n"
               "  <portType name=\"Itrazen\"/>\n"
               "  <binding name=\"Itrazenbinding\" type=\"tns:Itrazen\">\n"
               "    <soap:binding style=\"rpc\" transport=\"http://schemas.xmlsoap.org/soap/http\"/>\n"
               "    %1\n"
               "  </binding>\n"
               "  <service name=\"%2\">\n"
               "    <port name=\"%3\" binding=\"tns:Itrazenbinding\">\n"
               "      <soap:address location=\"%4\"/>\n"
               "    </port>\n"
               "  </service>\n"
               "</definitions>\n")
        .arg(ops, servicio, puerto, endpoint)
        .toUtf8();
}
