// The XML reader and the tree it fills: what a document says once read, whether it
// comes whole, byte by byte or cut anywhere in two, and what it refuses.
#include "service/ArbolXml.h"
#include "service/ErrorServicio.h"
#include <QStringDecoder>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
/// The tree as one line: {namespace}name, attributes, then ="text" for a value or
/// (children) for a record; a value kept decoded shows its size.
QString Volcado(const ArbolXml &a, int n)
{
    QString s;
    if (!a.espacio(n).isEmpty())
        s += u'{' + a.espacio(n).toString() + u'}';
    s += a.nombre(n);
    for (const auto nombre : {"k", "b", "id"})
        if (const QStringView v = a.atributo(n, QLatin1StringView(nombre)); !v.isNull())
            s += u" %1=\"%2\""_s.arg(QLatin1StringView(nombre), v);
    if (a.hijo(n) >= 0) {
        QStringList hijos;
        for (int c = a.hijo(n); c >= 0; c = a.siguiente(c))
            hijos << Volcado(a, c);
        return s + u'(' + hijos.join(u", ") + u')';
    }
    if (const QByteArray *b = a.base64(n))
        return s + u"=b64:%1"_s.arg(b->size());
    const QString t = a.texto(n);
    return t.isEmpty() ? s : s + u"=\""_s + t + u'"';
}

/// The document read in the given pieces: its tree, or "error: " and the message.
QString Leer(const QList<QByteArrayView> &piezas, LimitesXml limites = {})
{
    try {
        ArbolXml a(u"El documento"_s, limites);
        a.decodificarBase64Desde(8);
        for (const QByteArrayView p : piezas)
            a.alimentar(p);
        a.terminar();
        return Volcado(a, a.raiz());
    } catch (const ErrorServicio &e) {
        return u"error: "_s + e.mensaje();
    }
}

QByteArray Utf16(const QString &s, QStringConverter::Encoding e)
{
    return QStringEncoder(e, QStringConverter::Flag::WriteBom).encode(s);
}
} // namespace

class LectorXmlTest : public QObject {
    Q_OBJECT

private slots:
    void documento_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("esperado"); // the tree, or "error~ " and part of the message

        // What a document says
        QTest::newRow("entidades y referencias a caracteres")
            << "<a>&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#x10000;</a>"_ba << u"a=\"<>&\"'AB\U00010000\""_s;
        QTest::newRow("CDATA: '&' y '<' tal cual, texto alrededor")
            << "<a>x<![CDATA[&lt; <b>]]>y</a>"_ba << u"a=\"x&lt; <b>y\""_s;
        QTest::newRow("fin de línea normalizado; &#13; se queda")
            << "<a>1\r\n2\r3&#13;</a>"_ba << u"a=\"1\n2\n3\r\""_s;
        QTest::newRow("atributo: blancos a espacios, &#9; se queda")
            << "<a k=\"x\ty\r\nz&#9;\"/>"_ba << u"a k=\"x y z\t\""_s;
        QTest::newRow("comillas simples y '>' en un valor") << "<a k='1>2\"'/>"_ba << u"a k=\"1>2\"\""_s;
        QTest::newRow("espacios de nombres: por defecto, prefijos, redeclarados")
            << R"(<r xmlns="urn:a" xmlns:p="urn:p"><p:x p:k="1"/><y xmlns=""/><p:z xmlns:p="urn:q"/><w/></r>)"_ba
            << u"{urn:a}r({urn:p}x k=\"1\", y, {urn:q}z, {urn:a}w)"_s;
        QTest::newRow("muchos prefijos, redeclarados y ocultos")
            << [] {
                   QByteArray x = "<r xmlns:a=\"urn:0\"";
                   for (int i = 1; i <= 40; ++i)
                       x += " xmlns:p" + QByteArray::number(i) + "=\"urn:" + QByteArray::number(i) + '"';
                   return x + "><p7:x xmlns:a=\"urn:q\"><a:y/></p7:x><a:z p40:k=\"1\"/></r>";
               }()
            << u"r({urn:7}x({urn:q}y), {urn:0}z k=\"1\")"_s;
        QTest::newRow("comentarios e instrucciones de proceso")
            << "<?xml version=\"1.0\"?>\n<!-- c --><?pi x?><a><!--x-->t<?p?>u</a>"_ba << u"a=\"tu\""_s;
        QTest::newRow("blancos entre elementos: maquetación") << "<a>\n <b>1</b> <c/>\n</a>"_ba << u"a(b=\"1\", c)"_s;
        QTest::newRow("lo que sigue a la raíz no se lee") << "<a/>no es XML"_ba << u"a"_s;
        QTest::newRow("Base64 largo: se guarda decodificado") << "<a><f>AAECAwQF</f><t>AAECAw</t></a>"_ba
                                                              << u"a(f=b64:6, t=\"AAECAw\")"_s;
        QTest::newRow("Base64 seguido de CDATA: texto") << "<a>AAECAwQF<![CDATA[x]]></a>"_ba
                                                        << u"a=\"AAECAwQFx\""_s;

        // Encodings
        QTest::newRow("UTF-8 con BOM") << "\xEF\xBB\xBF<a>\xC3\xA9</a>"_ba << u"a=\"é\""_s;
        QTest::newRow("ISO-8859-1 declarado")
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a k=\"\xF1\">\xE9</a>"_ba << u"a k=\"ñ\"=\"é\""_s;
        QTest::newRow("UTF-16LE con BOM") << Utf16(u"<a>ñandú</a>"_s, QStringConverter::Utf16LE) << u"a=\"ñandú\""_s;
        QTest::newRow("UTF-16BE con BOM") << Utf16(u"<a>ñ</a>"_s, QStringConverter::Utf16BE) << u"a=\"ñ\""_s;

        // Refused
        QTest::newRow("DTD") << "<!DOCTYPE a [<!ENTITY x \"y\">]><a>&x;</a>"_ba << u"error~ DTD"_s;
        QTest::newRow("entidad no declarada") << "<a>&x;</a>"_ba << u"error~ no es un XML válido: entidad no declarada"_s;
        QTest::newRow("'&' suelto") << "<a>a & b</a>"_ba << u"error~ no es un XML válido"_s;
        QTest::newRow("referencia a U+0000") << "<a>&#0;</a>"_ba << u"error~ carácter no válido"_s;
        QTest::newRow("referencia a un sustituto") << "<a>&#xD800;</a>"_ba << u"error~ carácter no válido"_s;
        QTest::newRow("referencia enorme") << "<a>&#x99999999999;</a>"_ba << u"error~ carácter no válido"_s;
        QTest::newRow("carácter de control") << "<a>\x01</a>"_ba << u"error~ carácter de control"_s;
        QTest::newRow("UTF-8 cortado") << "<a>\xC3(</a>"_ba << u"error~ UTF-8"_s;
        QTest::newRow("UTF-8 sobrelargo") << "<a>\xC0\xAF</a>"_ba << u"error~ UTF-8"_s;
        QTest::newRow("UTF-8 de un sustituto") << "<a>\xED\xA0\x80</a>"_ba << u"error~ UTF-8"_s;
        QTest::newRow("UTF-8 en un atributo") << "<a k=\"\xFF\"/>"_ba << u"error~ UTF-8"_s;
        QTest::newRow("cierre que no corresponde") << "<a><b></a></b>"_ba << u"error~ se esperaba el cierre de b"_s;
        QTest::newRow("atributo repetido") << "<a k=\"1\" k=\"2\"/>"_ba << u"error~ se repite"_s;
        QTest::newRow("atributo repetido por su espacio")
            << R"(<a xmlns:p="urn:u" xmlns:q="urn:u" p:k="1" q:k="2"/>)"_ba << u"error~ se repite"_s;
        QTest::newRow("prefijo no declarado") << "<p:a/>"_ba << u"error~ no está declarado"_s;
        QTest::newRow("texto antes de la raíz") << "x<a/>"_ba << u"error~ fuera del elemento raíz"_s;
        QTest::newRow("declaración XML tras un blanco") << " <?xml version=\"1.0\"?><a/>"_ba
                                                        << u"error~ no está al principio"_s;
        QTest::newRow("'<' en un atributo") << "<a k=\"<\"/>"_ba << u"error~ '<' en el valor"_s;
        QTest::newRow("atributo sin comillas") << "<a k=1/>"_ba << u"error~ sin comillas"_s;
        QTest::newRow("atributos sin espacio") << "<a k=\"1\"b=\"2\"/>"_ba << u"error~ falta un espacio"_s;
        QTest::newRow("marca desconocida") << "<a><!x></a>"_ba << u"error~ marca desconocida"_s;
        QTest::newRow("codificación desconocida") << "<?xml version=\"1.0\" encoding=\"x-nada\"?><a/>"_ba
                                                  << u"error~ la codificación x-nada"_s;
        QTest::newRow("incompleto") << "<a><b>1</b>"_ba << u"error: El documento llegó incompleta"_s;
        QTest::newRow("vacío") << ""_ba << u"error: El documento llegó vacía"_s;
    }

    void documento()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, esperado);
        const QString entero = Leer({xml});
        if (esperado.startsWith(u"error~ "))
            QVERIFY2(entero.startsWith(u"error: ") && entero.contains(esperado.mid(7)), qPrintable(entero));
        else
            QCOMPARE(entero, esperado);
        // Wherever the network cuts it, the same document says the same.
        QList<QByteArrayView> bytes;
        for (qsizetype i = 0; i < xml.size(); ++i)
            bytes << QByteArrayView(xml).sliced(i, 1);
        QCOMPARE(Leer(bytes), entero);
        for (qsizetype i = 1; i < xml.size(); ++i)
            QCOMPARE(Leer({QByteArrayView(xml).first(i), QByteArrayView(xml).sliced(i)}), entero);
    }

    void limites_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("elementos"); // allowed whatever the size
        QTest::addColumn<QString>("error");  // part of the message; empty: read
        QTest::newRow("128 niveles") << "<a>"_ba.repeated(128) + "</a>"_ba.repeated(128) << 1000 << QString();
        QTest::newRow("129 niveles") << "<a>"_ba.repeated(129) + "</a>"_ba.repeated(129) << 1000 << u"anida más de 128"_s;
        // 100 elements beyond the first 10: as many as 8 bytes each pay for.
        QTest::newRow("elementos de 8 bytes") << "<r>" + "<b>1</b>"_ba.repeated(100) + "</r>" << 10 << QString();
        QTest::newRow("elementos de 4 bytes") << "<r>" + "<a/>"_ba.repeated(100) + "</r>" << 10 << u"más de"_s;
        // A token is refused once it holds more than its limit while still open.
        QTest::newRow("un valor de 100 bytes") << "<r>" + QByteArray(100, 'x') + "</r>" << 10 << QString();
        QTest::newRow("un valor de 300 bytes") << "<r>" + QByteArray(300, 'x') + "</r>" << 10 << u"de más de 100 bytes"_s;
        QTest::newRow("una etiqueta de 300 bytes") << "<r k=\"" + QByteArray(300, 'x') + "\"/>" << 10
                                                   << u"de más de 100 bytes"_s;
        QTest::newRow("un comentario de 300 bytes") << "<r><!--" + QByteArray(300, 'x') + "--></r>" << 10
                                                    << u"de más de 100 bytes"_s;
        QTest::newRow("mil bytes en valores de 50") << "<r>" + ("<v>" + QByteArray(50, 'x') + "</v>").repeated(20) + "</r>"
                                                    << 10 << QString();
        QTest::newRow("más bytes que el límite") << "<r>" + ("<v>" + QByteArray(50, 'x') + "</v>").repeated(200) + "</r>"
                                                 << 10 << u"excede el límite de 10000 bytes"_s;
    }
    void limites()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, elementos);
        QFETCH(QString, error);
        LimitesXml l;
        l.bytes = 10000;
        l.elementos = elementos;
        l.bytesPorElemento = 8;
        l.bytesPorToken = 100;
        // In pieces of 64 bytes, as a slow network hands them over.
        QList<QByteArrayView> piezas;
        for (qsizetype i = 0; i < xml.size(); i += 64)
            piezas << QByteArrayView(xml).sliced(i, std::min<qsizetype>(64, xml.size() - i));
        const QString r = Leer(piezas, l);
        if (error.isEmpty())
            QVERIFY2(!r.startsWith(u"error: "), qPrintable(r));
        else
            QVERIFY2(r.startsWith(u"error: ") && r.contains(error), qPrintable(r));
    }
};

QTEST_GUILESS_MAIN(LectorXmlTest)
#include "tst_lector_xml.moc"
