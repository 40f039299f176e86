// Writing the request of Guardar_Comanda for a comanda of 200 lines: requests per
// second and bytes per request.
#include "service/CodificadorSoap.h"
#include "service/RefValor.h"
#include "service/TPedido.h"
#include <QElapsedTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
/// A comanda as the order screen builds it: a customer and `lineas` lines with prices,
/// taxes, a note and modifiers.
TPedido Pedido(int lineas)
{
    TPedido p;
    p.NuPedido = 0;
    p.NuCliente = 1;
    p.Fecha = 45396;
    p.Hora = 0.5417;
    p.Notas = u"Mesa 12, sin cebolla en todo"_s;
    p.Cliente.emplace();
    p.Cliente->Nombre = u"Público en general"_s;
    p.Cliente->RFC = u"XAXX010101000"_s;
    for (int i = 0; i < lineas; ++i) {
        TDetalle &d = p.ArrayDetalle.emplace_back(std::in_place).value();
        d.NuDetalle = i + 1;
        d.NuProducto = QString::number(100 + i % 80);
        d.Producto = u"Enchiladas suizas %1"_s.arg(i);
        d.Observacion = u"Término medio"_s;
        d.Cantidad = 1 + i % 3;
        d.Precio = 89.5 + i;
        d.TasaIVA = 16;
        d.TasaIEPS = i % 5 == 0 ? 8 : 0;
        d.SubTotal = d.Cantidad * d.Precio;
        d.IVA = d.SubTotal * 0.16;
        d.Total = d.SubTotal + d.IVA;
        d.PreOri = d.Precio;
        d.Esp1 = u"Sin hielo"_s;
        d.Esp2 = u"Extra queso"_s;
        d.Unidad = u"PZA"_s;
        p.Total += d.Total;
    }
    p.Count = lineas;
    return p;
}
} // namespace

class BenchPeticionPedido : public QObject {
    Q_OBJECT
    std::optional<TPedido> m_pedido;
    double m_porSegundo = 0; // of the last run: QtTest may repeat a benchmark
    qsizetype m_bytes = 0;

private slots:
    void initTestCase() { m_pedido = Pedido(200); }

    void escribirGuardarComanda()
    {
        const QString usuario = u"mesero"_s, clave = u"1234"_s;
        const QList<Parte> partes{{u"User"_s, Entrada(usuario)}, {u"Pass"_s, Entrada(clave)},
                                  {u"Pedido"_s, Valor::de(m_pedido)}};
        qsizetype bytes = 0;
        qint64 peticiones = 0;
        QElapsedTimer reloj;
        reloj.start();
        QBENCHMARK {
            bytes = EscribirPeticionSoap(u"Guardar_Comanda"_s, partes).size();
            ++peticiones;
        }
        QVERIFY(bytes > 0);
        m_porSegundo = peticiones / (std::max<qint64>(1, reloj.nsecsElapsed()) / 1e9);
        m_bytes = bytes;
    }

    void cleanupTestCase()
    {
        qInfo("Guardar_Comanda con un TPedido de 200 líneas: %.0f peticiones/s (%.2f ms cada una), "
              "%lld bytes (%.0f KB) por petición; sin meta",
              m_porSegundo, 1000 / m_porSegundo, qint64(m_bytes), m_bytes / 1024.0);
    }
};

QTEST_GUILESS_MAIN(BenchPeticionPedido)
#include "bench_peticion_pedido.moc"
