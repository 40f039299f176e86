#include "Recorrido.h"
#include "Teclado.h"

/// A demo shift done with the keyboard alone, as a waiter without a touch screen (or
/// with a screen reader) does it: Tab and Shift+Tab to move, the arrows within the tile
/// lists and the comanda's lines, Enter and Space to act, Escape to go back, typing in
/// the fields. From the sign-in to a sent comanda, larger text, the summary, and out
/// through "Salir".
class TstRecorridoTeclado : public QObject {
    Q_OBJECT
private slots:
    void turnoConElTeclado()
    {
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(v.ventana());
        Teclado t(v);
        auto &e = p.f.estado;
        auto &c = p.f.controles;

        // Sign in: the demo user is filled in.
        TAB(t, "SignInRectBTN");
        t.tecla(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));

        // "Nueva Comanda", under the company's tile.
        TAB(t, "Tile");
        FLECHA(t, Qt::Key_Down, "Tile_tile_1");
        t.tecla(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));

        // The second table.
        TAB(t, "ListaMesa");
        FLECHA(t, Qt::Key_Right, "ListaMesa_tile_1");
        t.tecla(Qt::Key_Space);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabListaCat"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Comanda / Mesa 2"));

        // Breakfast: the products take the focus; Hot Cakes, then "+".
        TAB(t, "ListaCat");
        t.tecla(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QVERIFY(c.ListaPro.visible());
        QVERIFY(t.en(QStringLiteral("ListaPro_tile_0")));
        t.tecla(Qt::Key_Space);
        QCOMPARE(c.ListaPro.selectedIndex(), 0);
        TAB_ATRAS(t, "AddPed");
        t.tecla(Qt::Key_Return);
        QVERIFY(c.ListaMod.visible());

        // Two modifiers, "OTRO" and a note typed for the kitchen, then "TERMINAR".
        TAB(t, "ListaMod");
        FLECHA(t, Qt::Key_Right, "ListaMod_tile_5");
        t.tecla(Qt::Key_Space);
        t.tecla(Qt::Key_Right);
        QVERIFY(t.en(QStringLiteral("ListaMod_tile_6")));
        t.tecla(Qt::Key_Space);
        FLECHA(t, Qt::Key_Right, "ListaMod_tile_11");
        t.tecla(Qt::Key_Return);
        TAB(t, "ModPer");
        t.escribir(QStringLiteral("sin azúcar"));
        t.tecla(Qt::Key_Return);
        TAB(t, "ListaMod");
        FLECHA(t, Qt::Key_Right, "ListaMod_tile_12");
        t.tecla(Qt::Key_Return);
        QCOMPARE(e.PedidoActual.Count, 1);
        const TDetalle &hotCakes = *e.PedidoActual.ArrayDetalle[0];
        QCOMPARE(hotCakes.Esp1, QStringLiteral("Con mantequilla"));
        QCOMPARE(hotCakes.Esp2, QStringLiteral("Con miel"));
        QCOMPARE(hotCakes.Esp6, QStringLiteral("sin azúcar"));

        // The Avena, found on the page with the arrows.
        TAB(t, "ListaPro");
        FLECHA(t, Qt::Key_Right, "ListaPro_tile_4");
        t.tecla(Qt::Key_Space);
        TAB_ATRAS(t, "AddPed");
        t.tecla(Qt::Key_Space);
        QCOMPARE(e.PedidoActual.Count, 2);

        // The comanda: two hot cakes, the customer's name and three persons.
        TAB(t, "ComandaBtn");
        t.tecla(Qt::Key_Return);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabComanda"));
        TAB(t, "ListPed");
        QVERIFY(t.en(QStringLiteral("ListPed_fila_0")));
        t.tecla(Qt::Key_Return); // as a double tap: the quantity
        QVERIFY(c.ToolBarCap.visible());
        TAB(t, "SBCantidad_texto");
        t.tecla(Qt::Key_Up);
        TAB(t, "GuardarCant");
        t.tecla(Qt::Key_Space);
        QCOMPARE(e.PedidoActual.ArrayDetalle[0]->Cantidad, 2.0);
        TAB(t, "Nombre");
        t.escribir(QStringLiteral("Familia Pérez"));
        TAB(t, "Per_texto");
        t.tecla(Qt::Key_Up);
        t.tecla(Qt::Key_Up);
        QCOMPARE(c.Per.value(), 3.0);
        QCOMPARE(c.Nombre.text(), QStringLiteral("Familia Pérez"));
        QCOMPARE(c.EditTotal.text(), QStringLiteral("320.00")); // 2 × 120 + 80

        // Send it: Escape closes the question and stays; then "Sí".
        TAB(t, "EnviarPedidoBtn");
        t.tecla(Qt::Key_Return);
        QCOMPARE(p.f.dialogos.texto(), QStringLiteral("¿Surtir la Comanda?"));
        QTRY_VERIFY(t.en(QStringLiteral("Dialogo_No"))); // the default answer, once it has opened
        t.tecla(Qt::Key_Escape);
        QVERIFY(!p.f.dialogos.abierto());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabComanda"));
        TAB(t, "EnviarPedidoBtn");
        t.tecla(Qt::Key_Return);
        QVERIFY(p.f.dialogos.abierto());
        // The keys reach the dialog once it has opened and taken the focus.
        QTRY_VERIFY(t.en(QStringLiteral("Dialogo_No")));
        t.tecla(Qt::Key_Left);
        QVERIFY(t.en(QStringLiteral("Dialogo_Yes")));
        t.tecla(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(e.PedidoActual.Count, 0);
        QCOMPARE(e.ListaComandasActual.Count, 5);
        QCOMPARE(e.ListaComandasActual.ArrayInfo1[4]->Nombre, QStringLiteral("Familia Pérez"));

        // Larger text: the lists' size up to its largest in the display settings. The screen
        // keeps its size while it is changed, scrolls to what takes the focus, and the texts
        // grow once it is left.
        const auto tamTitulo = [&] { return v.item(QStringLiteral("ToolBarLabel"))->property("font").value<QFont>().pixelSize(); };
        const int antes = tamTitulo();
        TAB(t, "Tile");
        FLECHA(t, Qt::Key_Right, "Tile_tile_6");
        t.tecla(Qt::Key_Return);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSettings"));
        TAB(t, "Fuente2_texto");
        for (int i = 0; i < 12; ++i)
            t.tecla(Qt::Key_Up);
        QCOMPARE(c.Fuente2.value(), 20.0);
        QCOMPARE(tamTitulo(), antes);
        TAB(t, "CancelarNotificacionBtn");
        QVERIFY(v.seVe(QStringLiteral("CancelarNotificacionBtn")));
        t.tecla(Qt::Key_Escape);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(e.FuenteListados, 20);
        QVERIFY(tamTitulo() > antes);

        // The summary counts it; Escape goes back.
        TAB(t, "Tile");
        FLECHA(t, Qt::Key_Left, "Tile_tile_5");
        t.tecla(Qt::Key_Return);
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabResumen"));
        QCOMPARE(c.ComandasPenT.text(), QStringLiteral("5"));
        t.tecla(Qt::Key_Escape);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));

        // The drawer with F10, and out through "Salir".
        t.tecla(Qt::Key_F10);
        QTRY_VERIFY(c.MultiView1.visible());
        QVERIFY(t.en(QStringLiteral("MainMenuBtn")));
        FLECHA(t, Qt::Key_Down, "CerrarAppBtn");
        t.tecla(Qt::Key_Return);
        QVERIFY(e.Salida);
        QTRY_VERIFY(!v.ventana()->isVisible());
    }
};

QTEST_MAIN(TstRecorridoTeclado)
#include "tst_recorrido_teclado.moc"
