// Answers lost or slowed after the work is done, against a running wstrazen-sim and the
// client: the comanda is stored once, the call tells that it may have been, a dripping
// server does not hold the call past its deadline, and a late answer holds nobody else.
#include "LlamadasDePrueba.h"
#include "SimProceso.h"
#include "service/ErrorServicio.h"
#include "service/SoapClient.h"
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTest>
#include <QThread>
#include <memory>

using namespace llamadas;

class TstEntrega : public QObject {
    Q_OBJECT
    std::unique_ptr<SimProceso> sim;

    [[nodiscard]] std::unique_ptr<SoapClient> Cliente(int recibirMs = 30000) const
    {
        auto c = std::make_unique<SoapClient>();
        c->setDireccion(sim->wsdl());
        c->setTimeouts(30000, recibirMs);
        return c;
    }

private slots:
    void initTestCase()
    {
        sim = std::make_unique<SimProceso>();
        QVERIFY2(sim->enMarcha(), qPrintable(sim->error()));
    }

    void init()
    {
        if (!sim->enMarcha())
            QVERIFY2(sim->reanudar(), qPrintable(sim->error()));
        QVERIFY2(sim->reiniciar(), qPrintable(sim->error()));
    }

    void sinRespuesta_data()
    {
        QTest::addColumn<QJsonObject>("ajustes");
        QTest::addColumn<bool>("muere");
        QTest::newRow("la conexión se cierra") << QJsonObject{{"cerrar_en", "Guardar_Comanda"}} << false;
        QTest::newRow("el servidor muere") << QJsonObject{{"morir_en", "Guardar_Comanda"}} << true;
    }
    // The comanda is stored and no answer comes back: the call fails telling that the
    // server may have it, and the server has it exactly once (after a death, in its file).
    void sinRespuesta()
    {
        QFETCH(QJsonObject, ajustes);
        QFETCH(bool, muere);
        QVERIFY(sim->ajustar(ajustes));
        const auto cliente = Cliente();
        try {
            (void)cliente->itrazen()->Guardar_Comanda(kUser, kPass, Comanda());
            QFAIL("Guardar_Comanda sin respuesta no falló");
        } catch (const ErrorServicio &e) {
            QVERIFY2(e.peticionEnviada(), qPrintable(e.mensaje()));
            QVERIFY(!e.esFault());
        }
        if (muere) {
            QVERIFY(sim->esperarFin(30000));
            QVERIFY2(sim->reanudar(), qPrintable(sim->error()));
        } else {
            const QJsonArray llamadas = sim->llamadas();
            QCOMPARE(std::count_if(llamadas.begin(), llamadas.end(),
                                   [](const QJsonValue &l) { return l["operacion"].toString() == u"Guardar_Comanda"; }),
                     1);
        }
        const QJsonArray comandas = sim->comandas();
        QCOMPARE(comandas.size(), 7); // six seeded
        QCOMPARE(comandas.last()["pedido"].toObject(), RegistroJson(Comanda()));
    }

    void goteo_data()
    {
        QTest::addColumn<int>("goteoMs");
        QTest::addColumn<int>("recibirMs");
        QTest::addColumn<bool>("llega");
        // Some 600 bytes: two minutes at 200 ms a byte.
        QTest::newRow("lento: el plazo se agota") << 200 << 1500 << false;
        QTest::newRow("rápido: llega entera") << 2 << 30000 << true;
    }
    // A reply that comes a byte at a time is read whole when it comes in time, and ends
    // the call at its deadline when it does not, long before the drip would end.
    void goteo()
    {
        QFETCH(int, goteoMs);
        QFETCH(int, recibirMs);
        QFETCH(bool, llega);
        QVERIFY(sim->ajustar({{"gotear_en", "VersionWSPos"}, {"goteo_ms", goteoMs}}));
        const auto cliente = Cliente(recibirMs);
        QElapsedTimer reloj;
        reloj.start();
        try {
            QCOMPARE(cliente->itrazen()->VersionWSPos(), 10182);
            QVERIFY(llega);
        } catch (const ErrorServicio &e) {
            QVERIFY2(!llega, qPrintable(e.mensaje()));
            QVERIFY2(e.mensaje().startsWith(u"Tiempo de espera agotado esperando la respuesta"), qPrintable(e.mensaje()));
            QVERIFY(e.peticionEnviada());
            QVERIFY2(reloj.elapsed() < 20000, qPrintable(QString::number(reloj.elapsed())));
        }
    }

    // A late answer holds only its own call: another is answered meanwhile, and the late
    // one then arrives whole.
    void tarde()
    {
        QVERIFY(sim->ajustar({{"tarde_en", "ListaMesas"}, {"tarde_ms", 3000}}));
        const auto lento = Cliente();
        std::optional<TListaInfo1> mesas;
        qint64 msLenta = 0;
        std::unique_ptr<QThread> tarea(QThread::create([&] {
            QElapsedTimer reloj;
            reloj.start();
            mesas = lento->itrazen()->ListaMesas(kUser, kPass, 1);
            msLenta = reloj.elapsed();
        }));
        tarea->start();
        QTRY_VERIFY_WITH_TIMEOUT(sim->llamadas().size() == 1, 20000); // the late one is in
        QCOMPARE(Cliente()->itrazen()->VersionWSPos(), 10182);
        QVERIFY2(!tarea->isFinished(), "la respuesta tardía llegó antes que la otra");
        QVERIFY(tarea->wait(30000));
        QVERIFY(mesas);
        QCOMPARE(mesas->Count, 14);
        QVERIFY2(msLenta >= 2900, qPrintable(QString::number(msLenta)));
    }
};

QTEST_MAIN(TstEntrega)
#include "tst_entrega.moc"
