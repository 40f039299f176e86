#include "RespuestaGrande.h"
#include "service/CodificadorSoap.h"
#include "service/RefValor.h"
#include "service/TProducto.h"
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {
TProducto Producto(int i, int bytesFoto, QRandomGenerator &azar)
{
    TProducto p;
    p.ID = QString::number(1000 + i);
    p.Descripcion = u"Producto de prueba número %1"_s.arg(i);
    p.Fabricante = u"Casa"_s;
    p.Precio = 10 + i * 0.25;
    p.TasaIVA = 16;
    p.Mod1 = u"Sin hielo"_s;
    p.Foto.resize(bytesFoto);
    azar.fillRange(reinterpret_cast<quint32 *>(p.Foto.data()), bytesFoto / 4);
    return p;
}

QByteArray Respuesta(const std::optional<TListaProducto> &lista)
{
    return EscribirRespuestaSoap(u"ListaProductoConFoto"_s, {{u"return"_s, Entrada(lista)}});
}
} // namespace

qint64 EscribirListaProductos(QIODevice &salida, int productos, int bytesFoto)
{
    // The encoder numbers the list 1 and its products 2 on, in order: the reply of one
    // product gives every piece, and only the numbers change.
    QRandomGenerator azar(42);
    qint64 total = 0;
    const auto escribir = [&](QByteArrayView b) { total += salida.write(b.data(), b.size()); };
    const QByteArray item = "<item href=\"#2\"/>";
    const QByteArray inicioProducto = "<NS2:TProducto id=\"2\"";
    const QByteArray fin = "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    for (int i = 0; i < productos; ++i) {
        std::optional<TListaProducto> uno(std::in_place);
        uno->ArrayProducto.append(Producto(i, bytesFoto, azar));
        uno->Count = 1;
        const QByteArray r = Respuesta(uno);
        const qsizetype p = r.indexOf(inicioProducto);
        if (i == 0) {
            QByteArray cabeza = r.first(r.indexOf(item));
            cabeza.replace("<Count xsi:type=\"xsd:int\">1</Count>",
                           "<Count xsi:type=\"xsd:int\">" + QByteArray::number(productos) + "</Count>");
            cabeza.replace("NS2:TProducto[1]", "NS2:TProducto[" + QByteArray::number(productos) + ']');
            escribir(cabeza);
            for (int k = 0; k < productos; ++k)
                escribir("<item href=\"#" + QByteArray::number(k + 2) + "\"/>");
            const qsizetype tras = r.indexOf(item) + item.size();
            escribir(QByteArrayView(r).sliced(tras, p - tras));
        }
        escribir("<NS2:TProducto id=\"" + QByteArray::number(i + 2) + '"');
        escribir(QByteArrayView(r).sliced(p + inicioProducto.size(), r.size() - fin.size() - p - inicioProducto.size()));
    }
    escribir(fin);
    return total;
}

QByteArray ListaProductosDelCodificador(int productos, int bytesFoto)
{
    QRandomGenerator azar(42);
    std::optional<TListaProducto> lista(std::in_place);
    for (int i = 0; i < productos; ++i)
        lista->ArrayProducto.append(Producto(i, bytesFoto, azar));
    lista->Count = productos;
    return Respuesta(lista);
}
