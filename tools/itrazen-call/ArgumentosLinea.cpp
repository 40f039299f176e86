#include "ArgumentosLinea.h"
#include "service/FormatoSoap.h"
#include "service/Json.h"
#include <QFile>
#include <QJsonDocument>

namespace {
[[noreturn]] void Fallar(const QString &mensaje) { throw ErrorJson(mensaje.toStdString()); }

QJsonValue Convertir(const ParametroItrazen &p, const QString &texto)
{
    const QString nombre = QLatin1StringView(p.nombre);
    const QLatin1StringView tipo(p.tipo);
    if (tipo == "string")
        return texto;
    if (tipo == "Integer") {
        if (const auto v = LeerEnteroSoap(texto))
            return *v;
        Fallar(QStringLiteral("%1 espera un entero: %2").arg(nombre, texto));
    }
    if (tipo == "Boolean") {
        if (const auto v = LeerBooleanoSoap(texto))
            return *v;
        Fallar(QStringLiteral("%1 espera true o false: %2").arg(nombre, texto));
    }
    if (tipo == "Real") {
        if (const auto v = LeerDoubleSoap(texto))
            return std::isfinite(*v) ? QJsonValue(*v) : QJsonValue(texto.trimmed());
        Fallar(QStringLiteral("%1 espera un número con punto decimal: %2").arg(nombre, texto));
    }
    // A record: JSON, inline or from a file.
    QByteArray json = texto.toUtf8();
    if (texto.startsWith(u'@')) {
        QFile f(texto.mid(1));
        if (!f.open(QIODevice::ReadOnly))
            Fallar(QStringLiteral("No se pudo leer %1: %2").arg(f.fileName(), f.errorString()));
        json = f.readAll();
    }
    QJsonParseError error;
    const QJsonDocument d = QJsonDocument::fromJson(json, &error);
    if (!d.isObject())
        Fallar(QStringLiteral("%1 espera un objeto JSON (%2)").arg(nombre, error.errorString()));
    return d.object();
}
} // namespace

QJsonObject ArgumentosDeLinea(const OperacionItrazen &op, const QStringList &pares)
{
    QJsonObject r;
    for (const QString &par : pares) {
        const qsizetype igual = par.indexOf(u'=');
        if (igual <= 0)
            Fallar(QStringLiteral("Se esperaba Nombre=valor: %1").arg(par));
        const QString nombre = par.left(igual);
        const auto p = std::find_if(op.parametros.begin(), op.parametros.end(),
                                    [&](const ParametroItrazen &p) { return nombre == QLatin1StringView(p.nombre); });
        if (p == op.parametros.end())
            Fallar(QStringLiteral("%1 no tiene el parámetro %2").arg(QLatin1StringView(op.nombre), nombre));
        if (p->modo == ModoParametro::Out)
            Fallar(QStringLiteral("%1 es un parámetro de salida").arg(nombre));
        r.insert(nombre, Convertir(*p, par.mid(igual + 1)));
    }
    return r;
}

QString FirmaDe(const OperacionItrazen &op)
{
    QString s = QLatin1StringView(op.nombre);
    for (const ParametroItrazen &p : op.parametros)
        s += QStringLiteral(" %1%2:%3")
                 .arg(p.modo == ModoParametro::Var ? QStringLiteral("var ")
                      : p.modo == ModoParametro::Out ? QStringLiteral("out ")
                                                     : QString(),
                      QLatin1StringView(p.nombre), QLatin1StringView(p.tipo));
    if (op.resultado)
        s += QStringLiteral(" -> %1").arg(QLatin1StringView(op.resultado->tipo));
    return s;
}
