#include "service/LlamadaJson.h"

namespace {
/// The values of one call, made and filled.
struct Llamada {
    QList<ValorPropio> valores;
    QList<Valor> refs;
    std::optional<ValorPropio> resultado;
};

Llamada Llamar(ItrazenSoap &itrazen, const OperacionItrazen &op, const QJsonObject &argumentos)
{
    for (auto it = argumentos.begin(); it != argumentos.end(); ++it) {
        const auto p = std::find_if(op.parametros.begin(), op.parametros.end(),
                                    [&](const ParametroItrazen &p) { return it.key() == QLatin1StringView(p.nombre); });
        if (p == op.parametros.end())
            throw ErrorJson(QStringLiteral("%1 no tiene el parámetro %2")
                                .arg(QLatin1StringView(op.nombre), it.key())
                                .toStdString());
        if (p->modo == ModoParametro::Out)
            throw ErrorJson(QStringLiteral("%1 es un parámetro de salida").arg(it.key()).toStdString());
    }

    Llamada l;
    for (const ParametroItrazen &p : op.parametros) {
        l.valores.append(p.nuevo());
        const QString nombre = QLatin1StringView(p.nombre);
        if (argumentos.contains(nombre)) {
            try {
                JsonAValor(argumentos.value(nombre), l.valores.constLast().valor());
            } catch (const ErrorJson &e) {
                throw ErrorJson(QStringLiteral("%1: %2").arg(nombre, QString::fromStdString(e.what())).toStdString());
            }
        }
        l.refs.append(l.valores.constLast().valor());
    }
    if (op.resultado)
        l.resultado = op.resultado->nuevo();
    itrazen.llamar(op, l.refs, l.resultado ? std::optional<Valor>(l.resultado->valor()) : std::nullopt);
    return l;
}
} // namespace

QJsonObject LlamarConJson(ItrazenSoap &itrazen, const OperacionItrazen &op, const QJsonObject &argumentos)
{
    const Llamada l = Llamar(itrazen, op, argumentos);
    QJsonObject salida{{QStringLiteral("result"), l.resultado ? ValorAJson(l.resultado->valor()) : QJsonValue()}};
    for (qsizetype i = 0; i < l.refs.size(); ++i)
        if (op.parametros[i].modo != ModoParametro::Const)
            salida.insert(QLatin1StringView(op.parametros[i].nombre), ValorAJson(l.refs[i]));
    return salida;
}

void LlamarConJson(ItrazenSoap &itrazen, const OperacionItrazen &op, const QJsonObject &argumentos,
                   EscritorJson &salida)
{
    const Llamada l = Llamar(itrazen, op, argumentos);
    salida.abrirObjeto();
    salida.clave(QLatin1StringView("result"));
    if (l.resultado)
        salida.valor(l.resultado->valor());
    else
        salida.nulo();
    for (qsizetype i = 0; i < l.refs.size(); ++i)
        if (op.parametros[i].modo != ModoParametro::Const) {
            salida.clave(QLatin1StringView(op.parametros[i].nombre));
            salida.valor(l.refs[i]);
        }
    salida.cerrarObjeto();
}
