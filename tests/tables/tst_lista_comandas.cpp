#include "Mesero.h"
#include "service/ErrorServicio.h"

namespace {
/// The list view's rows as "H:", "I:" (with " | " and the detail) and "C:" texts.
QStringList filas(const ListaVista &l)
{
    QStringList r;
    for (const auto &f : l.filas())
        r << (f.tipo == ListaVista::Encabezado ? QStringLiteral("H:") + f.texto
              : f.tipo == ListaVista::Cierre   ? QStringLiteral("C:") + f.texto
                                               : QStringLiteral("I:") + f.texto + QStringLiteral(" | ") + f.detalle);
    return r;
}
} // namespace

/// The comanda list screen: fetched fresh each time, grouped by table, failures.
class TstListaComandas : public QObject {
    Q_OBJECT
private slots:
    void cadaVisitaPideLaListaAlServidor()
    {
        FormaPrueba p{FormaPrueba::iniServidor()};
        Mesero m{p};
        p.f.controles.iUser.setText(QStringLiteral("mesero"));
        p.f.controles.iPass.setText(QStringLiteral("1234"));
        QVERIFY(p.iniciarSesion());
        p.servicio->respuestas.ListaComandas = [](int) {
            return std::optional(ListaInfo({{12, "Juan", "Mesa 1", 4, 100.00}, {13, "Ana", "Mesa 1", 2.5, 250.50},
                                            {14, "Eva", "Terraza", 1, 1234.5}}));
        };
        QVERIFY(m.menu(3)); // "Lista de Comandas"
        QVERIFY(m.mensajes().isEmpty());
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabLista"));
        QVERIFY(p.f.controles.BackBtn.visible());
        const QStringList esperadas{"H:Mesa 1", "I:12:  - Juan (4) | $ 100.00", "I:13:  - Ana (2) | $ 250.50",
                                    "C:Total Cuenta: $ 350.50", "H:Terraza", "I:14:  - Eva (1) | $ 1,234.50",
                                    "C:Total Cuenta: $ 1,234.50"};
        QCOMPARE(filas(p.f.controles.Lista), esperadas);
        QCOMPARE(p.servicio->llamadas(QStringLiteral("ListaComandas"))[0].argumentos,
                 (QStringList{"User=mesero", "Pass=1234", "NuMesero=1"}));

        // Rows do nothing when tapped.
        p.f.controles.Lista.click(1);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabLista"));
        QVERIFY(!p.f.tareas.ocupado());

        // Reopening asks again and shows the new answer whole.
        p.servicio->respuestas.ListaComandas = [](int) { return std::optional(ListaInfo({})); };
        QVERIFY(m.menu(3));
        QCOMPARE(p.servicio->llamadas(QStringLiteral("ListaComandas")).size(), 2);
        QCOMPARE(p.f.controles.Lista.count(), 0);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabLista"));
        QVERIFY(m.mensajes().isEmpty());
    }

    void falloDejaLaPantallaYSusFilas()
    {
        FormaPrueba p{FormaPrueba::iniServidor()};
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        p.servicio->respuestas.ListaComandas = [](int) {
            return std::optional(ListaInfo({{12, "Juan", "Mesa 1", 4, 100.00}}));
        };
        QVERIFY(m.menu(3));
        const QStringList antes = filas(p.f.controles.Lista);
        p.f.EmpresaBtnClick();

        p.servicio->respuestas.ListaComandas = [](int) -> std::optional<TListaInfo1> {
            throw ErrorServicio(QStringLiteral("Connection refused"));
        };
        p.f.controles.Tile.click(3);
        QVERIFY(p.esperarTarea());
        QCOMPARE(m.mensajes(), QStringList{QStringLiteral("No se pudo obtener la lista")});
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(filas(p.f.controles.Lista), antes);
        QCOMPARE(p.f.estado.ListaComandasActual.Count, 0);
        QVERIFY(!p.f.controles.WaitLayout.visible() && !p.f.ActivityDialog1.shown());
    }

    void demoMuestraLaListaLocal()
    {
        FormaPrueba p;
        Mesero m{p};
        QVERIFY(p.iniciarSesion());
        QVERIFY(m.menu(3));
        QVERIFY(p.servicio->llamadas().isEmpty());
        const QStringList r = filas(p.f.controles.Lista);
        QCOMPARE(r.size(), 8); // two tables: heading, two comandas, closing each
        QCOMPARE(r[0], QStringLiteral("H:Mesa 1"));
        QCOMPARE(r[3], QStringLiteral("C:Total Cuenta: $ 749.00"));
        QCOMPARE(r[4], QStringLiteral("H:Mesa 3"));
        QCOMPARE(r[7], QStringLiteral("C:Total Cuenta: $ 1,084.00"));
    }
};

QTEST_MAIN(TstListaComandas)
#include "tst_lista_comandas.moc"
