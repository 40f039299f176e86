#include "Pantalla.h"
#include "Ventana.h"
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TrazenPlugin)

Pantalla::Pantalla(TTabbedForm &f)
{
    // A script error on a screen (a binding reading a gone item, a name that is not
    // there) fails the test that shows it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("TypeError|ReferenceError")));
    m_ventana = CargarVentana(m_motor, f);
    if (m_ventana) {
        m_ventana->resize(452, 775);
        m_ventana->show();
        QTest::qWaitForWindowExposed(m_ventana);
        dibujar();
    }
}

Pantalla::~Pantalla() = default;

namespace {
/// Where the popups (dialogs, the drawer) and their dimming live, as a text that changes
/// while any of them moves, fades, opens or closes.
QString estadoEmergentes(QQuickWindow *w)
{
    QString r;
    for (QQuickItem *i : w->contentItem()->childItems()) {
        if (qstrcmp(i->metaObject()->className(), "QQuickOverlay") != 0)
            continue;
        for (QQuickItem *p : i->childItems())
            r += QStringLiteral("%1 %2,%3 %4;").arg(p->isVisible()).arg(p->x()).arg(p->y()).arg(p->opacity());
    }
    return r;
}
} // namespace

void Pantalla::dibujar()
{
    if (!m_ventana) {
        QCoreApplication::processEvents();
        return;
    }
    // Frames until bindings have settled and no popup is still opening or closing, so that
    // a tap lands on what the waiter would see.
    QString antes;
    for (int i = 0; i < 50; ++i) {
        QCoreApplication::processEvents();
        m_ventana->requestUpdate();
        QTest::qWait(20);
        const QString ahora = estadoEmergentes(m_ventana);
        if (i >= 1 && ahora == antes)
            break;
        antes = ahora;
    }
}

QString Pantalla::capturar(const QString &nombre)
{
    if (!m_ventana)
        return {};
    dibujar();
    QString ruta = nombre;
    if (QDir::isRelativePath(ruta)) {
        const QString carpeta = QStringLiteral(TZ_BUILD_DIR "/capturas");
        QDir().mkpath(carpeta);
        ruta = carpeta + u'/' + nombre;
    }
    const QImage imagen = m_ventana->grabWindow();
    return !imagen.isNull() && imagen.save(ruta) ? ruta : QString();
}

namespace {
/// Every item of that name in the visual tree under `raiz`.
void buscar(QQuickItem *raiz, const QString &nombre, QList<QQuickItem *> &encontrados)
{
    if (raiz->objectName() == nombre)
        encontrados << raiz;
    for (QQuickItem *hijo : raiz->childItems())
        buscar(hijo, nombre, encontrados);
}
} // namespace

QQuickItem *Pantalla::item(const QString &nombre) const
{
    if (!m_ventana)
        return nullptr;
    QList<QQuickItem *> candidatos;
    buscar(m_ventana->contentItem(), nombre, candidatos);
    // Prefer an item that shows: several screens may carry an item of the same name.
    for (QQuickItem *i : candidatos)
        if (i->isVisible() && i->width() > 0 && i->height() > 0)
            return i;
    return candidatos.isEmpty() ? nullptr : candidatos.first();
}

bool Pantalla::seVe(const QString &nombre)
{
    dibujar();
    QQuickItem *i = item(nombre);
    if (!i || !i->isVisible() || i->width() <= 0 || i->height() <= 0)
        return false;
    for (QQuickItem *p = i; p; p = p->parentItem())
        if (!p->isVisible() || p->opacity() == 0)
            return false;
    const QRectF r = i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
    return r.intersects(QRectF(0, 0, m_ventana->width(), m_ventana->height()));
}

bool Pantalla::tocar(const QString &nombre)
{
    if (!seVe(nombre))
        return false;
    QQuickItem *i = item(nombre);
    const QPointF centro = i->mapToScene(QPointF(i->width() / 2, i->height() / 2));
    QTest::mouseClick(m_ventana, Qt::LeftButton, Qt::NoModifier, centro.toPoint());
    dibujar();
    return true;
}

bool Pantalla::tocarDoble(const QString &nombre)
{
    if (!seVe(nombre))
        return false;
    QQuickItem *i = item(nombre);
    const QPoint centro = i->mapToScene(QPointF(i->width() / 2, i->height() / 2)).toPoint();
    QTest::mouseDClick(m_ventana, Qt::LeftButton, Qt::NoModifier, centro);
    dibujar();
    return true;
}

bool Pantalla::escribir(const QString &nombre, const QString &texto)
{
    if (!tocar(nombre))
        return false;
    QQuickItem *i = item(nombre);
    i->forceActiveFocus();
    QMetaObject::invokeMethod(i, "selectAll");
    QTest::keyClick(m_ventana, Qt::Key_Delete);
    // Characters as a keyboard types them, accents included.
    for (const QChar ch : texto) {
        QTest::sendKeyEvent(QTest::Press, m_ventana, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, m_ventana, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    dibujar();
    return true;
}

void Pantalla::tecla(Qt::Key k)
{
    QTest::keyClick(m_ventana, k);
    dibujar();
}

bool Pantalla::deslizar(const QString &nombre, int dx)
{
    if (!seVe(nombre))
        return false;
    QQuickItem *i = item(nombre);
    const QPoint inicio = i->mapToScene(QPointF(i->width() / 2, i->height() / 2)).toPoint();
    arrastrar(inicio, inicio + QPoint(dx, 0));
    return true;
}

void Pantalla::arrastrar(QPoint desde, QPoint hasta)
{
    dibujar();
    QTest::mousePress(m_ventana, Qt::LeftButton, Qt::NoModifier, desde);
    const int pasos = 12;
    for (int k = 1; k <= pasos; ++k)
        QTest::mouseMove(m_ventana, desde + (hasta - desde) * k / pasos, 15);
    QTest::mouseRelease(m_ventana, Qt::LeftButton, Qt::NoModifier, hasta, 15);
    dibujar();
}
