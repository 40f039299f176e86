#include "kitchen/FilasSurtido.h"
#include "kitchen/MensajeConexion.h"
#include "kitchen/TituloNotificacion.h"
#include "service/TextoError.h"
#include <QtTest>
#include <cmath>
#include <limits>

/// The texts of the kitchen screens and notifications, computed from values.
class TstTextosCocina : public QObject {
    Q_OBJECT
private slots:
    void cantidad_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<QString>("texto");
        QTest::newRow("entera") << 3.0 << QStringLiteral("3");
        QTest::newRow("se trunca") << 2.9 << QStringLiteral("2");
        QTest::newRow("media") << 0.5 << QStringLiteral("0");
        QTest::newRow("negativa") << -1.5 << QStringLiteral("-1");
        QTest::newRow("negativa pequena, sin -0") << -0.5 << QStringLiteral("0");
        QTest::newRow("mas alla de 32 bits") << 1e10 << QStringLiteral("10000000000");
        QTest::newRow("no es numero") << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("0");
    }
    void cantidad()
    {
        QFETCH(double, cantidad);
        QFETCH(QString, texto);
        QCOMPARE(TextoCantidad(cantidad), texto);
    }

    void filaDeUnPlatilloYDeSuMemoria()
    {
        TSurtido s;
        s.NuVenta = 12;
        s.NuVenta_Mov = 4;
        s.Cliente = QStringLiteral("Sra. Peña");
        s.Mesa = QStringLiteral("Terraza 2");
        s.Producto = QStringLiteral("Café de olla");
        s.Cantidad = 2.75;
        s.NuPrinter = 3;
        const FilaSurtido esperada{QStringLiteral("Sra. Peña - Terraza 2\rCafé de olla"), QStringLiteral("2")};
        QCOMPARE(FilaDe(s), esperada);
        const MemoriaSur m = Recordar(s);
        QCOMPARE(FilaDe(m), esperada);
        QCOMPARE(m.NuVenta, 12);
        QCOMPARE(m.NuVenta_Mov, 4);
        QCOMPARE(m.Cantidad, 2.75);
        // An empty customer still keeps the separator, as the table's name follows it.
        QCOMPARE(TextoPlatillo({}, QStringLiteral("Barra"), QStringLiteral("Agua")), QStringLiteral(" - Barra\rAgua"));
    }

    void tituloDeLaNotificacion()
    {
        Notificacion n;
        n.nombre = QStringLiteral("POS");
        n.numero = 3;
        QCOMPARE(TituloNotificacion(n), QStringLiteral("POS (3)"));
    }

    void mensajeSinConexion_data()
    {
        QTest::addColumn<bool>("delServicio");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("error del servicio") << true << QStringLiteral("No hay conexión al URL\rTiempo agotado");
        QTest::newRow("otro error") << false << QStringLiteral("No hay conexión al URL\rTiempo agotado");
    }
    void mensajeSinConexion()
    {
        QFETCH(bool, delServicio);
        QFETCH(QString, mensaje);
        const QString texto = QStringLiteral("Tiempo agotado");
        if (delServicio)
            QCOMPARE(MensajeSinConexion(TextoError(ErrorServicio(texto, QStringLiteral("SOAP-ENV:Server")))), mensaje);
        else
            QCOMPARE(MensajeSinConexion(TextoError(std::runtime_error(texto.toStdString()))), mensaje);
    }
};

QTEST_GUILESS_MAIN(TstTextosCocina)
#include "tst_textos_cocina.moc"
