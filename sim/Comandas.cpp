#include "sim/Comandas.h"
#include "sim/RegistroJson.h"
#include "sim/Sql.h"
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

int Comandas::guardar(const TPedido &pedido, int nuUser, int numero)
{
    const QByteArray json = QJsonDocument(RegistroJson(pedido)).toJson(QJsonDocument::Compact);
    // Inside a caller's transaction (seeding) the caller commits.
    const bool propia = m_db.transaction();
    try {
        QSqlQuery q = Ejecutar(m_db,
                               QStringLiteral("INSERT INTO comanda (nu, nu_mesa, cliente, personas, subtotal, iva,"
                                              " ieps, total, nu_user, creada, pedido) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
                               {numero > 0 ? QVariant(numero) : QVariant(), pedido.NuPaso, pedido.ReferenciaPago, pedido.NuEstado, pedido.SubTotal, pedido.IVA,
                                pedido.IEPS, pedido.Total, nuUser,
                                QDateTime::currentDateTime().toString(Qt::ISODate), QString::fromUtf8(json)});
        const int nu = q.lastInsertId().toInt();
        int renglon = 0;
        ParaCada(pedido.ArrayDetalle, pedido.Count, [&](const TDetalle &d, qsizetype) {
            const int impresora =
                Escalar(m_db, QStringLiteral("SELECT nu_impresora FROM producto WHERE id = ?"), {d.NuProducto})
                    .toInt();
            Ejecutar(m_db,
                     QStringLiteral("INSERT INTO platillo (nu_comanda, renglon, nu_detalle, id_producto, producto,"
                                    " cantidad, nu_impresora) VALUES (?,?,?,?,?,?,?)"),
                     {nu, ++renglon, d.NuDetalle, d.NuProducto, d.Producto, d.Cantidad, impresora});
        });
        if (propia)
            m_db.commit();
        return nu;
    } catch (...) {
        if (propia)
            m_db.rollback();
        throw;
    }
}

TListaInfo1 Comandas::abiertas() const
{
    // Ordered by table, so that the comandas of one table come one after another.
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT c.nu, c.nu_mesa, c.cliente, m.nombre, c.total, c.personas,"
                                                " c.creada FROM comanda c JOIN mesa m ON m.nu = c.nu_mesa"
                                                " WHERE c.estado = 'abierta' ORDER BY c.nu_mesa, c.nu"));
    TListaInfo1 lista;
    while (q.next()) {
        TInfo1 i;
        i.DB = q.value(0).toInt();
        i.NuAlmacen = q.value(1).toInt();
        i.Nombre = q.value(2).toString();
        i.Sucursal = q.value(3).toString();
        i.Total = q.value(4).toDouble();
        i.Cant = q.value(5).toDouble();
        const QDateTime creada = QDateTime::fromString(q.value(6).toString(), Qt::ISODate);
        i.Fecha = QDateTime(creada.date(), QTime(0, 0));
        i.Hora = creada;
        lista.ArrayInfo1.append(i);
    }
    lista.Count = int(lista.ArrayInfo1.size());
    return lista;
}

QHash<int, int> Comandas::abiertasPorMesa() const
{
    QSqlQuery q = Ejecutar(
        m_db, QStringLiteral("SELECT nu_mesa, COUNT(*) FROM comanda WHERE estado = 'abierta' GROUP BY nu_mesa"));
    QHash<int, int> r;
    while (q.next())
        r.insert(q.value(0).toInt(), q.value(1).toInt());
    return r;
}

TListaSurtido Comandas::listos(int nuImpresora) const
{
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("SELECT p.nu_comanda, p.renglon, c.cliente, m.nombre, p.producto, p.cantidad,"
                                          " p.nu_impresora FROM platillo p JOIN comanda c ON c.nu = p.nu_comanda"
                                          " JOIN mesa m ON m.nu = c.nu_mesa WHERE p.estado = 'listo'"
                                          " AND (? = 0 OR p.nu_impresora = ?) ORDER BY p.nu_comanda, p.renglon"),
                           {nuImpresora, nuImpresora});
    TListaSurtido lista;
    while (q.next()) {
        TSurtido s;
        s.NuVenta = q.value(0).toInt();
        s.NuVenta_Mov = q.value(1).toInt();
        s.Cliente = q.value(2).toString();
        s.Mesa = q.value(3).toString();
        s.Producto = q.value(4).toString();
        s.Cantidad = q.value(5).toDouble();
        s.NuPrinter = q.value(6).toInt();
        lista.ArraySurtido.append(s);
    }
    lista.Count = int(lista.ArraySurtido.size());
    return lista;
}

int Comandas::marcarLeidos(int nuImpresora)
{
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("UPDATE platillo SET estado = 'leido' WHERE estado = 'listo'"
                                          " AND (? = 0 OR nu_impresora = ?)"),
                           {nuImpresora, nuImpresora});
    return q.numRowsAffected();
}

int Comandas::marcarListos(int nuComanda)
{
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("UPDATE platillo SET estado = 'listo' WHERE estado = 'pendiente'"
                                          " AND (? = 0 OR nu_comanda = ?)"),
                           {nuComanda, nuComanda});
    return q.numRowsAffected();
}

bool Comandas::cerrar(int nuComanda, double propina)
{
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("UPDATE comanda SET estado = 'terminada', propina = ?"
                                          " WHERE nu = ? AND estado = 'abierta'"),
                           {propina, nuComanda});
    return q.numRowsAffected() == 1;
}

Comandas::Resumen Comandas::resumen(int nuUser) const
{
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("SELECT COALESCE(SUM(estado = 'abierta'), 0),"
                                          " COALESCE(SUM(estado = 'terminada'), 0),"
                                          " COALESCE(SUM(CASE WHEN estado = 'terminada' THEN propina END), 0),"
                                          " COALESCE(SUM(total), 0) FROM comanda WHERE nu_user = ?"),
                           {nuUser});
    Resumen r;
    if (q.next()) {
        r.pendientes = q.value(0).toInt();
        r.terminadas = q.value(1).toInt();
        r.propinas = q.value(2).toDouble();
        r.total = q.value(3).toDouble();
    }
    return r;
}

QJsonArray Comandas::json() const
{
    QJsonArray r;
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT nu, nu_mesa, cliente, personas, total, propina, estado,"
                                                " nu_user, creada, pedido FROM comanda ORDER BY nu"));
    while (q.next()) {
        const int nu = q.value(0).toInt();
        QJsonArray platillos;
        QSqlQuery p = Ejecutar(m_db,
                               QStringLiteral("SELECT renglon, nu_detalle, id_producto, producto, cantidad,"
                                              " nu_impresora, estado FROM platillo WHERE nu_comanda = ?"
                                              " ORDER BY renglon"),
                               {nu});
        while (p.next())
            platillos.append(QJsonObject{{QStringLiteral("renglon"), p.value(0).toInt()},
                                         {QStringLiteral("nu_detalle"), p.value(1).toInt()},
                                         {QStringLiteral("producto_id"), p.value(2).toString()},
                                         {QStringLiteral("producto"), p.value(3).toString()},
                                         {QStringLiteral("cantidad"), p.value(4).toDouble()},
                                         {QStringLiteral("impresora"), p.value(5).toInt()},
                                         {QStringLiteral("estado"), p.value(6).toString()}});
        r.append(QJsonObject{
            {QStringLiteral("numero"), nu},
            {QStringLiteral("mesa"), q.value(1).toInt()},
            {QStringLiteral("cliente"), q.value(2).toString()},
            {QStringLiteral("personas"), q.value(3).toInt()},
            {QStringLiteral("total"), q.value(4).toDouble()},
            {QStringLiteral("propina"), q.value(5).toDouble()},
            {QStringLiteral("estado"), q.value(6).toString()},
            {QStringLiteral("usuario"), q.value(7).toInt()},
            {QStringLiteral("creada"), q.value(8).toString()},
            {QStringLiteral("pedido"), QJsonDocument::fromJson(q.value(9).toString().toUtf8()).object()},
            {QStringLiteral("platillos"), platillos},
        });
    }
    return r;
}
