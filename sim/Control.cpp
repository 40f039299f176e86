#include "sim/Control.h"
#include "sim/BaseDatos.h"
#include "sim/Operaciones.h"
#include "sim/Restaurante.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

RespuestaHttp Json(const QJsonValue &v, int estado = 200)
{
    RespuestaHttp r;
    r.estado = estado;
    r.tipo = "application/json";
    r.cuerpo = v.isArray() ? QJsonDocument(v.toArray()).toJson() : QJsonDocument(v.toObject()).toJson();
    return r;
}

RespuestaHttp Error(int estado, const QString &texto)
{
    return Json(QJsonObject{{QStringLiteral("error"), texto}}, estado);
}

// The comanda a request names: a number, or "todas" (0).
std::optional<int> Comanda(const QJsonObject &o, bool admiteTodas)
{
    const QJsonValue v = o.value(QStringLiteral("comanda"));
    if (admiteTodas && v.toString() == u"todas")
        return 0;
    if (v.isDouble() && v.toDouble() == v.toInt() && v.toInt() > 0)
        return v.toInt();
    return std::nullopt;
}

} // namespace

RespuestaHttp Control::atender(const QByteArray &metodo, const QString &ruta, const QByteArray &cuerpo)
{
    const bool get = metodo == "GET", post = metodo == "POST";
    QJsonObject entrada;
    if (post && !cuerpo.trimmed().isEmpty()) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(cuerpo, &error);
        if (!doc.isObject())
            return Error(400, QStringLiteral("se esperaba un objeto JSON: %1").arg(error.errorString()));
        entrada = doc.object();
    }

    if (ruta == u"estado" && get)
        return Json(m_ajustes.json());
    if (ruta == u"ajustes" && post) {
        const QString error = m_ajustes.aplicar(entrada);
        return error.isEmpty() ? Json(m_ajustes.json()) : Error(400, error);
    }
    if (ruta == u"listos" && post) {
        const auto nu = Comanda(entrada, true);
        if (!nu)
            return Error(400, QStringLiteral("comanda: un numero o \"todas\""));
        return Json(QJsonObject{{QStringLiteral("marcados"), m_restaurante.comandas().marcarListos(*nu)}});
    }
    if (ruta == u"cerrar" && post) {
        const auto nu = Comanda(entrada, false);
        if (!nu)
            return Error(400, QStringLiteral("comanda: un numero"));
        if (!m_restaurante.comandas().cerrar(*nu, entrada.value(QStringLiteral("propina")).toDouble()))
            return Error(404, QStringLiteral("no hay comanda abierta %1").arg(*nu));
        return Json(QJsonObject{{QStringLiteral("cerrada"), *nu}});
    }
    if (ruta == u"comandas" && get)
        return Json(m_restaurante.comandas().json());
    if (ruta == u"llamadas" && get)
        return Json(m_operaciones.llamadas());
    if (ruta == u"reiniciar" && post) {
        m_base.reiniciar();
        m_ajustes = m_iniciales;
        m_operaciones.olvidarLlamadas();
        return Json(m_ajustes.json());
    }
    static const QStringList rutas{"estado", "ajustes", "listos", "cerrar", "comandas", "llamadas", "reiniciar"};
    if (rutas.contains(ruta))
        return Error(405, QStringLiteral("metodo no admitido en /control/%1").arg(ruta));
    return Error(404, QStringLiteral("no existe /control/%1").arg(ruta));
}
