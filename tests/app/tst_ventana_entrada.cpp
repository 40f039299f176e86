#include "FormaPrueba.h"
#include "Pantalla.h"
#include "shell/Navegacion.h"
#include <QQuickItem>
#include <QSemaphore>
#include <QtTest>

namespace {
/// Types characters on the window, wherever the focus is, as a keyboard does.
void Teclear(Pantalla &v, const QString &texto)
{
    for (const QChar ch : texto) {
        QTest::sendKeyEvent(QTest::Press, v.ventana(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, v.ventana(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    v.dibujar();
}

/// Signed in to the fake server, with `n` tables, the table list held at the server until
/// the test lets it go.
struct MesasRetenidas {
    FormaPrueba p{FormaPrueba::iniServidor()};
    QSemaphore llegada, salida;
    explicit MesasRetenidas(int n = 3)
    {
        p.servicio->respuestas.ListaMesas = [this, n](int) {
            llegada.release();
            salida.tryAcquire(1, 15000);
            TListaInfo1 l;
            for (int i = 1; i <= n; ++i) {
                TInfo1 m;
                m.DB = i;
                m.Nombre = QStringLiteral("Mesa %1").arg(i);
                l.ArrayInfo1.append(m);
            }
            l.Count = n;
            return std::optional(l);
        };
    }
};
} // namespace

/// What a waiter hit in a real window: keys that reach a hidden screen, a drawer that opens
/// while a task runs, a screen drawn over the header, and the look of buttons and grids.
class TstVentanaEntrada : public QObject {
    Q_OBJECT
private slots:
    // A hidden screen's fields lose the focus: keys reach only what shows.
    void tecladoSoloLlegaALoQueSeVe()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.setActiveTab(QStringLiteral("TabComanda"));
        QVERIFY(v.escribir(QStringLiteral("Nombre"), QStringLiteral("Ana")));
        p.f.ConfigurarBtnClick(); // the drawer's "Configurar parámetros"
        v.dibujar();
        const QString url = p.f.controles.URLWSDL.text();
        Teclear(v, QStringLiteral("127.0.0.1"));
        QCOMPARE(p.f.controles.Nombre.text(), QStringLiteral("Ana"));
        QCOMPARE(p.f.controles.URLWSDL.text(), url);
        // A field of the screen that shows takes what is typed in it.
        QVERIFY(v.escribir(QStringLiteral("DNS"), QStringLiteral("10.0.0.5")));
        QCOMPARE(p.f.controles.DNS.text(), QStringLiteral("10.0.0.5"));
        QCOMPARE(p.f.controles.Nombre.text(), QStringLiteral("Ana"));
    }

    // While a task runs, the drawer opens neither by its swipe nor by the Menu key.
    void cajonCerradoDuranteUnaTarea()
    {
        MesasRetenidas s;
        QVERIFY(s.p.iniciarSesion());
        Pantalla v(s.p.f);
        s.p.f.controles.Tile.click(2); // "Mesas"
        QVERIFY(QTest::qWaitFor([&] { return s.llegada.tryAcquire(); }, 15000));
        QTRY_VERIFY(s.p.f.ActivityDialog1.shown());
        v.arrastrar(QPoint(2, 400), QPoint(320, 400));
        v.tecla(Qt::Key_F10);
        QVERIFY(!s.p.f.controles.MultiView1.visible());
        s.salida.release();
        QVERIFY(s.p.esperarTarea());
        // Once it is over the swipe opens it again.
        v.arrastrar(QPoint(2, 400), QPoint(320, 400));
        QTRY_VERIFY(s.p.f.controles.MultiView1.visible());
    }

    // A close request while a task runs ends the program at once.
    void cerrarDuranteUnaTarea()
    {
        MesasRetenidas s;
        QVERIFY(s.p.iniciarSesion());
        Pantalla v(s.p.f);
        s.p.f.controles.Tile.click(2);
        QVERIFY(QTest::qWaitFor([&] { return s.llegada.tryAcquire(); }, 15000));
        v.ventana()->close();
        QTRY_VERIFY(!v.ventana()->isVisible());
        QVERIFY(s.p.f.estado.Salida);
        s.salida.release();
        QVERIFY(s.p.esperarTarea());
    }

    // A scrolled screen never draws over the header (a tap on ← reached a switch).
    void pantallaDesplazadaNoTapaElEncabezado()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.controles.Tile.click(6); // "Configuracion"
        v.dibujar();
        auto *ajustes = qobject_cast<QQuickItem *>(v.item(QStringLiteral("TabSettings")));
        QVERIFY(ajustes);
        auto *flick = ajustes->property("item").value<QQuickItem *>();
        QVERIFY(flick && flick->property("contentHeight").toReal() > flick->height());
        const QImage antes = v.ventana()->grabWindow();
        flick->setProperty("contentY", 250);
        v.dibujar();
        const QImage despues = v.ventana()->grabWindow();
        // The header's left corner, where no text is drawn, stays the header's colour.
        for (int y = 4; y < 44; y += 8)
            QCOMPARE(QColor(despues.pixel(6, y)), QColor(antes.pixel(6, y)));
    }

    // Enter in the customer's name runs the free-text handler, which shares its key handler.
    void enterEnNombreGuardaElTextoLibre()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.controles.ModPer.setText(QStringLiteral("para llevar"));
        p.f.setActiveTab(QStringLiteral("TabComanda"));
        QVERIFY(v.escribir(QStringLiteral("Nombre"), QStringLiteral("Ana")));
        v.tecla(Qt::Key_Return);
        QCOMPARE(p.f.estado.EspPendiente[5], QStringLiteral("para llevar"));
        QVERIFY(p.f.controles.ModPer.text().isEmpty());
    }

    // The settings' buttons show their texts as written, whole.
    void botonesConSuTextoEntero()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.controles.Tile.click(6);
        v.dibujar();
        for (const char *n : {"Guardar", "Button2", "CancelarNotificacionBtn"}) {
            QQuickItem *b = v.item(QString::fromLatin1(n));
            QVERIFY2(b, n);
            QCOMPARE(b->property("font").value<QFont>().capitalization(), QFont::MixedCase);
            auto *texto = b->property("contentItem").value<QQuickItem *>();
            QVERIFY2(texto && !texto->property("truncated").toBool(), n);
        }
    }

    // The last page of the table map sits on the columns of the first.
    void ultimaPaginaEnLaRejilla()
    {
        MesasRetenidas s(14); // two tables on the last page
        s.salida.release(5);
        QVERIFY(s.p.iniciarSesion());
        Pantalla v(s.p.f);
        s.p.f.controles.Tile.click(2);
        QVERIFY(s.p.esperarTarea());
        auto &l = s.p.f.controles.ListaMesa;
        QVERIFY(l.pageCount() >= 2);
        v.dibujar();
        QQuickItem *segunda = v.item(QStringLiteral("ListaMesa_tile_1"));
        QVERIFY(segunda);
        const qreal x = segunda->x(), ancho = segunda->width();
        l.setPage(l.pageCount() - 1);
        v.dibujar();
        QQuickItem *ultima = v.item(QStringLiteral("ListaMesa_tile_13"));
        QVERIFY(ultima);
        QCOMPARE(ultima->x(), x);
        QCOMPARE(ultima->width(), ancho);
    }

    // After a sign-in with a server the DNS field is locked, and looks it.
    void dnsBloqueadoSeVeBloqueado()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        QVERIFY(p.iniciarSesion());
        Pantalla v(p.f);
        p.f.ConfigurarBtnClick();
        v.dibujar();
        QVERIFY(!p.f.controles.DNS.enabled());
        QVERIFY(v.item(QStringLiteral("DNS"))->opacity() < 0.6);
        QCOMPARE(v.item(QStringLiteral("URLWSDL"))->opacity(), 1.0);
    }
};

QTEST_MAIN(TstVentanaEntrada)
#include "tst_ventana_entrada.moc"
