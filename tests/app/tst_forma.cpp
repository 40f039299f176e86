#include "FormaPrueba.h"
#include "app/TareaServicio.h"
#include "service/ErrorServicio.h"
#include <QSemaphore>
#include <QtTest>

/// The main window's model: background tasks, service tasks, the busy overlay and messages.
class TstForma : public QObject {
    Q_OBJECT
private slots:
    void unaTareaALaVez()
    {
        FormaPrueba p;
        QSemaphore soltar;
        int cuerpos = 0, finales = 0;
        auto cuerpo = [&](const Paso &paso) {
            paso.ui([&] {
                ++cuerpos;
                p.f.ActivityDialog1.show();
            });
            soltar.acquire();
        };
        auto final = [&] {
            p.f.ActivityDialog1.hide();
            ++finales;
        };
        QVERIFY(p.f.tareas.iniciar(cuerpo, final));
        // A second tap before the first task has even shown its dialog is dropped too.
        QVERIFY(!p.f.tareas.iniciar(cuerpo, final));
        QTRY_VERIFY(p.f.ActivityDialog1.shown());
        QVERIFY(!p.f.tareas.iniciar(cuerpo, final));
        soltar.release();
        QVERIFY(p.esperarTarea());
        QCOMPARE(cuerpos, 1);
        QCOMPARE(finales, 1);
        QVERIFY(p.f.tareas.iniciar([](const Paso &) {}, [&] { ++finales; }));
        QVERIFY(p.esperarTarea());
        QCOMPARE(finales, 2);
    }

    void cuerpoEnOtroHiloYPasosEnLaInterfaz()
    {
        FormaPrueba p;
        QThread *principal = QThread::currentThread();
        QThread *cuerpo = nullptr, *paso = nullptr, *final = nullptr;
        p.f.tareas.iniciar(
            [&](const Paso &ui) {
                cuerpo = QThread::currentThread();
                ui.ui([&] { paso = QThread::currentThread(); });
            },
            [&] { final = QThread::currentThread(); });
        QVERIFY(p.esperarTarea());
        QVERIFY(cuerpo && cuerpo != principal);
        QCOMPARE(cuerpo, p.f.tareas.FTarea());
        QCOMPARE(paso, principal);
        QCOMPARE(final, principal);
    }

    void elPasoFinalSiempreCorre()
    {
        FormaPrueba p;
        bool final = false;
        QVERIFY(p.f.tareas.iniciar([](const Paso &) { throw std::runtime_error("falla"); }, [&] { final = true; }));
        QVERIFY(p.esperarTarea());
        QVERIFY(final);
    }

    void unErrorEnLaInterfazVuelveALaTarea()
    {
        FormaPrueba p;
        QString atrapado;
        p.f.tareas.iniciar(
            [&](const Paso &paso) {
                try {
                    paso.ui([] { throw std::runtime_error("desde la interfaz"); });
                } catch (const std::exception &e) {
                    atrapado = QString::fromUtf8(e.what());
                }
            },
            [] {});
        QVERIFY(p.esperarTarea());
        QCOMPARE(atrapado, QStringLiteral("desde la interfaz"));
    }

    void capaDeEspera()
    {
        FormaPrueba p;
        auto &c = p.f.controles;
        p.f.CargarEspera(QStringLiteral("Conectando"));
        QVERIFY(c.WaitLayout.visible() && c.AniIndicator1.visible() && c.AniIndicator1.enabled());
        QCOMPARE(c.LabelWait.text(), QStringLiteral("Conectando"));
        QCOMPARE(c.ContentLayout.opacity(), 0.1);
        QVERIFY(!c.ContentLayout.enabled());
        QVERIFY(p.f.TimerWait.isActive());
        QCOMPARE(p.f.TimerWait.interval(), 500);
        p.f.UpdateEspera(QStringLiteral("Obteniendo Mesas"));
        QCOMPARE(c.LabelWait.text(), QStringLiteral("Obteniendo Mesas"));
        QVERIFY(c.WaitLayout.visible());
        p.f.DesCargarEspera();
        QVERIFY(!c.WaitLayout.visible());
        QVERIFY(c.LabelWait.text().isEmpty());
        QCOMPARE(c.ContentLayout.opacity(), 1.0);
        QVERIFY(c.ContentLayout.enabled());
        QVERIFY(!p.f.TimerWait.isActive());
    }

    /// How a service task ends: what its body did, the message shown and whether the
    /// success step ran.
    void tareaDeServicio_data()
    {
        QTest::addColumn<QString>("cuerpo");
        QTest::addColumn<bool>("conAlFallar");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("listo");
        QTest::newRow("sin error") << "nada" << true << "" << true;
        QTest::newRow("su propio mensaje") << "smsg" << true << "Acceso denegado" << false;
        QTest::newRow("error del servicio") << "servicio" << true << "Falla: Tiempo agotado" << false;
        QTest::newRow("error del servicio tal cual") << "servicio" << false << "Tiempo agotado" << false;
        QTest::newRow("otro error") << "otro" << true << "Falla: sin memoria" << false;
        QTest::newRow("error desconocido") << "desconocido" << false << "Error desconocido" << false;
    }
    void tareaDeServicio()
    {
        QFETCH(QString, cuerpo);
        QFETCH(bool, conAlFallar);
        QFETCH(QString, mensaje);
        QFETCH(bool, listo);
        FormaPrueba p;
        p.f.controles.iUser.setText(QStringLiteral("ana"));
        p.f.controles.iPass.setText(QStringLiteral("1 2"));
        p.f.estado.ModoDemo = true;
        QString visto, dialogo, espera;
        bool demo = false, termino = false;
        Actividad a{QStringLiteral("Conectando"), QStringLiteral("Obteniendo Mesas"), {}};
        if (conAlFallar)
            a.alFallar = [](const QString &error) { return QStringLiteral("Falla: ") + error; };
        QVERIFY(IniciarTarea(
            p.f, a,
            [&](Llamada &ll) {
                visto = ll.user + u'/' + ll.pass;
                demo = ll.demo;
                ll.ui([&] {
                    dialogo = p.f.ActivityDialog1.message();
                    espera = p.f.controles.LabelWait.text();
                });
                if (cuerpo == u"smsg")
                    ll.smsg = QStringLiteral("Acceso denegado");
                else if (cuerpo == u"servicio")
                    throw ErrorServicio(QStringLiteral("Tiempo agotado"));
                else if (cuerpo == u"otro")
                    throw std::runtime_error("sin memoria");
                else if (cuerpo == u"desconocido")
                    throw 42;
            },
            [&] { termino = true; }));
        // The credentials and the demo flag are those of the start, not of later.
        p.f.controles.iUser.setText(QStringLiteral("otro"));
        p.f.estado.ModoDemo = false;
        QVERIFY(p.esperarTarea());
        QCOMPARE(visto, QStringLiteral("ana/1 2"));
        QVERIFY(demo);
        QCOMPARE(dialogo, QStringLiteral("Conectando"));
        QCOMPARE(espera, QStringLiteral("Obteniendo Mesas"));
        QVERIFY(!p.f.ActivityDialog1.shown());
        QVERIFY(!p.f.controles.WaitLayout.visible());
        QCOMPARE(p.mensajes(), mensaje.isEmpty() ? QStringList{} : QStringList{mensaje});
        QCOMPARE(termino, listo);
    }

    void mensajesYConfirmaciones()
    {
        FormaPrueba p;
        Dialogos &d = p.f.dialogos;
        int si = 0;
        d.MostrarMensaje(QStringLiteral("uno"));
        const int antes = si; // the call returned before anyone answered
        d.Confirmar(QStringLiteral("¿Surtir la Comanda?"), [&] { ++si; });
        QCOMPARE(antes, 0);
        QCOMPARE(d.pendientes(), 2);
        QCOMPARE(d.texto(), QStringLiteral("uno"));
        d.responder(QStringLiteral("OK"));
        QCOMPARE(d.tipo(), QStringLiteral("confirmacion"));
        QCOMPARE(d.botones(), (QStringList{"Yes", "No"}));
        QCOMPARE(d.botonPorDefecto(), QStringLiteral("No"));
        d.responder(QStringLiteral("No"));
        QCOMPARE(si, 0);
        d.Confirmar(QStringLiteral("otra"), [&] { ++si; });
        d.responder(QString()); // closed without an answer
        QCOMPARE(si, 0);
        d.Confirmar(QStringLiteral("otra"), [&] { ++si; });
        d.responder(QStringLiteral("Yes"));
        QCOMPARE(si, 1);
        QCOMPARE(d.pendientes(), 0);
    }
};

QTEST_MAIN(TstForma)
#include "tst_forma.moc"
