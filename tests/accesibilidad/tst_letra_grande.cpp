#include "ArbolAccesible.h"
#include "Pantallas.h"
#include "recorridos/Recorrido.h"
#include <QtTest>

namespace {
/// The display settings at their largest font sizes, stored before start-up.
const QString LetraGrande = QStringLiteral("[AppMovil]\nFuente1=20\nFuente2=20\n");

/// The item's rectangle on the window.
QRectF EnVentana(QQuickItem *i) { return i->mapRectToScene(QRectF(0, 0, i->width(), i->height())); }

/// The item is drawn: visible, with a size, not scrolled out of a clipping ancestor.
bool Dibujado(QQuickItem *i)
{
    if (!i->isVisible() || i->width() <= 0 || i->height() <= 0)
        return false;
    QRectF r = EnVentana(i);
    for (QQuickItem *p = i->parentItem(); p; p = p->parentItem()) {
        if (p->opacity() == 0)
            return false;
        if (p->clip())
            r &= EnVentana(p);
    }
    return r.width() > 1 && r.height() > 1;
}

void Textos(QQuickItem *raiz, QList<QQuickItem *> &r)
{
    if (!raiz->isVisible())
        return;
    if (raiz->inherits("QQuickText") && !raiz->property("text").toString().trimmed().isEmpty() && Dibujado(raiz))
        r << raiz;
    for (QQuickItem *h : raiz->childItems())
        Textos(h, r);
}

bool Contiene(QQuickItem *a, QQuickItem *b)
{
    for (QQuickItem *p = b; p; p = p->parentItem())
        if (p == a)
            return true;
    return false;
}

/// Where a text's letters are drawn on the window: its content, placed by its alignment.
QRectF Letras(QQuickItem *t)
{
    const qreal ancho = qMin(t->property("contentWidth").toReal(), t->width());
    const qreal alto = qMin(t->property("contentHeight").toReal(), t->height());
    const int h = t->property("effectiveHorizontalAlignment").toInt();
    const int v = t->property("verticalAlignment").toInt();
    const qreal x = h & Qt::AlignRight ? t->width() - ancho : h & Qt::AlignHCenter ? (t->width() - ancho) / 2 : 0;
    const qreal y = v & Qt::AlignBottom ? t->height() - alto : v & Qt::AlignVCenter ? (t->height() - alto) / 2 : 0;
    return t->mapRectToScene(QRectF(x, y, ancho, alto));
}

/// The item lies under a popup that is open (a dialog over the screen).
bool Tapado(QQuickItem *i, QQuickWindow *w)
{
    bool abierto = false, dentro = false;
    for (QQuickItem *o : w->contentItem()->childItems())
        if (o->inherits("QQuickOverlay"))
            for (QQuickItem *p : o->childItems())
                if (p->inherits("QQuickPopupItem") && p->isVisible()) {
                    abierto = true;
                    dentro = dentro || Contiene(p, i);
                }
    return abierto && !dentro;
}

QString Quien(QQuickItem *i) { return ArbolAccesible::Describir(i); }
} // namespace

/// Every screen at the display settings' largest font sizes: the texts grow (those of
/// fixed size too), none is cut, runs out of its place or of the window, none is drawn
/// over another, and no two controls overlap. Each screen is captured as 30_letra_grande_<screen>.png.
class TstLetraGrande : public QObject {
    Q_OBJECT
private slots:
    void pantalla_data()
    {
        QTest::addColumn<QString>("pantalla");
        for (const QString &p : Pantallas::Todas())
            QTest::newRow(qPrintable(p)) << p;
    }
    void pantalla()
    {
        QFETCH(QString, pantalla);
        FormaPrueba p(LetraGrande);
        Pantalla v(p.f);
        QVERIFY(v.ventana());
        // Stored, the sizes show at once on the texts of fixed size; the lists and tiles take
        // them when the display settings are left, as a waiter does after changing them.
        const auto aplicar = [&] {
            p.f.controles.Tile.click(6);
            p.f.controles.BackBtn.click();
        };
        QVERIFY(Pantallas::IrA(p, v, pantalla, aplicar));
        if (p.f.estado.IsLogged)
            QCOMPARE(p.f.estado.FuenteCuadros, 20);
        QQuickWindow *w = v.ventana();
        const QRectF ventana(0, 0, w->width(), w->height());

        // The header's title, of a fixed size before, grows with the lists' font.
        QQuickItem *titulo = v.item(QStringLiteral("ToolBarLabel"));
        QVERIFY(titulo);
        QVERIFY(titulo->property("font").value<QFont>().pixelSize() >= 28);

        QStringList faltas;
        QList<QQuickItem *> textos;
        Textos(w->contentItem(), textos);
        textos.removeIf([&](QQuickItem *t) { return Tapado(t, w); });
        for (QQuickItem *t : textos) {
            const bool ajusta = t->property("fontSizeMode").toInt() != 0; // shrinks to fit
            if (t->property("truncated").toBool())
                faltas << QStringLiteral("cut: ") + Quien(t);
            else if (!ajusta && t->property("contentWidth").toReal() > t->width() + 1)
                faltas << QStringLiteral("wider than its place (%1 > %2): ").arg(t->property("contentWidth").toReal()).arg(t->width()) + Quien(t);
            else if (!ajusta && t->property("contentHeight").toReal() > t->height() + 1)
                faltas << QStringLiteral("taller than its place (%1 > %2): ").arg(t->property("contentHeight").toReal()).arg(t->height()) + Quien(t);
            const QRectF r = EnVentana(t);
            if (r.left() < -1 || r.right() > ventana.right() + 1)
                faltas << QStringLiteral("out of the window: ") + Quien(t);
        }
        for (int a = 0; a < textos.size(); ++a)
            for (int b = a + 1; b < textos.size(); ++b) {
                const QRectF comun = Letras(textos[a]) & Letras(textos[b]);
                if (comun.width() > 2 && comun.height() > 2)
                    faltas << QStringLiteral("texts over each other: ") + Quien(textos[a]) + QStringLiteral(" / ") + Quien(textos[b]);
            }
        const QList<QQuickItem *> controles = ArbolAccesible::Interactivos(w);
        for (int a = 0; a < controles.size(); ++a) {
            const QRectF ra = EnVentana(controles[a]);
            if (ra.left() < -1 || ra.right() > ventana.right() + 1)
                faltas << QStringLiteral("control out of the window: ") + Quien(controles[a]);
            for (int b = a + 1; b < controles.size(); ++b) {
                if (Contiene(controles[a], controles[b]) || Contiene(controles[b], controles[a]))
                    continue;
                const QRectF comun = ra & EnVentana(controles[b]);
                if (comun.width() > 1 && comun.height() > 1)
                    faltas << QStringLiteral("overlap: ") + Quien(controles[a]) + QStringLiteral(" / ") + Quien(controles[b]);
            }
        }
        QVERIFY(!v.capturar(CarpetaCapturas() + QStringLiteral("/30_letra_grande_") + pantalla + QStringLiteral(".png")).isEmpty());
        QVERIFY2(faltas.isEmpty(), qPrintable(faltas.join(u'\n')));
    }
};

QTEST_MAIN(TstLetraGrande)
#include "tst_letra_grande.moc"
