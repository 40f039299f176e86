#include "Recorrido.h"
#include "SimProceso.h"
#include "app/ClienteSoap.h"
#include <QJsonArray>
#include <QJsonObject>

namespace {
/// The comanda the sim stored for that customer, or an empty object.
QJsonObject comandaDe(SimProceso &sim, const QString &cliente)
{
    for (const QJsonValue &c : sim.comandas())
        if (c[QStringLiteral("cliente")].toString() == cliente)
            return c.toObject();
    return {};
}

/// How many of a stored comanda's dishes are in that state.
int platillosEn(const QJsonObject &comanda, const QString &estado)
{
    int n = 0;
    for (const QJsonValue &p : comanda[QStringLiteral("platillos")].toArray())
        n += p[QStringLiteral("estado")].toString() == estado;
    return n;
}
} // namespace

/// The same shift against the restaurant's server (wstrazen-sim, through the real SOAP
/// client): a typed sign-in, a comanda composed from the server's menu and a code
/// search, a server that goes away in the middle of the send and comes back, the
/// kitchen's ready dishes with their notification, marked as read, and out.
class TstRecorridoServidor : public QObject {
    Q_OBJECT
private slots:
    void turnoCompleto()
    {
        SimProceso sim;
        QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
        FormaPrueba p(FormaPrueba::iniCon(sim.wsdl(), QStringLiteral("UserPass=0\n")),
                      std::make_shared<ClienteSoap>());
        Pantalla v(p.f);
        QVERIFY(v.ventana());
        auto &e = p.f.estado;
        auto &c = p.f.controles;

        // The waiter types who they are.
        QVERIFY(c.iUser.text().isEmpty());
        QVERIFY(v.escribir(QStringLiteral("iUser"), QStringLiteral("mesero")));
        QVERIFY(v.escribir(QStringLiteral("iPass"), QStringLiteral("1234")));
        TOCAR(v, "SignInRectBTN");
        QVERIFY(p.esperarTarea());
        QVERIFY(e.IsLogged);
        QVERIFY(c.Tile.tile(0).caption.contains(QStringLiteral("Candelaria")));
        CAPTURAR(v, "20_menu_servidor");

        // A table, then tacos al pastor with two modifiers and a note.
        TOCAR(v, "Tile_tile_1");
        QVERIFY(p.esperarTarea());
        TOCAR(v, "ListaMesa_tile_0");
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Comanda / Mesa 1"));
        const int mesa = e.PedidoActual.NuPaso;
        CAPTURAR(v, "21_categorias_servidor");
        TOCAR(v, "ListaCat_tile_0");
        QVERIFY(v.seVe(QStringLiteral("ListaSubCat")));
        TOCAR(v, "ListaSubCat_tile_0");
        QVERIFY(p.esperarTarea());
        const int pastor = TilePorTexto(c.ListaPro, QStringLiteral("Tacos al pastor"));
        QVERIFY(pastor >= 0);
        CAPTURAR(v, "22_productos_servidor");
        QVERIFY(v.tocar(QStringLiteral("ListaPro_tile_%1").arg(pastor)));
        TOCAR(v, "AddPed");
        TOCAR(v, "ListaMod_tile_1");
        TOCAR(v, "ListaMod_tile_2");
        TOCAR(v, "ListaMod_tile_11");
        QVERIFY(v.escribir(QStringLiteral("ModPer"), QStringLiteral("bien dorados")));
        TOCAR(v, "ModPerBtn");
        TOCAR(v, "ListaMod_tile_12");
        QCOMPARE(e.PedidoActual.Count, 1);

        // Two orders of tacos de canasta by their code, and a soda by its code.
        QVERIFY(v.escribir(QStringLiteral("TextoP"), QStringLiteral("2*104")));
        TOCAR(v, "BuscarProBtn");
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.ListaPro.selectedIndex(), 0); // the only product, already chosen
        TOCAR(v, "AddPed");
        QCOMPARE(e.PedidoActual.Count, 2);
        QCOMPARE(e.PedidoActual.ArrayDetalle[1]->Cantidad, 2.0);
        QVERIFY(v.escribir(QStringLiteral("TextoP"), QStringLiteral("1*411")));
        TOCAR(v, "BuscarProBtn");
        QVERIFY(p.esperarTarea());
        TOCAR(v, "AddPed"); // the soda offers its modifiers; none is chosen
        TOCAR(v, "ListaMod_tile_12");
        QCOMPARE(e.PedidoActual.Count, 3);

        // The comanda: one more order of pastor, no soda after all, name and persons.
        TOCAR(v, "ComandaBtn");
        QVERIFY(v.tocarDoble(QStringLiteral("ListPed_fila_0")));
        TOCAR(v, "SBCantidad_mas");
        TOCAR(v, "GuardarCant");
        QVERIFY(v.deslizar(QStringLiteral("ListPed_fila_2"), -220));
        TOCAR(v, "ListPed_eliminar_2");
        QCOMPARE(e.PedidoActual.Count, 2);
        QVERIFY(v.escribir(QStringLiteral("Nombre"), QStringLiteral("  Juan Ramírez  ")));
        for (int i = 0; i < 3; ++i)
            TOCAR(v, "Per_mas");
        const double total = e.PedidoActual.Total;
        QVERIFY(total > 0);

        // The server stores the comanda and goes away before it answers.
        QVERIFY(sim.ajustar({{"retraso_ms", 4000}, {"retraso_en", "Guardar_Comanda"}}));
        TOCAR(v, "EnviarPedidoBtn");
        TOCAR(v, "Dialogo_Yes");
        QTRY_VERIFY(p.f.ActivityDialog1.shown());
        QTRY_COMPARE(e.Envio.estado, EstadoEnvio::Enviando);
        QTest::qWait(600); // the request is at the server, which holds it
        QVERIFY(sim.detener());
        QVERIFY(p.esperarTarea(30000));
        // The waiter is told the truth: it may be there. Nothing is lost.
        QVERIFY2(p.f.dialogos.texto().startsWith(QStringLiteral("No se pudo confirmar si la comanda llegó al servidor")),
                 qPrintable(p.f.dialogos.texto()));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabComanda"));
        QCOMPARE(e.PedidoActual.Count, 2);
        QCOMPARE(c.Nombre.text(), QStringLiteral("  Juan Ramírez  "));
        TOCAR(v, "Dialogo_OK");
        QVERIFY(v.seVe(QStringLiteral("LabelEnvio")));
        CAPTURAR(v, "23_sin_confirmar");

        // Back again: the resend finds it on the server and stores nothing more.
        QVERIFY(sim.reanudar());
        TOCAR(v, "EnviarPedidoBtn");
        TOCAR(v, "Dialogo_Yes");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.dialogos.pendientes(), 0);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(c.AvisoComanda.text(), QStringLiteral("Comanda encontrada en el servidor: Mesa 1"));
        CAPTURAR(v, "26_comanda_encontrada");
        int guardadas = 0;
        for (const QJsonValue &g : sim.comandas())
            guardadas += g[QStringLiteral("cliente")].toString() == u"Juan Ramírez";
        QCOMPARE(guardadas, 1);
        const QJsonObject guardada = comandaDe(sim, QStringLiteral("Juan Ramírez"));
        QVERIFY(!guardada.isEmpty());
        QCOMPARE(guardada[QStringLiteral("mesa")].toInt(), mesa);
        QCOMPARE(guardada[QStringLiteral("personas")].toInt(), 4);
        QCOMPARE(guardada[QStringLiteral("total")].toDouble(), total);
        const QJsonArray lineas = guardada[QStringLiteral("pedido")][QStringLiteral("ArrayDetalle")].toArray();
        QCOMPARE(lineas.size(), 2);
        QCOMPARE(lineas[0][QStringLiteral("Cantidad")].toDouble(), 2.0);
        QCOMPARE(lineas[0][QStringLiteral("Esp6")].toString(), QStringLiteral("bien dorados"));
        QCOMPARE(lineas[1][QStringLiteral("NuProducto")].toString(), QStringLiteral("104"));

        // The kitchen makes its dishes ready; the waiter is told and marks them read.
        QVERIFY(sim.marcarListos(guardada[QStringLiteral("numero")].toInt()) > 0);
        TOCAR(v, "Tile_tile_4");
        TOCAR(v, "RefreshBtn");
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("Ordenes a Servir"));
        bool nuestra = false;
        for (const auto &fila : c.ListPla.filas())
            nuestra |= fila.texto.startsWith(QStringLiteral("Juan Ramírez - Mesa 1\r"));
        QVERIFY(nuestra);
        QVERIFY(!p.notif1->programadas.isEmpty());
        QCOMPARE(p.notif1->programadas.last().cuerpo, QStringLiteral("Hay Platillos listos para servir"));
        CAPTURAR(v, "24_surtidos_servidor");
        TOCAR(v, "MarcarSurtidoBtn");
        TOCAR(v, "Dialogo_Yes");
        QVERIFY(p.esperarTarea());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("No hay ordenes"));
        QVERIFY(p.notif1->canceladas.contains(QStringLiteral("POS")));
        QCOMPARE(platillosEn(comandaDe(sim, QStringLiteral("Juan Ramírez")), QStringLiteral("listo")), 0);
        TOCAR(v, "BackBtn2");

        // The open comandas now include it, under its table.
        TOCAR(v, "Tile_tile_3");
        QVERIFY(p.esperarTarea());
        bool listada = false;
        for (const auto &fila : c.Lista.filas())
            listada |= fila.texto.endsWith(QStringLiteral(" - Juan Ramírez (4)"));
        QVERIFY(listada);
        CAPTURAR(v, "25_lista_servidor");
        TOCAR(v, "BackBtn2");

        // The summary, then out.
        TOCAR(v, "Tile_tile_5");
        QVERIFY(p.esperarTarea());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabResumen"));
        QVERIFY(c.ComandasPenT.text().toInt() > 0);
        TOCAR(v, "BackBtn2");
        v.arrastrar(QPoint(2, 400), QPoint(320, 400));
        QTRY_VERIFY(c.MultiView1.visible());
        TOCAR(v, "CerrarAppBtn");
        QTRY_VERIFY(!v.ventana()->isVisible());
    }
};

QTEST_MAIN(TstRecorridoServidor)
#include "tst_recorrido_servidor.moc"
