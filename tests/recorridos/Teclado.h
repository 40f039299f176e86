#pragma once
#include "Pantalla.h"
#include <QQuickItem>
#include <QTest>

/// A waiter's keyboard on the real window: Tab and the arrows until the focus is where
/// it should be, keys and typing. Nothing is tapped.
class Teclado {
public:
    explicit Teclado(Pantalla &v) : m_v(v) {}

    /// The name of the item with the focus, or of the nearest named item holding it (a
    /// tile's name, a list row's, or the field's own).
    [[nodiscard]] QString foco() const
    {
        for (QQuickItem *i = m_v.ventana()->activeFocusItem(); i; i = i->parentItem())
            if (!i->objectName().isEmpty())
                return i->objectName();
        return {};
    }
    /// The focus is on that item or inside it (a tile of that list).
    [[nodiscard]] bool en(const QString &nombre) const
    {
        for (QQuickItem *i = m_v.ventana()->activeFocusItem(); i; i = i->parentItem())
            if (i->objectName() == nombre)
                return true;
        return false;
    }

    /// Presses a key until the focus reaches the item, at most `veces` times.
    bool hasta(Qt::Key k, const QString &nombre, int veces = 40, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        for (int i = 0; i < veces && !en(nombre); ++i)
            tecla(k, m);
        return en(nombre);
    }
    /// Tab, or Shift+Tab, until the item has the focus.
    bool tab(const QString &nombre) { return hasta(Qt::Key_Tab, nombre); }
    bool tabAtras(const QString &nombre) { return hasta(Qt::Key_Backtab, nombre, 40, Qt::ShiftModifier); }

    void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(m_v.ventana(), k, m);
        m_v.dibujar();
    }
    /// Selects what the field holds and types over it, accents included.
    void escribir(const QString &texto)
    {
        QTest::keyClick(m_v.ventana(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_v.ventana(), Qt::Key_Delete);
        for (const QChar ch : texto) {
            QTest::sendKeyEvent(QTest::Press, m_v.ventana(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, m_v.ventana(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        m_v.dibujar();
    }

private:
    Pantalla &m_v;
};

/// Moves the focus, checking it got there, with the focus named when it did not.
#define TAB(t, nombre) QVERIFY2((t).tab(QStringLiteral(nombre)), qPrintable(QStringLiteral(nombre " ≠ ") + (t).foco()))
#define TAB_ATRAS(t, nombre) QVERIFY2((t).tabAtras(QStringLiteral(nombre)), qPrintable(QStringLiteral(nombre " ≠ ") + (t).foco()))
#define FLECHA(t, k, nombre) QVERIFY2((t).hasta(k, QStringLiteral(nombre), 16), qPrintable(QStringLiteral(nombre " ≠ ") + (t).foco()))
