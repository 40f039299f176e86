#include "FormaPrueba.h"
#include "MenuPrueba.h"
#include "SimProceso.h"
#include "app/ClienteSoap.h"
#include "shell/Navegacion.h"
#include "order/LineasPedido.h"
#include "util/Archivos.h"
#include "util/Regional.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

namespace {
/// The client as it runs: the real SOAP client against wstrazen-sim, with its own
/// documents folder, signed in as the sample restaurant's waiter.
class FormaSim {
public:
    explicit FormaSim(const QString &wsdl)
        : p(FormaPrueba::iniCon(wsdl), std::make_shared<ClienteSoap>()), forma(&p.f)
    {
    }
    /// The task, then the pictures it queued for their files.
    bool esperar()
    {
        if (!p.esperarTarea(30000))
            return false;
        forma->catalogo().terminarFotos();
        return true;
    }
    bool iniciarSesion()
    {
        forma->controles.iUser.setText(QStringLiteral("mesero"));
        forma->controles.iPass.setText(QStringLiteral("1234"));
        return p.iniciarSesion();
    }
    QString carpeta() const { return p.carpeta(); }

    FormaPrueba p;
    TTabbedForm *forma;
};

int tileCon(const TileList &l, const QString &inicio)
{
    for (int i = 0; i < l.count(); ++i)
        if (l.tile(i).caption.startsWith(inicio))
            return i;
    return -1;
}

int llamadas(SimProceso &sim, const QString &operacion)
{
    int n = 0;
    for (const QJsonValue &v : sim.llamadas())
        n += v[QStringLiteral("operacion")].toString() == operacion;
    return n;
}
} // namespace

/// Browsing the sample restaurant of wstrazen-sim through the form: categories with
/// pictures, subcategories, products by filter, search by code, the saved-list cache,
/// lines with modifiers and taxes as the server's company sets them, and a fault.
class TstCatalogoSim : public QObject {
    Q_OBJECT
private slots:
    void recorrerElMenu()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaSim s(sim.wsdl());
        TTabbedForm &f = *s.forma;
        Controles &c = f.controles;
        QVERIFY(s.iniciarSesion());
        f.setActiveTab(QStringLiteral("TabListaCat"));

        f.catalogo().CargarCategorias();
        QVERIFY(s.esperar());
        QVERIFY(f.dialogos.historial().isEmpty());
        QCOMPARE(c.ListaCat.count(), 6);
        QCOMPARE(c.ListaCat.tile(0).caption, QStringLiteral("Antojitos"));
        QVERIFY(QFile::exists(s.carpeta() + QStringLiteral("/cat1.jpg")));
        QVERIFY(!menu::imagen(c.ListaCat.tile(0)).isEmpty());

        // Antojitos has subcategories; Tacos is subcategory 11.
        c.ListaCat.click(tileCon(c.ListaCat, QStringLiteral("Antojitos")));
        QCOMPARE(c.ListaSubCat.count(), 3);
        c.ListaSubCat.click(tileCon(c.ListaSubCat, QStringLiteral("Tacos")));
        QVERIFY(s.esperar());
        QCOMPARE(f.estado.UltimoFiltro, QStringLiteral("(PRODUCTO.NUCATEGORIA=1) and (PRODUCTO.NUSUBCATEGORIA=11)"));
        QCOMPARE(c.ListaPro.count(), 5);
        const int pastor = tileCon(c.ListaPro, QStringLiteral("Tacos al pastor\r$ 95.00"));
        QVERIFY(pastor >= 0);
        QVERIFY(QFile::exists(s.carpeta() + QStringLiteral("/101.jpg")));
        QVERIFY(!menu::imagen(c.ListaPro.tile(pastor)).isEmpty());

        // A line with a modifier; the company's prices include IVA.
        c.ListaPro.click(pastor);
        c.Cantidad.edit(QStringLiteral("2"));
        c.AddPed.click();
        QVERIFY(c.ListaMod.visible());
        QCOMPARE(c.ListaMod.tile(2).caption, QStringLiteral("Sin cebolla"));
        c.ListaMod.click(2);
        c.ListaMod.click(12);
        QCOMPARE(f.estado.PedidoActual.Count, 1);
        QCOMPARE(c.ListPed.fila(0).texto, QStringLiteral("Tacos al Pastor Orden de 4\r ** Sin cebolla"));
        QCOMPARE(c.ListPed.fila(0).detalle, QStringLiteral("2 X\r$ 190.00"));

        // A category without subcategories lists its products directly.
        c.Btn1.click();
        c.ListaCat.click(tileCon(c.ListaCat, QStringLiteral("Sopas")));
        QVERIFY(s.esperar());
        QCOMPARE(c.ListaSubCat.count(), 0);
        QCOMPARE(c.ListaPro.count(), 4);

        // Desserts fill more than one page; the bar turns to the second.
        c.Btn1.click();
        c.ListaCat.click(tileCon(c.ListaCat, QStringLiteral("Postres")));
        QVERIFY(s.esperar());
        QVERIFY(c.ListaPro.count() > c.ListaPro.pageSize());
        QCOMPARE(c.ListaPro.pageCount(), 2);
        c.NextBtn.click();
        QCOMPARE(c.ListaPro.page(), 1);
        QCOMPARE(c.ListaPro.pageModel()->rowCount(), c.ListaPro.count() - c.ListaPro.pageSize());
        c.PriorBtn.click();
        QCOMPARE(c.ListaPro.page(), 0);

        // A code with a quantity: the one product found is ready to add. Its IEPS comes
        // out of the price by the company's mode 0.
        c.TextoP.edit(QStringLiteral("3*411"));
        c.BuscarProBtn.click();
        QVERIFY(s.esperar());
        QCOMPARE(c.ListaPro.count(), 1);
        QCOMPARE(c.ListaPro.selectedIndex(), 0);
        QCOMPARE(c.Cantidad.text(), QStringLiteral("3"));
        f.lineasPedido().AddPedClick(false);
        const TDetalle &refresco = *f.estado.PedidoActual.ArrayDetalle[1];
        QCOMPARE(refresco.Producto, QStringLiteral("Refresco de Cola Embotelladora del Bajío 355 ml"));
        QCOMPARE(refresco.Precio, 28.225806);
        // IVA 16 and IEPS 8 taken out of the $35 of the menu and charged back: 3 × $35.
        QVERIFY(qAbs(refresco.Total - 3 * 28.225806 * 1.24) < 1e-6);
        QCOMPARE(c.EditTotal.text(), QStringLiteral("295.00"));

        // Back to Tacos: served from the saved list with the cached pictures, no request.
        const int antes = llamadas(sim, QStringLiteral("ListaProductoConFoto"));
        QCOMPARE(antes, 4); // Tacos, Sopas, Postres and the code
        c.Btn1.click();
        c.ListaCat.click(tileCon(c.ListaCat, QStringLiteral("Antojitos")));
        c.ListaSubCat.click(tileCon(c.ListaSubCat, QStringLiteral("Tacos")));
        QVERIFY(s.esperar());
        QCOMPARE(llamadas(sim, QStringLiteral("ListaProductoConFoto")), antes);
        QVERIFY(f.estado.ListaProductosRestaurada);
        QCOMPARE(c.ListaPro.count(), 5);
        QVERIFY(!menu::imagen(c.ListaPro.tile(tileCon(c.ListaPro, QStringLiteral("Tacos al pastor")))).isEmpty());

        // A fault from the server: the message, an empty list, and the filter asked again later.
        QVERIFY(sim.ajustar({{QStringLiteral("fault_en"), QStringLiteral("ListaProductoConFoto")}}));
        c.TextoP.edit(QStringLiteral("pozole"));
        c.BuscarProBtn.click();
        QVERIFY(s.esperar());
        QCOMPARE(f.dialogos.historial(), QStringList{"No hay conexión al URL"});
        QCOMPARE(c.ListaPro.count(), 0);
        QVERIFY(sim.ajustar({{QStringLiteral("fault_en"), QString()}}));
        c.BuscarProBtn.click();
        QVERIFY(s.esperar());
        QCOMPARE(c.ListaPro.count(), 1);
        QCOMPARE(c.ListaPro.tile(0).caption, QStringLiteral("Pozole rojo\r$ 130.00"));
    }
};

QTEST_MAIN(TstCatalogoSim)
#include "tst_catalogo_sim.moc"
