#include "Mesero.h"
#include "Pantalla.h"

/// The table map, the comanda screen and the comanda list in the real window: drawn,
/// captured under the build folder, and driven by taps.
class TstPantallasMesas : public QObject {
    Q_OBJECT
private slots:
    void mapaEnSusDosModos()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);

        QVERIFY(v.tocar(QStringLiteral("Tile_tile_2"))); // "Mesas"
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));
        QVERIFY(v.seVe(QStringLiteral("ListaMesa_tile_3")));
        QVERIFY(v.seVe(QStringLiteral("ToolBar3")));
        QVERIFY(!v.seVe(QStringLiteral("ToolBarMesa")));
        QVERIFY(v.seVe(QStringLiteral("RefreshBtn")));
        QVERIFY(!v.capturar(QStringLiteral("mesas_ver.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("ListaMesa_tile_1")));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabMesas"));

        p.f.EmpresaBtnClick();
        QVERIFY(v.tocar(QStringLiteral("Tile_tile_1"))); // "Nueva Comanda"
        QVERIFY(p.esperarTarea());
        QVERIFY(v.seVe(QStringLiteral("Label4")));
        QVERIFY(!v.capturar(QStringLiteral("mesas_elegir.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("ListaMesa_tile_1")));
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabListaCat"));
        QCOMPARE(p.f.estado.PedidoActual.NuPaso, 2);
    }

    void mapaSinImagenesYConPaginas()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        p.f.estado.ListaMesasActual = {};
        for (int i = 1; i <= 30; ++i)
            EnvioComanda::AddComanda(p.f.estado.ListaMesasActual, i, 0, i % 4, QStringLiteral("Mesa %1").arg(i),
                                i % 3 ? QString() : QStringLiteral("Terraza"), 0);
        p.f.controles.SwitchM.setChecked(false);
        p.f.ajustes().SetSettings();
        Pantalla v(p.f);
        QVERIFY(m.menu(2));
        v.dibujar();
        QCOMPARE(p.f.controles.ListaMesa.pageCount(), 2);
        QVERIFY(!v.capturar(QStringLiteral("mesas_sin_imagen.png")).isEmpty());
        QVERIFY(v.seVe(QStringLiteral("ListaMesa_tile_26")));
        QVERIFY(v.tocar(QStringLiteral("NextMBtn")));
        QCOMPARE(p.f.controles.ListaMesa.page(), 1);
        QVERIFY(v.seVe(QStringLiteral("ListaMesa_tile_29")));
        QVERIFY(v.tocar(QStringLiteral("PriorMBtn")));
        QCOMPARE(p.f.controles.ListaMesa.page(), 0);
    }

    void comandaSeSurteConToques()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        QVERIFY(m.menu(1));
        QVERIFY(m.elegirMesa(QStringLiteral("Mesa 4")));
        m.linea(QStringLiteral("Tampiqueña"), 2, 199);
        m.linea(QStringLiteral("Agua Fresca"), 3, 20);
        m.linea(QStringLiteral("Filete a la Veracruzana"), 1, 170);
        Pantalla v(p.f);
        QVERIFY(v.tocar(QStringLiteral("ComandaBtn")));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabComanda"));
        QVERIFY(v.escribir(QStringLiteral("Nombre"), QStringLiteral("Rosa")));
        QVERIFY(v.tocar(QStringLiteral("Per_mas")));
        QCOMPARE(p.f.controles.Per.value(), 2.0);
        for (const char *n : {"Button1", "Label5", "Label10", "ListPed", "EnviarPedidoBtn", "PedidoCancelarBtn",
                              "Label34", "EditTotal"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QVERIFY(!v.capturar(QStringLiteral("comanda.png")).isEmpty());

        // The quantity editor, opened on a line by a double tap or by the pencil.
        QVERIFY(v.tocarDoble(QStringLiteral("ListPed_fila_0")));
        QVERIFY(v.seVe(QStringLiteral("SBCantidad")));
        QVERIFY(v.tocar(QStringLiteral("ListPed_fila_1")));
        QVERIFY(!v.seVe(QStringLiteral("SBCantidad")));
        QVERIFY(v.tocar(QStringLiteral("Button1")));
        QVERIFY(v.seVe(QStringLiteral("SBCantidad")));
        QVERIFY(!v.capturar(QStringLiteral("comanda_cantidad.png")).isEmpty());

        QVERIFY(v.tocar(QStringLiteral("EnviarPedidoBtn")));
        QVERIFY(v.seVe(QStringLiteral("Dialogo_texto")));
        QVERIFY(!v.capturar(QStringLiteral("comanda_confirmar.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("Dialogo_Yes")));
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(p.f.estado.ListaComandasActual.Count, 5);
        QCOMPARE(p.f.estado.ListaComandasActual.ArrayInfo1[4]->Nombre, QStringLiteral("Rosa"));
        QCOMPARE(p.f.estado.ListaComandasActual.ArrayInfo1[4]->Cant, 2.0);
    }

    void listaDeComandas()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        EnvioComanda::AddComanda(p.f.estado.ListaComandasActual, 4, 2, 6, QStringLiteral("Familia Hernández Villaseñor"),
                            QStringLiteral("Mesa 2"), 12345.5);
        Pantalla v(p.f);
        QVERIFY(v.tocar(QStringLiteral("Tile_tile_3"))); // "Lista de Comandas"
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabLista"));
        QVERIFY(v.seVe(QStringLiteral("Lista_fila_0")));
        QVERIFY(!v.seVe(QStringLiteral("ListaVacia")));
        QVERIFY(!v.capturar(QStringLiteral("lista_comandas.png")).isEmpty());
    }
};

QTEST_MAIN(TstPantallasMesas)
#include "tst_pantallas_mesas.moc"
