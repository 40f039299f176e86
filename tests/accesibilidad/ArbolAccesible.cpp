#include "ArbolAccesible.h"

namespace ArbolAccesible {
namespace {

bool EsControl(QQuickItem *i)
{
    for (const char *c : {"QQuickAbstractButton", "QQuickComboBox", "QQuickTextInput", "QQuickSpinBox", "QQuickSlider"})
        if (i->inherits(c))
            return true;
    return false;
}

bool TieneToque(QQuickItem *i)
{
    for (QObject *h : i->children())
        if (h->inherits("QQuickTapHandler") && h->property("enabled").toBool())
            return true;
    return false;
}

/// The item shows: visible, with a size, and at least partly inside every clipping
/// ancestor and the window.
bool SeVe(QQuickItem *i, QQuickWindow *w)
{
    if (!i->isVisible() || i->width() <= 0 || i->height() <= 0)
        return false;
    QRectF r = i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
    for (QQuickItem *p = i->parentItem(); p; p = p->parentItem()) {
        if (p->opacity() == 0)
            return false;
        if (p->clip())
            r &= p->mapRectToScene(QRectF(0, 0, p->width(), p->height()));
    }
    return r.intersects(QRectF(0, 0, w->width(), w->height())) && r.width() > 1 && r.height() > 1;
}

void Buscar(QQuickItem *raiz, QQuickWindow *w, QList<QQuickItem *> &r)
{
    // A disabled control takes no input now.
    if (!raiz->isVisible() || !raiz->isEnabled())
        return;
    const bool control = EsControl(raiz);
    if (control && raiz->inherits("QQuickTextInput") && raiz->property("readOnly").toBool()
        && raiz->property("activeFocusOnTab").toBool() == false)
        return; // a figure to read, not to type in
    if (control) {
        if (SeVe(raiz, w))
            r << raiz;
        return;
    }
    const qsizetype antes = r.size();
    for (QQuickItem *h : raiz->childItems())
        Buscar(h, w, r);
    // A bar that answers a gesture (the header's long press, which the Menu key stands for)
    // is a container, not a control.
    if (r.size() == antes && TieneToque(raiz) && SeVe(raiz, w) && Rol(raiz) != QAccessible::ToolBar)
        r << raiz;
}

/// The popups open now (their items live in the window's overlay).
QList<QQuickItem *> Emergentes(QQuickWindow *w)
{
    QList<QQuickItem *> r;
    for (QQuickItem *i : w->contentItem()->childItems())
        if (i->inherits("QQuickOverlay"))
            for (QQuickItem *p : i->childItems())
                if (p->inherits("QQuickPopupItem") && p->isVisible())
                    r << p;
    return r;
}

void Recorrer(QAccessibleInterface *i, QSet<QObject *> &vistos, int profundidad)
{
    if (!i || profundidad > 64)
        return;
    if (QObject *o = i->object()) {
        if (vistos.contains(o))
            return;
        vistos.insert(o);
    }
    for (int k = 0; k < i->childCount(); ++k)
        Recorrer(i->child(k), vistos, profundidad + 1);
}

} // namespace

QList<QQuickItem *> Interactivos(QQuickWindow *w)
{
    QList<QQuickItem *> r;
    const QList<QQuickItem *> emergentes = Emergentes(w);
    if (emergentes.isEmpty())
        Buscar(w->contentItem(), w, r);
    for (QQuickItem *p : emergentes)
        Buscar(p, w, r);
    return r;
}

QSet<QObject *> ObjetosDelArbol(QQuickWindow *w)
{
    QSet<QObject *> r;
    Recorrer(QAccessible::queryAccessibleInterface(w), r, 0);
    return r;
}

QSet<QQuickItem *> CadenaDeFoco(QQuickWindow *w)
{
    QSet<QQuickItem *> r;
    QQuickItem *inicio = w->activeFocusItem() ? w->activeFocusItem() : w->contentItem();
    QQuickItem *i = inicio;
    for (int k = 0; k < 500; ++k) {
        i = i->nextItemInFocusChain(true);
        if (!i || r.contains(i))
            break;
        r.insert(i);
    }
    return r;
}

bool Alcanzable(QQuickItem *i, const QSet<QQuickItem *> &cadena)
{
    for (QQuickItem *p = i; p; p = p->parentItem())
        if (cadena.contains(p))
            return true;
    if (i->property("focusPolicy").toInt() == Qt::NoFocus && i->parentItem())
        for (QQuickItem *hermano : i->parentItem()->childItems())
            if (cadena.contains(hermano))
                return true;
    return false;
}

QAccessible::Role Rol(QQuickItem *i)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(i);
    return a ? a->role() : QAccessible::NoRole;
}

QString Nombre(QQuickItem *i)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(i);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

QString Describir(QQuickItem *i)
{
    QString r = QString::fromLatin1(i->metaObject()->className());
    if (!i->objectName().isEmpty())
        r += QStringLiteral(" \"%1\"").arg(i->objectName());
    const QString texto = i->property("text").toString();
    if (!texto.isEmpty())
        r += QStringLiteral(" [%1]").arg(texto);
    for (QQuickItem *p = i->parentItem(); p && r.size() < 160; p = p->parentItem())
        if (!p->objectName().isEmpty()) {
            r += QStringLiteral(" in %1").arg(p->objectName());
            break;
        }
    return r;
}

} // namespace ArbolAccesible
