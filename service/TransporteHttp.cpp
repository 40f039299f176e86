#include "service/TransporteHttp.h"
#include "service/ErrorServicio.h"
#include "service/IntercambioHttp.h"
#include <QThread>

namespace {
constexpr int MaxRedirecciones = 5;

/// The request line and headers of one exchange.
QByteArray Cabeza(const QNetworkRequest &peticion, const QUrl &url, const QByteArray *cuerpo)
{
    QByteArray objetivo = url.path(QUrl::FullyEncoded).toLatin1();
    if (objetivo.isEmpty())
        objetivo = "/";
    if (url.hasQuery())
        objetivo += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray c = (cuerpo ? "POST " : "GET ") + objetivo + " HTTP/1.1\r\n";
    c += "Host: " + url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() + "\r\n";
    c += "User-Agent: TrazenMovil/2.0\r\n";
    static const QByteArrayList propias{"host", "user-agent", "content-length", "connection", "transfer-encoding"};
    const QList<QByteArray> nombres = peticion.rawHeaderList();
    for (const QByteArray &nombre : nombres)
        if (!propias.contains(nombre.toLower()))
            c += nombre + ": " + peticion.rawHeader(nombre) + "\r\n";
    if (cuerpo)
        c += "Content-Length: " + QByteArray::number(cuerpo->size()) + "\r\n";
    c += "Connection: close\r\n\r\n";
    return c;
}

bool EsRedireccion(int estado) { return estado == 301 || estado == 302 || estado == 303 || estado == 307 || estado == 308; }

bool EsHttp(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme().compare(u"http", Qt::CaseInsensitive) == 0
            || url.scheme().compare(u"https", Qt::CaseInsensitive) == 0);
}
} // namespace

TransporteHttp::TransporteHttp(std::shared_ptr<const std::atomic<bool>> cancelada)
    : m_hilo(QThread::currentThread()), m_cancelada(std::move(cancelada))
{
}

TransporteHttp::~TransporteHttp() = default;

TransporteHttp::Resultado TransporteHttp::enviar(QNetworkRequest peticion, const QByteArray *cuerpo,
                                                 const Lector &lector, Tiempos tiempos, qint64 limiteBytes)
{
    if (m_hilo != QThread::currentThread())
        throw ErrorServicio(QStringLiteral("Llamada al servicio desde un hilo que no es el suyo"));
    QUrl url = peticion.url();
    for (int saltos = 0;; ++saltos) {
        if (m_cancelada && m_cancelada->load())
            throw ErrorServicio(QStringLiteral("Llamada cancelada"));
        if (!EsHttp(url))
            throw ErrorServicio(QStringLiteral("La dirección %1 no es de un servidor HTTP").arg(url.toDisplayString()));
        // A GET may be told to go elsewhere: the headers say so, and the body is not read.
        QUrl destino;
        const auto alCabeceras = [&](const LectorHttp &r) {
            if (cuerpo || saltos >= MaxRedirecciones || !EsRedireccion(r.estado()))
                return true;
            destino = url.resolved(QUrl::fromEncoded(r.cabecera("location")));
            const bool menosSegura = url.scheme().compare(u"https", Qt::CaseInsensitive) == 0
                && destino.scheme().compare(u"https", Qt::CaseInsensitive) != 0;
            if (!EsHttp(destino) || menosSegura)
                destino.clear();
            return destino.isEmpty();
        };
        IntercambioHttp intercambio(url, tiempos, limiteBytes, m_cancelada.get());
        Resultado r = intercambio.ejecutar(Cabeza(peticion, url, cuerpo), cuerpo, lector, alCabeceras);
        if (destino.isEmpty())
            return r;
        url = destino;
    }
}
