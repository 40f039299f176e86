#include "FormaPrueba.h"
#include "Pantalla.h"
#include "shell/Navegacion.h"
#include <QQuickItem>
#include <QSemaphore>
#include <QtTest>

namespace {
/// Every text drawn in the window's item tree.
QStringList textos(QQuickItem *raiz)
{
    QStringList r;
    if (raiz->isVisible()) {
        const QVariant t = raiz->property("text");
        if (t.isValid() && !t.toString().isEmpty())
            r << t.toString();
        for (QQuickItem *h : raiz->childItems())
            r << textos(h);
    }
    return r;
}

/// How many different colours a picture has: a blank one has one or two.
int colores(const QImage &imagen)
{
    QSet<QRgb> vistos;
    for (int y = 0; y < imagen.height(); y += 3)
        for (int x = 0; x < imagen.width(); x += 3)
            vistos.insert(imagen.pixel(x, y));
    return int(vistos.size());
}
} // namespace

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
        const QStringList vistos = textos(v.ventana()->contentItem());
        for (const char *t : {"B I E N V E N I D O S", "INICIAR", "Admin", "Build 2.0.182", "POS"})
            QVERIFY2(vistos.contains(QString::fromUtf8(t)), t);
        const QString png = v.capturar(QStringLiteral("inicio_sesion.png"));
        QVERIFY(!png.isEmpty());
        const QImage imagen(png);
        QCOMPARE(imagen.size(), QSize(452, 775));
        QVERIFY(colores(imagen) > 50);
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
        p.f.ConfigurarBtnClick();
        QVERIFY(v.seVe(QStringLiteral("DNS")));
        QVERIFY(v.escribir(QStringLiteral("DNS"), QStringLiteral("Servidor1")));
        QCOMPARE(p.f.controles.URLWSDL.text(), QStringLiteral("http://servidor1:3269/WSTrazen.dll/wsdl/Itrazen"));
        QVERIFY(!v.capturar(QStringLiteral("conexion.png")).isEmpty());

        p.f.EmpresaBtnClick();
        QVERIFY(v.tocar(QStringLiteral("Tile_tile_6")));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabSettings"));
        QVERIFY(v.seVe(QStringLiteral("SwitchM")));
        QVERIFY(!v.capturar(QStringLiteral("ajustes.png")).isEmpty());
    }

    void capaDeEsperaDuranteUnaTarea()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QSemaphore soltar;
        p.servicio->respuestas.VersionWSPos = [&] {
            soltar.acquire();
            return 10182;
        };
        Pantalla v(p.f);
        QVERIFY(v.tocar(QStringLiteral("SignInRectBTN")));
        QTRY_VERIFY(p.f.ActivityDialog1.shown());
        QVERIFY(v.seVe(QStringLiteral("WaitLayout")));
        QVERIFY(v.seVe(QStringLiteral("ActivityDialog1")));
        const QStringList vistos = textos(v.ventana()->contentItem());
        QVERIFY(vistos.contains(QStringLiteral("Conectandose, espere")));
        QVERIFY(vistos.contains(QStringLiteral("Por favor Espere")));
        QVERIFY(vistos.contains(QStringLiteral("Conectando")));
        QVERIFY(!v.capturar(QStringLiteral("espera.png")).isEmpty());
        // The screens take no taps meanwhile.
        QVERIFY(!v.item(QStringLiteral("ContentLayout"))->isEnabled());
        soltar.release();
        QVERIFY(p.esperarTarea());
        v.dibujar();
        QVERIFY(!v.seVe(QStringLiteral("WaitLayout")));
        QVERIFY(v.item(QStringLiteral("ContentLayout"))->isEnabled());
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
