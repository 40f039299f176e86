#pragma once
#include <QAccessible>
#include <QList>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>

/// What a keyboard or screen-reader user meets on the window as it shows now: the
/// controls a finger could use, the accessibility tree and the keyboard's focus chain.
namespace ArbolAccesible {

/// The controls that show and take input now (enabled): buttons, fields, switches,
/// drop-downs, and items with a tap handler and no control inside (tiles). With a modal popup open
/// (a dialog, the drawer), only those inside it. Parts of a control (the field of a
/// drop-down) are not counted apart.
[[nodiscard]] QList<QQuickItem *> Interactivos(QQuickWindow *w);

/// Every object the accessibility tree reaches from the window.
[[nodiscard]] QSet<QObject *> ObjetosDelArbol(QQuickWindow *w);

/// The items Tab reaches from the one with the focus, around the whole chain.
[[nodiscard]] QSet<QQuickItem *> CadenaDeFoco(QQuickWindow *w);

/// The item is reached by the keyboard: it is in the chain, or inside an item that is
/// (a tile of a list, whose arrows move between them), or it is a button kept out of
/// the chain whose group holds an item that is (the − and + of a spin box).
[[nodiscard]] bool Alcanzable(QQuickItem *i, const QSet<QQuickItem *> &cadena);

/// The item's accessible role and name, or NoRole and "" when it has no interface.
[[nodiscard]] QAccessible::Role Rol(QQuickItem *i);
[[nodiscard]] QString Nombre(QQuickItem *i);

/// A short description of the item for failure messages: its class, objectName and text.
[[nodiscard]] QString Describir(QQuickItem *i);

} // namespace ArbolAccesible
