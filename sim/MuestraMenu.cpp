#include "sim/MuestraMenu.h"
#include "sim/Fotos.h"
#include "sim/Sql.h"
#include <QStringList>

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
    {43, 4, "Cervezas"}, {44, 4, "Café y Chocolate"}, {45, 4, "Tequila y Mezcal"},
};

const QStringList kTacos{"Con todo", "Sin cebolla", "Sin cilantro", "Salsa aparte"};
const QStringList kQuesadilla{"Maíz", "Harina", "Sin queso", "Con crema"};
const QStringList kTermino{"Término medio", "Tres cuartos", "Bien cocido"};
const QStringList kAgua{"Chica", "Grande", "Sin hielo"};
const QStringList kRefresco{"Con hielo", "Sin hielo", "Con limón"};
const QStringList kCerveza{"Michelada", "Chelada", "Bien fría", "Vaso escarchado"};
const QStringList kDestilado{"Derecho", "Con sangrita", "Con limón y sal"};

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
    {"114", "Quesadilla de Champiñones", "", "", "", 1, 12, 62, 1, 16, 0, "", Cocina, kQuesadilla},
    {"115", "Quesadilla de Tinga de Pollo", "", "", "", 1, 12, 62, 1, 16, 0, "", Cocina, kQuesadilla},
    {"121", "Sopes de Tinga", "", "Orden de 3", "", 1, 13, 80, 1, 16, 0, "", Cocina,
     {"Sin crema", "Sin lechuga", "Con queso extra"}},
    {"122", "Gordita de Chicharrón", "", "", "", 1, 13, 45, 1, 16, 0, "", Cocina, {}},
    {"123", "Tlacoyo de Frijol", "", "", "", 1, 13, 40, 1, 16, 0, "", Cocina, {"Con nopales", "Sin salsa"}},
    {"124", "Huarache de Bistec", "", "", "", 1, 13, 95, 1, 16, 0, "", Cocina,
     {"Con nopales", "Sin cebolla", "Salsa verde", "Salsa roja"}},
    {"125", "Gordita de Requesón", "", "", "", 1, 13, 45, 1, 16, 0, "", Cocina, {}},
    {"126", "Tlayuda Oaxaqueña", "", "", "Con asiento y quesillo", 1, 13, 140, 1, 16, 0, "", Cocina,
     {"Con tasajo", "Con cecina", "Sin quesillo"}},
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
    {"306", "Bistec Encebollado", "", "", "", 3, 31, 175, 1, 16, 0, "", Parrilla,
     kTermino + QStringList{"Con papas", "Con frijoles"}},
    {"307", "Costillas de Cerdo en Salsa Verde", "", "", "", 3, 31, 185, 1, 16, 0, "", Cocina, {}},
    {"308", "Carne en su Jugo", "", "", "Estilo Guadalajara", 3, 31, 165, 1, 16, 0, "", Cocina,
     {"Sin tocino", "Con frijoles", "Cebolla y cilantro aparte"}},
    {"309", "Birria de Res", "", "", "", 3, 31, 170, 1, 16, 0, "", Cocina,
     {"Con consomé", "Maciza", "Surtida", "Tortillas de maíz"}},
    {"311", "Enchiladas Verdes de Pollo", "", "", "", 3, 32, 150, 1, 16, 0, "", Cocina,
     {"Con pollo", "Con queso", "Sin crema", "Salsa roja", "Gratinadas"}},
    {"312", "Mole Poblano con Pollo", "", "", "", 3, 32, 185, 1, 16, 0, "", Cocina,
     {"Pierna", "Pechuga", "Con arroz", "Sin ajonjolí"}},
    {"313", "Pollo en Pipián", "", "", "", 3, 32, 175, 1, 16, 0, "", Cocina, {}},
    {"314", "Pechuga a la Plancha", "", "", "", 3, 32, 160, 1, 16, 0, "", Parrilla,
     {"Con ensalada", "Con arroz", "Sin aceite"}},
    {"315", "Tinga de Pollo", "", "", "", 3, 32, 140, 1, 16, 0, "", Cocina, {}},
    {"321", "Pescado a la Veracruzana", "", "", "", 3, 33, 230, 1, 16, 0, "", Cocina, {}},
    {"322", "Camarones al Mojo de Ajo", "", "", "", 3, 33, 265, 1, 16, 0, "", Cocina,
     {"Con arroz", "Con ensalada", "Sin ajo"}},
    {"323", "Ceviche de Pescado", "", "", "", 3, 33, 160, 1, 16, 0, "", Cocina,
     {"Sin cebolla", "Sin chile", "Tostadas extra"}},
    {"324", "Camarones a la Diabla", "", "", "", 3, 33, 270, 1, 16, 0, "", Cocina, {"Con arroz", "Menos picante"}},
    {"325", "Filete de Pescado Empanizado", "", "", "", 3, 33, 195, 1, 16, 0, "", Cocina,
     {"Con ensalada", "Con papas"}},
    {"326", "Pescado Zarandeado", "", "1 kg", "Para compartir", 3, 33, 420, 1, 16, 0, "", Parrilla, {}},
    {"401", "Agua de Horchata", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"402", "Agua de Jamaica", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"403", "Agua de Tamarindo", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"404", "Agua de Limón con Chía", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"405", "Agua de Pepino", "", "", "", 4, 41, 40, 1, 16, 0, "", Barra, kAgua},
    {"411", "Refresco de Cola", "Embotelladora del Bajío", "355 ml", "", 4, 42, 35, 1, 16, 8, "7501234500017", Barra,
     kRefresco},
    {"412", "Refresco de Toronja", "Embotelladora del Bajío", "355 ml", "", 4, 42, 35, 1, 16, 8, "7501234500024",
     Barra, kRefresco},
    {"413", "Agua Mineral", "Manantiales del Sur", "355 ml", "", 4, 42, 30, 1, 16, 0, "7501234500031", Barra,
     {"Con limón", "Preparada"}},
    {"414", "Refresco de Manzana", "Embotelladora del Bajío", "355 ml", "", 4, 42, 35, 1, 16, 8, "7501234500048",
     Barra, kRefresco},
    {"415", "Refresco de Naranja", "Embotelladora del Bajío", "355 ml", "", 4, 42, 35, 1, 16, 8, "7501234500055",
     Barra, kRefresco},
    {"421", "Cerveza Clara", "Cervecería Tláloc", "355 ml", "", 4, 43, 55, 1, 16, 26.5, "7509876500012", Barra,
     kCerveza},
    {"422", "Cerveza Oscura", "Cervecería Tláloc", "355 ml", "", 4, 43, 58, 1, 16, 26.5, "7509876500029", Barra,
     kCerveza},
    {"423", "Cerveza Artesanal IPA", "Cervecería Los Volcanes", "355 ml", "", 4, 43, 85, 1, 16, 26.5,
     "7509876500036", Barra, {}},
    {"424", "Cerveza de Barril", "", "Tarro 500 ml", "", 4, 43, 70, 1, 16, 26.5, "", Barra, kCerveza},
    {"425", "Cerveza Ámbar", "Cervecería Tláloc", "355 ml", "", 4, 43, 58, 1, 16, 26.5, "7509876500043", Barra,
     kCerveza},
    {"426", "Cerveza Artesanal Stout", "Cervecería Los Volcanes", "355 ml", "", 4, 43, 90, 1, 16, 26.5,
     "7509876500050", Barra, {}},
    {"431", "Café de Olla", "", "", "", 4, 44, 35, 1, 16, 0, "", Barra, {"Sin piloncillo", "Con canela extra"}},
    {"432", "Chocolate Caliente", "", "", "", 4, 44, 45, 1, 16, 0, "", Barra, {"Con leche", "Con agua"}},
    {"433", "Café Americano", "", "", "", 4, 44, 30, 1, 16, 0, "", Barra, {"Descafeinado", "Con leche"}},
    {"434", "Capuchino", "", "", "", 4, 44, 45, 1, 16, 0, "", Barra, {"Deslactosado", "Con canela"}},
    {"435", "Atole de Guayaba", "", "", "", 4, 44, 35, 1, 16, 0, "", Barra, {}},
    {"436", "Té de Manzanilla", "", "", "", 4, 44, 30, 1, 16, 0, "", Barra, {"Con miel"}},
    // Spirits above 20 % alcohol carry IEPS 53; a cocktail, the lower 26.5.
    {"451", "Tequila Blanco", "Destilería Los Altos", "Caballito 45 ml", "", 4, 45, 75, 1, 16, 53, "", Barra,
     kDestilado},
    {"452", "Tequila Reposado", "Destilería Los Altos", "Caballito 45 ml", "", 4, 45, 95, 1, 16, 53, "", Barra,
     kDestilado},
    {"453", "Mezcal Espadín", "Palenque Santa Catarina", "Copa 45 ml", "", 4, 45, 110, 1, 16, 53, "", Barra,
     {"Con naranja y sal de gusano", "Derecho"}},
    {"454", "Margarita", "", "", "", 4, 45, 120, 1, 16, 26.5, "", Barra,
     {"Frozen", "En las rocas", "De tamarindo", "Escarchada con chile"}},
    {"501", "Flan Napolitano", "", "", "", 5, 0, 55, 1, 16, 8, "", Postres, {}},
    {"502", "Pastel de Tres Leches", "", "", "", 5, 0, 65, 1, 16, 8, "", Postres, {"Con fresas", "Sin cereza"}},
    {"503", "Churros con Chocolate", "", "Orden de 4", "", 5, 0, 60, 1, 16, 8, "", Postres,
     {"Con cajeta", "Con lechera", "Con azúcar y canela"}},
    {"504", "Arroz con Leche", "", "", "", 5, 0, 45, 1, 16, 8, "", Postres, {}},
    {"505", "Pay de Queso", "", "", "", 5, 0, 60, 1, 16, 8, "", Postres, {"Con zarzamora", "Con cajeta"}},
    {"506", "Gelatina de Mosaico", "", "", "", 5, 0, 35, 1, 16, 8, "", Postres, {}},
    {"507", "Buñuelos con Piloncillo", "", "", "", 5, 0, 55, 1, 16, 8, "", Postres, {}},
    {"508", "Nieve de Mango", "", "", "", 5, 0, 45, 1, 16, 8, "", Postres, {"Con chamoy", "Con chile en polvo"}},
    {"509", "Crepas de Cajeta", "", "Orden de 2", "", 5, 0, 70, 1, 16, 8, "", Postres, {"Con nuez", "Con helado"}},
    {"510", "Helado de Vainilla", "", "", "", 5, 0, 45, 1, 16, 8, "", Postres, {"Una bola", "Dos bolas"}},
    {"601", "Guacamole", "", "", "", 6, 0, 75, 1, 16, 0, "", Cocina, {"Con chicharrón", "Sin cebolla", "Extra picante"}},
    // Tortillas carry no IVA.
    {"602", "Orden de Tortillas", "", "", "Hechas a mano", 6, 0, 15, 1, 0, 0, "", Cocina, {}},
    {"603", "Frijoles Charros", "", "", "", 6, 0, 45, 1, 16, 0, "", Cocina, {}},
    {"604", "Totopos con Salsa", "", "", "", 6, 0, 35, 1, 16, 0, "", Cocina,
     {"Salsa verde", "Salsa roja", "Pico de gallo"}},
    {"605", "Arroz a la Mexicana", "", "", "", 6, 0, 40, 1, 16, 0, "", Cocina, {}},
    {"606", "Queso Fundido con Chorizo", "", "", "", 6, 0, 95, 1, 16, 0, "", Cocina,
     {"Con champiñones", "Tortillas de harina"}},
    {"607", "Nopales Asados", "", "", "", 6, 0, 40, 1, 16, 0, "", Cocina, {}},
    {"608", "Papas a la Francesa", "", "", "", 6, 0, 50, 1, 16, 0, "", Cocina, {"Con queso", "Con chile"}},
};

// Out of stock: the seasonal chiles en nogada and the whole fish. Guardar_Comanda
// leaves their lines out of a comanda.
const char *const kAgotados[] = {"305", "326"};

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

} // namespace

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
    for (const char *id : kAgotados)
        Ejecutar(db, QStringLiteral("UPDATE producto SET existencia = 0 WHERE id = ?"), {T(id)});
}
