#include "session/DatosDemo.h"
#include "app/Estado.h"
#include "tables/EnvioComanda.h"
#include "util/Numeros.h"

namespace {
struct Platillo {
    int categoria;
    const char *nombre;
    double precio;
    QStringList modificadores; // offered from the fifth modifier on; the first four stay empty
};

const QList<Platillo> &platillos()
{
    static const QList<Platillo> p{
        {1, "Hot Cakes", 120.00, {"Con mantequilla", "Con miel", "Con fruta"}},
        {1, "Omelet Hongos", 130.00, {}},
        {1, "Omelet Puerto Nuevo", 160.00, {}},
        {1, "Chilaquiles", 100.00, {"Salsa verde", "Salsa roja", "Con pollo", "Con huevo"}},
        {1, "Avena", 80.00, {}},
        {2, "Albondigas", 140.00, {}},
        {2, "Menudo", 140.00, {}},
        {2, "Tampiqueña", 199.00, {"Término medio", "Tres cuartos", "Bien cocida"}},
        {2, "Filete a la Veracruzana", 170.00, {}},
        {2, "Langosta al termidor", 980.00, {}},
        {2, "Camarones a la Diabla", 980.00, {}},
        {3, "Ensalada", 60.00, {}},
        {3, "Pizza", 199.00, {}},
        {3, "Hamburguesa", 78.00, {"Sin cebolla", "Sin jitomate", "Con tocino", "Bien cocida"}},
        {4, "Cafe", 40.00, {"Americano", "Con leche", "Descafeinado"}},
        {4, "Agua Fresca", 20.00, {}},
        {4, "Cerveza", 80.00, {}},
        {4, "Vino", 70.00, {}},
        {4, "Tequila", 75.00, {}},
    };
    return p;
}
} // namespace

void CargarDatosDemo(Estado &e)
{

    // Tables: number, name, open comandas.
    const struct {
        int db;
        const char *nombre;
        double cant;
    } mesas[] = {{1, "Mesa 1", 2}, {2, "Mesa 2", 0}, {3, "Mesa 3", 2}, {4, "Mesa 4", 0}};
    e.ListaMesasActual = {};
    e.ListaMesasActual.SetLengthList(4);
    e.ListaMesasActual.Count = 4;
    for (int i = 0; i < 4; ++i) {
        TInfo1 &m = e.ListaMesasActual.ArrayInfo1[i].emplace();
        m.DB = mesas[i].db;
        m.Nombre = QString::fromUtf8(mesas[i].nombre);
        m.Cant = mesas[i].cant;
    }

    e.ListaComandasActual = {};
    EnvioComanda::AddComanda(e.ListaComandasActual, 1, 1, 4, QStringLiteral("Ramírez"), QStringLiteral("Mesa 1"), 250.00);
    EnvioComanda::AddComanda(e.ListaComandasActual, 2, 1, 2, QStringLiteral("Sofía"), QStringLiteral("Mesa 1"), 499.00);
    EnvioComanda::AddComanda(e.ListaComandasActual, 3, 3, 2, QStringLiteral("González"), QStringLiteral("Mesa 3"), 452.00);
    EnvioComanda::AddComanda(e.ListaComandasActual, 4, 3, 3, QStringLiteral("Luis"), QStringLiteral("Mesa 3"), 632.00);

    e.MesasCargadas = true;
    e.CategoriasCargadas = true;

    const char *categorias[] = {"DESAYUNOS", "COMIDAS", "CENAS", "BEBIDAS"};
    e.ListaCategorias = {};
    e.ListaCategorias.SetLengthList(4);
    e.ListaCategorias.Count = 4;
    for (int n = 1; n <= 4; ++n) {
        TCategoria &cat = e.ListaCategorias.ArrayCategoria[n - 1].emplace();
        cat.NuCategoria = n;
        cat.Descripcion = QString::fromLatin1(categorias[n - 1]);
        TListaSubCategoria &subs = cat.ListaSubCategoria.emplace();
        subs.SetLengthList(1);
        subs.Count = 1;
        TSubCategoria &sub = subs.ArraySubCategoria[0].emplace();
        sub.NuSubCategoria = n;
        sub.NuCategoria = n;
        sub.Descripcion = cat.Descripcion;
    }

    for (const Platillo &p : platillos()) {
        DatosProductoGuardado d;
        d.ID = QStringLiteral("3423");
        d.Descripcion = QString::fromUtf8(p.nombre);
        d.Precio = p.precio;
        d.NuMoneda = 1;
        for (int k = 0; k < p.modificadores.size(); ++k)
            d.Mod[4 + k] = p.modificadores[k];
        d.Filtro = QStringLiteral("(PRODUCTO.NUCATEGORIA=") + FormatoPatron(p.categoria, QStringLiteral("#######0")) + QStringLiteral(")");
        e.ProductosGuardados.agregar(d);
    }
}
