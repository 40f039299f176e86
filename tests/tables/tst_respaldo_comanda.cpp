#include "CambiosComanda.h"
#include "service/ErrorServicio.h"
#include "service/Json.h"
#include "storage/ArchivoIni.h"
#include "order/ArchivoComanda.h"
#include "order/RespaldoComanda.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <csignal>

namespace {
QByteArray Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString RutaComanda(const QString &carpeta) { return carpeta + u'/' + QLatin1StringView(NombreArchivoComanda); }

/// The files of the folder that were set aside.
QStringList Apartados(const QString &carpeta)
{
    return QDir(carpeta).entryList({QStringLiteral("*.apartado-*")}, QDir::Files);
}

/// A comanda with every kind of value: lines with modifiers and a note, a send that
/// got no answer, the comandas that matched before it.
ComandaEnCurso Muestra()
{
    ComandaEnCurso c;
    c.usuario = QStringLiteral("mesero");
    c.servidor = QStringLiteral("http://10.0.0.5:3269/WSTrazen.dll/wsdl/Itrazen");
    c.pedido = PedidoNuevo();
    c.pedido.NuPaso = 11;
    c.pedido.ReferenciaPago = QStringLiteral("Ana López");
    c.pedido.NuEstado = 3;
    for (int i = 1; i <= 3; ++i) {
        ++c.pedido.Count;
        c.pedido.SetLengthList(c.pedido.Count);
        TDetalle &d = c.pedido.ArrayDetalle.last().emplace();
        d.NuDetalle = i;
        d.NuProducto = QStringLiteral("75010%1").arg(i);
        d.Producto = QStringLiteral("Tampiqueña \"especial\" %1").arg(i);
        d.Cantidad = 1.5 * i;
        d.Precio = 189.99;
        d.Total = d.Cantidad * d.Precio;
        d.Esp1 = QStringLiteral("Sin cebolla");
        d.Esp6 = QStringLiteral("Nota: bien\ncocido");
        c.pedido.Total += d.Total;
    }
    c.mesa = QStringLiteral("Terraza 1");
    c.nombre = QStringLiteral("  Ana López ");
    c.personas = 3;
    c.envio.estado = EstadoEnvio::SinConfirmar;
    c.envio.mensaje = QStringLiteral("El servidor cerró la conexión");
    c.envio.firma = {11, QStringLiteral("Ana López"), 3, c.pedido.Total};
    c.envio.previas = QList<int>{101, 104};
    return c;
}

/// The child process that works until it is killed (see hijo_respaldo.cpp).
struct Hijo {
    QProcess p;
    QByteArray salida;

    explicit Hijo(const QString &modo, const QString &carpeta)
    {
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(QStringLiteral(TZ_BUILD_DIR "/tests/tables/hijo_respaldo"), {modo, carpeta});
    }
    ~Hijo()
    {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
        }
    }
    /// Waits until the child has announced change `k` (0: ready).
    bool esperar(int k)
    {
        const QByteArray marca = k == 0 ? QByteArray("listo\n") : "aplicando " + QByteArray::number(k) + '\n';
        while (!salida.contains(marca)) {
            if (!p.waitForReadyRead(20000))
                return false;
            salida += p.readAllStandardOutput();
        }
        return true;
    }
    /// Kills it at once, as a crash or a flat battery would, and answers the last change
    /// it announced.
    int matar()
    {
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
        salida += p.readAllStandardOutput();
        const qsizetype i = salida.lastIndexOf("aplicando ");
        return i < 0 ? 0 : salida.mid(i + 10).split('\n').first().toInt();
    }
};
} // namespace

/// The comanda being composed survives a crash, a kill or a flat battery: the file it is
/// kept in, taking it back at the next sign-in, and setting aside what cannot be read.
class TstRespaldoComanda : public QObject {
    Q_OBJECT
private slots:
    void idaYVuelta()
    {
        const ComandaEnCurso c = Muestra();
        const ComandaEnCurso l = LeerComandaEnCurso(EscribirComandaEnCurso(c));
        QCOMPARE(RegistroAJson(l.pedido), RegistroAJson(c.pedido));
        QCOMPARE(std::tie(l.usuario, l.servidor, l.mesa, l.nombre, l.personas),
                 std::tie(c.usuario, c.servidor, c.mesa, c.nombre, c.personas));
        QVERIFY(l.envio == c.envio);
        ComandaEnCurso sinPrevias = c;
        sinPrevias.envio.previas.reset();
        QVERIFY(!LeerComandaEnCurso(EscribirComandaEnCurso(sinPrevias)).envio.previas);

        // A file of the first version, summed with SHA-256, is still read.
        const QByteArray actual = EscribirComandaEnCurso(c);
        const QByteArray cuerpo = actual.mid(actual.indexOf('\n') + 1).chopped(1);
        const QByteArray primera = "TrazenMovil-Comanda 1 " + QByteArray::number(cuerpo.size()) + ' '
            + QCryptographicHash::hash(cuerpo, QCryptographicHash::Sha256).toHex() + '\n' + cuerpo + '\n';
        QCOMPARE(LeerComandaEnCurso(primera).nombre, c.nombre);
    }

    // A file that cannot be taken back whole is set aside, never half loaded, and the
    // waiter starts with a fresh comanda.
    void archivoQueNoSeRecupera_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("porque");
        ComandaEnCurso demo = Muestra();
        demo.usuario = QStringLiteral("Admin");
        demo.servidor.clear();
        const QByteArray buena = EscribirComandaEnCurso(demo);
        QByteArray volteado = buena;
        volteado[volteado.indexOf("Terraza")] = 't';
        QByteArray otraVersion = buena;
        otraVersion.replace("TrazenMovil-Comanda 2 ", "TrazenMovil-Comanda 3 ");
        const QByteArray cuerpoMalo = "{\"usuario\": 5}";
        const QByteArray sinComanda = "TrazenMovil-Comanda 1 " + QByteArray::number(cuerpoMalo.size()) + ' '
            + QCryptographicHash::hash(cuerpoMalo, QCryptographicHash::Sha256).toHex() + '\n' + cuerpoMalo;
        ComandaEnCurso otroUsuario = demo;
        otroUsuario.usuario = QStringLiteral("lupita");
        ComandaEnCurso otroServidor = demo;
        otroServidor.servidor = QStringLiteral("http://otro:3269/WSTrazen.dll/wsdl/Itrazen");
        ComandaEnCurso lineasDeMas = demo;
        lineasDeMas.pedido.Count = 9;

        QTest::newRow("cut off") << buena.left(buena.size() / 2) << "dañado o incompleto";
        QTest::newRow("one byte changed") << volteado << "dañado o incompleto";
        QTest::newRow("empty") << QByteArray() << "no es un archivo de comanda";
        QTest::newRow("another file") << QByteArray("[AppMovil]\nUser=x\n") << "no es un archivo de comanda";
        QTest::newRow("another format version") << otraVersion << "otra versión";
        QTest::newRow("checked but not a comanda") << sinComanda << "falta el texto";
        QTest::newRow("more lines than it holds") << EscribirComandaEnCurso(lineasDeMas) << "9 líneas";
        QTest::newRow("another user") << EscribirComandaEnCurso(otroUsuario) << "es de lupita";
        QTest::newRow("another server") << EscribirComandaEnCurso(otroServidor) << "es de Admin en http://otro";
    }
    void archivoQueNoSeRecupera()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, porque);
        QTemporaryDir dir;
        Escribir(RutaComanda(dir.path()), bytes);
        FormaPrueba p({}, FormaPrueba::EnCarpeta{dir.path()});
        QVERIFY(p.iniciarSesion());
        const QStringList mensajes = p.mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes[0].startsWith(QStringLiteral("La comanda guardada no se pudo recuperar")), qPrintable(mensajes[0]));
        QVERIFY2(mensajes[0].contains(porque), qPrintable(mensajes[0]));
        // Set aside whole, under a name the message gives; nothing of it loaded.
        const QStringList apartados = Apartados(dir.path());
        QCOMPARE(apartados.size(), 1);
        QVERIFY(mensajes[0].contains(apartados[0]));
        QCOMPARE(Leer(dir.path() + u'/' + apartados[0]), bytes);
        QVERIFY(!QFile::exists(RutaComanda(dir.path())));
        QCOMPARE(p.f.estado.PedidoActual.Count, 0);
        QCOMPARE(p.f.estado.PedidoActual.NuPaso, 0);
        QCOMPARE(p.f.activeTab(), QStringLiteral("TabEmpresa"));
    }

    void vuelveAlIniciarSesionYSeVaAlEnviarse()
    {
        QTemporaryDir dir;
        {
            FormaPrueba p({}, FormaPrueba::EnCarpeta{dir.path()});
            Mesero m{p};
            QVERIFY(cambios::Empezar(p, m));
            m.linea(QStringLiteral("Cafe"), 2, 40);
            m.linea(QStringLiteral("Flan"), 1, 55);
            p.f.controles.Nombre.edit(QStringLiteral("Rosa"));
            p.f.controles.Per.edit(QStringLiteral("4"));
        } // the client goes away without a word
        FormaPrueba p({}, FormaPrueba::EnCarpeta{dir.path()});
        Mesero m{p};
        QCOMPARE(p.f.estado.PedidoActual.Count, 0);
        QVERIFY(p.iniciarSesion());
        QCOMPARE(p.mensajes(), QStringList{QStringLiteral("Se recuperó la comanda de Mesa 2 con 2 líneas")});
        const Estado &e = p.f.estado;
        QCOMPARE(e.PedidoActual.Count, 2);
        QCOMPARE(e.PedidoActual.NuPaso, 2);
        QCOMPARE(e.PedidoActual.ArrayDetalle[1]->Producto, QStringLiteral("Flan"));
        QCOMPARE(e.PedidoActual.Total, 135.0);
        QCOMPARE(p.f.controles.Nombre.text(), QStringLiteral("Rosa"));
        QCOMPARE(p.f.controles.Per.value(), 4.0);
        QCOMPARE(p.f.controles.ListPed.count(), 2);
        QVERIFY(p.f.controles.ComandaBtn.visible());

        m.abrirComanda();
        QVERIFY(m.surtir());
        QVERIFY(m.mensajes().isEmpty());
        QCOMPARE(e.ListaComandasActual.ArrayInfo1.last()->Nombre, QStringLiteral("Rosa"));
        p.f.respaldo().esperar();
        QVERIFY(!QFile::exists(RutaComanda(dir.path())));
        QVERIFY(Apartados(dir.path()).isEmpty());
    }

    // A try cut off by the end of the process may be on the server: it comes back
    // unconfirmed, and locked, whatever state the file held.
    void unEnvioCortadoVuelveSinConfirmar_data()
    {
        QTest::addColumn<int>("estado");
        QTest::newRow("sending") << int(EstadoEnvio::Enviando);
        QTest::newRow("unconfirmed") << int(EstadoEnvio::SinConfirmar);
    }
    void unEnvioCortadoVuelveSinConfirmar()
    {
        QFETCH(int, estado);
        QTemporaryDir dir;
        ComandaEnCurso c = Muestra();
        c.usuario = QStringLiteral("mesero");
        c.servidor = QStringLiteral("http://servidor.prueba:3269/WSTrazen.dll/wsdl/Itrazen");
        c.envio.estado = EstadoEnvio(estado);
        Escribir(RutaComanda(dir.path()), EscribirComandaEnCurso(c));
        FormaPrueba p(FormaPrueba::iniServidor(), FormaPrueba::EnCarpeta{dir.path()});
        p.f.controles.iUser.setText(QStringLiteral("mesero"));
        QVERIFY(p.iniciarSesion());
        const QStringList mensajes = p.mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes[0].startsWith(QStringLiteral("Se recuperó la comanda de Terraza 1 con 3 líneas. No se pudo confirmar")),
                 qPrintable(mensajes[0]));
        QCOMPARE(p.f.estado.Envio.estado, EstadoEnvio::SinConfirmar);
        QCOMPARE(p.f.estado.Envio.previas, c.envio.previas);
        QVERIFY(!p.f.controles.Nombre.enabled());
    }

    // Killed at any moment, the client leaves the comanda as it was just before its last
    // change or just after it: never torn, never older.
    void muereEnCualquierMomento()
    {
        // What each change leaves, played on a form of our own.
        QList<QByteArray> esperado;
        {
            FormaPrueba p;
            Mesero m{p};
            QVERIFY(cambios::Empezar(p, m));
            esperado << EscribirComandaEnCurso(p.f.respaldo().actual());
            for (int k = 1; k <= 400; ++k) {
                cambios::Comanda(m, k);
                esperado << EscribirComandaEnCurso(p.f.respaldo().actual());
            }
        }
        QRandomGenerator azar(20261210);
        for (int vez = 0; vez < 200; ++vez) {
            QTemporaryDir dir;
            Hijo hijo(QStringLiteral("comanda"), dir.path());
            QVERIFY(hijo.esperar(int(azar.bounded(1, 40))));
            QThread::usleep(azar.bounded(3000));
            const int k = hijo.matar();
            QVERIFY(k < esperado.size());
            const QByteArray bytes = Leer(RutaComanda(dir.path()));
            QVERIFY2(!bytes.isEmpty(), qPrintable(QStringLiteral("vez %1: sin archivo").arg(vez)));
            try {
                (void)LeerComandaEnCurso(bytes);
            } catch (const ErrorComandaGuardada &e) {
                QFAIL(qPrintable(QStringLiteral("vez %1, cambio %2: %3").arg(vez).arg(k).arg(e.what())));
            }
            QVERIFY2(bytes == esperado[k] || bytes == esperado[k - 1],
                     qPrintable(QStringLiteral("vez %1: el archivo no es el de antes ni el de después del cambio %2")
                                    .arg(vez)
                                    .arg(k)));
            if (vez == 199) {
                // Started again, the client gives the waiter that comanda back.
                FormaPrueba p({}, FormaPrueba::EnCarpeta{dir.path()});
                QVERIFY(p.iniciarSesion());
                QCOMPARE(EscribirComandaEnCurso(p.f.respaldo().actual()), bytes);
            }
        }
    }

    // The same for the settings file: every key comes from one save.
    void ajustesMuerenEnCualquierMomento()
    {
        QRandomGenerator azar(1210);
        for (int vez = 0; vez < 200; ++vez) {
            QTemporaryDir dir;
            Hijo hijo(QStringLiteral("ajustes"), dir.path());
            QVERIFY(hijo.esperar(int(azar.bounded(2, 30))));
            QThread::usleep(azar.bounded(3000));
            const int k = hijo.matar();
            ValoresConfig leidos;
            for (const auto &[clave, valor] : cambios::Ajustes(0))
                leidos.append({clave, LeerConfig(dir.path() + QStringLiteral("/NVTrazen.ini"), QStringLiteral("AppMovil"),
                                                 clave, QStringLiteral("?"))});
            QVERIFY2(leidos == cambios::Ajustes(k) || leidos == cambios::Ajustes(k - 1),
                     qPrintable(QStringLiteral("vez %1: claves de guardados distintos tras el %2").arg(vez).arg(k)));
        }
    }

    void ajustesDeUnGuardadoSonLosEsperados()
    {
        FormaPrueba p;
        QVERIFY(p.iniciarSesion());
        for (int k : {1, 38, 77}) {
            cambios::GuardarAjustes(p.f, k);
            for (const auto &[clave, valor] : cambios::Ajustes(k))
                QCOMPARE(LeerConfig(p.carpeta() + QStringLiteral("/NVTrazen.ini"), QStringLiteral("AppMovil"), clave, {}),
                         valor);
        }
    }
};

QTEST_MAIN(TstRespaldoComanda)
#include "tst_respaldo_comanda.moc"
