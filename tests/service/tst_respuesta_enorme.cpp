// Replies far larger than any real one, read piece by piece as the network hands them
// over: refused once they pass a limit without the client holding what came, and a
// large one within the limits read exactly. Memory is malloc's own count of the bytes
// in use, taken after every piece.
#include "service/ErrorServicio.h"
#include "service/RespuestaSoap.h"
#include "service/TProducto.h"
#include <QtTest>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {
qint64 EnUso()
{
    const struct mallinfo2 m = mallinfo2();
    return qint64(m.uordblks + m.hblkhd);
}

constexpr qint64 MB = 1 << 20;
constexpr int BytesFijos = 20 * 1024 - 2; // a multiple of 3, so its Base64 stands alone

/// Picture `i`: three bytes that tell it apart, then the same 20 KB for all.
QByteArray Foto(int i, qsizetype fijos = BytesFijos)
{
    QByteArray b(3 + fijos, 'x');
    b[0] = char(i >> 16), b[1] = char(i >> 8), b[2] = char(i);
    return b;
}

/// A ListaProductoConFoto reply, inline, of `fotos` products each with a picture of
/// `fijos` + 3 bytes, handed over in pieces of at most 64 KB and never held whole.
/// With `lineas`, each picture's Base64 comes in lines of 76 characters.
class RespuestaGenerada {
public:
    RespuestaGenerada(int fotos, qint64 fijos, bool lineas) : m_fotos(fotos), m_fijos(fijos), m_lineas(lineas)
    {
        Q_ASSERT(fijos % 3 == 0);
    }

    /// Feeds the whole reply to `f`; returns its size.
    template <class F> qint64 enTrozos(F &&f) const
    {
        constexpr qsizetype Trozo = 64 * 1024;
        const QByteArray bloque = QByteArray("xxx").repeated(Trozo / 4).toBase64(); // "eHh4" repeated
        qint64 total = 0;
        const auto dar = [&](const QByteArray &t) {
            total += t.size();
            f(t);
        };
        dar("<?xml version=\"1.0\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\">"
            "<SOAP-ENV:Body><NS1:ListaProductoConFotoResponse xmlns:NS1=\"urn:trazenIntf-Itrazen\"><return><Count>"
            + QByteArray::number(m_fotos) + "</Count><ArrayProducto>");
        for (int i = 0; i < m_fotos; ++i) {
            dar("<item><ID>" + QByteArray::number(i) + "</ID><Foto>");
            if (m_lineas) {
                const QByteArray b = Foto(i, m_fijos).toBase64();
                for (qsizetype k = 0; k < b.size(); k += 76)
                    dar(b.mid(k, 76) + "\r\n");
            } else {
                dar(Foto(i, 0).toBase64());
                for (qint64 resta = m_fijos / 3 * 4; resta > 0; resta -= bloque.size())
                    dar(bloque.left(resta));
            }
            dar("</Foto></item>");
        }
        dar("</ArrayProducto></return></NS1:ListaProductoConFotoResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>");
        return total;
    }

private:
    int m_fotos;
    qint64 m_fijos;
    bool m_lineas;
};
} // namespace

class RespuestaEnormeTest : public QObject {
    Q_OBJECT

private slots:
    void enorme_data()
    {
        QTest::addColumn<int>("fotos");
        QTest::addColumn<qint64>("bytesFoto"); // beyond the 3 that tell them apart
        QTest::addColumn<bool>("lineas");      // Base64 in lines of 76
        QTest::addColumn<QString>("error");    // part of the message; empty: read whole
        QTest::addColumn<qint64>("techo");     // most bytes in use at any time
        // 150 MB of bytes are 200 MB of Base64.
        QTest::newRow("200 MB de Base64 en un solo valor")
            << 1 << 150 * MB << false << u"de más de 16777216 bytes"_s << 80 * MB;
        QTest::newRow("200 MB de Base64 en fotos de 20 KB")
            << 7500 << qint64(BytesFijos) << false << u"excede el límite de 134217728 bytes"_s << 128 * MB;
        QTest::newRow("64 MB de Base64 en fotos de 20 KB: se lee entera")
            << 2400 << qint64(BytesFijos) << false << QString() << 64 * MB; // the size of the reply
        QTest::newRow("64 MB de Base64 en líneas de 76 en fotos de 20 KB: se lee entera")
            << 2400 << qint64(BytesFijos) << true << QString() << 64 * MB;
    }

    void enorme()
    {
        QFETCH(int, fotos);
        QFETCH(qint64, bytesFoto);
        QFETCH(bool, lineas);
        QFETCH(QString, error);
        QFETCH(qint64, techo);
        const RespuestaGenerada generada(fotos, bytesFoto, lineas);
        const qint64 antes = EnUso();
        qint64 pico = 0;
        const auto medir = [&] { pico = std::max(pico, EnUso() - antes); };

        std::optional<TListaProducto> lista;
        try {
            RespuestaSoap r;
            const qint64 tamano = generada.enTrozos([&](const QByteArray &t) {
                r.alimentar(t);
                medir();
            });
            r.terminar();
            r.leer(u"ListaProductoConFoto"_s, Valor::de(lista), {});
            medir();
            QVERIFY2(error.isEmpty(), "se leyó una respuesta que debía rechazarse");
            qInfo("respuesta de %lld MB; pico de %lld MB en uso", tamano / MB, pico / MB);
        } catch (const ErrorServicio &e) {
            QVERIFY2(!error.isEmpty() && e.mensaje().contains(error), qPrintable(e.mensaje()));
            qInfo("rechazada con un pico de %lld MB en uso", pico / MB);
        }
        QVERIFY2(pico < techo, qPrintable(u"pico de %1 MB en uso"_s.arg(pico / MB)));
        if (!error.isEmpty())
            return;
        QVERIFY(lista);
        QCOMPARE(lista->Count, fotos);
        QCOMPARE(lista->ArrayProducto.size(), fotos);
        for (int i = 0; i < fotos; ++i) {
            const std::optional<TProducto> &p = lista->ArrayProducto[i];
            QVERIFY(p && p->ID == QString::number(i));
            QCOMPARE(p->Foto, Foto(i));
        }
    }
};

QTEST_GUILESS_MAIN(RespuestaEnormeTest)
#include "tst_respuesta_enorme.moc"
