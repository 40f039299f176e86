#include "Pantallas.h"
#include "FormaPrueba.h"
#include "Pantalla.h"
#include <QTest>

namespace Pantallas {

const QStringList &Todas()
{
    static const QStringList t{
        QStringLiteral("inicio_sesion"), QStringLiteral("menu_principal"), QStringLiteral("conexion"),
        QStringLiteral("mesas"),         QStringLiteral("categorias"),     QStringLiteral("productos"),
        QStringLiteral("modificadores"), QStringLiteral("comanda"),        QStringLiteral("confirmar_envio"),
        QStringLiteral("lista_comandas"), QStringLiteral("resumen"),       QStringLiteral("surtidos"),
        QStringLiteral("ajustes"),       QStringLiteral("cajon"),
    };
    return t;
}

namespace {
/// The main menu's tiles, as the journeys tap them.
enum Menu { NuevaComanda = 1, ListaComandas = 3, Surtidos = 4, Resumen = 5, Configuracion = 6 };

bool Menu(FormaPrueba &p, int tile)
{
    p.f.controles.Tile.click(tile);
    return p.esperarTarea();
}
} // namespace

bool IrA(FormaPrueba &p, Pantalla &v, const QString &pantalla, const std::function<void()> &alEntrar)
{
    auto &c = p.f.controles;
    const auto listo = [&] {
        v.dibujar();
        return p.esperarTarea();
    };
    if (pantalla == u"inicio_sesion")
        return listo();
    if (!p.iniciarSesion())
        return false;
    if (alEntrar)
        alEntrar();
    if (pantalla == u"menu_principal")
        return listo();
    if (pantalla == u"conexion") {
        c.ConfigurarBtn.click();
        return listo();
    }
    if (pantalla == u"cajon") {
        v.tecla(Qt::Key_F10);
        // The drawer slides in: on a busy machine it takes a few frames.
        return listo() && QTest::qWaitFor([&] { return c.MultiView1.visible(); });
    }
    if (pantalla == u"lista_comandas")
        return Menu(p, ListaComandas) && listo();
    if (pantalla == u"resumen")
        return Menu(p, Resumen) && listo();
    if (pantalla == u"ajustes")
        return Menu(p, Configuracion) && listo();
    if (pantalla == u"surtidos") {
        if (!Menu(p, Surtidos))
            return false;
        c.RefreshBtn.click();
        return listo();
    }

    // The comanda's way: a table, a category, products.
    if (!Menu(p, NuevaComanda))
        return false;
    if (pantalla == u"mesas")
        return listo();
    c.ListaMesa.click(1);
    if (!p.esperarTarea())
        return false;
    if (pantalla == u"categorias")
        return listo();
    c.ListaCat.click(0);
    if (!p.esperarTarea())
        return false;
    if (pantalla == u"productos")
        return listo();
    if (pantalla == u"modificadores") {
        c.ListaPro.click(0); // Hot Cakes: with modifiers
        c.AddPed.click();
        return listo() && c.ListaMod.visible();
    }
    c.ListaPro.click(4);
    c.AddPed.click();
    c.ListaPro.click(1);
    c.AddPed.click();
    c.ComandaBtn.click();
    if (pantalla == u"comanda") {
        c.ListPed.doubleClick(0); // the quantity editor shows too
        return listo() && c.ToolBarCap.visible();
    }
    if (pantalla == u"confirmar_envio") {
        c.EnviarPedidoBtn.click();
        return listo() && p.f.dialogos.abierto();
    }
    return false;
}

} // namespace Pantallas
