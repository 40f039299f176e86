// Reading a large product list (2000 products with 20 KB pictures) as it arrives in
// 64 KB chunks, next to a bare XML pass over the same bytes; and the most memory the
// reading holds, against the reply's size.
#include "service/CodificadorSoap.h"
#include "service/RespuestaSoap.h"
#include "service/TProducto.h"
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype Trozo = 64 * 1024;

QByteArray ListaGrande(int productos, int bytesFoto)
{
    std::optional<TListaProducto> lista(std::in_place);
    QRandomGenerator azar(42);
    for (int i = 0; i < productos; ++i) {
        TProducto p;
        p.ID = QString::number(1000 + i);
        p.Descripcion = u"Producto de prueba número %1"_s.arg(i);
        p.Fabricante = u"Casa"_s;
        p.Precio = 10 + i * 0.25;
        p.TasaIVA = 16;
        p.Mod1 = u"Sin hielo"_s;
        p.Foto.resize(bytesFoto);
        azar.fillRange(reinterpret_cast<quint32 *>(p.Foto.data()), bytesFoto / 4);
        lista->ArrayProducto.append(p);
    }
    lista->Count = productos;
    return EscribirRespuestaSoap(u"ListaProductoConFoto"_s, {{u"return"_s, Valor::de(lista)}});
}

/// Bytes malloc has handed out and not yet taken back.
qint64 EnUso()
{
    const struct mallinfo2 m = mallinfo2();
    return qint64(m.uordblks + m.hblkhd);
}

template <class F> void EnTrozos(const QByteArray &bytes, F &&f)
{
    for (qsizetype i = 0; i < bytes.size(); i += Trozo)
        f(QByteArrayView(bytes).sliced(i, std::min(Trozo, bytes.size() - i)));
}
} // namespace

class BenchRespuestaProductos : public QObject {
    Q_OBJECT
    QByteArray m_bytes;
    QList<std::pair<const char *, double>> m_mbPorSegundo; // in the order measured
    qint64 m_pico = 0;        // most bytes in use while reading, beyond those before
    double m_msTrasUltimo = 0; // from handing over the last chunk to the objects

    void anotar(const char *nombre, QElapsedTimer &reloj, int vueltas)
    {
        // QtTest may run a benchmark function more than once: the last run counts.
        const double mbs = double(m_bytes.size()) * vueltas / (1 << 20) / (std::max<qint64>(1, reloj.nsecsElapsed()) / 1e9);
        const auto it = std::find_if(m_mbPorSegundo.begin(), m_mbPorSegundo.end(),
                                     [&](const auto &e) { return qstrcmp(e.first, nombre) == 0; });
        if (it != m_mbPorSegundo.end())
            it->second = mbs;
        else
            m_mbPorSegundo.append({nombre, mbs});
    }

private slots:
    void initTestCase()
    {
        const bool rapido = qEnvironmentVariableIsSet("TZ_BENCH_RAPIDO");
        m_bytes = ListaGrande(rapido ? 50 : 2000, 20 * 1024);
        qInfo("respuesta de %.1f MB", m_bytes.size() / double(1 << 20));
    }

    void baseSoloLectorXml()
    {
        QElapsedTimer reloj;
        int vueltas = 0;
        reloj.start();
        QBENCHMARK {
            QXmlStreamReader x;
            qsizetype elementos = 0;
            EnTrozos(m_bytes, [&](QByteArrayView t) {
                x.addData(t.toByteArray());
                while (!x.atEnd())
                    if (x.readNext() == QXmlStreamReader::StartElement)
                        ++elementos;
            });
            QVERIFY(elementos > 0);
            ++vueltas;
        }
        anotar("lector XML (base)", reloj, vueltas);
    }

    void soloArbol()
    {
        // What is done while the bytes arrive; the objects are read once all are in.
        QElapsedTimer reloj;
        int vueltas = 0;
        reloj.start();
        QBENCHMARK {
            RespuestaSoap r;
            EnTrozos(m_bytes, [&](QByteArrayView t) { r.alimentar(t); });
            r.terminar();
            ++vueltas;
        }
        anotar("árbol (descarga)", reloj, vueltas);
    }

    void decodificarLista()
    {
        QElapsedTimer reloj;
        int vueltas = 0;
        std::optional<TListaProducto> lista;
        reloj.start();
        QBENCHMARK {
            RespuestaSoap r;
            EnTrozos(m_bytes, [&](QByteArrayView t) { r.alimentar(t); });
            r.terminar();
            r.leer(u"ListaProductoConFoto"_s, Valor::de(lista), {});
            ++vueltas;
        }
        anotar("TListaProducto", reloj, vueltas);
        QVERIFY(lista && lista->ArrayProducto.size() == lista->Count);
        QCOMPARE(lista->ArrayProducto.constLast()->Foto.size(), 20 * 1024);
    }

    void memoriaPico()
    {
        // Sampled after every chunk and once the objects are read, with the tree still
        // alive: the moments the reading holds the most. Not timed (sampling costs).
        std::optional<TListaProducto> lista;
        const qint64 antes = EnUso();
        const auto medir = [&] { m_pico = std::max(m_pico, EnUso() - antes); };
        QElapsedTimer reloj;
        {
            RespuestaSoap r;
            EnTrozos(m_bytes, [&](QByteArrayView t) {
                reloj.start();
                r.alimentar(t);
                medir();
            });
            r.terminar();
            r.leer(u"ListaProductoConFoto"_s, Valor::de(lista), {});
            m_msTrasUltimo = reloj.nsecsElapsed() / 1e6;
            medir();
        }
        QVERIFY(lista && lista->ArrayProducto.size() == lista->Count);
    }

    void cleanupTestCase()
    {
        if (m_mbPorSegundo.size() < 3)
            return;
        const double base = m_mbPorSegundo.constFirst().second;
        for (const auto &[nombre, mbs] : std::as_const(m_mbPorSegundo))
            qInfo("%-18s %8.1f MB/s   %.2f veces el tiempo del lector XML", nombre, mbs, base / mbs);
        qInfo("lectura completa: %.2f veces el lector XML (meta: hasta 2)", base / m_mbPorSegundo.constLast().second);
        qInfo("memoria pico: %.1f MB por una respuesta de %.1f MB = %.2f veces (meta: menos de 3)",
              m_pico / double(1 << 20), m_bytes.size() / double(1 << 20), double(m_pico) / m_bytes.size());
        qInfo("del último trozo a los objetos, en el mismo proceso: %.1f ms (meta contra el servidor: 50 ms)",
              m_msTrasUltimo);
    }
};

QTEST_GUILESS_MAIN(BenchRespuestaProductos)
#include "bench_respuesta_productos.moc"
