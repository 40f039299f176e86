#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>
#include <functional>

/// A tiny HTTP/1.1 server on the loopback for the service tests: answers each path
/// with a canned or computed reply and records every request exactly as it came.
class ServidorPrueba : public QObject {
    Q_OBJECT
public:
    struct Peticion {
        QByteArray metodo, ruta, cuerpo;
        QHash<QByteArray, QByteArray> cabeceras; // names in lower case
    };
    /// Pieces of a body made as the connection takes them, never held whole; an empty
    /// piece ends it.
    using Generador = std::function<QByteArray()>;
    struct Respuesta {
        int estado = 200;
        QByteArray cuerpo;
        QByteArray tipo = "text/xml; charset=utf-8";
        bool callar = false; // keep the connection open and never answer
        bool sinLargo = false; // no Content-Length: the body ends when the connection closes
        bool cerrar = false; // close the connection once the request is in, without a word
        bool troceada = false; // chunked transfer coding, with an extension and a trailer
        bool sinUltimoTrozo = false; // chunked, closed before the last chunk
        qint64 largo = -1; // the Content-Length sent when it is not the body's
        QByteArray antes{}; // raw bytes sent before the status line (an interim reply)
        QByteArrayList cabeceras{}; // more header lines
        int goteoMs = 0; // the whole reply sent one byte every goteoMs
        bool goteoSoloCuerpo = false; // the status line and headers at once, then the drip
        Generador generar{}; // the body after `cuerpo`, made while it is sent
    };
    using Manejador = std::function<Respuesta(const Peticion &)>;

    ServidorPrueba();

    void en(const QByteArray &ruta, Manejador manejador);
    void en(const QByteArray &ruta, const Respuesta &fija);
    [[nodiscard]] QUrl url(const QByteArray &ruta) const;

    [[nodiscard]] const QList<Peticion> &peticiones() const { return m_peticiones; }
    [[nodiscard]] qsizetype cuenta(const QByteArray &metodo, const QByteArray &ruta) const;
    void olvidar() { m_peticiones.clear(); }

private:
    void atender(QTcpSocket *s);
    static void enviar(QTcpSocket *s, const Respuesta &r);

    QTcpServer m_tcp;
    QHash<QByteArray, Manejador> m_rutas;
    QList<Peticion> m_peticiones;
};

/// A service description in the form the installation's server publishes: the twelve
/// operations in a binding of port `puerto` of service `servicio`, at `endpoint`.
/// Without `acciones` the binding gives no soapAction.
[[nodiscard]] QByteArray WsdlPrueba(const QString &endpoint, const QString &servicio = QStringLiteral("Itrazenservice"),
                                    const QString &puerto = QStringLiteral("ItrazenPort"), bool acciones = true);
