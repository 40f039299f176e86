#include "DiscoLleno.h"
#include "storage/ListaProductosGuardados.h"
#include <QtTest>
#include <QtEndian>
#include <cstring>

namespace {
DatosProductoGuardado producto(const QString &id, const QString &filtro)
{
    DatosProductoGuardado d;
    d.ID = id;
    d.Descripcion = QStringLiteral("Producto ") + id;
    d.Mod[0] = QStringLiteral("sin cebolla");
    d.Mod[13] = QStringLiteral("catorce");
    d.Foto = id + QStringLiteral(".jpg");
    d.Fabricante = QStringLiteral("Fab");
    d.Modelo = QStringLiteral("Mod");
    d.Detalle = QStringLiteral("Det");
    d.Filtro = filtro;
    d.Precio = 116.5;
    d.NuMoneda = 2;
    d.TasaIVA = 16;
    d.TasaIEPS = 8;
    return d;
}

QString texto16(const QByteArray &bytes, int offset)
{
    QString s;
    for (int i = offset; i < offset + 512; i += 2) {
        const char16_t u = qFromLittleEndian<quint16>(bytes.constData() + i);
        if (u == 0)
            break;
        s += QChar(u);
    }
    return s;
}

void escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

/// The saved product list and its file, byte for byte.
class TstProductosGuardados : public QObject {
    Q_OBJECT
private slots:
    void registroByteAByte()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        ListaProductosGuardados l;
        QVERIFY(l.agregar(producto(QStringLiteral("7501"), QStringLiteral("(PRODUCTO.NUCATEGORIA=5)"))));
        QVERIFY(l.guardar(ruta));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(b.size(), 10784);
        QCOMPARE(texto16(b, 0), QStringLiteral("7501"));
        QCOMPARE(texto16(b, 512), QStringLiteral("Producto 7501"));
        QCOMPARE(texto16(b, 1024), QStringLiteral("sin cebolla"));
        QCOMPARE(texto16(b, 1024 + 13 * 512), QStringLiteral("catorce"));
        QCOMPARE(texto16(b, 8192), QStringLiteral("7501.jpg"));
        QCOMPARE(texto16(b, 8704), QStringLiteral("Fab"));
        QCOMPARE(texto16(b, 9216), QStringLiteral("Mod"));
        QCOMPARE(texto16(b, 9728), QStringLiteral("Det"));
        QCOMPARE(texto16(b, 10240), QStringLiteral("(PRODUCTO.NUCATEGORIA=5)"));
        double precio, iva, ieps;
        std::memcpy(&precio, b.constData() + 10752, 8);
        std::memcpy(&iva, b.constData() + 10768, 8);
        std::memcpy(&ieps, b.constData() + 10776, 8);
        QCOMPARE(precio, 116.5);
        QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 10760), 2);
        QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 10764), 0);
        QCOMPARE(iva, 16.0);
        QCOMPARE(ieps, 8.0);
        // Units after the terminating zero are written as zero.
        QCOMPARE(b.mid(8, 504), QByteArray(504, '\0'));
    }

    void ida_y_vuelta_con_texto_de_255()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        ListaProductosGuardados a;
        DatosProductoGuardado d = producto(QStringLiteral("1"), QStringLiteral("@x"));
        d.Descripcion = QString(255, u'ñ');
        d.Detalle = QString(400, u'd'); // too long: kept to what the field holds
        a.agregar(d);
        QVERIFY(a.guardar(ruta));
        ListaProductosGuardados b;
        QVERIFY(b.cargar(ruta));
        QCOMPARE(b.num(), 1);
        const DatosProductoGuardado leido = Leer(b.registro(0));
        QCOMPARE(leido.Descripcion, QString(255, u'ñ'));
        QCOMPARE(b.registro(0).Descripcion[255], u'\0');
        QCOMPARE(leido.Detalle, QString(255, u'd'));
        QCOMPARE(leido.Precio, 116.5);
    }

    void archivoConRegistroIncompleto()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        ListaProductosGuardados a;
        for (int i = 0; i < 3; ++i)
            a.agregar(producto(QString::number(i), QStringLiteral("f")));
        QVERIFY(a.guardar(ruta));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(100, 'z'));
        f.close();
        ListaProductosGuardados b;
        QVERIFY(b.cargar(ruta));
        QCOMPARE(b.num(), 3);
    }

    void nuncaMasDe2001()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        ListaProductosGuardados l;
        for (int i = 0; i < 2001; ++i)
            QVERIFY(l.agregar(producto(QString::number(i), QStringLiteral("f"))));
        QVERIFY(!l.agregar(producto(QStringLiteral("sobra"), QStringLiteral("f"))));
        QCOMPARE(l.num(), 2001);
        // A file with more records than the list holds loads the first 2001.
        QVERIFY(l.guardar(ruta));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(10784 * 5, '\0'));
        f.close();
        ListaProductosGuardados b;
        QVERIFY(b.cargar(ruta));
        QCOMPARE(b.num(), 2001);
        QCOMPARE(Leer(b.registro(2000)).ID, QStringLiteral("2000"));
    }

    void buscarPorFiltroExacto()
    {
        ListaProductosGuardados l;
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("@coca")));
        l.agregar(producto(QStringLiteral("b"), QStringLiteral("@Coca")));
        l.agregar(producto(QStringLiteral("c"), QStringLiteral("@coca")));
        l.agregar(producto(QStringLiteral("d"), QStringLiteral("@coca ")));
        QCOMPARE(l.buscar(QStringLiteral("@coca")), (QList<int>{0, 2}));
        QCOMPARE(l.buscar(QStringLiteral("@coc")), QList<int>());
        l.setNum(2); // records past the count are not in use
        QCOMPARE(l.buscar(QStringLiteral("@coca")), (QList<int>{0}));
        QCOMPARE(l.buscar(QString(300, u'x')), QList<int>());
    }

    void cargarSinArchivoNoCambiaNada()
    {
        QTemporaryDir dir;
        ListaProductosGuardados l;
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("f")));
        QVERIFY(!l.cargar(dir.filePath(QStringLiteral("Pos_Prod.dat"))));
        QCOMPARE(l.num(), 1);
    }

    void guardarVacioDejaArchivoVacio()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        escribir(ruta, QByteArray(10784 * 2, 'x'));
        ListaProductosGuardados l;
        QVERIFY(l.guardar(ruta));
        QCOMPARE(QFileInfo(ruta).size(), 0);
    }

    void discoLlenoConservaElArchivoAnterior()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        ListaProductosGuardados l;
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("f")));
        QVERIFY(l.guardar(ruta));
        for (int i = 0; i < 50; ++i)
            l.agregar(producto(QString::number(i), QStringLiteral("f")));
        {
            DiscoLleno lleno(100000);
            QVERIFY(!l.guardar(ruta));
        }
        QCOMPARE(QFileInfo(ruta).size(), 10784);
        ListaProductosGuardados leida;
        QVERIFY(leida.cargar(ruta));
        QCOMPARE(Leer(leida.registro(0)).ID, QStringLiteral("a"));
    }

    /// Records filled in place after those in use, then counted: as a list appended one by
    /// one, and never beyond the 2001.
    void llenarEnSuLugarYContar()
    {
        ListaProductosGuardados l;
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("f")));
        QCOMPARE(l.libres(), 2000);
        Llenar(l.libre(0), producto(QStringLiteral("b"), QStringLiteral("g")));
        Llenar(l.libre(1), producto(QStringLiteral("c"), QStringLiteral("g")));
        QCOMPARE(l.num(), 1); // filled, not yet in use
        QCOMPARE(l.buscar(QStringLiteral("g")), QList<int>());
        l.sumar(2);
        QCOMPARE(l.buscar(QStringLiteral("g")), (QList<int>{1, 2}));
        QCOMPARE(Leer(l.registro(2)).ID, QStringLiteral("c"));
        l.sumar(5000);
        QCOMPARE(l.num(), 2001);
        QCOMPARE(l.libres(), 0);
    }

    /// A picture file is named in its record only while that record still holds the
    /// product it was written for, and names none yet.
    void nombrarFoto_data()
    {
        QTest::addColumn<int>("registro");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<bool>("nombrada");
        QTest::newRow("el mismo") << 1 << "b" << "f" << true;
        QTest::newRow("otro producto") << 1 << "x" << "f" << false;
        QTest::newRow("otro filtro") << 1 << "b" << "g" << false;
        QTest::newRow("ya tiene nombre") << 0 << "a" << "f" << false;
        QTest::newRow("fuera de uso") << 2 << "c" << "f" << false;
        QTest::newRow("negativo") << -1 << "b" << "f" << false;
    }
    void nombrarFoto()
    {
        QFETCH(int, registro);
        QFETCH(QString, id);
        QFETCH(QString, filtro);
        QFETCH(bool, nombrada);
        ListaProductosGuardados l;
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("f")));
        DatosProductoGuardado sinFoto = producto(QStringLiteral("b"), QStringLiteral("f"));
        sinFoto.Foto.clear();
        l.agregar(sinFoto);
        sinFoto.ID = QStringLiteral("c");
        l.agregar(sinFoto);
        l.setNum(2);
        const quint64 antes = l.revision();
        QCOMPARE(l.nombrarFoto(registro, id, filtro, QStringLiteral("nueva.jpg")), nombrada);
        QCOMPARE(l.revision() != antes, nombrada);
        QCOMPARE(Leer(l.registro(1)).Foto, nombrada ? QStringLiteral("nueva.jpg") : QString());
        QCOMPARE(Leer(l.registro(0)).Foto, QStringLiteral("a.jpg"));
    }

    /// Every change of the records in use is told by the revision; reading is not.
    void revisionPorCadaCambio()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("Pos_Prod.dat"));
        ListaProductosGuardados l;
        quint64 r = l.revision();
        const auto cambio = [&] {
            const bool cambia = l.revision() != r;
            r = l.revision();
            return cambia;
        };
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("f")));
        QVERIFY(cambio());
        Llenar(l.libre(0), producto(QStringLiteral("b"), QStringLiteral("f")));
        l.sumar(1);
        QVERIFY(cambio());
        QVERIFY(l.guardar(ruta));
        (void)l.buscar(QStringLiteral("f"));
        QVERIFY(!cambio());
        l.setNum(0);
        QVERIFY(cambio());
        QVERIFY(l.cargar(ruta));
        QVERIFY(cambio());
        QCOMPARE(l.num(), 2);
    }

    void guardarFallidoNoCreaNada()
    {
        QTemporaryDir dir;
        ListaProductosGuardados l;
        l.agregar(producto(QStringLiteral("a"), QStringLiteral("f")));
        QVERIFY(!l.guardar(dir.filePath(QStringLiteral("falta/Pos_Prod.dat"))));
    }
};

QTEST_GUILESS_MAIN(TstProductosGuardados)
#include "tst_productos_guardados.moc"
