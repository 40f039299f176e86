#include "ApoyoCocina.h"
#include "Pantalla.h"
#include "shell/Navegacion.h"
#include <QtTest>

using namespace cocina;

/// The ready-dish and summary screens in the real window: drawn from the model,
/// captured, and driven by taps.
class TstPantallasCocina : public QObject {
    Q_OBJECT
private slots:
    void platillosListos()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        QVERIFY(v.tocar(QStringLiteral("Tile_tile_4")));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSurtido"));
        v.dibujar();
        for (const char *n : {"Label19", "Impresora", "SwitchSur", "LabelSer", "PlatillosT", "RefreshBtn", "BackBtn2"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QVERIFY(!v.seVe(QStringLiteral("MarcarSurtidoBtn")));
        QVERIFY(!v.capturar(QStringLiteral("surtido_inicio.png")).isEmpty());

        Responder(p, Lista({Platillo(101, 1, "Sra. Peña", "Terraza 2", "Sopa de tortilla con aguacate y chicharrón", 2),
                            Platillo(101, 2, "Sra. Peña", "Terraza 2", "Agua Fresca de jamaica", 1),
                            Platillo(102, 1, "Luis", "Mesa 4", "Tacos al pastor", 12),
                            Platillo(103, 1, "", "Barra", "Cafe de olla", 1)}));
        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        QVERIFY(v.tocar(QStringLiteral("RefreshBtn")));
        QTRY_COMPARE(fin.count(), 1);
        v.dibujar();
        for (const char *n : {"MarcarSurtidoBtn", "ListPla", "ListPla_fila_0", "ListPla_fila_3"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QVERIFY(!v.capturar(QStringLiteral("surtido_platillos.png")).isEmpty());

        QVERIFY(v.tocar(QStringLiteral("SwitchSur")));
        QVERIFY(p.f.TimerSur.isActive());
        QVERIFY(v.tocar(QStringLiteral("SwitchSur")));
        QVERIFY(!p.f.TimerSur.isActive());

        // "Marcar como Leído", confirmed with a tap.
        Responder(p, {});
        QVERIFY(v.tocar(QStringLiteral("MarcarSurtidoBtn")));
        QObject *dialogo = v.ventana()->findChild<QObject *>(QStringLiteral("Dialogo"));
        QVERIFY(dialogo);
        QTRY_VERIFY(dialogo->property("opened").toBool()); // drawn once it has finished appearing
        v.dibujar();
        QVERIFY(v.seVe(QStringLiteral("Dialogo_texto")));
        QVERIFY(!v.capturar(QStringLiteral("surtido_confirmar.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("Dialogo_Yes")));
        QTRY_COMPARE(fin.count(), 2);
        v.dibujar();
        QCOMPARE(p.f.controles.LabelSer.text(), QStringLiteral("No hay ordenes"));
        QVERIFY(!v.seVe(QStringLiteral("ListPla")));
        QVERIFY(!v.seVe(QStringLiteral("PlatillosT")));
        QVERIFY(!v.capturar(QStringLiteral("surtido_vacio.png")).isEmpty());
    }

    void resumenDeVentas()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        p.servicio->respuestas.ObtenerResumen = [](int &a, int &b, double &d, double &t) {
            a = 3, b = 5, d = 120.5, t = 1234567.8;
            return 1;
        };
        Pantalla v(p.f);
        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        QVERIFY(v.tocar(QStringLiteral("Tile_tile_5")));
        QTRY_COMPARE(fin.count(), 1);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabResumen"));
        v.dibujar();
        for (const char *n : {"Label13", "ComandasPenT", "ComandasFinT", "PropinasT", "TotalT", "BackBtn2"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QCOMPARE(v.item(QStringLiteral("TotalT"))->property("text").toString(), QStringLiteral("1,234,567.80"));
        QVERIFY(!v.capturar(QStringLiteral("resumen.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("BackBtn2")));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
    }
};

QTEST_MAIN(TstPantallasCocina)
#include "tst_pantallas_cocina.moc"
