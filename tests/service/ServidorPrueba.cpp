#include "ServidorPrueba.h"
#include "service/OperacionesItrazen.h"
#include <QTcpSocket>

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
    if (r.callar)
        return;
    static const QHash<int, QByteArray> razones{
        {200, "OK"}, {404, "Not Found"}, {500, "Internal Server Error"}, {503, "Service Unavailable"}};
    const QByteArray cabeceraLargo = r.sinLargo ? QByteArray() : "Content-Length: " + QByteArray::number(r.cuerpo.size()) + "\r\n";
    s->write("HTTP/1.1 " + QByteArray::number(r.estado) + ' ' + razones.value(r.estado, "Status") + "\r\n"
             + "Content-Type: " + r.tipo + "\r\n" + cabeceraLargo + "Connection: close\r\n\r\n" + r.cuerpo);
    s->disconnectFromHost();
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
