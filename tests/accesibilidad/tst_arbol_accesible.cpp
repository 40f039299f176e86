#include "ArbolAccesible.h"
#include "FormaPrueba.h"
#include "Pantalla.h"
#include "Pantallas.h"
#include <QtTest>

using namespace ArbolAccesible;

namespace {
/// The roles a control can have for a screen reader to say what it does.
bool RolDeControl(QAccessible::Role r)
{
    switch (r) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ListItem:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

/// The accessible object of the tree with that role and name, or null.
QAccessibleInterface *Buscar(QAccessibleInterface *i, QAccessible::Role rol, const QString &nombre, int profundidad = 0)
{
    if (!i || profundidad > 64)
        return nullptr;
    if (i->role() == rol && i->text(QAccessible::Name) == nombre)
        return i;
    for (int k = 0; k < i->childCount(); ++k)
        if (QAccessibleInterface *r = Buscar(i->child(k), rol, nombre, profundidad + 1))
            return r;
    return nullptr;
}
} // namespace

/// Every screen as a screen reader and a keyboard meet it: each control has a role and
/// a name, is in the accessibility tree, is reached by Tab (or by the arrows within its
/// list), and is large enough for a finger.
class TstArbolAccesible : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The test platform has no accessibility bridge: QAccessible stays inactive, yet the
        // tree is built when asked for. Controls then get no names of their own on
        // activation, so what is read here is what the screens give them.
        QAccessible::setActive(true);
    }

    void controlesDeCadaPantalla_data()
    {
        QTest::addColumn<QString>("pantalla");
        for (const QString &p : Pantallas::Todas())
            QTest::newRow(qPrintable(p)) << p;
    }
    void controlesDeCadaPantalla()
    {
        QFETCH(QString, pantalla);
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(v.ventana());
        QVERIFY(Pantallas::IrA(p, v, pantalla));

        QQuickWindow *w = v.ventana();
        const QList<QQuickItem *> controles = Interactivos(w);
        QVERIFY(controles.size() >= 1);
        const QSet<QObject *> arbol = ObjetosDelArbol(w);
        const QSet<QQuickItem *> cadena = CadenaDeFoco(w);
        QStringList faltas;
        for (QQuickItem *i : controles) {
            const QString quien = Describir(i);
            if (!RolDeControl(Rol(i)))
                faltas << QStringLiteral("no control role (%1): %2").arg(int(Rol(i))).arg(quien);
            if (Nombre(i).isEmpty())
                faltas << QStringLiteral("no name: ") + quien;
            if (!arbol.contains(i))
                faltas << QStringLiteral("not in the accessibility tree: ") + quien;
            if (!Alcanzable(i, cadena))
                faltas << QStringLiteral("not reached by the keyboard: ") + quien;
            if (i->width() < 44 || i->height() < 44)
                faltas << QStringLiteral("%1×%2, under 44×44: %3").arg(i->width()).arg(i->height()).arg(quien);
        }
        QVERIFY2(faltas.isEmpty(), qPrintable(faltas.join(u'\n')));
    }

    // Tiles say their caption and notes: the product its price, the table its comandas.
    void tilesDicenLoQueMuestran_data()
    {
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("producto con precio") << "productos" << "ListaPro_tile_0" << "Hot cakes, $ 120.00";
        QTest::newRow("mesa con comandas") << "mesas" << "ListaMesa_tile_0" << "Mesa 1, 2 comandas abiertas";
        QTest::newRow("mesa libre") << "mesas" << "ListaMesa_tile_1" << "Mesa 2";
        QTest::newRow("menú") << "menu_principal" << "Tile_tile_1" << "Nueva Comanda";
    }
    void tilesDicenLoQueMuestran()
    {
        QFETCH(QString, pantalla);
        QFETCH(QString, tile);
        QFETCH(QString, nombre);
        FormaPrueba p;
        Pantalla v(p.f);
        QVERIFY(Pantallas::IrA(p, v, pantalla));
        QQuickItem *i = v.item(tile);
        QVERIFY(i);
        QCOMPARE(Rol(i), QAccessible::Button);
        QCOMPARE(Nombre(i), nombre);
    }

    // A message and a question are said as such, with their text.
    void dialogosDicenSuTexto_data()
    {
        QTest::addColumn<bool>("pregunta");
        QTest::addColumn<int>("rol");
        QTest::newRow("mensaje") << false << int(QAccessible::AlertMessage);
        QTest::newRow("confirmación") << true << int(QAccessible::Dialog);
    }
    void dialogosDicenSuTexto()
    {
        QFETCH(bool, pregunta);
        QFETCH(int, rol);
        FormaPrueba p;
        Pantalla v(p.f);
        const QString texto = QStringLiteral("No hay conexión al URL");
        if (pregunta)
            p.f.dialogos.Confirmar(texto, [] {});
        else
            p.f.MostrarMensaje(texto);
        v.dibujar();
        QAccessibleInterface *raiz = QAccessible::queryAccessibleInterface(v.ventana());
        QVERIFY(Buscar(raiz, QAccessible::Role(rol), texto));
        // Its buttons are said too, and the keys reach them.
        const QList<QQuickItem *> botones = Interactivos(v.ventana());
        QCOMPARE(botones.size(), pregunta ? 2 : 1);
        // The focus lands on its default button once the dialog has opened (after its fade-in).
        QTRY_VERIFY(botones.contains(v.ventana()->activeFocusItem()));
    }
};

QTEST_MAIN(TstArbolAccesible)
#include "tst_arbol_accesible.moc"
