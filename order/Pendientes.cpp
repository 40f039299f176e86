#include "order/Pendientes.h"
#include "util/Textos.h"

bool TieneModificadores(const TProducto &p)
{
    for (int k = 1; k <= 10; ++k) // Mod11 to Mod14 are never offered
        if (!QuitarSignos(p.Mod(k)).isEmpty())
            return true;
    return false;
}

int AlternarModificador(EspPendientes &pendientes, const QString &modificador)
{
    bool estaba = false;
    for (int k = 0; k < 5; ++k) {
        if (pendientes[k] == modificador) {
            pendientes[k].clear();
            estaba = true;
        }
    }
    if (estaba)
        return 0;
    for (int k = 0; k < 5; ++k) {
        if (pendientes[k].isEmpty()) {
            pendientes[k] = modificador;
            return 1;
        }
    }
    return 0;
}

QString EncabezadoModificadores(const QString &encabezado, const QString &producto, const EspPendientes &pendientes)
{
    const auto sinEspacios = [](QString s) { return s.remove(u' '); };
    bool alguno = false;
    for (const QString &p : pendientes)
        alguno = alguno || !sinEspacios(p).isEmpty();
    QString r = alguno ? producto : encabezado;
    for (const QString &p : pendientes)
        if (!sinEspacios(p).isEmpty())
            r += QStringLiteral("\r > ") + p;
    return r;
}
