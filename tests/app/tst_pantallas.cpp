#include "FormaPrueba.h"
#include "Pantalla.h"
#include "app/Navegacion.h"
#include <QtTest>

/// The shell's screens in the real window: drawn, captured, and driven by taps.
class TstPantallas : public QObject {
    Q_OBJECT
private slots:
    void inicioDeSesionDibujadoYCapturado()
    {
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(v.ventana());
        QCOMPARE(v.ventana()->title(), QStringLiteral("Trazen Móvil"));
        QCOMPARE(v.ventana()->size(), QSize(452, 775));
        for (const char *n : {"iUser", "iPass", "SignInRectBTN", "WelcomeLabel", "LabelVer", "OKBtn"})
            QVERIFY2(v.seVe(QString::fromLatin1(n)), n);
        QVERIFY(!v.seVe(QStringLiteral("MenuBtn")));
        QVERIFY(!v.seVe(QStringLiteral("BackBtn2")));
        QVERIFY(!v.capturar(QStringLiteral("inicio_sesion.png")).isEmpty());
    }

    void iniciarSesionDemoConUnToque()
    {
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(v.tocar(QStringLiteral("SignInRectBTN")));
        QTRY_COMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QVERIFY(v.seVe(QStringLiteral("Tile_tile_1")));
        QVERIFY(!v.capturar(QStringLiteral("menu_principal.png")).isEmpty());
    }

    void cierreDeVentanaRechazadoSalvoSalir()
    {
        FormaPrueba p;
        Pantalla v(p.f);
        v.ventana()->close();
        v.dibujar();
        QVERIFY(v.ventana()->isVisible());
        p.f.CerrarBtnClick();
        QTRY_VERIFY(!v.ventana()->isVisible());
    }

    void pantallasDeAjustes()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.navegacion().ConfigurarBtnClick();
        QVERIFY(v.seVe(QStringLiteral("DNS")));
        QVERIFY(v.escribir(QStringLiteral("DNS"), QStringLiteral("Servidor1")));
        QCOMPARE(p.f.controles.URLWSDL.text(), QStringLiteral("http://servidor1:3269/WSTrazen.dll/wsdl/Itrazen"));
        QVERIFY(!v.capturar(QStringLiteral("conexion.png")).isEmpty());

        p.f.navegacion().EmpresaBtnClick();
        QVERIFY(v.tocar(QStringLiteral("Tile_tile_6")));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSettings"));
        QVERIFY(v.seVe(QStringLiteral("SwitchM")));
        QVERIFY(!v.capturar(QStringLiteral("ajustes.png")).isEmpty());
    }

    void mensajeSeContestaConSuBoton()
    {
        FormaPrueba p;
        Pantalla v(p.f);
        p.f.dialogos.MostrarMensaje(QStringLiteral("Hola"));
        v.dibujar();
        QVERIFY(v.seVe(QStringLiteral("Dialogo_texto")));
        QVERIFY(!v.capturar(QStringLiteral("mensaje.png")).isEmpty());
        QVERIFY(v.tocar(QStringLiteral("Dialogo_OK")));
        QCOMPARE(p.f.dialogos.pendientes(), 0);
    }
};

QTEST_MAIN(TstPantallas)
#include "tst_pantallas.moc"
