#include "Recorrido.h"

/// A demo shift from a fresh documents folder, as a waiter would do it with taps and
/// typing: sign in, a new comanda on a table, a dish with two modifiers and a note, a
/// changed quantity, a deleted line, name and persons, the send, the comanda list, the
/// summary, the ready dishes, and out through "Salir".
class TstRecorridoDemo : public QObject {
    Q_OBJECT
private slots:
    void turnoCompleto()
    {
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(v.ventana());
        auto &e = p.f.estado;
        auto &c = p.f.controles;

        // Sign in with the remembered demo user.
        CAPTURAR(v, "01_inicio_sesion");
        TOCAR(v, "SignInRectBTN");
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        CAPTURAR(v, "02_menu_principal");

        // A new comanda: choose a table.
        TOCAR(v, "Tile_tile_1");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Nueva Comanda"));
        CAPTURAR(v, "03_mesas");
        TOCAR(v, "ListaMesa_tile_1");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabListaCat"));
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Comanda / Mesa 2"));
        CAPTURAR(v, "04_categorias");

        // Breakfast: Hot Cakes with two of its modifiers and a note for the kitchen.
        TOCAR(v, "ListaCat_tile_0");
        QVERIFY(p.esperarTarea());
        QVERIFY(v.seVe(QStringLiteral("ListaPro_tile_0")));
        CAPTURAR(v, "05_productos");
        TOCAR(v, "ListaPro_tile_0");
        TOCAR(v, "AddPed");
        QVERIFY(v.seVe(QStringLiteral("ListaMod")));
        TOCAR(v, "ListaMod_tile_5");
        TOCAR(v, "ListaMod_tile_6");
        TOCAR(v, "ListaMod_tile_11"); // "OTRO"
        QVERIFY(v.escribir(QStringLiteral("ModPer"), QStringLiteral("sin azúcar")));
        TOCAR(v, "ModPerBtn");
        CAPTURAR(v, "06_modificadores");
        TOCAR(v, "ListaMod_tile_12"); // "TERMINAR"
        QCOMPARE(e.PedidoActual.Count, 1);
        const TDetalle &hotCakes = *e.PedidoActual.ArrayDetalle[0];
        QCOMPARE(hotCakes.Producto, QStringLiteral("Hot Cakes"));
        QCOMPARE(hotCakes.Esp1, QStringLiteral("Con mantequilla"));
        QCOMPARE(hotCakes.Esp2, QStringLiteral("Con miel"));
        QCOMPARE(hotCakes.Esp6, QStringLiteral("sin azúcar"));

        // Two dishes without modifiers go straight in.
        TOCAR(v, "ListaPro_tile_4");
        TOCAR(v, "AddPed");
        TOCAR(v, "ListaPro_tile_1");
        TOCAR(v, "AddPed");
        QCOMPARE(e.PedidoActual.Count, 3);
        QVERIFY(c.LabelInfo.text().startsWith(QStringLiteral("[3]  +  1 X ")));

        // The comanda: two hot cakes instead of one, the avena goes, name and persons.
        TOCAR(v, "ComandaBtn");
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabComanda"));
        QVERIFY(v.tocarDoble(QStringLiteral("ListPed_fila_0")));
        QVERIFY(v.seVe(QStringLiteral("ToolBarCap")));
        TOCAR(v, "SBCantidad_mas");
        CAPTURAR(v, "08_cantidad");
        TOCAR(v, "GuardarCant");
        QCOMPARE(e.PedidoActual.ArrayDetalle[0]->Cantidad, 2.0);
        QVERIFY(v.deslizar(QStringLiteral("ListPed_fila_1"), -220));
        TOCAR(v, "ListPed_eliminar_1");
        QCOMPARE(e.PedidoActual.Count, 2);
        QCOMPARE(e.PedidoActual.ArrayDetalle[1]->Producto, QStringLiteral("Omelet Hongos"));
        QVERIFY(v.escribir(QStringLiteral("Nombre"), QStringLiteral("Familia Pérez")));
        TOCAR(v, "Per_mas");
        TOCAR(v, "Per_mas");
        QCOMPARE(c.Per.value(), 3.0);
        QCOMPARE(c.EditTotal.text(), QStringLiteral("370.00")); // 2 × 120 + 130
        CAPTURAR(v, "07_comanda");

        // Send it.
        TOCAR(v, "EnviarPedidoBtn");
        QCOMPARE(p.f.dialogos.texto(), QStringLiteral("¿Surtir la Comanda?"));
        CAPTURAR(v, "09_confirmar_envio");
        TOCAR(v, "Dialogo_Yes");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(e.PedidoActual.Count, 0);
        QCOMPARE(e.ListaComandasActual.Count, 5);
        QCOMPARE(e.ListaComandasActual.ArrayInfo1[4]->Nombre, QStringLiteral("Familia Pérez"));
        QCOMPARE(e.ListaComandasActual.ArrayInfo1[4]->Total, 370.0);
        QCOMPARE(e.ListaMesasActual.ArrayInfo1[1]->Cant, 1.0);

        // The open comandas, with the new one at the end under its table.
        TOCAR(v, "Tile_tile_3");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabLista"));
        const auto &filas = c.Lista.filas();
        QCOMPARE(filas.at(filas.size() - 3).texto, QStringLiteral("Mesa 2"));
        QCOMPARE(filas.at(filas.size() - 2).texto, QStringLiteral("4:  - Familia Pérez (3)"));
        QCOMPARE(filas.last().texto, QStringLiteral("Total Cuenta: $ 370.00"));
        CAPTURAR(v, "10_lista_comandas");
        TOCAR(v, "BackBtn2");

        // The summary counts five comandas now.
        TOCAR(v, "Tile_tile_5");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabResumen"));
        QCOMPARE(c.ComandasPenT.text(), QStringLiteral("5"));
        CAPTURAR(v, "11_resumen");
        TOCAR(v, "BackBtn2");

        // Ready dishes: the demo kitchen reports two, then none once read.
        TOCAR(v, "Tile_tile_4");
        TOCAR(v, "RefreshBtn");
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("2"));
        QVERIFY(v.seVe(QStringLiteral("MarcarSurtidoBtn")));
        CAPTURAR(v, "12_surtidos");
        TOCAR(v, "MarcarSurtidoBtn");
        TOCAR(v, "Dialogo_Yes");
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("No hay ordenes"));
        TOCAR(v, "BackBtn2");

        // The display settings, and back.
        TOCAR(v, "Tile_tile_6");
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSettings"));
        CAPTURAR(v, "13_ajustes");
        TOCAR(v, "BackBtn2");
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));

        // The drawer, swiped open from the left edge: the connection settings, kept as they are.
        v.arrastrar(QPoint(2, 400), QPoint(320, 400));
        QTRY_VERIFY(c.MultiView1.visible());
        CAPTURAR(v, "14_cajon");
        TOCAR(v, "ConfigurarBtn");
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabURL"));
        QVERIFY(!c.MultiView1.visible());
        CAPTURAR(v, "15_conexion");
        TOCAR(v, "OKBtn");
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        QVERIFY(!e.IsLogged);

        // Out through "Salir".
        v.arrastrar(QPoint(2, 400), QPoint(320, 400));
        QTRY_VERIFY(c.MultiView1.visible());
        TOCAR(v, "CerrarAppBtn");
        QVERIFY(e.Salida);
        QTRY_VERIFY(!v.ventana()->isVisible());
    }
};

QTEST_MAIN(TstRecorridoDemo)
#include "tst_recorrido_demo.moc"
