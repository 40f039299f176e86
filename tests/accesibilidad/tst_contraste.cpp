#include "Pantallas.h"
#include "FormaPrueba.h"
#include "Pantalla.h"
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QtTest>

namespace {
double Luminancia(const QColor &c)
{
    const auto lineal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF());
}

/// The contrast ratio of two opaque colours, 1 to 21.
double Contraste(const QColor &a, const QColor &b)
{
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// `arriba` drawn with that opacity over `abajo`.
QColor Sobre(const QColor &arriba, double opacidad, const QColor &abajo)
{
    const double a = opacidad * arriba.alphaF();
    return QColor::fromRgbF(arriba.redF() * a + abajo.redF() * (1 - a), arriba.greenF() * a + abajo.greenF() * (1 - a),
                            arriba.blueF() * a + abajo.blueF() * (1 - a));
}

/// The style as the window's screens see it.
QObject *Tema(Pantalla &v)
{
    QQmlExpression expresion(qmlContext(v.ventana()), v.ventana(), QStringLiteral("Theme"));
    return expresion.evaluate().value<QObject *>();
}

void Celdas(QQuickItem *raiz, QList<QQuickItem *> &r)
{
    if (!raiz->isVisible())
        return;
    if (raiz->objectName().contains(QStringLiteral("_tile_")) && raiz->property("textColor").isValid())
        r << raiz;
    for (QQuickItem *h : raiz->childItems())
        Celdas(h, r);
}
} // namespace

/// Text reads at a contrast of at least 4.5:1 with what it is drawn on: the style's
/// pairs of colours, and the tiles as their lists draw them.
class TstContraste : public QObject {
    Q_OBJECT
private slots:
    void coloresDelTema_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("fondo");
        const QList<std::pair<const char *, const char *>> pares{
            {"texto", "fondo"},          {"texto", "superficieAlta"},   {"textoSuave", "fondo"},
            {"textoSuave", "superficieAlta"}, {"textoApagado", "superficie"}, {"textoApagado", "superficieAlta"},
            {"textoApagado", "encabezado"}, {"textoSobreAcento", "acento"}, {"texto", "peligro"},
            {"detalle", "superficie"},   {"detalle", "encabezado"},     {"acento", "superficie"},
        };
        for (const auto &[t, f] : pares)
            QTest::addRow("%s on %s", t, f) << QString::fromLatin1(t) << QString::fromLatin1(f);
    }
    void coloresDelTema()
    {
        QFETCH(QString, texto);
        QFETCH(QString, fondo);
        FormaPrueba p;
        Pantalla v(p.f);
        QObject *tema = Tema(v);
        QVERIFY(tema);
        const QColor t = tema->property(texto.toLatin1()).value<QColor>();
        const QColor f = tema->property(fondo.toLatin1()).value<QColor>();
        QVERIFY(t.isValid() && f.isValid());
        QVERIFY2(Contraste(t, f) >= 4.5, qPrintable(QString::number(Contraste(t, f), 'f', 2)));
    }

    // A button's caption takes white or near black, whichever reads on its colour.
    void textoSobreRelleno_data()
    {
        QTest::addColumn<QString>("relleno");
        for (const char *r : {"acento", "peligro", "exito", "superficie", "detalle"})
            QTest::newRow(r) << QString::fromLatin1(r);
    }
    void textoSobreRelleno()
    {
        QFETCH(QString, relleno);
        FormaPrueba p;
        Pantalla v(p.f);
        QObject *tema = Tema(v);
        QVERIFY(tema);
        const QColor r = tema->property(relleno.toLatin1()).value<QColor>();
        QVariant elegido;
        QVERIFY(QMetaObject::invokeMethod(tema, "textoSobre", Q_RETURN_ARG(QVariant, elegido), Q_ARG(QVariant, QVariant(r))));
        QVERIFY2(Contraste(elegido.value<QColor>(), r) >= 4.5, qPrintable(elegido.value<QColor>().name()));
    }

    void tiles_data()
    {
        QTest::addColumn<QString>("pantalla");
        for (const char *p : {"menu_principal", "mesas", "categorias", "productos", "modificadores"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }
    void tiles()
    {
        QFETCH(QString, pantalla);
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(Pantallas::IrA(p, v, pantalla));
        QList<QQuickItem *> celdas;
        Celdas(v.ventana()->contentItem(), celdas);
        QVERIFY(!celdas.isEmpty());
        const QColor fondo(0x1b, 0x1f, 0x24);
        for (QQuickItem *c : celdas) {
            if (c->property("caption").toString().isEmpty())
                continue;
            // The tile's fill over the screen, its caption, and its notes drawn at 75 %.
            const QColor relleno = Sobre(c->property("fill").value<QColor>(), c->property("fillOpacity").toDouble(), fondo);
            const QColor texto = c->property("textColor").value<QColor>();
            const double titulo = Contraste(texto, relleno), notas = Contraste(Sobre(texto, 0.75, relleno), relleno);
            QVERIFY2(titulo >= 4.5 && notas >= 4.5,
                     qPrintable(QStringLiteral("%1: %2 / %3").arg(c->objectName()).arg(titulo).arg(notas)));
        }
    }
};

QTEST_MAIN(TstContraste)
#include "tst_contraste.moc"
