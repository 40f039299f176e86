#include "sim/RevisionComanda.h"
#include "sim/Catalogo.h"
#include "sim/Sql.h"
#include <cmath>

namespace {

struct Importes {
    double subTotal = 0, iva = 0, ieps = 0, total = 0;

    void sumar(const TDetalle &d)
    {
        subTotal += d.SubTotal;
        iva += d.IVA;
        ieps += d.IEPS;
        total += d.Total;
    }
};

// The slack keeps a sum that lands a hair past one cent (binary fractions) acceptable.
constexpr double kCentavo = 0.01 + 1e-9;

/// Which total of the header disagrees with the lines, or an empty text. Written so
/// that a NaN disagrees.
QString TotalDescuadrado(const TPedido &p)
{
    Importes lineas;
    ParaCada(p.ArrayDetalle, p.Count, [&](const TDetalle &d, qsizetype) { lineas.sumar(d); });
    const struct {
        const char *nombre;
        double cabecera, suma;
    } totales[] = {{"SubTotal", p.SubTotal, lineas.subTotal},
                   {"IVA", p.IVA, lineas.iva},
                   {"IEPS", p.IEPS, lineas.ieps},
                   {"Total", p.Total, lineas.total}};
    for (const auto &t : totales)
        if (!(std::abs(t.cabecera - t.suma) <= kCentavo))
            return QStringLiteral("El %1 de la comanda (%2) no cuadra con sus renglones (%3)")
                .arg(QLatin1StringView(t.nombre))
                .arg(t.cabecera, 0, 'f', 2)
                .arg(t.suma, 0, 'f', 2);
    return {};
}

} // namespace

RevisionComanda RevisarComanda(const TPedido &p, const QSqlDatabase &db, bool corteAbierto)
{
    if (!corteAbierto)
        return {SinCorte, QStringLiteral("No hay un corte de caja abierto"), {}};
    int presentes = 0;
    ParaCada(p.ArrayDetalle, p.Count, [&](const TDetalle &, qsizetype) { ++presentes; });
    if (p.Count <= 0 || presentes != p.Count)
        return {CabeceraErronea, QStringLiteral("La comanda no tiene renglones validos (Count %1)").arg(p.Count), {}};
    if (!Escalar(db, QStringLiteral("SELECT 1 FROM mesa WHERE nu = ?"), {p.NuPaso}).isValid())
        return {CabeceraErronea, QStringLiteral("La mesa %1 no existe").arg(p.NuPaso), {}};

    const Catalogo catalogo(db);
    QString faltante;
    ParaCada(p.ArrayDetalle, p.Count, [&](const TDetalle &d, qsizetype) {
        if (faltante.isNull() && !catalogo.existe(d.NuProducto))
            faltante = d.NuProducto;
    });
    if (!faltante.isNull())
        return {ProductoInexistente, QStringLiteral("El producto %1 no existe").arg(faltante), {}};
    if (const QString t = TotalDescuadrado(p); !t.isEmpty())
        return {NoGuardada, t, {}};

    RevisionComanda r{Guardada, {}, p};
    r.guardar.ArrayDetalle.clear();
    Importes fuera;
    QStringList agotados;
    ParaCada(p.ArrayDetalle, p.Count, [&](const TDetalle &d, qsizetype) {
        if (catalogo.agotado(d.NuProducto)) {
            agotados << d.NuProducto + u' ' + d.Producto;
            fuera.sumar(d);
        } else {
            r.guardar.ArrayDetalle.append(d);
        }
    });
    if (agotados.isEmpty())
        return r;
    if (r.guardar.ArrayDetalle.isEmpty())
        return {NoGuardada,
                QStringLiteral("Todos los productos de la comanda estan agotados: %1").arg(agotados.join(u", ")), {}};
    r.codigo = RenglonNoGuardado;
    r.motivo = QStringLiteral("Producto agotado, la comanda se guardo sin el: %1").arg(agotados.join(u", "));
    r.guardar.Count = int(r.guardar.ArrayDetalle.size());
    r.guardar.SubTotal -= fuera.subTotal;
    r.guardar.IVA -= fuera.iva;
    r.guardar.IEPS -= fuera.ieps;
    r.guardar.Total -= fuera.total;
    return r;
}
