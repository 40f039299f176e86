#include "ComandaEnSim.h"
#include "catalogue/Catalogo.h"
#include "order/LineasPedido.h"
#include "tables/ComandasAbiertas.h"
#include "tables/Mesas.h"
#include "util/Archivos.h"
#include "util/Numeros.h"
#include "util/Regional.h"
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>

namespace {
bool Igual(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)}); }

/// The fields of a record whose value differs from the JSON the server stored, by path.
QStringList Diferencias(const void *registro, const TypeInfo &tipo, const QJsonObject &json, const QString &ruta = {})
{
    QStringList r;
    for (const FieldInfo &f : tipo.campos) {
        const QString nombre = ruta + QLatin1StringView(f.nombre);
        const QJsonValue v = json.value(QLatin1StringView(f.nombre));
        bool igual = true;
        switch (f.tipo) {
        case Tipo::Integer: igual = v.isDouble() && v.toDouble() == f.de<int>(registro); break;
        case Tipo::Double:
        case Tipo::DateTime:
        case Tipo::Date:
        case Tipo::Time: igual = v.isDouble() && Igual(v.toDouble(), f.de<double>(registro)); break;
        case Tipo::Boolean: igual = v.isBool() && v.toBool() == f.de<bool>(registro); break;
        case Tipo::String: igual = v.isString() && v.toString() == f.de<QString>(registro); break;
        case Tipo::Bytes: igual = v.toString() == QString::fromLatin1(f.de<QByteArray>(registro).toBase64()); break;
        case Tipo::XSDateTime: igual = v.isNull() == !f.de<std::optional<QDateTime>>(registro).has_value(); break;
        case Tipo::Record: {
            const void *sub = f.opcional->valor(f.dir(const_cast<void *>(registro)));
            if (!sub || !v.isObject())
                igual = !sub && v.isNull();
            else
                r << Diferencias(sub, *f.anidado(), v.toObject(), nombre + u'.');
            break;
        }
        case Tipo::Array: {
            const void *lista = f.dir(const_cast<void *>(registro));
            const QJsonArray a = v.toArray();
            if (a.size() != f.arreglo->largo(lista)) {
                igual = false;
                break;
            }
            for (qsizetype i = 0; i < a.size(); ++i) {
                const void *e = f.opcional->valor(f.arreglo->elementoC(lista, i));
                const QString ri = nombre + QStringLiteral("[%1].").arg(i);
                if (e && a[i].isObject())
                    r << Diferencias(e, *f.anidado(), a[i].toObject(), ri);
                else if (e || !a[i].isNull())
                    r << ri;
            }
            break;
        }
        }
        if (!igual)
            r << nombre;
    }
    return r;
}
} // namespace

/// The waiter's journey against wstrazen-sim: a comanda composed through the catalogue,
/// sent, stored by the server as the client filled it, then seen in the comanda list
/// and counted on its table; and the server's refusals and absence.
class TstComandaSim : public QObject {
    Q_OBJECT
    std::unique_ptr<SimProceso> m_sim;

private slots:
    void init()
    {
        m_sim = std::make_unique<SimProceso>();
        QVERIFY2(m_sim->enMarcha(), qPrintable(m_sim->error()));
    }
    void cleanup() { m_sim.reset(); }

    void comandaCompuestaEnviadaYVista()
    {
        FormaSim p(m_sim->wsdl());
        auto &c = p.c();
        Componer(p);
        if (QTest::currentTestFailed())
            return;
        c.BackBtn.click(); // the map is built afresh below; look at the table's count first
        p.f().EmpresaBtnClick();
        c.Tile.click(2);
        QVERIFY(p.esperar());
        const int antes = p.insignia(QStringLiteral("Terraza 1")).toInt();
        c.ComandaBtn.click();
        QCOMPARE(p.f().activeTab(), QStringLiteral("TabComanda"));

        c.Nombre.edit(QStringLiteral("  Familia Ruiz "));
        c.Per.edit(QStringLiteral("4"));
        TPedido esperado = p.f().estado.PedidoActual;
        esperado.ReferenciaPago = QStringLiteral("Familia Ruiz");
        esperado.NuEstado = 4;
        const int previas = m_sim->comandas().size();
        QVERIFY(p.surtir());
        QCOMPARE(p.mensajes(), QStringList());
        QCOMPARE(p.f().activeTab(), QStringLiteral("TabEmpresa"));

        // Stored as the client filled it, field by field, lines and customer included.
        const QJsonArray comandas = m_sim->comandas();
        QCOMPARE(comandas.size(), previas + 1);
        const QJsonObject guardada = comandas.last().toObject();
        QCOMPARE(guardada[QStringLiteral("mesa")].toInt(), 11);
        QCOMPARE(guardada[QStringLiteral("cliente")].toString(), QStringLiteral("Familia Ruiz"));
        QCOMPARE(guardada[QStringLiteral("personas")].toInt(), 4);
        const QJsonObject pedido = guardada[QStringLiteral("pedido")].toObject();
        const QStringList distintos = Diferencias(&esperado, TPedido::tipo(), pedido);
        QVERIFY2(distintos.isEmpty(), qPrintable(distintos.join(QStringLiteral(", "))));
        const QJsonArray lineas = pedido[QStringLiteral("ArrayDetalle")].toArray();
        QCOMPARE(lineas.size(), 2);
        QCOMPARE(lineas[0][QStringLiteral("NuProducto")].toString(), QStringLiteral("101"));
        QCOMPARE(lineas[0][QStringLiteral("Cantidad")].toDouble(), 2.0);
        QCOMPARE(lineas[0][QStringLiteral("Esp1")].toString(), QStringLiteral("Con piña"));
        QCOMPARE(lineas[0][QStringLiteral("Esp6")].toString(), QStringLiteral("Bien dorados"));
        QVERIFY(lineas[0][QStringLiteral("Precio")].toDouble() > 0);
        QCOMPARE(lineas[1][QStringLiteral("NuProducto")].toString(), QStringLiteral("411"));
        QCOMPARE(lineas[1][QStringLiteral("TasaIVA")].toDouble(), 16.0);
        QVERIFY(pedido[QStringLiteral("Total")].toDouble() > 0);
        QCOMPARE(pedido[QStringLiteral("Cliente")][QStringLiteral("NuCliente")].toInt(), 0);

        // Counted on its table at once, and by the server on the next fetch.
        c.Tile.click(2);
        QVERIFY(p.esperar());
        QCOMPARE(p.insignia(QStringLiteral("Terraza 1")), QString::number(antes + 1));
        c.RefreshBtn.click();
        QVERIFY(p.esperar());
        QCOMPARE(p.insignia(QStringLiteral("Terraza 1")), QString::number(antes + 1));

        // In the next comanda list, under its table, with its amount.
        p.f().EmpresaBtnClick();
        c.Tile.click(3);
        QVERIFY(p.esperar());
        QVERIFY(p.mensajes().isEmpty());
        const int numero = guardada[QStringLiteral("numero")].toInt();
        const QString fila = QStringLiteral("%1:  - Familia Ruiz (4)").arg(numero);
        int encontrada = -1;
        for (int i = 0; i < c.Lista.count(); ++i)
            if (c.Lista.fila(i).texto == fila)
                encontrada = i;
        QVERIFY2(encontrada > 0, qPrintable(fila));
        QCOMPARE(c.Lista.fila(encontrada).detalle,
                 QStringLiteral("$ ") + FormatoPatron(esperado.Total, QStringLiteral("###,##0.00")));
        int encabezado = encontrada;
        while (c.Lista.fila(encabezado).tipo != ListaVista::Encabezado)
            --encabezado;
        QCOMPARE(c.Lista.fila(encabezado).texto, QStringLiteral("Terraza 1"));
    }

    // The server refuses (no open cash period) or is gone: the comanda stays to be sent again.
    void rechazoYServidorAusente_data()
    {
        QTest::addColumn<bool>("detener");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("no open period") << false << "No tiene un Corte Abierto";
        QTest::newRow("server gone") << true << "Error: ";
    }
    void rechazoYServidorAusente()
    {
        QFETCH(bool, detener);
        QFETCH(QString, mensaje);
        FormaSim p(m_sim->wsdl());
        Componer(p);
        if (QTest::currentTestFailed())
            return;
        p.c().Nombre.edit(QStringLiteral("Beto"));
        const int previas = m_sim->comandas().size();
        if (detener)
            QVERIFY(m_sim->detener());
        else
            QVERIFY(m_sim->ajustar({{"corte_abierto", false}}));
        QVERIFY(p.surtir());
        const QStringList mensajes = p.mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(detener ? mensajes[0].startsWith(mensaje) && mensajes[0].size() > mensaje.size()
                         : mensajes[0] == mensaje,
                 qPrintable(mensajes[0]));
        QCOMPARE(p.f().activeTab(), QStringLiteral("TabComanda"));
        QCOMPARE(p.f().estado.PedidoActual.Count, 2);
        QCOMPARE(p.c().Nombre.text(), QStringLiteral("Beto"));
        QCOMPARE(p.c().ListPed.count(), 2);

        // Sent again once the server is back and willing.
        if (detener)
            QVERIFY(m_sim->reanudar());
        else
            QVERIFY(m_sim->ajustar({{"corte_abierto", true}}));
        QCOMPARE(m_sim->comandas().size(), previas);
        QVERIFY(p.surtir());
        QVERIFY(p.mensajes().isEmpty());
        QCOMPARE(m_sim->comandas().size(), previas + 1);
        QCOMPARE(p.f().estado.PedidoActual.Count, 0);
    }
};

QTEST_MAIN(TstComandaSim)
#include "tst_comanda_sim.moc"
