// The sim's settings: what JSON and the command line may change, and what they refuse.
#include "sim/AjustesSim.h"
#include <QJsonDocument>
#include <QTest>

class TstAjustes : public QObject {
    Q_OBJECT
private slots:
    void aplicar_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("aceptado");
        QTest::newRow("entero") << QByteArray(R"({"version": 10077})") << true;
        QTest::newRow("opcional a null") << QByteArray(R"({"guardar_codigo": null})") << true;
        QTest::newRow("opcional entero") << QByteArray(R"({"guardar_codigo": -1})") << true;
        QTest::newRow("varias") << QByteArray(R"({"fault_en": "*", "multiref": false, "esquema": "1999"})") << true;
        QTest::newRow("clave desconocida") << QByteArray(R"({"version": 1, "versión": 2})") << false;
        QTest::newRow("texto por entero") << QByteArray(R"({"version": "10182"})") << false;
        QTest::newRow("decimal por entero") << QByteArray(R"({"retraso_ms": 1.5})") << false;
        QTest::newRow("entero por booleano") << QByteArray(R"({"multiref": 1})") << false;
        QTest::newRow("esquema ajeno") << QByteArray(R"({"esquema": "2003"})") << false;
        QTest::newRow("estado HTTP de error") << QByteArray(R"({"http_error": 599, "wsdl_error": 404})") << true;
        QTest::newRow("estado HTTP que no es error") << QByteArray(R"({"http_error": 200})") << false;
        QTest::newRow("estado HTTP inexistente") << QByteArray(R"({"wsdl_error": 1000})") << false;
        QTest::newRow("retraso negativo") << QByteArray(R"({"retraso_ms": -1})") << false;
        QTest::newRow("respuestas perdidas o lentas")
            << QByteArray(R"({"cerrar_en": "Guardar_Comanda", "morir_en": "*", "gotear_en": "ListaMesas",)"
                          R"( "goteo_ms": 1, "tarde_en": "ObtenerSurtido", "tarde_ms": 0})")
            << true;
        QTest::newRow("goteo sin pausa") << QByteArray(R"({"goteo_ms": 0})") << false;
        QTest::newRow("tarde negativo") << QByteArray(R"({"tarde_ms": -5})") << false;
    }

    // A refused change leaves every setting as it was, also the valid keys beside it.
    void aplicar()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, aceptado);
        AjustesSim a;
        const QJsonObject antes = a.json();
        const QString error = a.aplicar(QJsonDocument::fromJson(json).object());
        QCOMPARE(error.isEmpty(), aceptado);
        if (aceptado) {
            const QJsonObject cambios = QJsonDocument::fromJson(json).object();
            for (auto it = cambios.begin(); it != cambios.end(); ++it)
                QCOMPARE(a.json().value(it.key()), it.value());
        } else {
            QCOMPARE(a.json(), antes);
        }
    }

    void textoDeLineaDeOrdenes_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QJsonValue>("esperado");
        QTest::newRow("entero") << "http_error" << "503" << QJsonValue(503);
        QTest::newRow("booleano si") << "malformado" << "si" << QJsonValue(true);
        QTest::newRow("booleano 0") << "multiref" << "0" << QJsonValue(false);
        QTest::newRow("texto") << "fault_en" << "ListaMesas,Guardar_Comanda" << QJsonValue("ListaMesas,Guardar_Comanda");
        QTest::newRow("opcional") << "iva_incluido" << "false" << QJsonValue(false);
        QTest::newRow("opcional null") << "guardar_codigo" << "null" << QJsonValue(QJsonValue::Null);
        QTest::newRow("entero ilegible") << "version" << "diez" << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("clave desconocida") << "puerto" << "80" << QJsonValue(QJsonValue::Undefined);
    }

    void textoDeLineaDeOrdenes()
    {
        QFETCH(QString, clave);
        QFETCH(QString, texto);
        QFETCH(QJsonValue, esperado);
        AjustesSim a;
        const QString error = a.aplicarTexto(clave, texto);
        QCOMPARE(error.isEmpty(), !esperado.isUndefined());
        if (error.isEmpty())
            QCOMPARE(a.json().value(clave), esperado);
    }

    void alcance_data()
    {
        QTest::addColumn<QString>("alcance");
        QTest::addColumn<bool>("cubreListaMesas");
        QTest::newRow("vacio") << "" << false;
        QTest::newRow("todas") << "*" << true;
        QTest::newRow("ella") << "ListaMesas" << true;
        QTest::newRow("en una lista") << "VersionWSPos, ListaMesas" << true;
        QTest::newRow("otra") << "ListaComandas" << false;
        QTest::newRow("prefijo no basta") << "Lista" << false;
        QTest::newRow("mayusculas cuentan") << "listamesas" << false;
    }

    void alcance()
    {
        QFETCH(QString, alcance);
        QFETCH(bool, cubreListaMesas);
        QCOMPARE(AjustesSim::cubre(alcance, QStringLiteral("ListaMesas")), cubreListaMesas);
    }

    // Every key of the JSON form is offered on the command line, and the other way round.
    void clavesCompletas()
    {
        QStringList nombres;
        for (const AjustesSim::Clave &c : AjustesSim::claves())
            nombres << c.nombre;
        nombres.sort();
        QCOMPARE(nombres, AjustesSim().json().keys());
    }
};

QTEST_GUILESS_MAIN(TstAjustes)
#include "tst_ajustes.moc"
