#include "sim/AjustesSim.h"
#include <QJsonValue>
#include <cmath>
#include <variant>

namespace {

using Campo = std::variant<int *, bool *, QString *, std::optional<int> *, std::optional<bool> *>;

struct Descriptor {
    const char *nombre;
    const char *ayuda;
    Campo (*campo)(AjustesSim &);
};

#define TZ_CLAVE(m, ayuda) Descriptor{#m, ayuda, [](AjustesSim &a) -> Campo { return &a.m; }}

// One table drives JSON, the command line and --help, so the three never disagree.
const Descriptor kClaves[] = {
    TZ_CLAVE(version, "respuesta de VersionWSPos"),
    TZ_CLAVE(retraso_ms, "espera antes de cada respuesta SOAP, en ms"),
    TZ_CLAVE(retraso_en, "operaciones con espera: *, o Op1,Op2"),
    TZ_CLAVE(fault_en, "operaciones que responden un SOAP Fault: vacio, *, o Op1,Op2"),
    TZ_CLAVE(fault_texto, "faultstring de esos Fault"),
    TZ_CLAVE(http_error, "estado HTTP de error para las respuestas SOAP, 0 = ninguno"),
    TZ_CLAVE(http_error_en, "operaciones con error HTTP: *, o Op1,Op2"),
    TZ_CLAVE(http_error_fault, "el error HTTP lleva un SOAP Fault (si no, texto plano)"),
    TZ_CLAVE(malformado, "respuestas cortadas: XML mal formado"),
    TZ_CLAVE(malformado_en, "operaciones con respuesta mal formada: *, o Op1,Op2"),
    TZ_CLAVE(sin_resultado_en, "operaciones cuya respuesta omite el resultado (return): vacio, *, o Op1,Op2"),
    TZ_CLAVE(multiref, "registros como valores multi-referencia (false: en linea)"),
    TZ_CLAVE(esquema, "version de XML Schema de las respuestas: 1999, 2000 o 2001"),
    TZ_CLAVE(prefijo_ids, "prefijo de los id de multi-referencia"),
    TZ_CLAVE(adelantadas, "valores multi-referencia antes del elemento de respuesta"),
    TZ_CLAVE(guardar_codigo, "codigo fijo de Guardar_Comanda (no guarda nada); null = normal"),
    TZ_CLAVE(corte_abierto, "hay corte de caja abierto (false: Guardar_Comanda responde 3)"),
    TZ_CLAVE(rechazo, "AccesoUserXModuloXAlmacen niega el acceso a todos"),
    TZ_CLAVE(rechazo_texto, "mensaje de ese rechazo"),
    TZ_CLAVE(iva_incluido, "sustituye IVAIncluido de la empresa; null = el de la base"),
    TZ_CLAVE(op_ieps_sobre_iva, "sustituye OP_IEPS_SOBRE_IVA; null = el de la base"),
    TZ_CLAVE(wsdl_error, "estado HTTP de error para la descripcion WSDL, 0 = servirla"),
    TZ_CLAVE(ultimo_error, "texto del ultimo error (UltimoError)"),
    TZ_CLAVE(cerrar_en, "operaciones que, hecho su trabajo, cierran la conexion sin responder: vacio, *, o Op1,Op2"),
    TZ_CLAVE(morir_en, "operaciones que, hecho su trabajo, terminan el proceso sin responder: vacio, *, o Op1,Op2"),
    TZ_CLAVE(gotear_en, "operaciones cuya respuesta sale byte a byte: vacio, *, o Op1,Op2"),
    TZ_CLAVE(goteo_ms, "ms entre byte y byte de esas respuestas"),
    TZ_CLAVE(tarde_en, "operaciones cuya respuesta sale tarde sin detener al servidor: vacio, *, o Op1,Op2"),
    TZ_CLAVE(tarde_ms, "cuanto mas tarde, en ms"),
    TZ_CLAVE(productos_generados, "productos generados de la categoria Generados (90), 0 = ninguno"),
    TZ_CLAVE(bytes_foto_generada, "bytes de la foto de cada producto generado"),
};

#undef TZ_CLAVE

const Descriptor *buscar(const QString &nombre)
{
    for (const Descriptor &d : kClaves)
        if (nombre == QLatin1StringView(d.nombre))
            return &d;
    return nullptr;
}

std::optional<int> entero(const QJsonValue &v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (d != std::floor(d) || std::abs(d) > 2147483647.0)
        return std::nullopt;
    return int(d);
}

// Writes `v` into the field; false when the kind does not fit.
bool escribir(Campo campo, const QJsonValue &v)
{
    return std::visit(
        [&](auto *p) -> bool {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, int>) {
                const auto n = entero(v);
                return n ? (*p = *n, true) : false;
            } else if constexpr (std::is_same_v<T, bool>) {
                return v.isBool() ? (*p = v.toBool(), true) : false;
            } else if constexpr (std::is_same_v<T, QString>) {
                return v.isString() ? (*p = v.toString(), true) : false;
            } else if constexpr (std::is_same_v<T, std::optional<int>>) {
                if (v.isNull())
                    return p->reset(), true;
                const auto n = entero(v);
                return n ? (*p = *n, true) : false;
            } else {
                if (v.isNull())
                    return p->reset(), true;
                return v.isBool() ? (*p = v.toBool(), true) : false;
            }
        },
        campo);
}

QJsonValue leer(Campo campo)
{
    return std::visit(
        [](auto *p) -> QJsonValue {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, std::optional<int>> || std::is_same_v<T, std::optional<bool>>)
                return *p ? QJsonValue(**p) : QJsonValue(QJsonValue::Null);
            else
                return QJsonValue(*p);
        },
        campo);
}

std::optional<bool> booleano(const QString &t)
{
    const QString s = t.trimmed().toLower();
    if (s == u"true" || s == u"1" || s == u"si" || s == u"sí")
        return true;
    if (s == u"false" || s == u"0" || s == u"no")
        return false;
    return std::nullopt;
}

} // namespace

QString AjustesSim::aplicar(const QJsonObject &cambios)
{
    AjustesSim nuevo = *this;
    for (auto it = cambios.begin(); it != cambios.end(); ++it) {
        const Descriptor *d = buscar(it.key());
        if (!d)
            return QStringLiteral("clave desconocida: %1").arg(it.key());
        if (!escribir(d->campo(nuevo), it.value()))
            return QStringLiteral("valor no valido para %1").arg(it.key());
    }
    static const QStringList esquemas{QStringLiteral("1999"), QStringLiteral("2000"), QStringLiteral("2001")};
    if (!esquemas.contains(nuevo.esquema))
        return QStringLiteral("esquema debe ser 1999, 2000 o 2001");
    auto esError = [](int estado) { return estado == 0 || (estado >= 400 && estado <= 599); };
    if (!esError(nuevo.http_error) || !esError(nuevo.wsdl_error))
        return QStringLiteral("http_error y wsdl_error deben ser 0 o un estado de error de 400 a 599");
    if (nuevo.retraso_ms < 0 || nuevo.retraso_ms > 600000)
        return QStringLiteral("retraso_ms debe estar entre 0 y 600000");
    if (nuevo.goteo_ms < 1 || nuevo.goteo_ms > 600000)
        return QStringLiteral("goteo_ms debe estar entre 1 y 600000");
    if (nuevo.tarde_ms < 0 || nuevo.tarde_ms > 600000)
        return QStringLiteral("tarde_ms debe estar entre 0 y 600000");
    if (nuevo.productos_generados < 0 || nuevo.productos_generados > 1000000)
        return QStringLiteral("productos_generados debe estar entre 0 y 1000000");
    if (nuevo.bytes_foto_generada < 0 || nuevo.bytes_foto_generada > (64 << 20))
        return QStringLiteral("bytes_foto_generada debe estar entre 0 y 67108864");
    *this = nuevo;
    return {};
}

QString AjustesSim::aplicarTexto(const QString &clave, const QString &texto)
{
    const Descriptor *d = buscar(clave);
    if (!d)
        return QStringLiteral("clave desconocida: %1").arg(clave);
    AjustesSim muestra;
    QJsonValue valor;
    if (texto == u"null") {
        valor = QJsonValue::Null;
    } else {
        valor = std::visit(
            [&](auto *p) -> QJsonValue {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, QString>) {
                    return texto;
                } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, std::optional<bool>>) {
                    const auto b = booleano(texto);
                    return b ? QJsonValue(*b) : QJsonValue(QJsonValue::Undefined);
                } else {
                    bool ok = false;
                    const int n = texto.trimmed().toInt(&ok);
                    return ok ? QJsonValue(n) : QJsonValue(QJsonValue::Undefined);
                }
            },
            d->campo(muestra));
    }
    if (valor.isUndefined())
        return QStringLiteral("valor no valido para %1: %2").arg(clave, texto);
    return aplicar(QJsonObject{{clave, valor}});
}

QJsonObject AjustesSim::json() const
{
    AjustesSim copia = *this;
    QJsonObject o;
    for (const Descriptor &d : kClaves)
        o.insert(QLatin1StringView(d.nombre), leer(d.campo(copia)));
    return o;
}

bool AjustesSim::cubre(const QString &alcance, const QString &operacion)
{
    if (alcance.trimmed() == u"*")
        return true;
    const auto partes = alcance.split(u',', Qt::SkipEmptyParts);
    for (const QString &p : partes)
        if (p.trimmed() == operacion)
            return true;
    return false;
}

QList<AjustesSim::Clave> AjustesSim::claves()
{
    QList<Clave> r;
    for (const Descriptor &d : kClaves)
        r.append({QLatin1StringView(d.nombre), QString::fromUtf8(d.ayuda)});
    return r;
}
