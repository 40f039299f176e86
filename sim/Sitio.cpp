#include "sim/Sitio.h"
#include "sim/Wsdl.h"

namespace {

RespuestaHttp Texto(int estado, const QString &texto)
{
    RespuestaHttp r;
    r.estado = estado;
    r.cuerpo = texto.toUtf8() + '\n';
    return r;
}

const char kIndice[] = "wstrazen-sim: servidor de prueba del servicio Itrazen\n"
                       "\n"
                       "GET  /WSTrazen.dll/wsdl/Itrazen   descripcion WSDL\n"
                       "POST /WSTrazen.dll/soap/Itrazen   operaciones SOAP\n"
                       "GET  /control/estado              ajustes actuales\n"
                       "POST /control/ajustes             cambia ajustes (JSON)\n"
                       "POST /control/listos              {\"comanda\": N | \"todas\"}: platillos listos\n"
                       "POST /control/cerrar              {\"comanda\": N, \"propina\": x}: termina una comanda\n"
                       "GET  /control/comandas            comandas guardadas, completas\n"
                       "GET  /control/llamadas            operaciones recibidas\n"
                       "POST /control/reiniciar           base y ajustes como al inicio\n";

} // namespace

Sitio::Sitio(const QString &archivo, const AjustesSim &iniciales)
    : m_iniciales(iniciales), m_ajustes(iniciales), m_base(archivo), m_restaurante(m_base.db(), m_ajustes),
      m_operaciones(m_restaurante, m_ajustes),
      m_control(m_base, m_restaurante, m_operaciones, m_ajustes, m_iniciales)
{
}

RespuestaHttp Sitio::atender(const PeticionHttp &peticion)
{
    const QString ruta = peticion.ruta;
    auto es = [&](const char *r) { return ruta.compare(QLatin1StringView(r), Qt::CaseInsensitive) == 0; };
    const bool get = peticion.metodo == "GET", post = peticion.metodo == "POST";

    if (es(RutaWsdl)) {
        if (!get)
            return Texto(405, QStringLiteral("use GET"));
        if (m_ajustes.wsdl_error > 0)
            return Texto(m_ajustes.wsdl_error, QStringLiteral("Error HTTP %1 simulado").arg(m_ajustes.wsdl_error));
        const QString host = peticion.host.isEmpty() ? QStringLiteral("127.0.0.1") : QString::fromLatin1(peticion.host);
        RespuestaHttp r;
        r.tipo = "text/xml; charset=utf-8";
        r.cuerpo = DescripcionWsdl(QStringLiteral("http://") + host);
        return r;
    }
    if (es(RutaSoap)) {
        if (!post)
            return Texto(405, QStringLiteral("use POST"));
        return m_operaciones.atender(peticion.cuerpo, QString::fromLatin1(peticion.accion));
    }
    if (ruta.startsWith(QStringLiteral("/control/"), Qt::CaseInsensitive))
        return m_control.atender(peticion.metodo, ruta.mid(9).toLower(), peticion.cuerpo);
    if (ruta == u"/" && get)
        return Texto(200, QString::fromUtf8(kIndice).trimmed());
    return Texto(404, QStringLiteral("no existe %1").arg(ruta));
}
