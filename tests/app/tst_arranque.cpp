#include "FormaPrueba.h"
#include "app/Navegacion.h"
#include "storage/ArchivoIni.h"
#include <QtTest>

/// Start-up: the settings file decides the mode and fills the controls.
class TstArranque : public QObject {
    Q_OBJECT
private slots:
    void primerArranqueSinArchivo()
    {
        FormaPrueba p;
        auto &c = p.f.controles;
        auto &e = p.f.estado;
        QVERIFY(e.ModoDemo);
        QCOMPARE(c.iUser.text(), QStringLiteral("Admin"));
        QCOMPARE(c.iPass.text(), QStringLiteral("579"));
        QVERIFY(c.SwitchM.checked() && c.SwitchC.checked() && c.SwitchP.checked() && c.SwitchUser.checked());
        QCOMPARE((QStringList{c.Fuente1.text(), c.Fuente2.text(), c.Columnas.text(), c.ColumnasCat.text(),
                              c.ColumnasPro.text()}),
                 (QStringList{"12", "11", "3", "3", "3"}));
        QCOMPARE(e.VersionServicio, 20100);
        QCOMPARE(e.FuenteCuadros, 12);
        QCOMPARE(e.FuenteListados, 13);
        QCOMPARE(e.ListaMesasActual.Count, 4);
        QCOMPARE(e.ListaComandasActual.Count, 4);
        QCOMPARE(e.ListaCategorias.Count, 4);
        QCOMPARE(e.NumProductosGuardados(), 19);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        QCOMPARE(c.URLWSDL.text(), QStringLiteral("http://127.0.0.0:3269/WSTrazen.dll/wsdl/Itrazen"));
        QVERIFY(!c.Btn2.visible());
        QCOMPARE(p.servicio->conectarMs, 500000);
    }

    void demoIniciaSesionSinRed()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QVERIFY(p.servicio->llamadas().isEmpty());
        QCOMPARE(p.f.estado.NumProductosGuardados(), 19);
    }
};

QTEST_MAIN(TstArranque)
#include "tst_arranque.moc"
