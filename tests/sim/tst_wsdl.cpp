// The service description the sim publishes: what a client binds to and the messages
// of the twelve operations, with every type it names defined.
#include "sim/Wsdl.h"
#include <QMap>
#include <QTest>
#include <QXmlStreamReader>

namespace {

/// The parts of a WSDL document this test looks at.
struct Descripcion {
    QMap<QString, QStringList> tipos;    // complexType -> its element names ("[]" for arrays)
    QStringList referidos;               // every "ns1:" type named anywhere
    QMap<QString, QStringList> mensajes; // message -> part names
    QMap<QString, QString> acciones;     // binding operation -> soapAction
    QStringList cuerpos;                 // "use namespace" of every soap:body
    QString estilo, servicio, puerto, ubicacion;
    bool bienFormado = false;
};

Descripcion Leer(const QByteArray &xml)
{
    Descripcion d;
    QXmlStreamReader r(xml);
    QString tipo, mensaje, operacion;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = r.attributes();
        const QString nombre = r.name().toString();
        for (const QXmlStreamAttribute &at : a)
            if (at.value().startsWith(u"ns1:"))
                d.referidos << at.value().mid(4).toString().remove(QStringLiteral("[]"));
        if (nombre == u"complexType")
            d.tipos[tipo = a.value(QLatin1StringView("name")).toString()];
        else if (nombre == u"element")
            d.tipos[tipo] << a.value(QLatin1StringView("name")).toString();
        else if (nombre == u"attribute")
            d.tipos[tipo] << QStringLiteral("[]");
        else if (nombre == u"message")
            d.mensajes[mensaje = a.value(QLatin1StringView("name")).toString()];
        else if (nombre == u"part")
            d.mensajes[mensaje] << a.value(QLatin1StringView("name")).toString();
        else if (nombre == u"operation" && a.hasAttribute(QLatin1StringView("soapAction")))
            d.acciones[operacion] = a.value(QLatin1StringView("soapAction")).toString();
        else if (nombre == u"operation")
            operacion = a.value(QLatin1StringView("name")).toString();
        else if (nombre == u"binding" && r.namespaceUri() == u"http://schemas.xmlsoap.org/wsdl/soap/")
            d.estilo = a.value(QLatin1StringView("style")).toString();
        else if (nombre == u"body")
            d.cuerpos << a.value(QLatin1StringView("use")).toString() + u' ' + a.value(QLatin1StringView("namespace")).toString();
        else if (nombre == u"service")
            d.servicio = a.value(QLatin1StringView("name")).toString();
        else if (nombre == u"port")
            d.puerto = a.value(QLatin1StringView("name")).toString();
        else if (nombre == u"address")
            d.ubicacion = a.value(QLatin1StringView("location")).toString();
    }
    d.bienFormado = !r.hasError();
    return d;
}

} // namespace

class TstWsdl : public QObject {
    Q_OBJECT
    Descripcion d = Leer(DescripcionWsdl(QStringLiteral("http://127.0.0.1:4321")));

private slots:
    void enlace()
    {
        QVERIFY(d.bienFormado);
        QCOMPARE(d.servicio, QStringLiteral("Itrazenservice"));
        QCOMPARE(d.puerto, QStringLiteral("ItrazenPort"));
        QCOMPARE(d.ubicacion, QStringLiteral("http://127.0.0.1:4321/WSTrazen.dll/soap/Itrazen"));
        QCOMPARE(d.estilo, QStringLiteral("rpc"));
        QCOMPARE(d.acciones.size(), 12);
        for (auto it = d.acciones.begin(); it != d.acciones.end(); ++it)
            QCOMPARE(it.value(), QStringLiteral("urn:trazenIntf-Itrazen#") + it.key());
        QCOMPARE(d.cuerpos.size(), 24);
        for (const QString &c : d.cuerpos)
            QCOMPARE(c, QStringLiteral("encoded urn:trazenIntf-Itrazen"));
    }

    void mensajes_data()
    {
        QTest::addColumn<QString>("operacion");
        QTest::addColumn<QStringList>("peticion");
        QTest::addColumn<QStringList>("respuesta");
        const QStringList up{"User", "Pass"};
        QTest::newRow("VersionWSPos") << "VersionWSPos" << QStringList{} << QStringList{"return"};
        QTest::newRow("AccesoUserXModuloXAlmacen")
            << "AccesoUserXModuloXAlmacen"
            << QStringList{"User", "Pass", "Field", "NuUser", "NuAlmacen", "Msg", "Modulos", "Almacen"}
            << QStringList{"return", "NuUser", "NuAlmacen", "Msg", "Modulos", "Almacen"};
        const QStringList empresa{"Nombre",      "Comercial",         "RFC",             "Domicilio",
                                  "Telefono",    "Correo",            "IVAIncluido",     "OP_IEPS_SOBRE_IVA",
                                  "TC_VentaCredito", "TC_CobranzaCredito"};
        QTest::newRow("DatosEmpresa2") << "DatosEmpresa2" << empresa << empresa;
        const QStringList impresoras{"Printer1", "Printer2", "Printer3", "Printer4", "Printer5"};
        QTest::newRow("DatosEmpresa3") << "DatosEmpresa3" << impresoras << impresoras;
        QTest::newRow("UltimoError") << "UltimoError" << QStringList{} << QStringList{"return"};
        QTest::newRow("ObtenerCategoriasPOS") << "ObtenerCategoriasPOS" << up + QStringList{"Foto"}
                                              << QStringList{"return"};
        QTest::newRow("ListaProductoConFoto") << "ListaProductoConFoto" << up + QStringList{"Where", "Foto"}
                                              << QStringList{"return"};
        QTest::newRow("ListaMesas") << "ListaMesas" << up + QStringList{"NuMesero"} << QStringList{"return"};
        QTest::newRow("ListaComandas") << "ListaComandas" << up + QStringList{"NuMesero"} << QStringList{"return"};
        QTest::newRow("Guardar_Comanda") << "Guardar_Comanda" << up + QStringList{"Pedido"} << QStringList{"return"};
        QTest::newRow("ObtenerResumen") << "ObtenerResumen"
                                        << up + QStringList{"ComandasPen", "ComandasFin", "Propinas", "Total"}
                                        << QStringList{"return", "ComandasPen", "ComandasFin", "Propinas", "Total"};
        QTest::newRow("ObtenerSurtido") << "ObtenerSurtido" << up + QStringList{"NuPrinter", "Marcar", "Platillos"}
                                        << QStringList{"return", "Platillos"};
    }

    void mensajes()
    {
        QFETCH(QString, operacion);
        QFETCH(QStringList, peticion);
        QFETCH(QStringList, respuesta);
        QVERIFY(d.acciones.contains(operacion));
        QCOMPARE(d.mensajes.value(operacion + QStringLiteral("Request")), peticion);
        QCOMPARE(d.mensajes.value(operacion + QStringLiteral("Response")), respuesta);
    }

    void tipos()
    {
        for (const QString &t : std::as_const(d.referidos))
            QVERIFY2(d.tipos.contains(t), qPrintable(t + " no esta definido"));
        QCOMPARE(d.tipos.value(QStringLiteral("TPedido")).size(), 54);
        QCOMPARE(d.tipos.value(QStringLiteral("TDetalle")).size(), 32);
        QCOMPARE(d.tipos.value(QStringLiteral("TProducto")).size(), 100);
        QCOMPARE(d.tipos.value(QStringLiteral("TListaInfo1")), QStringList({"ArrayInfo1", "Count"}));
        QCOMPARE(d.tipos.value(QStringLiteral("TArrayDetalle")), QStringList({"[]"}));
        QVERIFY(d.referidos.contains(QStringLiteral("TListaSurtido")));
    }
};

QTEST_GUILESS_MAIN(TstWsdl)
#include "tst_wsdl.moc"
