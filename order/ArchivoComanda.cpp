#include "order/ArchivoComanda.h"
#include "service/EscritorJson.h"
#include "service/FormatoSoap.h"
#include "service/Json.h"
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace {
constexpr QByteArrayView Formato = "TrazenMovil-Comanda";
// Version 2 sums with BLAKE2b-256, six times faster than the SHA-256 of version 1 (the
// file is written at every change); version 1 files are still read.
constexpr int Version = 2;

const char *const NombresEstado[] = {"componiendo", "rechazada", "enviando", "sin_confirmar"};

[[noreturn]] void Fallar(const QString &porque) { throw ErrorComandaGuardada(porque.toStdString()); }

QByteArray Suma(QByteArrayView cuerpo, int version = Version)
{
    return QCryptographicHash::hash(cuerpo, version == 1 ? QCryptographicHash::Sha256 : QCryptographicHash::Blake2b_256)
        .toHex();
}

/// The body, written straight as text: it is made on every change of the comanda.
QByteArray Cuerpo(const ComandaEnCurso &c)
{
    EscritorJson j;
    j.setFechasComoDias(true);
    j.abrirObjeto();
    j.clave(QLatin1StringView("usuario"));
    j.texto(c.usuario);
    j.clave(QLatin1StringView("servidor"));
    j.texto(c.servidor);
    j.clave(QLatin1StringView("mesa"));
    j.texto(c.mesa);
    j.clave(QLatin1StringView("nombre"));
    j.texto(c.nombre);
    j.clave(QLatin1StringView("personas"));
    j.entero(c.personas);
    j.clave(QLatin1StringView("envio"));
    j.abrirObjeto();
    j.clave(QLatin1StringView("estado"));
    j.texto(QLatin1StringView(NombresEstado[int(c.envio.estado)]));
    j.clave(QLatin1StringView("mensaje"));
    j.texto(c.envio.mensaje);
    j.clave(QLatin1StringView("firma"));
    j.abrirObjeto();
    j.clave(QLatin1StringView("mesa"));
    j.entero(c.envio.firma.mesa);
    j.clave(QLatin1StringView("cliente"));
    j.texto(c.envio.firma.cliente);
    j.clave(QLatin1StringView("personas"));
    j.entero(c.envio.firma.personas);
    j.clave(QLatin1StringView("total"));
    j.numero(c.envio.firma.total);
    j.cerrarObjeto();
    j.clave(QLatin1StringView("previas"));
    if (c.envio.previas) {
        j.abrirArreglo();
        for (int n : *c.envio.previas)
            j.entero(n);
        j.cerrarArreglo();
    } else {
        j.nulo();
    }
    j.cerrarObjeto();
    j.clave(QLatin1StringView("pedido"));
    j.registro(&c.pedido, TPedido::tipo());
    j.cerrarObjeto();
    return j.tomar();
}

/// Reads JSON values strictly: a value of the wrong kind is a damaged file.
struct Lector {
    QString texto(const QJsonObject &o, const char *clave) const
    {
        const QJsonValue v = o.value(QLatin1StringView(clave));
        if (!v.isString())
            Fallar(QStringLiteral("falta el texto %1").arg(QLatin1StringView(clave)));
        return v.toString();
    }
    int entero(const QJsonObject &o, const char *clave) const
    {
        const QJsonValue v = o.value(QLatin1StringView(clave));
        const double d = v.toDouble(NAN);
        if (!v.isDouble() || d != std::floor(d) || std::abs(d) > 2147483647.0)
            Fallar(QStringLiteral("falta el número entero %1").arg(QLatin1StringView(clave)));
        return int(d);
    }
    double real(const QJsonObject &o, const char *clave) const
    {
        const QJsonValue v = o.value(QLatin1StringView(clave));
        if (v.isString()) // "NaN", "INF", "-INF"
            if (const auto d = LeerDoubleSoap(v.toString()))
                return *d;
        if (!v.isDouble())
            Fallar(QStringLiteral("falta el número %1").arg(QLatin1StringView(clave)));
        return v.toDouble();
    }
    QJsonObject objeto(const QJsonObject &o, const char *clave) const
    {
        const QJsonValue v = o.value(QLatin1StringView(clave));
        if (!v.isObject())
            Fallar(QStringLiteral("falta el objeto %1").arg(QLatin1StringView(clave)));
        return v.toObject();
    }
};

ComandaEnCurso DeJson(const QJsonObject &o)
{
    const Lector l;
    ComandaEnCurso c;
    c.usuario = l.texto(o, "usuario");
    c.servidor = l.texto(o, "servidor");
    c.mesa = l.texto(o, "mesa");
    c.nombre = l.texto(o, "nombre");
    c.personas = l.entero(o, "personas");

    const QJsonObject envio = l.objeto(o, "envio");
    const QString estado = l.texto(envio, "estado");
    const auto *nombre = std::find_if(std::begin(NombresEstado), std::end(NombresEstado),
                                      [&](const char *n) { return estado == QLatin1StringView(n); });
    if (nombre == std::end(NombresEstado))
        Fallar(QStringLiteral("estado de envío desconocido: %1").arg(estado));
    c.envio.estado = EstadoEnvio(nombre - std::begin(NombresEstado));
    c.envio.mensaje = l.texto(envio, "mensaje");
    const QJsonObject firma = l.objeto(envio, "firma");
    c.envio.firma = {l.entero(firma, "mesa"), l.texto(firma, "cliente"), l.entero(firma, "personas"),
                     l.real(firma, "total")};
    const QJsonValue previas = envio.value(QLatin1StringView("previas"));
    if (previas.isArray()) {
        QList<int> numeros;
        for (const QJsonValue &n : previas.toArray()) {
            if (!n.isDouble())
                Fallar(QStringLiteral("número de comanda no válido"));
            numeros.append(n.toInt());
        }
        c.envio.previas = numeros;
    } else if (!previas.isNull()) {
        Fallar(QStringLiteral("falta la lista previas"));
    }

    try {
        c.pedido = TPedido{};
        JsonARegistro(l.objeto(o, "pedido"), &c.pedido, TPedido::tipo());
    } catch (const ErrorJson &e) {
        Fallar(QStringLiteral("comanda no válida: %1").arg(QString::fromStdString(e.what())));
    }
    if (c.pedido.Count < 0 || c.pedido.Count > c.pedido.ArrayDetalle.size())
        Fallar(QStringLiteral("la comanda dice tener %1 líneas").arg(c.pedido.Count));
    return c;
}
} // namespace

QByteArray EscribirComandaEnCurso(const ComandaEnCurso &c)
{
    const QByteArray cuerpo = Cuerpo(c);
    return Formato.toByteArray() + ' ' + QByteArray::number(Version) + ' ' + QByteArray::number(cuerpo.size()) + ' '
        + Suma(cuerpo) + '\n' + cuerpo + '\n';
}

ComandaEnCurso LeerComandaEnCurso(const QByteArray &bytes)
{
    const qsizetype fin = bytes.indexOf('\n');
    const QList<QByteArray> cabecera = bytes.left(fin < 0 ? 0 : fin).split(' ');
    if (cabecera.size() != 4 || cabecera[0] != Formato)
        Fallar(QStringLiteral("no es un archivo de comanda"));
    bool ok = false;
    const int version = cabecera[1].toInt(&ok);
    if (!ok || version < 1 || version > Version)
        Fallar(QStringLiteral("es de otra versión del formato (%1)").arg(QString::fromLatin1(cabecera[1])));
    const qsizetype largo = cabecera[2].toLongLong(&ok);
    const QByteArrayView cuerpo = QByteArrayView(bytes).sliced(fin + 1);
    if (!ok || largo < 0 || largo > cuerpo.size() || Suma(cuerpo.first(largo), version) != cabecera[3])
        Fallar(QStringLiteral("está dañado o incompleto"));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(cuerpo.first(largo).toByteArray(), &error);
    if (!doc.isObject())
        Fallar(QStringLiteral("está dañado: %1").arg(error.errorString()));
    return DeJson(doc.object());
}
