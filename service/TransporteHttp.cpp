#include "service/TransporteHttp.h"
#include "service/ErrorServicio.h"
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>

namespace {
enum class Corte { Ninguno, Conectar, Recibir, Limite, Lector };

QString Servidor(const QUrl &url) { return url.authority(); }

/// An HTTP error status arrives as a network error too, but its body is a reply.
bool EsEstadoHttp(QNetworkReply::NetworkError e, const QVariant &estado)
{
    return estado.isValid() && ((e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError)
                                || (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError));
}

QString MensajeRed(const QNetworkReply &r)
{
    const QString s = Servidor(r.url());
    switch (r.error()) {
    case QNetworkReply::ConnectionRefusedError: return QStringLiteral("El servidor %1 rechazó la conexión").arg(s);
    case QNetworkReply::HostNotFoundError: return QStringLiteral("No se encontró el servidor %1").arg(s);
    case QNetworkReply::RemoteHostClosedError: return QStringLiteral("El servidor %1 cerró la conexión").arg(s);
    case QNetworkReply::TimeoutError: return QStringLiteral("Tiempo de espera agotado con el servidor %1").arg(s);
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError: return QStringLiteral("No hay red para llegar al servidor %1").arg(s);
    case QNetworkReply::ProtocolUnknownError:
        return QStringLiteral("La dirección %1 no es de un servidor HTTP").arg(r.url().toDisplayString());
    default: return QStringLiteral("Error de comunicación con el servidor %1: %2").arg(s, r.errorString());
    }
}
} // namespace

TransporteHttp::TransporteHttp() : m_red(std::make_unique<QNetworkAccessManager>()) {}

TransporteHttp::~TransporteHttp() = default;

TransporteHttp::Resultado TransporteHttp::enviar(QNetworkRequest peticion, const QByteArray *cuerpo,
                                                 const Lector &lector, Tiempos tiempos, qint64 limiteBytes)
{
    if (m_red->thread() != QThread::currentThread())
        throw ErrorServicio(QStringLiteral("Llamada al servicio desde un hilo que no es el suyo"));
    peticion.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("TrazenMovil/2.0"));

    const std::unique_ptr<QNetworkReply> r(cuerpo ? m_red->post(peticion, *cuerpo) : m_red->get(peticion));
    Resultado res;
    Corte corte = Corte::Ninguno;
    bool conectado = false;
    qint64 recibidos = 0;
    QTimer reloj;
    reloj.setSingleShot(true);

    const auto cortar = [&](Corte c) {
        if (corte == Corte::Ninguno) {
            corte = c;
            r->abort();
        }
    };
    const auto leer = [&] {
        if (corte != Corte::Ninguno)
            return;
        const QByteArray trozo = r->readAll();
        if (trozo.isEmpty())
            return;
        conectado = true;
        reloj.start(tiempos.recibirMs);
        if ((recibidos += trozo.size()) > limiteBytes)
            return cortar(Corte::Limite);
        try {
            lector(trozo);
        } catch (...) { // the reader's failure ends the download; the caller weighs it
            res.errorDelLector = std::current_exception();
            cortar(Corte::Lector);
        }
    };
    QObject::connect(&reloj, &QTimer::timeout, r.get(), [&] { cortar(conectado ? Corte::Recibir : Corte::Conectar); });
    QObject::connect(r.get(), &QNetworkReply::requestSent, r.get(), [&] {
        conectado = true;
        reloj.start(tiempos.recibirMs);
    });
    QObject::connect(r.get(), &QNetworkReply::metaDataChanged, r.get(), [&] {
        if (r->header(QNetworkRequest::ContentLengthHeader).toLongLong() > limiteBytes)
            cortar(Corte::Limite);
    });
    QObject::connect(r.get(), &QNetworkReply::readyRead, r.get(), leer);

    QEventLoop bucle;
    QObject::connect(r.get(), &QNetworkReply::finished, &bucle, &QEventLoop::quit);
    reloj.start(tiempos.conectarMs);
    if (!r->isFinished())
        bucle.exec(QEventLoop::ExcludeUserInputEvents);
    reloj.stop();
    leer();

    const QVariant estado = r->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    switch (corte) {
    case Corte::Conectar:
        throw ErrorServicio(QStringLiteral("Tiempo de espera agotado al conectar con el servidor %1 (%2 ms)")
                                .arg(Servidor(r->url()))
                                .arg(tiempos.conectarMs));
    case Corte::Recibir:
        throw ErrorServicio(QStringLiteral("Tiempo de espera agotado esperando la respuesta del servidor %1 (%2 ms)")
                                .arg(Servidor(r->url()))
                                .arg(tiempos.recibirMs));
    case Corte::Limite:
        throw ErrorServicio(QStringLiteral("La respuesta del servidor %1 excede el límite de %2 bytes")
                                .arg(Servidor(r->url()))
                                .arg(limiteBytes));
    case Corte::Lector:
    case Corte::Ninguno:
        break;
    }
    if (corte == Corte::Ninguno && r->error() != QNetworkReply::NoError && !EsEstadoHttp(r->error(), estado))
        throw ErrorServicio(MensajeRed(*r));
    res.estado = estado.toInt();
    res.razon = r->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    return res;
}
