// Showing a fetched list of 2000 products with pictures on the catalogue screen (tiles
// built, pictures written to the documents folder, the list appended to the saved list),
// from the service's answer to the tiles being ready; and restoring the same list from
// the saved list, from the request to the tiles being ready. In the same run, the time of
// just writing the same picture bytes to disk (plain QFile, and through GuardarBytes,
// which syncs each file before it replaces the old one) and of reading them back.
#include "FormaPrueba.h"
#include "app/Navegacion.h"
#include "catalogue/Catalogo.h"
#include "util/Archivos.h"
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <atomic>

namespace {
constexpr int BytesFoto = 20 * 1024;

TListaProducto ListaConFotos(int productos)
{
    TListaProducto l;
    l.SetLengthList(productos);
    l.Count = productos;
    QRandomGenerator azar(7);
    for (int i = 0; i < productos; ++i) {
        TProducto &p = l.ArrayProducto[i].emplace();
        p.ID = QString::number(7500000 + i);
        p.Descripcion = QStringLiteral("PRODUCTO DE PRUEBA NÚMERO %1").arg(i);
        p.Precio = 10 + i * 0.25;
        p.NuMoneda = 1;
        p.TasaIVA = 16;
        p.Mod1 = QStringLiteral("Sin cebolla");
        p.Foto.resize(BytesFoto);
        azar.fillRange(reinterpret_cast<quint32 *>(p.Foto.data()), BytesFoto / 4);
    }
    return l;
}

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

/// Waits for the running task in an event loop, which wakes as soon as the task hands
/// a step over (FormaPrueba::esperarTarea polls, and its naps would count as time here).
bool esperarTarea(FormaPrueba &p)
{
    if (p.f.tareas.ocupado()) {
        QEventLoop bucle;
        QObject::connect(&p.f.tareas, &Tareas::terminada, &bucle, &QEventLoop::quit);
        QTimer::singleShot(120000, &bucle, &QEventLoop::quit);
        bucle.exec();
    }
    return !p.f.tareas.ocupado();
}

template <class F> double milisegundos(F &&f)
{
    QElapsedTimer reloj;
    reloj.start();
    f();
    return reloj.nsecsElapsed() / 1e6;
}
} // namespace

class BenchCatalogoProductos : public QObject {
    Q_OBJECT
    TListaProducto m_lista;
    int m_rondas = 5;
    QList<double> m_mostrar, m_restaurar, m_escribir, m_guardarBytes, m_leer;

    /// One form: the list fetched and shown, another filter, then the first restored.
    void mostrarYRestaurar()
    {
        const int n = m_lista.Count;
        QElapsedTimer reloj;
        reloj.start();
        std::atomic<qint64> respuesta{0}; // when the service answered, on the task's thread
        qint64 listos = 0;                 // when ListaPro last finished a batch holding the whole list
        FormaPrueba p(FormaPrueba::iniServidor());
        p.servicio->respuestas.ListaProductoConFoto = [&respuesta, &reloj, this](const QString &w, bool) {
            std::optional<TListaProducto> r(w.endsWith(u"bench") ? m_lista : TListaProducto{});
            respuesta = reloj.nsecsElapsed();
            return r;
        };
        QVERIFY(p.iniciarSesion());
        p.f.setActiveTab(QStringLiteral("TabListaCat"));
        TileList &pro = p.f.controles.ListaPro;
        connect(&pro, &QAbstractItemModel::modelReset, this, [&] {
            if (pro.count() == n)
                listos = reloj.nsecsElapsed();
        });

        p.f.catalogo().CargarProductos(3, QStringLiteral("bench"));
        QVERIFY(esperarTarea(p));
        QCOMPARE(pro.count(), n);
        QCOMPARE(p.f.estado.NumProductosGuardados(), n);
        QVERIFY(!pro.tile(n - 1).picture.isEmpty());
        QVERIFY(QFile::exists(p.carpeta() + QStringLiteral("/7500000.jpg")));
        m_mostrar << (listos - respuesta) / 1e6;

        p.f.catalogo().CargarProductos(3, QStringLiteral("otro"));
        QVERIFY(esperarTarea(p));
        QCOMPARE(pro.count(), 0);

        const qint64 pedido = reloj.nsecsElapsed();
        p.f.catalogo().CargarProductos(3, QStringLiteral("bench"));
        QVERIFY(esperarTarea(p));
        QVERIFY(p.f.estado.ListaProductosRestaurada);
        QCOMPARE(pro.count(), n);
        QVERIFY(!pro.tile(n - 1).picture.isEmpty());
        m_restaurar << (listos - pedido) / 1e6;
    }

    /// The same picture bytes written to as many files, then read back.
    void soloFotos()
    {
        QTemporaryDir dir;
        const int n = m_lista.Count;
        const auto ruta = [&](int i) { return dir.filePath(m_lista.ArrayProducto[i]->ID + QStringLiteral(".jpg")); };
        m_escribir << milisegundos([&] {
            for (int i = 0; i < n; ++i) {
                QFile f(ruta(i));
                QVERIFY(f.open(QIODevice::WriteOnly));
                QCOMPARE(f.write(m_lista.ArrayProducto[i]->Foto), BytesFoto);
            }
        });
        m_guardarBytes << milisegundos([&] {
            for (int i = 0; i < n; ++i)
                GuardarBytes(m_lista.ArrayProducto[i]->Foto, ruta(i));
        });
        m_leer << milisegundos([&] {
            for (int i = 0; i < n; ++i) {
                QFile f(ruta(i));
                QVERIFY(f.open(QIODevice::ReadOnly));
                QCOMPARE(f.readAll().size(), BytesFoto);
            }
        });
    }

    /// The disk these run on is shared and its flushes vary a lot: each figure shows its
    /// spread next to the median.
    static QByteArray cifra(const QList<double> &v)
    {
        const auto [menor, mayor] = std::minmax_element(v.begin(), v.end());
        return QStringLiteral("%1 ms  (%2 .. %3)").arg(mediana(v), 9, 'f', 1).arg(*menor, 0, 'f', 1).arg(*mayor, 0, 'f', 1).toUtf8();
    }

    static void comparar(const QList<double> &medido, const char *base, const QList<double> &v)
    {
        qInfo("    frente a %-34s %-30s %6.2f x", base, cifra(v).constData(), mediana(medido) / mediana(v));
    }

private slots:
    void initTestCase()
    {
        // The quick run (ctest) keeps the code path working on a small list.
        const bool rapido = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO");
        m_lista = ListaConFotos(rapido ? 20 : 2000);
        m_rondas = rapido ? 1 : qEnvironmentVariableIntValue("TZ_BENCH_RONDAS");
        if (m_rondas < 1)
            m_rondas = 5;
        qInfo("%d productos con fotos de %d KB", m_lista.Count, BytesFoto / 1024);
    }

    void catalogo()
    {
        // Alternate which goes first so that neither always finds the disk warmer.
        for (int r = 0; r < m_rondas; ++r) {
            if (r % 2 == 0)
                soloFotos();
            mostrarYRestaurar();
            if (r % 2 != 0)
                soloFotos();
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("mediana de %d rondas", m_rondas);
        qInfo("mostrar la lista recibida                %s", cifra(m_mostrar).constData());
        comparar(m_mostrar, "escribir las fotos (QFile)", m_escribir);
        comparar(m_mostrar, "escribir las fotos (GuardarBytes)", m_guardarBytes);
        qInfo("restaurarla de la lista guardada         %s", cifra(m_restaurar).constData());
        comparar(m_restaurar, "escribir las fotos (QFile)", m_escribir);
        comparar(m_restaurar, "leer las fotos (QFile)", m_leer);
    }
};

QTEST_MAIN(BenchCatalogoProductos)
#include "bench_catalogo_productos.moc"
