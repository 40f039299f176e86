#include "sim/Catalogo.h"
#include "sim/Sql.h"
#include <cmath>

namespace {

// Columns read into a TProducto, in this order.
const QString kColumnas = QStringLiteral(
    "p.id, p.descripcion, p.fabricante, p.modelo, p.detalle, p.existencia, p.nu_categoria, p.nu_subcategoria,"
    " p.nu_moneda, c.descripcion, COALESCE(s.descripcion, ''), p.unidad, p.precio, p.tasa_iva, p.tasa_ieps,"
    " p.barcode, p.foto, p.nu_impresora");

TProducto LeerProducto(const QSqlQuery &q, const QSqlDatabase &db, bool fotos)
{
    TProducto p;
    p.ID = q.value(0).toString();
    p.Descripcion = q.value(1).toString();
    p.Fabricante = q.value(2).toString();
    p.Modelo = q.value(3).toString();
    p.Detalle = q.value(4).toString();
    p.Existencia = q.value(5).toDouble();
    p.NuEstado = 1;
    p.OP_UNIDADDEVENTA = 1;
    p.NuCategoria = q.value(6).toInt();
    p.NuSubCategoria = q.value(7).toInt();
    p.NuUnidadMedida = 1;
    p.NuMoneda = q.value(8).toInt();
    p.Categoria = q.value(9).toString();
    p.SubCategoria = q.value(10).toString();
    p.Unidad = q.value(11).toString();
    p.Precio = q.value(12).toDouble();
    p.Precio01 = p.Precio;
    p.TasaIVA = q.value(13).toDouble();
    p.TasaIEPS = q.value(14).toDouble();
    // Menu prices already include the taxes.
    p.PrecioConImp = p.Precio;
    p.Costo = std::round(p.Precio * 35) / 100;
    p.Barcode1 = q.value(15).toString();
    p.NuPrecio1 = QStringLiteral("1");
    if (fotos)
        p.Foto = q.value(16).toByteArray();
    p.FotoStr = p.ID + QStringLiteral(".jpg");
    QSqlQuery m = Ejecutar(db, QStringLiteral("SELECT orden, texto FROM modificador WHERE id_producto = ?"
                                              " AND orden BETWEEN 1 AND 14 ORDER BY orden"),
                           {p.ID});
    while (m.next())
        p.Mod(m.value(0).toInt()) = m.value(1).toString();
    return p;
}

} // namespace

TListaCategoria Catalogo::categorias(bool fotos) const
{
    TListaCategoria lista;
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT nu, descripcion, foto FROM categoria ORDER BY nu"));
    while (q.next()) {
        TCategoria c;
        c.NuCategoria = q.value(0).toInt();
        c.Descripcion = q.value(1).toString();
        if (fotos)
            c.Foto = q.value(2).toByteArray();
        TListaSubCategoria &subs = c.ListaSubCategoria.emplace();
        QSqlQuery s = Ejecutar(m_db,
                               QStringLiteral("SELECT nu, descripcion, foto FROM subcategoria WHERE nu_categoria = ?"
                                              " ORDER BY nu"),
                               {c.NuCategoria});
        while (s.next()) {
            TSubCategoria sc;
            sc.NuSubCategoria = s.value(0).toInt();
            sc.NuCategoria = c.NuCategoria;
            sc.Descripcion = s.value(1).toString();
            if (fotos)
                sc.Foto = s.value(2).toByteArray();
            subs.ArraySubCategoria.append(sc);
        }
        subs.Count = int(subs.ArraySubCategoria.size());
        lista.ArrayCategoria.append(std::move(c));
    }
    lista.Count = int(lista.ArrayCategoria.size());
    return lista;
}

TListaProducto Catalogo::productos(const Filtro &filtro, bool fotos) const
{
    QString donde;
    QVariantList valores;
    switch (filtro.clase) {
    case Filtro::Clase::Invalido:
        return {};
    case Filtro::Clase::Categoria:
        donde = QStringLiteral("p.nu_categoria = ?");
        valores = {filtro.categoria};
        break;
    case Filtro::Clase::Subcategoria:
        donde = QStringLiteral("p.nu_categoria = ? AND p.nu_subcategoria = ?");
        valores = {filtro.categoria, filtro.subcategoria};
        break;
    case Filtro::Clase::Texto: // matched below: SQLite folds neither accents nor non-ASCII case
        donde = QStringLiteral("1");
        break;
    case Filtro::Clase::Codigo:
        donde = QStringLiteral("(p.id = ? OR (p.barcode <> '' AND p.barcode = ?))");
        valores = {filtro.texto, filtro.texto};
        break;
    }
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("SELECT %1 FROM producto p JOIN categoria c ON c.nu = p.nu_categoria"
                                          " LEFT JOIN subcategoria s ON s.nu = p.nu_subcategoria WHERE %2"
                                          " ORDER BY CAST(p.id AS INTEGER), p.id")
                               .arg(kColumnas, donde),
                           valores);
    TListaProducto lista;
    while (q.next()) {
        if (filtro.clase == Filtro::Clase::Texto && !filtro.contieneTexto(q.value(1).toString()))
            continue;
        lista.ArrayProducto.append(LeerProducto(q, m_db, fotos));
    }
    lista.Count = int(lista.ArrayProducto.size());
    return lista;
}

bool Catalogo::existe(const QString &id) const
{
    return Escalar(m_db, QStringLiteral("SELECT 1 FROM producto WHERE id = ?"), {id}).isValid();
}

bool Catalogo::agotado(const QString &id) const
{
    return Escalar(m_db, QStringLiteral("SELECT existencia <= 0 FROM producto WHERE id = ?"), {id}).toBool();
}
