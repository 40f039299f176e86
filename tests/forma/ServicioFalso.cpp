#include "ServicioFalso.h"

namespace {
/// The Itrazen handed to a task: records each call and answers through the test's functions.
class ItrazenFalso : public Itrazen {
public:
    explicit ItrazenFalso(ServicioFalso &s) : m_s(s) {}

    int VersionWSPos() override
    {
        m_s.registrar(QStringLiteral("VersionWSPos"), {});
        return m_s.respuestas.VersionWSPos();
    }
    bool AccesoUserXModuloXAlmacen(const QString &User, const QString &Pass, const QString &Field, int &NuUser,
                                   int &NuAlmacen, QString &Msg, QString &Modulos, QString &Almacen) override
    {
        m_s.registrar(QStringLiteral("AccesoUserXModuloXAlmacen"),
                      {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass, QStringLiteral("Field=") + Field, QStringLiteral("NuUser=") + QString::number(NuUser),
                       QStringLiteral("NuAlmacen=") + QString::number(NuAlmacen), QStringLiteral("Msg=") + Msg, QStringLiteral("Modulos=") + Modulos,
                       QStringLiteral("Almacen=") + Almacen});
        return m_s.respuestas.AccesoUserXModuloXAlmacen(User, Pass, Field, NuUser, NuAlmacen, Msg, Modulos, Almacen);
    }
    void DatosEmpresa2(QString &Nombre, QString &Comercial, QString &RFC, QString &Domicilio, QString &Telefono,
                       QString &Correo, bool &IVAIncluido, int &OP_IEPS_SOBRE_IVA, double &TC_VentaCredito,
                       double &TC_CobranzaCredito) override
    {
        m_s.registrar(QStringLiteral("DatosEmpresa2"), {});
        m_s.respuestas.DatosEmpresa2(Nombre, Comercial, RFC, Domicilio, Telefono, Correo, IVAIncluido,
                                     OP_IEPS_SOBRE_IVA, TC_VentaCredito, TC_CobranzaCredito);
    }
    void DatosEmpresa3(QString &P1, QString &P2, QString &P3, QString &P4, QString &P5) override
    {
        m_s.registrar(QStringLiteral("DatosEmpresa3"), {});
        m_s.respuestas.DatosEmpresa3(P1, P2, P3, P4, P5);
    }
    QString UltimoError() override
    {
        m_s.registrar(QStringLiteral("UltimoError"), {});
        return m_s.respuestas.UltimoError();
    }
    std::optional<TListaCategoria> ObtenerCategoriasPOS(const QString &User, const QString &Pass, bool Foto) override
    {
        m_s.registrar(QStringLiteral("ObtenerCategoriasPOS"),
                      {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass, QStringLiteral("Foto=") + QString::number(Foto)});
        return m_s.respuestas.ObtenerCategoriasPOS(Foto);
    }
    std::optional<TListaProducto> ListaProductoConFoto(const QString &User, const QString &Pass, const QString &Where,
                                                       bool Foto) override
    {
        m_s.registrar(QStringLiteral("ListaProductoConFoto"),
                      {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass, QStringLiteral("Where=") + Where, QStringLiteral("Foto=") + QString::number(Foto)});
        return m_s.respuestas.ListaProductoConFoto(Where, Foto);
    }
    std::optional<TListaInfo1> ListaMesas(const QString &User, const QString &Pass, int NuMesero) override
    {
        m_s.registrar(QStringLiteral("ListaMesas"),
                      {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass, QStringLiteral("NuMesero=") + QString::number(NuMesero)});
        return m_s.respuestas.ListaMesas(NuMesero);
    }
    int Guardar_Comanda(const QString &User, const QString &Pass, const TPedido &Pedido) override
    {
        m_s.registrar(QStringLiteral("Guardar_Comanda"), {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass});
        return m_s.respuestas.Guardar_Comanda(Pedido);
    }
    std::optional<TListaInfo1> ListaComandas(const QString &User, const QString &Pass, int NuMesero) override
    {
        m_s.registrar(QStringLiteral("ListaComandas"),
                      {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass, QStringLiteral("NuMesero=") + QString::number(NuMesero)});
        return m_s.respuestas.ListaComandas(NuMesero);
    }
    int ObtenerResumen(const QString &User, const QString &Pass, int &ComandasPen, int &ComandasFin,
                       double &Propinas, double &Total) override
    {
        m_s.registrar(QStringLiteral("ObtenerResumen"), {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass});
        return m_s.respuestas.ObtenerResumen(ComandasPen, ComandasFin, Propinas, Total);
    }
    std::optional<TListaSurtido> ObtenerSurtido(const QString &User, const QString &Pass, int NuPrinter, int Marcar,
                                                int &Platillos) override
    {
        m_s.registrar(QStringLiteral("ObtenerSurtido"),
                      {QStringLiteral("User=") + User, QStringLiteral("Pass=") + Pass, QStringLiteral("NuPrinter=") + QString::number(NuPrinter),
                       QStringLiteral("Marcar=") + QString::number(Marcar), QStringLiteral("Platillos=") + QString::number(Platillos)});
        return m_s.respuestas.ObtenerSurtido(NuPrinter, Marcar, Platillos);
    }

private:
    ServicioFalso &m_s;
};
} // namespace

void ServicioFalso::setTimeouts(int c, int r)
{
    conectarMs = c;
    recibirMs = r;
}

void ServicioFalso::enlazar(const QString &w, const QString &s, const QString &p)
{
    wsdl = w;
    servicio = s;
    puerto = p;
}

std::unique_ptr<Itrazen> ServicioFalso::itrazen() { return std::make_unique<ItrazenFalso>(*this); }

void ServicioFalso::registrar(const QString &operacion, const QStringList &argumentos)
{
    QMutexLocker l(&m_mutex);
    m_llamadas.append({operacion, argumentos});
}

QList<ServicioFalso::Llamada> ServicioFalso::llamadas() const
{
    QMutexLocker l(&m_mutex);
    return m_llamadas;
}

QList<ServicioFalso::Llamada> ServicioFalso::llamadas(const QString &operacion) const
{
    QList<Llamada> r;
    for (const Llamada &x : llamadas())
        if (x.operacion == operacion)
            r << x;
    return r;
}

void ServicioFalso::olvidarLlamadas()
{
    QMutexLocker l(&m_mutex);
    m_llamadas.clear();
}
