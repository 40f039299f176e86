// Reading large product lists (ListaProductoConFoto, pictures of 20 KB and of 1 KB) as
// they arrive in 64 KB pieces, next to a bare pass of libxml2's xmlTextReader over the
// same bytes. Every case runs in a fresh child process on the same reply file (mapped,
// its pages touched before the clock starts), so that no case reuses memory another
// freed; the first run of each is reported, then the best of a few more. Memory is
// malloc's count of the bytes in use beyond those before, sampled after every piece
// and once the objects are read, next to the growth of the resident set.
#include "CasoAparte.h"
#include "CasosLectura.h"
#include "RespuestaGrande.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
constexpr double MB = 1 << 20;

struct Respuesta {
    int productos, bytesFoto;
    QString archivo;
    qint64 tamano = 0;
};
} // namespace

class BenchRespuestaProductos : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QList<Respuesta> m_respuestas;
    bool m_rapido = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO");

private slots:
    void initTestCase()
    {
        // The generated reply is the encoder's own, byte for byte.
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        EscribirListaProductos(b, 3, 1024);
        QCOMPARE(b.data(), ListaProductosDelCodificador(3, 1024));

        const QList<std::pair<int, int>> tamanos = m_rapido ? QList<std::pair<int, int>>{{50, 20 * 1024}}
                                                           : QList<std::pair<int, int>>{{200, 20 * 1024},
                                                                                        {2000, 20 * 1024},
                                                                                        {20000, 20 * 1024},
                                                                                        {2000, 1024}};
        for (const auto &[productos, foto] : tamanos) {
            Respuesta r{productos, foto, m_dir.filePath(u"lista-%1-%2.xml"_s.arg(productos).arg(foto))};
            QFile f(r.archivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            r.tamano = EscribirListaProductos(f, productos, foto);
            m_respuestas.append(r);
        }
    }

    void lecturas()
    {
        const int vueltas = m_rapido ? 1 : 4;
        qInfo("cada caso en procesos nuevos; 'primera': mediana de la primera lectura de cada proceso, 'mejor': la "
              "mejor de %d lecturas por proceso", vueltas);
        QList<std::pair<int, double>> msPorProducto; // 20 KB pictures: product count, first-run ms
        for (const Respuesta &r : std::as_const(m_respuestas)) {
            // Several fresh processes per case, the cases taking turns so that they share the
            // machine's state; the median of their first runs, the best of all runs, and
            // the largest peak.
            const int procesos = m_rapido ? 1 : r.productos >= 20000 ? 3 : 7;
            QHash<QString, QHash<QString, QList<double>>> v;
            for (int k = 0; k < procesos; ++k)
                for (const QString caso : {u"libxml2"_s, u"lector"_s, u"decodificar"_s}) {
                    const CasoAparte a = CorrerAparte({u"--caso"_s, caso, r.archivo, QString::number(vueltas)});
                    QVERIFY2(a.bien, qPrintable(a.error));
                    for (auto it = a.valores.cbegin(); it != a.valores.cend(); ++it)
                        v[caso][it.key()] << it.value();
                }
            QHash<QString, QHash<QString, double>> c;
            for (auto it = v.cbegin(); it != v.cend(); ++it)
                for (auto jt = it->cbegin(); jt != it->cend(); ++jt) {
                    QList<double> x = *jt;
                    std::sort(x.begin(), x.end());
                    c[it.key()][jt.key()] = jt.key() == u"mejor_ms" ? x.constFirst()
                                          : jt.key() == u"pico" || jt.key() == u"residente_kb" ? x.constLast()
                                                                                             : x[x.size() / 2];
                }
            const double base = c[u"libxml2"_s][u"primera_ms"_s], baseMejor = c[u"libxml2"_s][u"mejor_ms"_s];
            const QHash<QString, double> &d = c[u"decodificar"_s];
            qInfo("%d productos con fotos de %d bytes: respuesta de %.1f MB", r.productos, r.bytesFoto,
                  r.tamano / MB);
            qInfo("  libxml2 xmlTextReader (base):      primera %7.1f ms, mejor %7.1f ms", base, baseMejor);
            qInfo("  LectorXml sin árbol:                primera %7.1f ms, mejor %7.1f ms = %.2f veces la base",
                  c[u"lector"_s][u"primera_ms"_s], c[u"lector"_s][u"mejor_ms"_s], c[u"lector"_s][u"primera_ms"_s] / base);
            qInfo("  decodificar en TListaProducto:      primera %7.1f ms, mejor %7.1f ms", d[u"primera_ms"_s],
                  d[u"mejor_ms"_s]);
            qInfo("    decodificar / base: %.2f en la primera, %.2f en la mejor (meta: hasta 1.0; ideal 0.75)",
                  d[u"primera_ms"_s] / base, d[u"mejor_ms"_s] / baseMejor);
            qInfo("    memoria pico: %.1f MB = %.2f veces la respuesta (meta: hasta 1.5); residente: +%.1f MB",
                  d[u"pico"_s] / MB, d[u"pico"_s] / r.tamano, d[u"residente_kb"_s] / 1024);
            qInfo("    del último trozo a los objetos, en el mismo proceso: %.1f ms", d[u"tras_ultimo_ms"_s]);
            if (r.bytesFoto == 20 * 1024)
                msPorProducto.append({r.productos, d[u"primera_ms"_s]});
        }
        if (msPorProducto.size() > 1) {
            qInfo("costo por producto (fotos de 20 KB, primera lectura): meta lineal, el mismo en cada tamaño");
            for (const auto &[productos, ms] : std::as_const(msPorProducto))
                qInfo("  %6d productos: %8.1f ms, %.1f µs por producto = %.2f veces el de %d productos", productos, ms,
                      ms * 1000 / productos, (ms / productos) / (msPorProducto.constFirst().second / msPorProducto.constFirst().first),
                      msPorProducto.constFirst().first);
        }
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == u"--caso")
        return CasoDeLectura(args.mid(1));
    if (args.value(0) == u"--escribir") { // a reply file, to look into one case alone
        QFile f(args.value(1));
        return f.open(QIODevice::WriteOnly) && EscribirListaProductos(f, args.value(2).toInt(), args.value(3).toInt()) > 0 ? 0 : 3;
    }
    BenchRespuestaProductos bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_respuesta_productos.moc"
