#include "ApoyoCocina.h"
#include "shell/Navegacion.h"
#include "kitchen/Resumen.h"
#include "service/ErrorServicio.h"
#include "tables/Mesero.h"
#include <QtTest>

/// The waiter's summary: the four figures from the service or, in demo mode, from the
/// local comandas; a failed load keeps the screen and the figures where they were.
class TstResumen : public QObject {
    Q_OBJECT

    static QStringList Campos(const Controles &c)
    {
        return {c.ComandasPenT.text(), c.ComandasFinT.text(), c.PropinasT.text(), c.TotalT.text()};
    }

    /// Taps the "Resumen" tile and waits for its task.
    static bool Abrir(FormaPrueba &p)
    {
        QSignalSpy fin(&p.f.tareas, &Tareas::terminada);
        p.f.controles.Tile.click(5);
        return QTest::qWaitFor([&] { return fin.count() == 1; }, 15000);
    }

private slots:
    void cifrasDelServidor_data()
    {
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("fin");
        QTest::addColumn<double>("propinas");
        QTest::addColumn<double>("total");
        QTest::addColumn<QStringList>("campos");
        QTest::newRow("dia normal") << 3 << 5 << 120.5 << 1500.0 << QStringList{"3", "5", "120.50", "1,500.00"};
        QTest::newRow("en ceros") << 0 << 0 << 0.0 << 0.0 << QStringList{"0", "0", "0.00", "0.00"};
        QTest::newRow("millones, redondeo y negativo")
            << 12 << 1234 << 1234567.896 << -50.0 << QStringList{"12", "1234", "1,234,567.90", "-50.00"};
    }
    void cifrasDelServidor()
    {
        QFETCH(int, pen);
        QFETCH(int, fin);
        QFETCH(double, propinas);
        QFETCH(double, total);
        QFETCH(QStringList, campos);
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &c = p.f.controles;
        c.iUser.setText(QStringLiteral("mesero1"));
        c.iPass.setText(QStringLiteral("clave"));
        QVERIFY(p.iniciarSesion());

        QList<double> enviados;
        p.servicio->respuestas.ObtenerResumen = [&](int &a, int &b, double &d, double &t) {
            enviados = {double(a), double(b), d, t};
            a = pen;
            b = fin;
            d = propinas;
            t = total;
            return 1;
        };
        QVERIFY(Abrir(p));
        QCOMPARE(Campos(c), campos);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabResumen"));
        QVERIFY(c.BackBtn.visible());
        QVERIFY(p.f.dialogos.historial().isEmpty());
        QVERIFY(!p.f.ActivityDialog1.shown() && !c.WaitLayout.visible());
        QCOMPARE(enviados, (QList<double>{0, 0, 0, 0}));
        QCOMPARE(p.servicio->llamadas("ObtenerResumen").first().argumentos, (QStringList{"User=mesero1", "Pass=clave"}));
    }

    void cadaUsoPreguntaDeNuevo()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        int pen = 1;
        p.servicio->respuestas.ObtenerResumen = [&](int &a, int &, double &, double &) {
            a = pen++;
            return 1;
        };
        QVERIFY(Abrir(p));
        p.f.controles.BackBtn.click();
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QVERIFY(Abrir(p));
        QCOMPARE(p.f.controles.ComandasPenT.text(), QStringLiteral("2"));
        QCOMPARE(p.servicio->llamadas("ObtenerResumen").size(), 2);
    }

    void servidorCaido()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        p.servicio->respuestas.ObtenerResumen = [](int &a, int &b, double &d, double &t) {
            a = 3, b = 5, d = 120.5, t = 1500;
            return 1;
        };
        QVERIFY(Abrir(p));
        c.BackBtn.click();

        p.servicio->respuestas.ObtenerResumen = [](int &a, int &, double &, double &) -> int {
            a = 99; // whatever a failed call left behind is not shown
            throw ErrorServicio(QStringLiteral("Host servidor.prueba not found"));
        };
        QVERIFY(Abrir(p));
        QCOMPARE(p.f.dialogos.historial(), QStringList{"No hay conexión al URL\rHost servidor.prueba not found"});
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(Campos(c), (QStringList{"3", "5", "120.50", "1,500.00"}));
        QVERIFY(!p.f.ActivityDialog1.shown() && !c.WaitLayout.visible());
    }

    void modoDemoCuentaLasComandasLocales()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        QVERIFY(Abrir(p));
        QCOMPARE(Campos(p.f.controles), (QStringList{"4", "0", "0.00", "0.00"}));
        QVERIFY(p.servicio->llamadas().isEmpty());

        // One comanda sent in demo mode joins the local list the summary counts.
        Mesero m{p};
        QVERIFY(m.menu(1));
        QVERIFY(m.elegirMesa(QStringLiteral("Mesa 2")));
        m.linea(QStringLiteral("Cafe"), 1, 40);
        m.abrirComanda();
        QVERIFY(m.surtir());
        QVERIFY(m.mensajes().isEmpty());
        p.f.EmpresaBtnClick();
        QVERIFY(Abrir(p));
        QCOMPARE(Campos(p.f.controles), (QStringList{"5", "0", "0.00", "0.00"}));
        QVERIFY(p.servicio->llamadas().isEmpty());
    }
};

QTEST_MAIN(TstResumen)
#include "tst_resumen.moc"
