#include "sim/Muestra.h"
#include "sim/Comandas.h"
#include "sim/Fotos.h"
#include "sim/Sql.h"
#include <QColor>
#include <QStringList>
#include <cmath>

namespace {

struct Categoria {
    int nu;
    const char *descripcion;
    const char *color;
};

struct SubCategoria {
    int nu;
    int categoria;
    const char *descripcion;
};

struct Producto {
    const char *id;
    const char *descripcion;
    const char *fabricante;
    const char *modelo;
    const char *detalle;
    int categoria;
    int subcategoria;
    double precio;
    int moneda;
    double iva;
    double ieps;
    const char *barcode;
    int impresora;
    QStringList mods;
};

enum Impresora { Cocina = 1, Parrilla = 2, Barra = 3, Postres = 4 };

const Categoria kCategorias[] = {
    {1, "Antojitos", "#c0392b"}, {2, "Sopas y Caldos", "#d35400"}, {3, "Platos Fuertes", "#8e44ad"},
    {4, "Bebidas", "#2980b9"},   {5, "Postres", "#c2185b"},        {6, "Extras", "#27ae60"},
};

// Numbered apart from their positions, so that a key mistaken for an index shows.
const SubCategoria kSubCategorias[] = {
    {11, 1, "Tacos"},  {12, 1, "Quesadillas"},   {13, 1, "Sopes y Gorditas"}, {31, 3, "Carnes"},
    {32, 3, "Aves"},   {33, 3, "Mariscos"},      {41, 4, "Aguas Frescas"},    {42, 4, "Refrescos"},
    {43, 4, "Cervezas"}, {44, 4, "Café y Chocolate"},
};

const QStringList kTacos{"Con todo", "Sin cebolla", "Sin cilantro", "Salsa aparte"};
const QStringList kQuesadilla{"Maíz", "Harina", "Sin queso", "Con crema"};
const QStringList kTermino{"Término medio", "Tres cuartos", "Bien cocido"};
const QStringList kAgua{"Chica", "Grande", "Sin hielo"};
const QStringList kRefresco{"Con hielo", "Sin hielo", "Con limón"};
const QStringList kCerveza{"Michelada", "Chelada", "Bien fría", "Vaso escarchado"};

const Producto kProductos[] = {
    {"101", "Tacos al Pastor", "", "Orden de 4", "", 1, 11, 95, 1, 16, 0, "", Cocina,
     kTacos + QStringList{"Con piña", "Tortilla de harina"}},
    {"102", "Tacos de Suadero", "", "Orden de 4", "", 1, 11, 95, 1, 16, 0, "", Cocina, kTacos},
    {"103", "Tacos de Carnitas", "", "Orden de 4", "", 1, 11, 98, 1, 16, 0, "", Cocina, kTacos},
    {"104", "Tacos de Canasta", "", "Orden de 5", "", 1, 11, 70, 1, 16, 0, "", Cocina, {}},
    {"105", "Tacos Dorados de Pollo", "", "Orden de 3", "", 1, 11, 85, 1, 16, 0, "", Cocina,
     {"Con crema", "Sin crema", "Con queso", "Salsa verde", "Salsa roja"}},
    {"111", "Quesadilla de Flor de Calabaza", "", "", "", 1, 12, 60, 1, 16, 0, "", Cocina, kQuesadilla},
    {"112", "Quesadilla de Huitlacoche", "", "", "", 1, 12, 65, 1, 16, 0, "", Cocina, kQuesadilla},
    {"113", "Quesadilla de Chicharrón Prensado", "", "", "", 1, 12, 60, 1, 16, 0, "", Cocina, kQuesadilla},
    {"121", "Sopes de Tinga", "", "Orden de 3", "", 1, 13, 80, 1, 16, 0, "", Cocina,
     {"Sin crema", "Sin lechuga", "Con queso extra"}},
    {"122", "Gordita de Chicharrón", "", "", "", 1, 13, 45, 1, 16, 0, "", Cocina, {}},
    {"123", "Tlacoyo de Frijol", "", "", "", 1, 13, 40, 1, 16, 0, "", Cocina, {"Con nopales", "Sin salsa"}},
    {"201", "Sopa de Tortilla", "", "", "", 2, 0, 85, 1, 16, 0, "", Cocina,
     {"Sin chile pasilla", "Sin aguacate", "Con chicharrón", "Sin crema"}},
    {"202", "Caldo Tlalpeño", "", "", "", 2, 0, 95, 1, 16, 0, "", Cocina, {"Sin chipotle", "Con arroz aparte"}},
    {"203", "Pozole Rojo", "", "", "Receta de Jalisco", 2, 0, 130, 1, 16, 0, "", Cocina,
     {"Grande", "Chico", "Maciza", "Surtido", "Con cueritos", "Sin rábano", "Sin lechuga", "Tostadas extra",
      "Limón extra", "Orégano aparte"}},
    {"204", "Consomé de Barbacoa", "", "", "", 2, 0, 70, 1, 16, 0, "", Cocina, {}},
    {"301", "Carne Asada a la Tampiqueña", "", "", "", 3, 31, 245, 1, 16, 0, "", Parrilla,
     kTermino + QStringList{"Sin guacamole", "Frijoles refritos", "Frijoles charros"}},
    {"302", "Arrachera", "", "300 g", "", 3, 31, 280, 1, 16, 0, "", Parrilla, kTermino + QStringList{"Con cebollitas"}},
    // Priced in the foreign currency: the client converts it with the sale exchange rate.
    {"303", "Corte Rib Eye Importado", "", "400 g", "", 3, 31, 32.5, 2, 16, 0, "", Parrilla, kTermino},
    {"304", "Cochinita Pibil", "", "", "", 3, 31, 190, 1, 16, 0, "", Cocina, {"Con cebolla morada", "Sin habanero"}},
    {"305", "Chiles en Nogada", "", "", "Temporada", 3, 31, 260, 1, 16, 0, "", Cocina, {"Capeado", "Sin capear"}},
    {"311", "Enchiladas Verdes de Pollo", "", "", "", 3, 32, 150, 1, 16, 0, "", Cocina,
     {"Con pollo", "Con queso", "Sin crema", "Salsa roja", "Gratinadas"}},
    {"312", "Mole Poblano con Pollo", "", "", "", 3, 32, 185, 1, 16, 0, "", Cocina,
     {"Pierna", "Pechuga", "Con arroz", "Sin ajonjolí"}},
    {"313", "Pollo en Pipián", "", "", "", 3, 32, 175, 1, 16, 0, "", Cocina, {}},
    {"321", "Pescado a la Veracruzana", "", "", "", 3, 33, 230, 1, 16, 0, "", Cocina, {}},
    {"322", "Camarones al Mojo de Ajo", "", "", "", 3, 33, 265, 1, 16, 0, "", Cocina,
     {"Con arroz", "Con ensalada", "Sin ajo"}},
    {"323", "Ceviche de Pescado", "", "", "", 3, 33, 160, 1, 16, 0, "", Cocina,
     {"Sin cebolla", "Sin chile", "Tostadas extra"}},
    {"401", "Agua de Horchata", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"402", "Agua de Jamaica", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"403", "Agua de Tamarindo", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"411", "Refresco de Cola", "Embotelladora del Bajío", "355 ml", "", 4, 42, 35, 1, 16, 8, "7501234500017", Barra,
     kRefresco},
    {"412", "Refresco de Toronja", "Embotelladora del Bajío", "355 ml", "", 4, 42, 35, 1, 16, 8, "7501234500024",
     Barra, kRefresco},
    {"413", "Agua Mineral", "Manantiales del Sur", "355 ml", "", 4, 42, 30, 1, 16, 0, "7501234500031", Barra,
     {"Con limón", "Preparada"}},
    {"421", "Cerveza Clara", "Cervecería Tláloc", "355 ml", "", 4, 43, 55, 1, 16, 26.5, "7509876500012", Barra,
     kCerveza},
    {"422", "Cerveza Oscura", "Cervecería Tláloc", "355 ml", "", 4, 43, 58, 1, 16, 26.5, "7509876500029", Barra,
     kCerveza},
    {"423", "Cerveza Artesanal IPA", "Cervecería Los Volcanes", "355 ml", "", 4, 43, 85, 1, 16, 26.5,
     "7509876500036", Barra, {}},
    {"431", "Café de Olla", "", "", "", 4, 44, 35, 1, 16, 0, "", Barra, {"Sin piloncillo", "Con canela extra"}},
    {"432", "Chocolate Caliente", "", "", "", 4, 44, 45, 1, 16, 0, "", Barra, {"Con leche", "Con agua"}},
    {"433", "Café Americano", "", "", "", 4, 44, 30, 1, 16, 0, "", Barra, {"Descafeinado", "Con leche"}},
    {"501", "Flan Napolitano", "", "", "", 5, 0, 55, 1, 16, 8, "", Postres, {}},
    {"502", "Pastel de Tres Leches", "", "", "", 5, 0, 65, 1, 16, 8, "", Postres, {"Con fresas", "Sin cereza"}},
    {"503", "Churros con Chocolate", "", "Orden de 4", "", 5, 0, 60, 1, 16, 8, "", Postres,
     {"Con cajeta", "Con lechera", "Con azúcar y canela"}},
    {"504", "Arroz con Leche", "", "", "", 5, 0, 45, 1, 16, 8, "", Postres, {}},
    {"601", "Guacamole", "", "", "", 6, 0, 75, 1, 16, 0, "", Cocina, {"Con chicharrón", "Sin cebolla", "Extra picante"}},
    // Tortillas carry no IVA.
    {"602", "Orden de Tortillas", "", "", "Hechas a mano", 6, 0, 15, 1, 0, 0, "", Cocina, {}},
    {"603", "Frijoles Charros", "", "", "", 6, 0, 45, 1, 16, 0, "", Cocina, {}},
    {"604", "Totopos con Salsa", "", "", "", 6, 0, 35, 1, 16, 0, "", Cocina,
     {"Salsa verde", "Salsa roja", "Pico de gallo"}},
};

QString T(const char *s)
{
    return QString::fromUtf8(s);
}

QColor ColorCategoria(int nu)
{
    for (const Categoria &c : kCategorias)
        if (c.nu == nu)
            return QColor(QLatin1StringView(c.color));
    return Qt::darkGray;
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
    const struct {
        int nu;
        const char *usuario, *clave, *nombre, *modulos;
    } usuarios[] = {
        {1, "admin", "admin", "Administrador", "TTTTTTTTTT"},
        {2, "lupita", "4321", "Guadalupe Ortiz", "TFFTFTTFFF"},
        {3, "mesero", "1234", "Mesero de Turno", "TFFTFTTFFF"},
        {4, "contador", "cuentas", "Contador Externo", "FFFFTFTTFF"},
    };
    for (const auto &u : usuarios)
        Ejecutar(db, QStringLiteral("INSERT INTO usuario VALUES (?,?,?,?,?,1)"),
                 {u.nu, T(u.usuario), T(u.clave), T(u.nombre), T(u.modulos)});
}

void SembrarMesas(const QSqlDatabase &db)
{
    const struct {
        int nu;
        const char *nombre, *area;
    } mesas[] = {
        {1, "Mesa 1", "Salón"},     {2, "Mesa 2", "Salón"},     {3, "Mesa 3", "Salón"}, {4, "Mesa 4", "Salón"},
        {11, "Terraza 1", "Terraza"}, {12, "Terraza 2", "Terraza"}, {21, "Barra", "Barra"},
        {31, "Privado", "Salón Privado"},
    };
    for (const auto &m : mesas)
        Ejecutar(db, QStringLiteral("INSERT INTO mesa VALUES (?,?,?)"), {m.nu, T(m.nombre), T(m.area)});
}

void SembrarMenu(const QSqlDatabase &db)
{
    for (const Categoria &c : kCategorias)
        Ejecutar(db, QStringLiteral("INSERT INTO categoria VALUES (?,?,?)"),
                 {c.nu, T(c.descripcion), GenerarFoto(T(c.descripcion), QColor(QLatin1StringView(c.color)))});
    for (const SubCategoria &s : kSubCategorias)
        Ejecutar(db, QStringLiteral("INSERT INTO subcategoria VALUES (?,?,?,?)"),
                 {s.nu, s.categoria, T(s.descripcion),
                  GenerarFoto(T(s.descripcion), ColorCategoria(s.categoria).darker(120))});
    for (const Producto &p : kProductos) {
        Ejecutar(db,
                 QStringLiteral("INSERT INTO producto (id, descripcion, fabricante, modelo, detalle, nu_categoria,"
                                " nu_subcategoria, unidad, precio, nu_moneda, tasa_iva, tasa_ieps, barcode,"
                                " nu_impresora, foto) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {T(p.id), T(p.descripcion), T(p.fabricante), T(p.modelo), T(p.detalle), p.categoria,
                  p.subcategoria, QStringLiteral("PZA"), p.precio, p.moneda, p.iva, p.ieps, T(p.barcode),
                  p.impresora, GenerarFoto(T(p.descripcion), ColorCategoria(p.categoria).lighter(110))});
        for (int i = 0; i < p.mods.size(); ++i)
            Ejecutar(db, QStringLiteral("INSERT INTO modificador VALUES (?,?,?)"), {T(p.id), i + 1, p.mods[i]});
    }
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
