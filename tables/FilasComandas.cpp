#include "tables/FilasComandas.h"
#include "tables/ParteEntera.h"
#include "util/Numeros.h"

namespace {
QString Importe(double v) { return FormatoPatron(v, QStringLiteral("###,##0.00")); }

ListaVista::Fila Cierre(double total)
{
    return {ListaVista::Cierre, QStringLiteral("Total Cuenta: $ ") + Importe(total), {}};
}
} // namespace

QList<ListaVista::Fila> FilasComandas(const TListaInfo1 &lista)
{
    QList<const TInfo1 *> comandas;
    ParaCada(lista.ArrayInfo1, lista.Count, [&](const TInfo1 &c, qsizetype) { comandas << &c; });

    QList<ListaVista::Fila> filas;
    QString mesa; // the table of the run being built
    double total = 0;
    for (qsizetype i = 0; i < comandas.size(); ++i) {
        const TInfo1 &c = *comandas[i];
        if (mesa != c.Sucursal) {
            if (i > 0)
                filas << Cierre(total);
            filas << ListaVista::Fila{ListaVista::Encabezado, c.Sucursal, {}};
            mesa = c.Sucursal;
            total = 0;
        }
        filas << ListaVista::Fila{ListaVista::Item,
                                  QString::number(c.DB) + QStringLiteral(":  - ") + c.Nombre + QStringLiteral(" (")
                                      + TextoParteEntera(c.Cant) + u')',
                                  QStringLiteral("$ ") + Importe(c.Total)};
        total += c.Total;
    }
    if (!comandas.isEmpty())
        filas << Cierre(total);
    return filas;
}
