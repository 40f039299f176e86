#include "FormaPrueba.h"
#include "app/Ajustes.h"
#include "shell/Navegacion.h"
#include "storage/ArchivoIni.h"
#include "util/Archivos.h"
#include <QtTest>

namespace {
QString leer(const FormaPrueba &p, const QString &clave)
{
    return LeerConfig(p.f.estado.ArchivoConfig, QStringLiteral("AppMovil"), clave, QStringLiteral("<falta>"));
}

qint64 tamano(const QString &ruta) { return QFileInfo::exists(ruta) ? QFileInfo(ruta).size() : -1; }
} // namespace

/// The display and connection settings screens and the saved product list's buttons.
class TstAjustes : public QObject {
    Q_OBJECT
private slots:
    void aplicarAjustesDePantalla_data()
    {
        QTest::addColumn<bool>("imagenes");
        QTest::addColumn<int>("filasMesa");
        QTest::addColumn<int>("filasCat");
        QTest::addColumn<int>("filasPro");
        QTest::newRow("con imagenes") << true << 4 << 3 << 3;
        QTest::newRow("sin imagenes") << false << 9 << 8 << 6;
    }
    void aplicarAjustesDePantalla()
    {
        QFETCH(bool, imagenes);
        QFETCH(int, filasMesa);
        QFETCH(int, filasCat);
        QFETCH(int, filasPro);
        FormaPrueba p;
        auto &c = p.f.controles;
        for (Control *s : {&c.SwitchM, &c.SwitchC, &c.SwitchP})
            s->setChecked(imagenes);
        c.Fuente1.setText(QStringLiteral("15"));
        c.Fuente2.setText(QStringLiteral("11"));
        c.Columnas.setText(QStringLiteral("4"));
        c.ColumnasCat.setText(QStringLiteral("2"));
        c.ColumnasPro.setText(QStringLiteral("5"));
        p.f.ajustes().SetSettings();

        QCOMPARE(p.f.estado.FuenteCuadros, 15);
        QCOMPARE(p.f.estado.FuenteListados, 11);
        QCOMPARE(c.ListaMesa.rows(), filasMesa);
        QCOMPARE(c.ListaCat.rows(), filasCat);
        QCOMPARE(c.ListaSubCat.rows(), filasCat);
        QCOMPARE(c.ListaPro.rows(), filasPro);
        for (const TileList *l : {&c.ListaMesa, &c.ListaCat, &c.ListaSubCat, &c.ListaPro})
            QCOMPARE(l->showPictures(), imagenes);
        QCOMPARE(c.ListaMesa.columns(), 4);
        QCOMPARE(c.ListaCat.columns(), 2);
        QCOMPARE(c.ListaSubCat.columns(), 2);
        QCOMPARE(c.ListaPro.columns(), 5);
        // Fonts of the comanda list: footer +5, header +7, edited item as is, items +2.
        QCOMPARE(c.Lista.footerFont(), 16);
        QCOMPARE(c.Lista.headerFont(), 18);
        QCOMPARE(c.Lista.editFont(), 11);
        QCOMPARE(c.Lista.itemFont(), 13);

        const QString uno = imagenes ? QStringLiteral("1") : QStringLiteral("0");
        QCOMPARE(leer(p, QStringLiteral("ImgCategoria")), uno);
        QCOMPARE(leer(p, QStringLiteral("ImgMesa")), uno);
        QCOMPARE(leer(p, QStringLiteral("ImgProducto")), uno);
        QCOMPARE(leer(p, QStringLiteral("Fuente1")), QStringLiteral("15"));
        QCOMPARE(leer(p, QStringLiteral("Fuente2")), QStringLiteral("11"));
        QCOMPARE(leer(p, QStringLiteral("Columnas")), QStringLiteral("4"));
        QCOMPARE(leer(p, QStringLiteral("ColumnasCat")), QStringLiteral("2"));
        QCOMPARE(leer(p, QStringLiteral("ColumnasPro")), QStringLiteral("5"));
        QCOMPARE(leer(p, QStringLiteral("WSDL")), QStringLiteral("<falta>")); // only the display keys
    }

    void sinCambiosGuardaLasOchoClaves()
    {
        FormaPrueba p;
        p.f.ajustes().SetSettings();
        for (const char *k : {"ImgCategoria", "ImgMesa", "ImgProducto", "Fuente1", "Fuente2", "Columnas",
                              "ColumnasCat", "ColumnasPro"})
            QVERIFY2(leer(p, QString::fromLatin1(k)) != u"<falta>", k);
    }

    /// A stored display value that is not a whole number comes in as the nearest value its
    /// spin box holds: the lists get that font or column count, and the file gets it back.
    void valoresNoEnterosDelArchivo_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<int>("valor");
        QTest::newRow("fuente de cuadros a la mitad sube") << "Fuente1" << "12.5" << 13;
        QTest::newRow("fuente de cuadros baja") << "Fuente1" << "12.4" << 12;
        QTest::newRow("fuente con decimales en cero") << "Fuente1" << "12.0" << 12;
        QTest::newRow("fuente de listados") << "Fuente2" << "9.5" << 10;
        QTest::newRow("fuente bajo el minimo") << "Fuente2" << "7.6" << 8;
        QTest::newRow("columnas de mesas") << "Columnas" << "2.5" << 3;
        QTest::newRow("columnas sobre el maximo") << "Columnas" << "5.4" << 5;
        QTest::newRow("columnas de categorias") << "ColumnasCat" << "1.2" << 1;
        QTest::newRow("columnas de productos") << "ColumnasPro" << "4.6" << 5;
        QTest::newRow("con exponente") << "ColumnasPro" << "2e0" << 2;
        QTest::newRow("entre blancos") << "Columnas" << " 4 " << 4;
    }
    void valoresNoEnterosDelArchivo()
    {
        QFETCH(QString, clave);
        QFETCH(QString, guardado);
        QFETCH(int, valor);
        FormaPrueba p(QStringLiteral("[AppMovil]\n") + clave + u'=' + guardado + u'\n');
        auto &c = p.f.controles;
        auto &e = p.f.estado;
        const QString texto = QString::number(valor);
        const QHash<QString, Control *> cajas{{QStringLiteral("Fuente1"), &c.Fuente1},
                                               {QStringLiteral("Fuente2"), &c.Fuente2},
                                               {QStringLiteral("Columnas"), &c.Columnas},
                                               {QStringLiteral("ColumnasCat"), &c.ColumnasCat},
                                               {QStringLiteral("ColumnasPro"), &c.ColumnasPro}};
        QCOMPARE(cajas.value(clave)->text(), texto);
        p.f.ajustes().SetSettings();
        const QHash<QString, QList<int>> aplicado{
            {QStringLiteral("Fuente1"), {e.FuenteCuadros}},
            {QStringLiteral("Fuente2"), {e.FuenteListados, c.Lista.editFont()}},
            {QStringLiteral("Columnas"), {c.ListaMesa.columns()}},
            {QStringLiteral("ColumnasCat"), {c.ListaCat.columns(), c.ListaSubCat.columns()}},
            {QStringLiteral("ColumnasPro"), {c.ListaPro.columns()}}};
        for (const int v : aplicado.value(clave))
            QCOMPARE(v, valor);
        QCOMPARE(leer(p, clave), texto);
    }

    /// A remembered pair comes back exactly as it was typed, blanks included.
    void parRecordadoConservaBlancos()
    {
        FormaPrueba p(FormaPrueba::iniServidor(QStringLiteral("User= ana\nPass=  ab  \n")));
        QCOMPARE(p.f.controles.iUser.text(), QStringLiteral(" ana"));
        QCOMPARE(p.f.controles.iPass.text(), QStringLiteral("  ab  "));
    }

    void nombreDelServidorArmaLaDireccion_data()
    {
        QTest::addColumn<QString>("dns");
        QTest::addColumn<QString>("url");
        QTest::newRow("minusculas") << "Servidor1" << "http://servidor1:3269/WSTrazen.dll/wsdl/Itrazen";
        QTest::newRow("vacio no es demo") << "" << "http://:3269/WSTrazen.dll/wsdl/Itrazen";
        QTest::newRow("ip") << "192.168.1.20" << "http://192.168.1.20:3269/WSTrazen.dll/wsdl/Itrazen";
        QTest::newRow("solo ascii baja") << QString::fromUtf8("CAFÉ") << QString::fromUtf8("http://cafÉ:3269/WSTrazen.dll/wsdl/Itrazen");
    }
    void nombreDelServidorArmaLaDireccion()
    {
        QFETCH(QString, dns);
        QFETCH(QString, url);
        FormaPrueba p;
        p.f.controles.URLWSDL.edit(QStringLiteral("escrita a mano"));
        p.f.controles.DNS.edit(QStringLiteral("x"));
        p.f.controles.DNS.edit(dns);
        QCOMPARE(p.f.controles.URLWSDL.text(), url);
    }

    void okEnConexion()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        auto &c = p.f.controles;
        c.iUser.setText(QStringLiteral("ana"));
        p.f.ConfigurarBtnClick();
        c.URLWSDL.edit(QStringLiteral("http://nuevo:3269/WSTrazen.dll/wsdl/Itrazen"));
        c.SwitchUser.toggle(false);
        QCOMPARE(leer(p, QStringLiteral("UserPass")), QStringLiteral("<falta>")); // nothing before OK
        c.OKBtn.click();
        QCOMPARE(leer(p, QStringLiteral("WSDL")), QStringLiteral("http://nuevo:3269/WSTrazen.dll/wsdl/Itrazen"));
        QCOMPARE(leer(p, QStringLiteral("UserPass")), QStringLiteral("0"));
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabItem1"));
        QVERIFY(!p.f.estado.IsLogged);
        QCOMPARE(c.iUser.text(), QStringLiteral("ana")); // the fields keep their text
        // Demo mode was decided at start: the reset rebuilds the demo data.
        QVERIFY(p.f.estado.ModoDemo);
        QCOMPARE(p.f.estado.ListaMesasActual.Count, 4);
        QCOMPARE(p.f.estado.NumProductosGuardados(), 0);
    }

    void guardarYDepurar()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &e = p.f.estado;
        const QString archivo = RutaDocumento(QStringLiteral("Pos_Prod.dat"));
        for (int i = 0; i < 12; ++i)
            e.ProductosGuardados.agregar({});
        p.f.controles.Guardar.click();
        QCOMPARE(p.f.dialogos.historial().last(), QStringLiteral("Se han guardado 12 productos"));
        QCOMPARE(tamano(archivo), 12 * 10784);
        p.f.controles.Button2.click();
        QCOMPARE(p.f.dialogos.historial().last(), QStringLiteral("Se han depurado 12 productos"));
        QCOMPARE(e.NumProductosGuardados(), 0);
        QCOMPARE(tamano(archivo), 0);
        QCOMPARE(p.f.controles.LabelGuardarLista.text(), QStringLiteral("Guardar productos consultados (0)"));
        p.f.controles.Guardar.click();
        QCOMPARE(p.f.dialogos.historial().last(), QStringLiteral("Se han guardado 0 productos"));
        QCOMPARE(tamano(archivo), 0);
    }

    void leerAlSalirDeAjustes()
    {
        FormaPrueba p(FormaPrueba::iniServidor());
        auto &e = p.f.estado;
        for (int i = 0; i < 3; ++i)
            e.ProductosGuardados.agregar({});
        p.f.ajustes().SaveProductos();
        e.setNumProductosGuardados(0);
        p.f.setActiveTab(QStringLiteral("TabSettings"));
        p.f.navegacion().BackBtn2Click();
        QCOMPARE(e.NumProductosGuardados(), 3);
        QCOMPARE(p.f.controles.LabelGuardarLista.text(), QStringLiteral("Guardar productos consultados (3)"));
    }

    void enDemoNoSeTocaElDisco()
    {
        FormaPrueba p;
        p.f.controles.Guardar.click();
        QCOMPARE(p.f.dialogos.historial().last(), QStringLiteral("Se han guardado 19 productos"));
        p.f.controles.Button2.click();
        QVERIFY(!QFileInfo::exists(RutaDocumento(QStringLiteral("Pos_Prod.dat"))));
    }

    void escrituraFallidaSeAvisaUnaVez()
    {
        FormaPrueba p;
        // The settings file's place is taken by a folder: no write can succeed.
        QVERIFY(QDir().mkpath(p.f.estado.ArchivoConfig));
        p.f.ajustes().SetSettings();
        QCOMPARE(p.f.dialogos.pendientes(), 1);
        QVERIFY(p.f.dialogos.texto().startsWith(QStringLiteral("No se pudo guardar la configuración")));
    }
};

QTEST_MAIN(TstAjustes)
#include "tst_ajustes.moc"
