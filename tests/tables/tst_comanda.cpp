#include "CasosRespuestaComanda.h"
#include "Mesero.h"
#include "service/ErrorServicio.h"
#include <QMutex>

namespace {
/// A form signed in against the fake server with a comanda on "Terraza" (badge 2)
/// holding two lines, the comanda screen open and the name and persons typed.
struct ComandaLista {
    FormaPrueba p{FormaPrueba::iniServidor()};
    Mesero m{p};
    bool ok = false;
    QMutex mutex;
    QList<TPedido> enviados; // what Guardar_Comanda received

    explicit ComandaLista(int respuesta = 2)
    {
        p.servicio->respuestas.ListaMesas = [](int) {
            return std::optional(ListaInfo({{10, "Barra", "", 0}, {11, "Terraza", "", 2}}));
        };
        responder([respuesta] { return respuesta; });
        p.f.controles.iUser.setText(QStringLiteral("mesero"));
        p.f.controles.iPass.setText(QStringLiteral("1234"));
        ok = p.iniciarSesion() && m.menu(1) && m.elegirMesa(QStringLiteral("Terraza"));
        m.linea(QStringLiteral("Café"), 2, 40);
        m.linea(QStringLiteral("Pizza"), 1, 199);
        m.abrirComanda();
        p.f.controles.Nombre.edit(QStringLiteral("Ana"));
        p.f.controles.Per.edit(QStringLiteral("3"));
        p.servicio->olvidarLlamadas();
    }
    /// Guardar_Comanda records the comanda and answers through `r`.
    void responder(std::function<int()> r)
    {
        p.servicio->respuestas.Guardar_Comanda = [this, r](const TPedido &ped) {
            QMutexLocker l(&mutex);
            enviados << ped;
            return r();
        };
    }
    int cantTerraza() const { return int(p.f.estado.ListaMesasActual.ArrayInfo1[1]->Cant); }
};
} // namespace

/// Sending and cancelling the comanda: each answer of the server, failures, confirmations,
/// and what a successful send changes.
class TstComanda : public QObject {
    Q_OBJECT
private slots:
    void pantallaDeLaComanda()
    {
        ComandaLista s;
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabComanda"));
        QVERIFY(!c.ToolBarCap.visible());
        QCOMPARE(c.ToolBarLabel.text(), QStringLiteral("Comanda / Terraza"));
        QCOMPARE(c.ListPed.count(), 2);

        // The header's button goes back to the catalogue and the capture bar comes back.
        c.ListaPro.setVisible(true);
        c.ListaCat.setVisible(false);
        c.ComandaBtn.click();
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabListaCat"));
        QVERIFY(c.Captura.visible());
        c.ComandaBtn.click();
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabComanda"));
        QVERIFY(!c.Captura.visible());
    }

    // Every refusal shows its message and keeps everything for another try.
    void respuestas_data() { CasosRespuestaComanda(false); }
    void respuestas()
    {
        QFETCH(int, r);
        QFETCH(QString, mensaje);
        ComandaLista s(r);
        QVERIFY(s.ok);
        const int comandas = s.p.f.estado.ListaComandasActual.Count;
        QVERIFY(s.m.surtir());
        QCOMPARE(s.m.mensajes(), QStringList{mensaje});
        QCOMPARE(s.enviados.size(), 1);
        auto &c = s.p.f.controles;
        auto &e = s.p.f.estado;
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabComanda"));
        QCOMPARE(e.PedidoActual.Count, 2);
        QCOMPARE(e.PedidoActual.NuPaso, 11);
        QCOMPARE(c.ListPed.count(), 2);
        QCOMPARE(c.Nombre.text(), QStringLiteral("Ana"));
        QCOMPARE(c.Per.value(), 3.0);
        QCOMPARE(s.cantTerraza(), 2);
        QCOMPARE(e.ListaComandasActual.Count, comandas);
        QVERIFY(!c.WaitLayout.visible() && !s.p.f.ActivityDialog1.shown());
    }

    void errorDeTransporte()
    {
        ComandaLista s;
        QVERIFY(s.ok);
        s.responder([]() -> int { throw ErrorServicio(QStringLiteral("Host servidor.prueba not found")); });
        QVERIFY(s.m.surtir());
        QCOMPARE(s.m.mensajes(), QStringList{QStringLiteral("Error: Host servidor.prueba not found")});
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabComanda"));
        QCOMPARE(s.p.f.estado.PedidoActual.Count, 2);
        QCOMPARE(s.p.f.controles.Nombre.text(), QStringLiteral("Ana"));
        QCOMPARE(s.cantTerraza(), 2);
        QCOMPARE(s.p.f.estado.ListaComandasActual.Count, 0);
        QVERIFY(!s.p.f.controles.WaitLayout.visible() && !s.p.f.ActivityDialog1.shown());
    }

    void exitoCuentaLaComandaYEmpiezaOtra()
    {
        ComandaLista s;
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        auto &e = s.p.f.estado;
        c.Nombre.edit(QStringLiteral("  Ana López\t "));
        QVERIFY(s.m.surtir());
        QVERIFY(s.m.mensajes().isEmpty());

        // Sent: the trimmed name, the persons, the table, the lines and totals.
        QCOMPARE(s.enviados.size(), 1);
        const TPedido &ped = s.enviados[0];
        QCOMPARE(ped.ReferenciaPago, QStringLiteral("Ana López"));
        QCOMPARE(ped.NuEstado, 3);
        QCOMPARE(ped.NuPaso, 11);
        QCOMPARE(ped.Count, 2);
        QCOMPARE(ped.Total, 279.0);
        QVERIFY(ped.Cliente.has_value());
        QCOMPARE(s.p.servicio->llamadas(QStringLiteral("Guardar_Comanda"))[0].argumentos,
                 (QStringList{"User=mesero", "Pass=1234"}));

        // The local entry keeps the name as typed.
        QCOMPARE(e.ListaComandasActual.Count, 1);
        const TInfo1 &nueva = *e.ListaComandasActual.ArrayInfo1.last();
        QCOMPARE(nueva.DB, 4);
        QCOMPARE(nueva.NuAlmacen, 11);
        QCOMPARE(nueva.Nombre, QStringLiteral("  Ana López\t "));
        QCOMPARE(nueva.Sucursal, QStringLiteral("Terraza"));
        QCOMPARE(nueva.Cant, 3.0);
        QCOMPARE(nueva.Total, 279.0);

        // A fresh comanda, an empty screen and the main menu.
        QCOMPARE(e.PedidoActual.Count, 0);
        QCOMPARE(e.PedidoActual.NuPaso, 0);
        QCOMPARE(c.ListPed.count(), 0);
        QVERIFY(c.Nombre.text().isEmpty());
        QCOMPARE(c.Per.value(), 1.0);
        QVERIFY(!c.ComandaBtn.visible());
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));

        // The map shows the new count without asking the server.
        QVERIFY(s.m.menu(2));
        QCOMPARE(s.m.tile(QStringLiteral("Terraza"))->badge, QStringLiteral("3"));
        QVERIFY(s.p.servicio->llamadas(QStringLiteral("ListaMesas")).isEmpty());
    }

    void mesaQueYaNoEstaNoCuentaNada()
    {
        ComandaLista s;
        QVERIFY(s.ok);
        s.p.f.estado.ListaMesasActual = ListaInfo({{10, "Barra", "", 0}});
        QVERIFY(s.m.surtir());
        QVERIFY(s.m.mensajes().isEmpty());
        QCOMPARE(s.enviados.size(), 1);
        QCOMPARE(s.p.f.estado.PedidoActual.Count, 0);
        QCOMPARE(s.p.f.estado.ListaMesasActual.ArrayInfo1[0]->Cant, 0.0);
        QCOMPARE(s.p.f.estado.ListaComandasActual.Count, 0);
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
    }

    // Answering No (or closing the question) leaves everything as it was.
    void confirmacionNo_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("respuesta");
        QTest::newRow("send, No") << "EnviarPedidoBtn" << "¿Surtir la Comanda?" << "No";
        QTest::newRow("send, closed") << "EnviarPedidoBtn" << "¿Surtir la Comanda?" << "";
        QTest::newRow("cancel, No") << "PedidoCancelarBtn" << "¿Desea Cancelar la Comanda?" << "No";
    }
    void confirmacionNo()
    {
        QFETCH(QString, boton);
        QFETCH(QString, pregunta);
        QFETCH(QString, respuesta);
        ComandaLista s;
        QVERIFY(s.ok);
        qobject_cast<Control *>(s.p.f.control(boton))->click();
        QCOMPARE(s.p.f.dialogos.texto(), pregunta);
        QCOMPARE(s.p.f.dialogos.botonPorDefecto(), QStringLiteral("No"));
        s.p.f.dialogos.responder(respuesta);
        QVERIFY(s.p.esperarTarea());
        QVERIFY(s.enviados.isEmpty());
        QCOMPARE(s.p.f.dialogos.pendientes(), 0);
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabComanda"));
        QCOMPARE(s.p.f.estado.PedidoActual.Count, 2);
        QCOMPARE(s.p.f.estado.PedidoActual.ReferenciaPago, QStringLiteral("Terraza"));
        QCOMPARE(s.p.f.controles.ListPed.count(), 2);
    }

    void cancelarDescartaSinLlamar()
    {
        ComandaLista s;
        QVERIFY(s.ok);
        auto &c = s.p.f.controles;
        c.PedidoCancelarBtn.click();
        s.p.f.dialogos.responder(QStringLiteral("Yes"));
        QVERIFY(s.p.servicio->llamadas().isEmpty());
        QCOMPARE(s.p.f.estado.PedidoActual.Count, 0);
        QCOMPARE(s.p.f.estado.PedidoActual.NuPaso, 0);
        QVERIFY(s.p.f.estado.PedidoActual.Cliente.has_value());
        QCOMPARE(c.ListPed.count(), 0);
        QVERIFY(!c.ComandaBtn.visible());
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
        // The name and persons stay for the next comanda.
        QCOMPARE(c.Nombre.text(), QStringLiteral("Ana"));
        QCOMPARE(c.Per.value(), 3.0);
    }

    void enviarMientrasOtraTareaCorreNoEnvia()
    {
        ComandaLista s;
        QVERIFY(s.ok);
        s.p.f.controles.Nombre.edit(QStringLiteral(" Luis "));
        s.p.f.ActivityDialog1.show();
        s.p.f.envioComanda().EnviarPedidoBtnMain();
        s.p.f.ActivityDialog1.hide();
        QVERIFY(s.p.esperarTarea());
        QVERIFY(s.enviados.isEmpty());
        // The name and persons of that attempt are already in the comanda.
        QCOMPARE(s.p.f.estado.PedidoActual.ReferenciaPago, QStringLiteral("Luis"));
        QCOMPARE(s.p.f.estado.PedidoActual.NuEstado, 3);
        QCOMPARE(s.p.f.estado.PedidoActual.Count, 2);
    }

    void demoEnviaSinRedYAgregaLaComanda4()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        QVERIFY(m.menu(1));
        QVERIFY(m.elegirMesa(QStringLiteral("Mesa 2")));
        m.linea(QStringLiteral("Cafe"), 1, 40);
        m.abrirComanda();
        p.f.controles.Nombre.edit(QStringLiteral("Rosa"));
        p.f.controles.Per.edit(QStringLiteral("2"));
        QVERIFY(m.surtir());
        QVERIFY(m.mensajes().isEmpty());
        QVERIFY(p.servicio->llamadas().isEmpty());
        const TListaInfo1 &l = p.f.estado.ListaComandasActual;
        QCOMPARE(l.Count, 5);
        QCOMPARE(l.ArrayInfo1[4]->DB, 4);
        QCOMPARE(l.ArrayInfo1[4]->NuAlmacen, 2);
        QCOMPARE(l.ArrayInfo1[4]->Sucursal, QStringLiteral("Mesa 2"));
        QCOMPARE(m.tile(QStringLiteral("Mesa 2"))->badge, QString()); // rebuilt only when shown again
        QVERIFY(m.menu(2));
        QCOMPARE(m.tile(QStringLiteral("Mesa 2"))->badge, QStringLiteral("1"));
    }

    void addComandaSobreUnaListaRecibida_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("largo");
        QTest::addColumn<int>("countDespues");
        QTest::newRow("empty") << 0 << 0 << 1;
        QTest::newRow("Count as the array") << 2 << 2 << 3;
        QTest::newRow("Count beyond the array: after the entries there are") << 4 << 2 << 3;
        QTest::newRow("negative Count") << -3 << 2 << 1;
        QTest::newRow("the largest Count with nothing in it") << 2147483647 << 0 << 1;
    }
    void addComandaSobreUnaListaRecibida()
    {
        QFETCH(int, count);
        QFETCH(int, largo);
        QFETCH(int, countDespues);
        TListaInfo1 l;
        l.SetLengthList(largo);
        l.Count = count;
        EnvioComanda::AddComanda(l, 4, 9, 2, QStringLiteral("Ana"), QStringLiteral("Mesa 9"), 10.5);
        QCOMPARE(l.Count, countDespues);
        QCOMPARE(l.ArrayInfo1.size(), countDespues);
        QVERIFY(l.ArrayInfo1.last().has_value());
        QCOMPARE(l.ArrayInfo1.last()->Sucursal, QStringLiteral("Mesa 9"));
    }
};

QTEST_MAIN(TstComanda)
#include "tst_comanda.moc"
