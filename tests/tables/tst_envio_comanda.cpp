#include "Mesero.h"
#include "service/ErrorServicio.h"
#include "order/RespaldoComanda.h"
#include "tables/BuscarComanda.h"
#include <QFile>
#include <QMutex>

namespace {
ErrorServicio SinRespuesta()
{
    return ErrorServicio(QStringLiteral("El servidor servidor.prueba:3269 cerró la conexión")).conPeticionEnviada();
}

/// A form signed in against the fake server, a comanda of two lines on "Terraza" for Ana
/// and 3 persons on the comanda screen. The server's open comandas are `abiertas`, and a
/// stored comanda joins them, as the real server does.
struct Envio {
    FormaPrueba p{FormaPrueba::iniServidor()};
    Mesero m{p};
    bool ok = false;
    QMutex mutex;
    QList<TPedido> enviados;    // what Guardar_Comanda received
    TListaInfo1 abiertas;       // what ListaComandas answers
    bool listaFalla = false;    // ListaComandas throws
    std::function<int()> respuesta = [] { return 2; };
    bool guardaSinResponder = false; // stores, then the connection closes

    Envio()
    {
        auto &r = p.servicio->respuestas;
        r.ListaMesas = [](int) { return std::optional(ListaInfo({{10, "Barra", "", 0}, {11, "Terraza", "", 2}})); };
        r.ListaComandas = [this](int) {
            QMutexLocker l(&mutex);
            if (listaFalla)
                throw ErrorServicio(QStringLiteral("Tiempo de espera agotado")).conPeticionEnviada();
            return std::optional(abiertas);
        };
        r.Guardar_Comanda = [this](const TPedido &ped) {
            QMutexLocker l(&mutex);
            enviados << ped;
            const int codigo = respuesta();
            if (codigo == 1 || codigo == 2)
                EnvioComanda::AddComanda(abiertas, 500 + int(enviados.size()), ped.NuPaso, ped.NuEstado,
                                    ped.ReferenciaPago, QStringLiteral("Terraza"), ped.Total);
            if (guardaSinResponder)
                throw SinRespuesta();
            return codigo;
        };
        p.f.controles.iUser.setText(QStringLiteral("mesero"));
        p.f.controles.iPass.setText(QStringLiteral("1234"));
        ok = p.iniciarSesion() && m.menu(1) && m.elegirMesa(QStringLiteral("Terraza"));
        m.linea(QStringLiteral("Café"), 2, 40);
        m.linea(QStringLiteral("Pizza"), 1, 199);
        m.abrirComanda();
        p.f.controles.Nombre.edit(QStringLiteral("Ana"));
        p.f.controles.Per.edit(QStringLiteral("3"));
        p.servicio->olvidarLlamadas();
    }
    Estado &e() { return p.f.estado; }
    Controles &c() { return p.f.controles; }
    int cantTerraza() const { return int(p.f.estado.ListaMesasActual.ArrayInfo1[1]->Cant); }
    int comandasLocales() const { return p.f.estado.ListaComandasActual.Count; }
    qsizetype guardados()
    {
        QMutexLocker l(&mutex);
        return enviados.size();
    }
    /// The first try stores the comanda and gets no answer.
    bool sinConfirmar()
    {
        guardaSinResponder = true;
        const bool r = m.surtir();
        guardaSinResponder = false;
        return r && e().Envio.estado == EstadoEnvio::SinConfirmar;
    }
};
} // namespace

/// The send of a comanda: the truth about a try that got no answer, the search on the
/// server before a resend, and the answers that store the comanda.
class TstEnvioComanda : public QObject {
    Q_OBJECT
private slots:
    void enviadaDejaUnAvisoSinToque()
    {
        Envio s;
        QVERIFY(s.ok);
        QVERIFY(s.m.surtir());
        QVERIFY(s.m.mensajes().isEmpty());
        QCOMPARE(s.guardados(), 1);
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
        QCOMPARE(s.c().AvisoComanda.text(), QStringLiteral("Comanda enviada: Terraza"));
        QCOMPARE(s.e().Envio.estado, EstadoEnvio::Componiendo);
    }

    void sinRespuestaDiceLaVerdadYFijaLaComanda()
    {
        Envio s;
        QVERIFY(s.ok);
        QVERIFY(s.sinConfirmar());
        const QStringList mensajes = s.m.mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes[0].startsWith(QStringLiteral("No se pudo confirmar si la comanda llegó al servidor")),
                 qPrintable(mensajes[0]));
        QVERIFY(!mensajes[0].startsWith(QStringLiteral("Error")));
        // Nothing counted, the comanda stays on its screen, which says where it stands.
        QCOMPARE(s.cantTerraza(), 2);
        QCOMPARE(s.comandasLocales(), 0);
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabComanda"));
        QVERIFY(s.c().LabelEnvio.visible());
        QVERIFY(s.c().LabelEnvio.text().startsWith(QStringLiteral("Sin confirmar")));
        // It may be on the server as it went: it cannot change.
        QVERIFY(!s.c().Nombre.enabled() && !s.c().Per.enabled());
        s.p.f.lineasPedido().ListPedDeleteItem(0);
        QCOMPARE(s.e().PedidoActual.Count, 2);
        s.p.f.lineasPedido().AgregarAPedido(0, 1);
        QCOMPARE(s.e().PedidoActual.Count, 2);
        QCOMPARE(s.m.mensajes().size(), 2);
    }

    // After a try without an answer, "Surtir Comanda" asks the server first.
    void reenvio_data()
    {
        QTest::addColumn<bool>("enServidor");
        QTest::addColumn<bool>("listaFalla");
        QTest::addColumn<int>("guardadosDespues");
        QTest::addColumn<bool>("enviada");
        QTest::newRow("the server holds it: nothing resent") << true << false << 1 << true;
        QTest::newRow("the server does not hold it: sent again") << false << false << 2 << true;
        QTest::newRow("the server cannot be asked: stays unconfirmed") << true << true << 1 << false;
    }
    void reenvio()
    {
        QFETCH(bool, enServidor);
        QFETCH(bool, listaFalla);
        QFETCH(int, guardadosDespues);
        QFETCH(bool, enviada);
        Envio s;
        QVERIFY(s.ok);
        QVERIFY(s.sinConfirmar());
        s.m.mensajes();
        if (!enServidor)
            s.abiertas = {}; // what the first try stored is gone (the server never committed it)
        s.listaFalla = listaFalla;
        QVERIFY(s.m.surtir());
        QCOMPARE(s.guardados(), guardadosDespues);
        if (enviada) {
            QCOMPARE(s.cantTerraza(), 3); // counted once
            QCOMPARE(s.comandasLocales(), 1);
            QCOMPARE(s.e().PedidoActual.Count, 0);
            QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
            QCOMPARE(s.c().AvisoComanda.text(), enServidor ? QStringLiteral("Comanda encontrada en el servidor: Terraza")
                                                           : QStringLiteral("Comanda enviada: Terraza"));
        } else {
            QCOMPARE(s.e().Envio.estado, EstadoEnvio::SinConfirmar);
            QCOMPARE(s.cantTerraza(), 2);
            QCOMPARE(s.e().PedidoActual.Count, 2);
            QVERIFY(s.m.mensajes().value(0).startsWith(QStringLiteral("No se pudo confirmar")));
        }
    }

    void unaRondaIgualAnteriorNoSeTomaPorLaPerdida()
    {
        Envio s;
        QVERIFY(s.ok);
        // Ana's first round for 3, same dishes, went through a minute ago.
        EnvioComanda::AddComanda(s.abiertas, 77, 11, 3, QStringLiteral("Ana"), QStringLiteral("Terraza"), 279);
        // This try never reached the server after all.
        s.p.servicio->respuestas.Guardar_Comanda = [&s](const TPedido &ped) -> int {
            QMutexLocker l(&s.mutex);
            s.enviados << ped;
            throw SinRespuesta();
        };
        QVERIFY(s.m.surtir());
        QCOMPARE(s.e().Envio.estado, EstadoEnvio::SinConfirmar);
        QCOMPARE(s.e().Envio.previas, std::optional(QList<int>{77}));
        s.m.mensajes();
        s.p.servicio->respuestas.Guardar_Comanda = [&s](const TPedido &ped) {
            QMutexLocker l(&s.mutex);
            s.enviados << ped;
            return 2;
        };
        QVERIFY(s.m.surtir());
        QCOMPARE(s.guardados(), 2); // 77 is the first round: this one was sent again
        QCOMPARE(s.c().AvisoComanda.text(), QStringLiteral("Comanda enviada: Terraza"));
    }

    void guardadaSinUnProductoNoSeReenvia()
    {
        Envio s;
        QVERIFY(s.ok);
        s.respuesta = [] { return 1; };
        QVERIFY(s.m.surtir());
        QCOMPARE(s.m.mensajes(),
                 QStringList{QStringLiteral("No se pudo guardar un producto. La comanda se guardó sin ese producto: "
                                            "revísela en la Lista de Comandas")});
        QCOMPARE(s.guardados(), 1);
        QCOMPARE(s.cantTerraza(), 3);
        QCOMPARE(s.comandasLocales(), 1);
        QCOMPARE(s.e().PedidoActual.Count, 0);
        QCOMPARE(s.p.f.activeTab(), QStringLiteral("TabEmpresa"));
    }

    void rechazadaLoDiceEnPantalla()
    {
        Envio s;
        QVERIFY(s.ok);
        s.respuesta = [] { return 3; };
        QVERIFY(s.m.surtir());
        QCOMPARE(s.m.mensajes(), QStringList{QStringLiteral("No tiene un Corte Abierto")});
        QCOMPARE(s.e().Envio.estado, EstadoEnvio::Rechazada);
        QCOMPARE(s.c().LabelEnvio.text(), QStringLiteral("No se guardó: No tiene un Corte Abierto"));
        QVERIFY(s.c().Nombre.enabled()); // a refused comanda can be mended and sent again
    }

    void sinConfirmarSePuedeDescartar()
    {
        Envio s;
        QVERIFY(s.ok);
        QVERIFY(s.sinConfirmar());
        s.m.mensajes();
        s.c().PedidoCancelarBtn.click();
        s.p.f.dialogos.responder(QStringLiteral("Yes"));
        QCOMPARE(s.e().PedidoActual.Count, 0);
        QCOMPARE(s.e().Envio.estado, EstadoEnvio::Componiendo);
        QVERIFY(!s.c().LabelEnvio.visible());
        QVERIFY(s.c().Nombre.enabled());
        s.p.f.respaldo().esperar();
        QVERIFY(!QFile::exists(s.p.f.respaldo().ruta()));
    }

    void firmaYBusqueda_data()
    {
        QTest::addColumn<int>("mesa");
        QTest::addColumn<QList<Info>>("lista");
        QTest::addColumn<QList<int>>("iguales");
        QTest::newRow("same table, customer, persons, total") << 11 << QList<Info>{{1, "Ana", "T", 3, 279}} << QList<int>{1};
        QTest::newRow("blanks around the name, total to the cent")
            << 11 << QList<Info>{{1, " Ana ", "T", 3, 279.001}} << QList<int>{1};
        QTest::newRow("another table") << 12 << QList<Info>{{1, "Ana", "T", 3, 279}} << QList<int>{};
        QTest::newRow("another total") << 11 << QList<Info>{{1, "Ana", "T", 3, 280}} << QList<int>{};
        QTest::newRow("other persons") << 11 << QList<Info>{{1, "Ana", "T", 2, 279}} << QList<int>{};
        QTest::newRow("another customer") << 11 << QList<Info>{{1, "ana", "T", 3, 279}} << QList<int>{};
        QTest::newRow("persons as a real") << 11 << QList<Info>{{1, "Ana", "T", 3.9, 279}} << QList<int>{1};
        QTest::newRow("two alike")
            << 11 << QList<Info>{{1, "Ana", "T", 3, 279}, {9, "Luis", "T", 3, 279}, {2, "Ana", "T", 3, 279}}
            << QList<int>{1, 2};
    }
    void firmaYBusqueda()
    {
        QFETCH(int, mesa);
        QFETCH(QList<Info>, lista);
        QFETCH(QList<int>, iguales);
        TListaInfo1 l = ListaInfo(lista);
        for (auto &c : l.ArrayInfo1)
            c->NuAlmacen = mesa; // the list tells a comanda's table by NuAlmacen
        const FirmaComanda f{11, QStringLiteral("Ana"), 3, 279};
        QCOMPARE(ComandasIguales(l, f), iguales);
        const std::optional<int> primera = iguales.isEmpty() ? std::nullopt : std::optional(iguales[0]);
        QCOMPARE(ComandaEnServidor(l, f, QList<int>{}), primera);
        // The ones that matched before the first try are someone else's...
        QCOMPARE(ComandaEnServidor(l, f, iguales), std::optional<int>());
        // ...and when they could not be learnt, any match counts.
        QCOMPARE(ComandaEnServidor(l, f, std::nullopt), primera);
    }
};

QTEST_MAIN(TstEnvioComanda)
#include "tst_envio_comanda.moc"
