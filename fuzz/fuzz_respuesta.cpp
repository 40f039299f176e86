// libFuzzer target: any bytes as a reply of the service, read the way the client reads
// one (fed in pieces, as the network hands them over) and then decoded as the reply of
// each of the twelve operations. An ErrorServicio is the expected way to refuse; any
// other exception, a crash, a sanitizer report, a hang or runaway memory is a finding.
#include "service/ErrorServicio.h"
#include "service/Json.h"
#include "service/OperacionesItrazen.h"
#include "service/RespuestaSoap.h"
#include <cstddef>
#include <cstdint>

namespace {
/// Decodes the complete reply as the result and var/out arguments of `op`, then turns
/// them into JSON as itrazen-call prints them.
void LeerComo(RespuestaSoap &respuesta, const OperacionItrazen &op)
{
    QList<ValorPropio> valores;
    QList<Parte> salidas;
    for (const ParametroItrazen &p : op.parametros) {
        valores.append(p.nuevo());
        if (p.modo != ModoParametro::Const)
            salidas.append({QLatin1StringView(p.nombre), valores.constLast().valor()});
    }
    const std::optional<ValorPropio> resultado =
        op.resultado ? std::optional<ValorPropio>(op.resultado->nuevo()) : std::nullopt;
    try {
        respuesta.leer(QString::fromLatin1(op.nombre),
                       resultado ? std::optional(resultado->valor()) : std::nullopt, salidas);
    } catch (const ErrorServicio &) {
        return;
    }
    if (resultado)
        (void)ValorAJson(resultado->valor());
    for (const Parte &p : std::as_const(salidas))
        (void)ValorAJson(p.valor);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo)
{
    // The piece size follows from the input, so the same reply is also tried cut at
    // other places: the reader must resume wherever a network read ends.
    const qsizetype trozo = 1 + qsizetype(largo % 67) * 61;
    const QByteArrayView todo(datos, qsizetype(largo));
    // A small size limit, so that exceeding it is reachable too.
    RespuestaSoap respuesta(64 * 1024);
    try {
        for (qsizetype i = 0; i < todo.size(); i += trozo)
            respuesta.alimentar(todo.sliced(i, std::min(trozo, todo.size() - i)));
        (void)respuesta.esSobre();
        respuesta.terminar();
    } catch (const ErrorServicio &) {
        return 0;
    }
    for (const OperacionItrazen &op : OperacionesItrazen())
        LeerComo(respuesta, op);
    return 0;
}
