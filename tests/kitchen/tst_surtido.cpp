#include "ApoyoCocina.h"
#include "shell/Navegacion.h"
#include "kitchen/Resumen.h"
#include "service/ErrorServicio.h"
#include <QtTest>
#include <atomic>

using namespace cocina;

/// Ready dishes: polling by printer, the list and its memory, the notification, marking
/// as read, silencing and the automatic check.
class TstSurtido : public QObject {
    Q_OBJECT

    static TListaSurtido Tres()
    {
        return Lista({Platillo(101, 1, "Ana", "Mesa 1", "Sopa de tortilla", 2.5),
                      Platillo(101, 3, "Ana", "Mesa 1", "Agua Fresca", 1),
                      Platillo(102, 1, "Luis", "Terraza 2", "Tacos al pastor", 3)});
    }

    static QStringList Textos(const ListaVista &l)
    {
        QStringList r;
        for (const auto &fila : l.filas())
            r << fila.texto + u'|' + fila.detalle;
        return r;
    }

private slots:
    void tresPlatillosYLuegoNinguno()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &c = p.f.controles;
        c.iUser.setText(QStringLiteral("mesero1"));
        c.iPass.setText(QStringLiteral("clave"));
        QVERIFY(p.iniciarSesion());
        c.iPass.setText(QStringLiteral("clave2")); // every call sends the fields as they stand
        Responder(p, Tres());

        const QDateTime antes = QDateTime::currentDateTime();
        QVERIFY(Sondear(p));
        QCOMPARE(c.LabelSer.text(), QStringLiteral("Ordenes a Servir"));
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("3"));
        QVERIFY(c.PlatillosT.visible());
        QVERIFY(c.MarcarSurtidoBtn.visible());
        QVERIFY(c.ListPla.visible());
        QCOMPARE(Textos(c.ListPla), (QStringList{"Ana - Mesa 1\rSopa de tortilla|2", "Ana - Mesa 1\rAgua Fresca|1",
                                                 "Luis - Terraza 2\rTacos al pastor|3"}));
        QVERIFY(p.f.dialogos.historial().isEmpty());
        QVERIFY(!p.f.ActivityDialog1.shown());
        QVERIFY(!c.WaitLayout.visible());

        QCOMPARE(p.notif1->programadas.size(), 1);
        const Notificacion n = p.notif1->programadas.first();
        QCOMPARE(n.numero, 3);
        QCOMPARE(n.nombre, QStringLiteral("POS"));
        QCOMPARE(n.cuerpo, QStringLiteral("Hay Platillos listos para servir"));
        QCOMPARE(n.repetirSeg, 60);
        QVERIFY(n.fecha >= antes.addMSecs(-1) && n.fecha <= QDateTime::currentDateTime()); // at once
        QVERIFY(p.notif1->canceladas.isEmpty());

        const auto llamada = p.servicio->llamadas("ObtenerSurtido").first();
        QCOMPARE(llamada.argumentos, (QStringList{"User=mesero1", "Pass=clave2", "NuPrinter=0", "Marcar=0", "Platillos=0"}));

        // The memory keeps the dishes whole.
        QCOMPARE(p.f.estado.NumMemSurtido, 3);
        const MemoriaSur &m = p.f.estado.MemSurtido[1];
        QCOMPARE((QList<QVariant>{m.NuVenta, m.NuVenta_Mov, m.Cliente, m.Mesa, m.Producto, m.Cantidad}),
                 (QList<QVariant>{101, 3, "Ana", "Mesa 1", "Agua Fresca", 1.0}));

        Responder(p, {});
        QVERIFY(Sondear(p));
        QCOMPARE(c.LabelSer.text(), QStringLiteral("No hay ordenes"));
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("0"));
        QVERIFY(!c.PlatillosT.visible());
        QVERIFY(!c.MarcarSurtidoBtn.visible());
        QVERIFY(!c.ListPla.visible());
        QCOMPARE(p.notif1->canceladas, QStringList{"POS"});
        QCOMPARE(p.notif1->programadas.size(), 1);
        // The remembered dishes are refilled behind the hidden list, and kept.
        QCOMPARE(c.ListPla.count(), 3);
        QCOMPARE(p.f.estado.NumMemSurtido, 3);
    }

    void cadaPollConPlatillosReprogramaConSuNumero()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        Responder(p, Tres());
        QVERIFY(Sondear(p));
        Responder(p, Lista({Platillo(7, 1, "Eva", "Barra", "Cafe", 1)}));
        QVERIFY(Sondear(p));
        QCOMPARE(p.notif1->programadas.size(), 2);
        QCOMPARE(p.notif1->programadas.last().numero, 1);
        QCOMPARE(p.f.estado.NumMemSurtido, 1);
        QCOMPARE(p.f.controles.ListPla.count(), 1);
    }

    void impresoraElegida_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("impresora");
        QTest::newRow("Todas") << 0 << QStringLiteral("Todas");
        QTest::newRow("segunda") << 2 << QStringLiteral("Cocina");
        QTest::newRow("quinta") << 5 << QStringLiteral("Terraza");
    }
    void impresoraElegida()
    {
        QFETCH(int, indice);
        QFETCH(QString, impresora);
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &c = p.f.controles;
        c.Impresora.setItemIndex(indice == 0 ? 1 : 0); // a real change of selection follows
        QVERIFY(p.iniciarSesion());
        QCOMPARE(c.Impresora.items().value(indice), impresora); // refilled with the server's names

        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        c.Impresora.choose(indice);
        QTRY_COMPARE(fin.count(), 1);
        const auto llamadas = p.servicio->llamadas("ObtenerSurtido");
        QCOMPARE(llamadas.size(), 1);
        QVERIFY(llamadas.first().argumentos.contains(QStringLiteral("NuPrinter=%1").arg(indice)));
    }

    void sinSesionNoSePregunta()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &c = p.f.controles;
        c.Impresora.choose(2);
        p.f.surtido().Refresh();
        p.f.surtido().TimerSurTimer();
        QCOMPARE(p.notif1->permisosPedidos, 0);
        QVERIFY(!p.f.tareas.ocupado());
        QVERIFY(p.servicio->llamadas("ObtenerSurtido").isEmpty());
    }

    void permisoNegadoNoSondea()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        Responder(p, Tres());
        QVERIFY(Sondear(p));
        p.notif1->conceder = false;
        p.f.surtido().Refresh();
        QTRY_COMPARE(p.notif1->permisosPedidos, 2);
        QCoreApplication::processEvents(); // the answer arrives
        QVERIFY(!p.f.tareas.ocupado());
        QCOMPARE(p.servicio->llamadas("ObtenerSurtido").size(), 1);
        QVERIFY(p.f.controles.MarcarSurtidoBtn.visible()); // nothing was touched
        QVERIFY(p.f.dialogos.historial().isEmpty());
    }

    void refrescarDesdeElEncabezado()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.Tile.click(4); // "Surtidos" only opens the screen
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSurtido"));
        QVERIFY(c.RefreshBtn.visible() && c.BackBtn.visible());
        QCOMPARE(p.notif1->permisosPedidos, 0);

        Responder(p, Tres());
        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        c.RefreshBtn.click();
        QTRY_COMPARE(fin.count(), 1);
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("3"));
    }

    void marcarComoLeidoNoCambiaNada()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        Responder(p, Tres());
        QVERIFY(Sondear(p));

        c.MarcarSurtidoBtn.click();
        QCOMPARE(p.f.dialogos.texto(), QStringLiteral("¿Marcar como Leído?"));
        QCOMPARE(p.f.dialogos.botonPorDefecto(), QStringLiteral("No"));
        p.f.dialogos.responder(QStringLiteral("No"));
        QCoreApplication::processEvents();
        QCOMPARE(p.notif1->permisosPedidos, 1);
        QCOMPARE(p.notif2->permisosPedidos, 0);
        QVERIFY(!p.f.tareas.ocupado());
        QCOMPARE(p.servicio->llamadas("ObtenerSurtido").size(), 1);
        QVERIFY(p.notif1->canceladas.isEmpty());
        QVERIFY(c.ListPla.visible() && c.MarcarSurtidoBtn.visible());
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("3"));
    }

    void marcarComoLeidoSi()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        Responder(p, Tres());
        QVERIFY(Sondear(p));
        c.Impresora.setItemIndex(2);
        Responder(p, {});

        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        c.MarcarSurtidoBtn.click();
        p.f.dialogos.responder(QStringLiteral("Yes"));
        QVERIFY(!c.ListPla.visible());
        QTRY_COMPARE(fin.count(), 1);
        const auto llamada = p.servicio->llamadas("ObtenerSurtido").last();
        QVERIFY(llamada.argumentos.contains(QStringLiteral("Marcar=1")));
        QVERIFY(llamada.argumentos.contains(QStringLiteral("NuPrinter=2")));
        QCOMPARE(p.notif2->permisosPedidos, 1);
        QVERIFY(p.notif1->canceladas.contains(QStringLiteral("POS")));
        QCOMPARE(c.LabelSer.text(), QStringLiteral("No hay ordenes"));
        QVERIFY(!c.MarcarSurtidoBtn.visible());
    }

    void unTicDelTemporizadorNoDeshaceElMarcado()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        Responder(p, Tres());
        QVERIFY(Sondear(p));
        Responder(p, {});
        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        p.f.controles.MarcarSurtidoBtn.click();
        p.f.dialogos.responder(QStringLiteral("Yes"));
        p.f.surtido().TimerSurTimer(); // before the permission answers arrive
        QTRY_COMPARE(fin.count(), 1);
        QCoreApplication::processEvents();
        const auto llamadas = p.servicio->llamadas("ObtenerSurtido");
        QCOMPARE(llamadas.size(), 2);
        QVERIFY(llamadas.last().argumentos.contains(QStringLiteral("Marcar=1")));
        QCOMPARE(p.f.estado.MarcarPendiente, 0); // taken by that poll
    }

    void silenciar_data()
    {
        QTest::addColumn<bool>("conceder");
        QTest::addColumn<QStringList>("canceladas");
        QTest::newRow("concedido") << true << QStringList{"POS"};
        QTest::newRow("negado") << false << QStringList{};
    }
    void silenciar()
    {
        QFETCH(bool, conceder);
        QFETCH(QStringList, canceladas);
        FormaPrueba p;
        p.notif2->conceder = conceder;
        p.f.controles.CancelarNotificacionBtn.click();
        QCOMPARE(p.notif2->permisosPedidos, 1);
        QTRY_COMPARE(p.notif1->canceladas, canceladas);
        QCOMPARE(p.notif1->permisosPedidos, 0); // silencing never polls
        QTRY_VERIFY(!p.f.tareas.ocupado());
    }

    void modoDemo()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        QVERIFY(Sondear(p));
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("2"));
        QCOMPARE(c.LabelSer.text(), QStringLiteral("Ordenes a Servir"));
        QVERIFY(c.MarcarSurtidoBtn.visible() && c.ListPla.visible());
        QCOMPARE(c.ListPla.count(), 0);
        QVERIFY(p.notif1->programadas.isEmpty());

        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        c.MarcarSurtidoBtn.click();
        p.f.dialogos.responder(QStringLiteral("Yes"));
        QTRY_COMPARE(fin.count(), 1);
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("0"));
        QCOMPARE(c.LabelSer.text(), QStringLiteral("No hay ordenes"));
        QVERIFY(p.notif1->programadas.isEmpty());
        QVERIFY(p.servicio->llamadas().isEmpty());
    }

    void fallaDelServidor()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        Responder(p, Tres());
        QVERIFY(Sondear(p));
        p.servicio->respuestas.ObtenerSurtido = [](int, int, int &) -> std::optional<TListaSurtido> {
            throw ErrorServicio(QStringLiteral("Connection refused"));
        };
        QVERIFY(Sondear(p));
        QCOMPARE(p.f.dialogos.historial(), QStringList{"No hay conexión al URL\rConnection refused"});
        QVERIFY(!p.f.ActivityDialog1.shown());
        QVERIFY(!c.WaitLayout.visible());
        // The failed poll hid the button and the list and left the rest as it was.
        QVERIFY(!c.MarcarSurtidoBtn.visible() && !c.ListPla.visible());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("Ordenes a Servir"));
        QCOMPARE(p.notif1->programadas.size(), 1);
        // The count it repeated is no longer known: the notification stops.
        QCOMPARE(p.notif1->canceladas, QStringList{QStringLiteral("POS")});
        QCOMPARE(p.f.estado.ListaSurtidoActual.Count, 3);
    }

    // With the server down and the automatic check on, the failures of every minute do not
    // queue one message each: one shows until the waiter answers it.
    void revisionesFallidasNoSeApilan()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        p.servicio->respuestas.ObtenerSurtido = [](int, int, int &) -> std::optional<TListaSurtido> {
            throw ErrorServicio(QStringLiteral("Connection refused"));
        };
        for (int minuto = 0; minuto < 3; ++minuto)
            QVERIFY(Sondear(p));
        QCOMPARE(p.f.dialogos.pendientes(), 1);
        p.f.dialogos.responder(QStringLiteral("OK"));
        QVERIFY(Sondear(p)); // answered: the next failure is told again
        QCOMPARE(p.f.dialogos.pendientes(), 1);
    }

    void listasRaras_data()
    {
        QTest::addColumn<int>("platillos");
        QTest::addColumn<bool>("sinLista");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("largo");
        QTest::addColumn<int>("hueco");
        QTest::addColumn<int>("filas");
        QTest::newRow("sin lista") << 2 << true << 0 << 0 << -1 << 0;
        QTest::newRow("Count mayor que el arreglo") << 5 << false << 5 << 2 << -1 << 2;
        QTest::newRow("Count menor que el arreglo") << 1 << false << 1 << 3 << -1 << 1;
        QTest::newRow("un hueco") << 3 << false << 3 << 3 << 1 << 2;
    }
    void listasRaras()
    {
        QFETCH(int, platillos);
        QFETCH(bool, sinLista);
        QFETCH(int, count);
        QFETCH(int, largo);
        QFETCH(int, hueco);
        QFETCH(int, filas);
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        TListaSurtido l;
        for (int i = 0; i < largo; ++i)
            l.ArraySurtido.append(i == hueco ? std::nullopt
                                             : std::optional(Platillo(1, i + 1, "C", "M", QString::number(i), 1)));
        l.Count = count;
        p.servicio->respuestas.ObtenerSurtido = [=](int, int, int &n) {
            n = platillos;
            return sinLista ? std::nullopt : std::optional(l);
        };
        QVERIFY(Sondear(p));
        QCOMPARE(p.f.controles.ListPla.count(), filas);
        QCOMPARE(p.f.estado.NumMemSurtido, filas);
        QCOMPARE(p.f.controles.PlatillosT.text(), QString::number(platillos));
        QVERIFY(p.f.dialogos.historial().isEmpty());
    }

    void masPlatillosQueMemoria()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        QList<TSurtido> muchos;
        for (int i = 1; i <= 105; ++i)
            muchos << Platillo(i, 1, QStringLiteral("Cliente %1").arg(i), "Mesa", "Cafe", 1);
        Responder(p, Lista(muchos));
        QVERIFY(Sondear(p));
        auto &c = p.f.controles;
        QCOMPARE(c.ListPla.count(), 105); // every dish is listed
        QCOMPARE(p.f.estado.NumMemSurtido, 101);
        QCOMPARE(p.f.estado.MemSurtido[100].NuVenta, 101);

        Responder(p, {});
        QVERIFY(Sondear(p));
        QCOMPARE(c.ListPla.count(), 101);
        QCOMPARE(c.ListPla.fila(100).texto, QStringLiteral("Cliente 101 - Mesa\rCafe"));
    }

    void sondeoMientrasOtraTareaCorre()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        Responder(p, Tres());
        QVERIFY(Sondear(p));

        Compuerta compuerta;
        p.servicio->respuestas.ObtenerResumen = [&](int &, int &, double &, double &) {
            compuerta.pasar();
            return 1;
        };
        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        p.f.resumen().ResumenMesero();
        QVERIFY(compuerta.esperarLlegada());
        QVERIFY(p.f.ActivityDialog1.shown());

        p.f.surtido().PedirSurtido(0);
        QTRY_VERIFY(!c.MarcarSurtidoBtn.visible());
        QVERIFY(!c.ListPla.visible());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("Ordenes a Servir"));

        compuerta.abrir();
        QTRY_COMPARE(fin.count(), 1);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabResumen"));
        QCOMPARE(p.servicio->llamadas("ObtenerSurtido").size(), 1); // the poll was dropped
        QVERIFY(!c.MarcarSurtidoBtn.visible() && !c.ListPla.visible());
    }

    void temporizador()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        QCOMPARE(p.f.TimerSur.interval(), 60000);
        QVERIFY(!p.f.TimerSur.isActive());

        // Only the first poll is held; polls requested meanwhile are dropped.
        Compuerta compuerta;
        const TListaSurtido tres = Tres();
        std::atomic<int> llamadas = 0;
        p.servicio->respuestas.ObtenerSurtido = [&](int, int, int &n) {
            if (llamadas++ == 0)
                compuerta.pasar();
            n = tres.Count;
            return std::optional(tres);
        };
        p.f.TimerSur.setInterval(10); // the minute, shortened
        c.SwitchSur.toggle(true);
        QVERIFY(p.f.TimerSur.isActive());
        QVERIFY(c.TimerSur.enabled());
        QVERIFY(compuerta.esperarLlegada()); // a tick started a poll

        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        c.SwitchSur.toggle(false);
        QVERIFY(!p.f.TimerSur.isActive());
        QVERIFY(!c.TimerSur.enabled());
        QCoreApplication::processEvents(); // answers to the ticks before: dropped, a poll runs
        compuerta.abrir();
        QTRY_COMPARE(fin.count(), 1); // the running poll still completes
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("3"));
        QVERIFY(c.ListPla.visible());
    }
};

QTEST_MAIN(TstSurtido)
#include "tst_surtido.moc"
