#include "FormaPrueba.h"
#include "AvisosFalsos.h"
#include "SimProceso.h"
#include "app/ClienteSoap.h"
#include "shell/Navegacion.h"
#include "shell/TTabbedForm.h"
#include "kitchen/CentroFreedesktop.h"
#include "kitchen/Resumen.h"
#include "kitchen/Surtido.h"
#include "order/LineasPedido.h"
#include "tables/Mesas.h"
#include "util/Archivos.h"
#include "util/Regional.h"
#include "util/Numeros.h"
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
/// The client as it runs: the real SOAP client against wstrazen-sim and the real desktop
/// notification centres on a test bus, with its own documents folder.
class FormaSim {
public:
    FormaSim(const QString &wsdl, const QDBusConnection &bus)
        : notif1(std::make_shared<CentroFreedesktop>(bus)),
          p(FormaPrueba::iniCon(wsdl), std::make_shared<ClienteSoap>(),
            [&](Plataforma &pl) {
                pl.notificaciones1 = notif1;
                pl.notificaciones2 = std::make_shared<CentroFreedesktop>(bus);
            }),
          forma(&p.f)
    {
    }
    TTabbedForm &f() { return *forma; }
    Controles &c() { return forma->controles; }

    /// Runs `accion`, which starts one task (possibly after a permission answer), and
    /// waits for the task's final step.
    template <class F> bool tarea(F accion)
    {
        QSignalSpy fin(&forma->tareas, &Tareas::terminada);
        accion();
        return QTest::qWaitFor([&] { return fin.count() == 1; }, 30000);
    }
    QStringList mensajes() { return p.mensajes(); }

    std::shared_ptr<CentroFreedesktop> notif1;

private:
    FormaPrueba p;
    TTabbedForm *forma;
};

QJsonObject ComandaDelSim(SimProceso &sim, int numero)
{
    for (const QJsonValue &v : sim.comandas())
        if (v[QStringLiteral("numero")].toInt() == numero)
            return v.toObject();
    return {};
}
} // namespace

/// The kitchen's side of the client against wstrazen-sim: a comanda sent by the waiter,
/// its dishes made ready by the kitchen, polled, notified and marked as read; and the
/// summary as the server counts it.
class TstCocinaSim : public QObject {
    Q_OBJECT
    std::unique_ptr<BusPrivado> m_bus;
    std::unique_ptr<SimProceso> m_sim;

    /// Signs the waiter "mesero" in and sends a comanda of two dishes for "Privado" in the
    /// name of `cliente`; answers the comanda's number (0 on failure).
    int enviarComanda(FormaSim &p, const QString &cliente)
    {
        auto &c = p.c();
        c.iUser.setText(QStringLiteral("mesero"));
        c.iPass.setText(QStringLiteral("1234"));
        if (!p.tarea([&] { p.f().navegacion().OKBtnClick(); }) || !p.f().estado.IsLogged)
            return 0;
        if (!p.tarea([&] { p.f().mesas().NuevaComanda(); }))
            return 0;
        int privado = -1;
        for (int i = 0; i < c.ListaMesa.count(); ++i)
            if (c.ListaMesa.tile(i).caption.startsWith(QStringLiteral("Privado")))
                privado = i;
        if (privado < 0 || !p.tarea([&] { c.ListaMesa.click(privado); }))
            return 0;

        TPedido &ped = p.f().estado.PedidoActual;
        const struct {
            const char *id, *nombre;
            double cantidad, precio;
        } lineas[] = {{"203", "Pozole Rojo", 1, 130}, {"602", "Orden de Tortillas", 3, 15}};
        for (const auto &l : lineas) {
            ped.Count += 1;
            ped.SetLengthList(ped.Count);
            TDetalle &d = ped.ArrayDetalle[ped.Count - 1].emplace();
            d.NuDetalle = ped.Count;
            d.NuProducto = QString::fromLatin1(l.id);
            d.Producto = QString::fromUtf8(l.nombre);
            d.Cantidad = l.cantidad;
            d.Precio = l.precio;
            d.SubTotal = d.Total = l.cantidad * l.precio;
        }
        p.f().lineasPedido().LlenarPedido();
        p.f().Validar();
        c.ComandaBtn.click();
        c.Nombre.edit(cliente);
        c.Per.edit(QStringLiteral("2"));
        const bool enviada = p.tarea([&] {
            c.EnviarPedidoBtn.click();
            p.f().dialogos.responder(QStringLiteral("Yes"));
        });
        if (!enviada || !p.mensajes().isEmpty())
            return 0;
        const QJsonArray todas = m_sim->comandas();
        const QJsonObject ultima = todas.last().toObject();
        return ultima[QStringLiteral("cliente")].toString() == cliente ? ultima[QStringLiteral("numero")].toInt() : 0;
    }

private slots:
    void init()
    {
        m_bus = std::make_unique<BusPrivado>();
        if (m_bus->direccion().isEmpty())
            QSKIP("no dbus-daemon to start a private session bus");
        m_sim = std::make_unique<SimProceso>();
        QVERIFY2(m_sim->enMarcha(), qPrintable(m_sim->error()));
    }
    void cleanup()
    {
        m_sim.reset();
        m_bus.reset();
    }

    void platillosListosNotificadosYMarcadosEnElServidor()
    {
        AvisosFalsos avisos;
        QVERIFY(avisos.registrar(m_bus->conectar(QStringLiteral("avisos"))));
        FormaSim p(m_sim->wsdl(), m_bus->conectar(QStringLiteral("cliente")));
        auto &c = p.c();
        const int numero = enviarComanda(p, QStringLiteral("Rosa"));
        QVERIFY(numero > 0);

        // The kitchen has both dishes ready.
        QCOMPARE(m_sim->marcarListos(numero), 2);
        QVERIFY(p.tarea([&] { c.Tile.click(4); c.RefreshBtn.click(); }));
        QCOMPARE(p.f().activeTab(), QStringLiteral("TabSurtido"));
        QVERIFY(p.mensajes().isEmpty());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("Ordenes a Servir"));
        QVERIFY(c.ListPla.visible() && c.MarcarSurtidoBtn.visible());
        QStringList filas;
        for (const auto &fila : c.ListPla.filas())
            filas << fila.texto + u'|' + fila.detalle;
        QVERIFY2(filas.contains(QStringLiteral("Rosa - Privado\rPozole Rojo|1")), qPrintable(filas.join(u'\n')));
        QVERIFY(filas.contains(QStringLiteral("Rosa - Privado\rOrden de Tortillas|3")));
        QCOMPARE(c.PlatillosT.text(), QString::number(filas.size()));

        // The desktop was told, under the one name, with the number.
        QTRY_VERIFY(!avisos.avisos.isEmpty());
        QCOMPARE(avisos.avisos.first().titulo, QStringLiteral("POS (%1)").arg(filas.size()));
        QCOMPARE(avisos.avisos.first().cuerpo, QStringLiteral("Hay Platillos listos para servir"));
        QCOMPARE(avisos.avisos.first().reemplaza, 0u);
        QTRY_VERIFY(p.notif1->identificador(QStringLiteral("POS")) != 0);
        const uint id = p.notif1->identificador(QStringLiteral("POS"));

        // "Marcar como Leído": the server marks them, the notification goes.
        QVERIFY(p.tarea([&] {
            c.MarcarSurtidoBtn.click();
            p.f().dialogos.responder(QStringLiteral("Yes"));
        }));
        QVERIFY(p.mensajes().isEmpty());
        QCOMPARE(c.LabelSer.text(), QStringLiteral("No hay ordenes"));
        QVERIFY(!c.ListPla.visible() && !c.MarcarSurtidoBtn.visible());
        QTRY_VERIFY(avisos.cerrados.contains(id));
        const QJsonArray platillos = ComandaDelSim(*m_sim, numero)[QStringLiteral("platillos")].toArray();
        QCOMPARE(platillos.size(), 2);
        for (const QJsonValue &pl : platillos)
            QCOMPARE(pl[QStringLiteral("estado")].toString(), QStringLiteral("leido"));

        QVERIFY(p.tarea([&] { c.RefreshBtn.click(); }));
        QCOMPARE(c.PlatillosT.text(), QStringLiteral("0"));
    }

    void resumenComoLoCuentaElServidor()
    {
        FormaSim p(m_sim->wsdl(), m_bus->conectar(QStringLiteral("cliente-resumen")));
        auto &c = p.c();
        const int numero = enviarComanda(p, QStringLiteral("Beto"));
        QVERIFY(numero > 0);
        auto cifras = [&] {
            return QList<double>{LeerReal(c.ComandasPenT.text()), LeerReal(c.ComandasFinT.text()),
                                 LeerReal(c.PropinasT.text()), LeerReal(c.TotalT.text())};
        };
        p.f().EmpresaBtnClick();
        QVERIFY(p.tarea([&] { c.Tile.click(5); }));
        QVERIFY(p.mensajes().isEmpty());
        QCOMPARE(p.f().activeTab(), QStringLiteral("TabResumen"));
        const QList<double> antes = cifras();
        QVERIFY(antes[0] >= 1);

        QVERIFY(m_sim->cerrarComanda(numero, 50));
        c.BackBtn.click();
        QVERIFY(p.tarea([&] { c.Tile.click(5); }));
        QCOMPARE(cifras(), (QList<double>{antes[0] - 1, antes[1] + 1, antes[2] + 50, antes[3]}));

        // The server goes away: the message, and the screen stays where it was.
        QVERIFY(m_sim->detener());
        c.BackBtn.click();
        QVERIFY(p.tarea([&] { c.Tile.click(5); }));
        const QStringList mensajes = p.mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes.first().startsWith(QStringLiteral("No hay conexión al URL\r")), qPrintable(mensajes.first()));
        QVERIFY(mensajes.first().size() > QStringLiteral("No hay conexión al URL\r").size());
        QCOMPARE(p.f().activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(cifras(), (QList<double>{antes[0] - 1, antes[1] + 1, antes[2] + 50, antes[3]}));
    }
};

QTEST_MAIN(TstCocinaSim)
#include "tst_cocina_sim.moc"
