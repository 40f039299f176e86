#include "service/LlamadaJson.h"

QJsonObject LlamarConJson(ItrazenSoap &itrazen, const OperacionItrazen &op, const QJsonObject &argumentos)
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

    QList<ValorPropio> valores;
    QList<Valor> refs;
    for (const ParametroItrazen &p : op.parametros) {
        valores.append(p.nuevo());
        const QString nombre = QLatin1StringView(p.nombre);
        if (argumentos.contains(nombre)) {
            try {
                JsonAValor(argumentos.value(nombre), valores.constLast().valor());
            } catch (const ErrorJson &e) {
                throw ErrorJson(QStringLiteral("%1: %2").arg(nombre, QString::fromStdString(e.what())).toStdString());
            }
        }
        refs.append(valores.constLast().valor());
    }
    const std::optional<ValorPropio> resultado =
        op.resultado ? std::optional<ValorPropio>(op.resultado->nuevo()) : std::nullopt;
    itrazen.llamar(op, refs, resultado ? std::optional<Valor>(resultado->valor()) : std::nullopt);

    QJsonObject salida{{QStringLiteral("result"), resultado ? ValorAJson(resultado->valor()) : QJsonValue()}};
    for (qsizetype i = 0; i < refs.size(); ++i)
        if (op.parametros[i].modo != ModoParametro::Const)
            salida.insert(QLatin1StringView(op.parametros[i].nombre), ValorAJson(refs[i]));
    return salida;
}
