#include "sim/Muestra.h"
#include "sim/Comandas.h"
#include "sim/MuestraMenu.h"
#include "sim/Sql.h"
#include <QStringList>
#include <cmath>

namespace {

QString T(const char *s)
{
    return QString::fromUtf8(s);
}

void SembrarEmpresa(const QSqlDatabase &db)
{
    Ejecutar(db, QStringLiteral("INSERT INTO empresa VALUES (1,?,?,?,?,?,?,1,0,18.99,18.90)"),
             {T("Fonda La Candelaria, S.A. de C.V."), T("La Candelaria Cocina Mexicana"), T("FCA190514KT3"),
              T("Av. Hidalgo 128, Col. Centro, Guadalajara, Jal., C.P. 44100"), T("33 3614 2087"),
              T("contacto@lacandelaria.example")});
    const char *impresoras[] = {"Cocina", "Parrilla", "Barra", "Postres", "Caja"};
    for (int i = 0; i < 5; ++i)
        Ejecutar(db, QStringLiteral("INSERT INTO impresora VALUES (?,?)"), {i + 1, T(impresoras[i])});
    const char *modulos[] = {"VENTAS",  "COMPRAS",     "INVENTARIO", "CLIENTES",  "COBRANZA",
                             "POS",     "REPORTES",    "FACTURACION", "PAPELETAS", "CONFIGURACION"};
    for (int i = 0; i < 10; ++i)
        Ejecutar(db, QStringLiteral("INSERT INTO modulo VALUES (?,?)"), {i + 1, T(modulos[i])});
    Ejecutar(db, QStringLiteral("INSERT INTO almacen VALUES (1, ?)"), {T("Sucursal Centro")});
    // The sixth character of the rights is the point of sale: the accountant has none.
    // The trainee has it but no store yet (store 0).
    const struct {
        int nu;
        const char *usuario, *clave, *nombre, *modulos;
        int almacen;
    } usuarios[] = {
        {1, "admin", "admin", "Administrador", "TTTTTTTTTT", 1},
        {2, "lupita", "4321", "Guadalupe Ortiz", "TFFTFTTFFF", 1},
        {3, "mesero", "1234", "Mesero de Turno", "TFFTFTTFFF", 1},
        {4, "contador", "cuentas", "Contador Externo", "FFFFTFTTFF", 1},
        {5, "practicante", "2468", "Mesero en Capacitación", "TFFTFTTFFF", 0},
    };
    for (const auto &u : usuarios)
        Ejecutar(db, QStringLiteral("INSERT INTO usuario VALUES (?,?,?,?,?,?)"),
                 {u.nu, T(u.usuario), T(u.clave), T(u.nombre), T(u.modulos),
                  u.almacen > 0 ? QVariant(u.almacen) : QVariant()});
}

void SembrarMesas(const QSqlDatabase &db)
{
    const struct {
        int nu;
        const char *nombre, *area;
    } mesas[] = {
        {1, "Mesa 1", "Salón"},       {2, "Mesa 2", "Salón"},       {3, "Mesa 3", "Salón"},
        {4, "Mesa 4", "Salón"},       {5, "Mesa 5", "Salón"},       {6, "Mesa 6", "Salón"},
        {11, "Terraza 1", "Terraza"}, {12, "Terraza 2", "Terraza"}, {13, "Terraza 3", "Terraza"},
        {14, "Terraza 4", "Terraza"}, {21, "Barra", "Barra"},       {31, "Privado", "Salón Privado"},
        {41, "Jardín 1", "Jardín"},   {42, "Jardín 2", "Jardín"},
    };
    for (const auto &m : mesas)
        Ejecutar(db, QStringLiteral("INSERT INTO mesa VALUES (?,?,?)"), {m.nu, T(m.nombre), T(m.area)});
}

double Redondear(double v)
{
    return std::round(v * 100) / 100;
}

// A line as a client would compose it: prices include the taxes, IEPS is charged
// before IVA.
TDetalle Linea(const QSqlDatabase &db, int nu, const char *id, double cantidad, const QStringList &esp = {})
{
    QSqlQuery q = Ejecutar(db,
                           QStringLiteral("SELECT descripcion, modelo, precio, nu_moneda, tasa_iva, tasa_ieps"
                                          " FROM producto WHERE id = ?"),
                           {T(id)});
    q.next();
    TDetalle d;
    d.NuDetalle = nu;
    d.NuProducto = T(id);
    d.Producto = q.value(1).toString().isEmpty() ? q.value(0).toString()
                                                  : q.value(0).toString() + u' ' + q.value(1).toString();
    d.Cantidad = cantidad;
    d.PreOri = q.value(2).toDouble() * (q.value(3).toInt() == 2 ? 18.99 : 1.0);
    d.TasaIVA = q.value(4).toDouble();
    d.TasaIEPS = q.value(5).toDouble();
    d.Precio = d.PreOri / ((1 + d.TasaIEPS / 100) * (1 + d.TasaIVA / 100));
    d.SubTotal = Redondear(d.Precio * cantidad);
    d.IEPS = Redondear(d.SubTotal * d.TasaIEPS / 100);
    d.IVA = Redondear((d.SubTotal + d.IEPS) * d.TasaIVA / 100);
    d.Total = d.SubTotal + d.IVA + d.IEPS;
    for (int k = 0; k < esp.size() && k < 6; ++k)
        d.Esp(k + 1) = esp[k];
    return d;
}

TPedido Pedido(int mesa, const char *cliente, int personas, const QList<TDetalle> &lineas)
{
    TPedido p;
    p.NuPaso = mesa;
    p.ReferenciaPago = T(cliente);
    p.NuEstado = personas;
    p.Cliente.emplace();
    for (const TDetalle &d : lineas) {
        p.ArrayDetalle.append(d);
        p.SubTotal += d.SubTotal;
        p.IVA += d.IVA;
        p.IEPS += d.IEPS;
        p.Total += d.Total;
    }
    p.Count = int(lineas.size());
    return p;
}

void SembrarComandas(const QSqlDatabase &db)
{
    Comandas c(db);
    const int mesero = 3, lupita = 2;
    c.guardar(Pedido(2, "Familia Hernández", 4,
                     {Linea(db, 1, "101", 2, {"Con todo"}), Linea(db, 2, "201", 1),
                      Linea(db, 3, "401", 4, {"Grande"})}),
              mesero, 101);
    c.guardar(Pedido(11, "Sr. Ramírez", 2,
                     {Linea(db, 1, "301", 1, {"Tres cuartos", "Frijoles charros"}),
                      Linea(db, 2, "421", 2, {"Michelada"})}),
              mesero, 102);
    c.guardar(Pedido(11, "Ana", 1, {Linea(db, 1, "305", 1), Linea(db, 2, "402", 1)}), lupita, 103);
    c.guardar(Pedido(4, "Lic. Torres", 3, {Linea(db, 1, "203", 3, {"Grande", "Surtido"}), Linea(db, 2, "602", 1)}),
              lupita, 104);
    c.guardar(Pedido(1, "Don Chucho", 2, {Linea(db, 1, "311", 2), Linea(db, 2, "411", 2, {"Con hielo"})}), mesero,
              105);
    c.guardar(Pedido(21, "", 1, {Linea(db, 1, "423", 1)}), mesero, 106);
    c.cerrar(105, 50);
    c.cerrar(106, 20);
    // The kitchen has the tacos and the horchata of comanda 101 ready; the finished
    // comandas were served long ago.
    Ejecutar(db, QStringLiteral("UPDATE platillo SET estado = 'listo' WHERE nu_comanda = 101 AND renglon IN (1, 3)"));
    Ejecutar(db, QStringLiteral("UPDATE platillo SET estado = 'leido' WHERE nu_comanda IN (105, 106)"));
}

} // namespace

void SembrarMuestra(const QSqlDatabase &db)
{
    SembrarEmpresa(db);
    SembrarMesas(db);
    SembrarMenu(db);
    SembrarComandas(db);
}
