#include "service/ItrazenSoap.h"
#include "service/CodificadorSoap.h"
#include "service/DescripcionWsdl.h"
#include "service/RefValor.h"
#include "service/RespuestaSoap.h"
#include "service/SoapClient.h"

namespace {
bool EsExito(int estado) { return estado >= 200 && estado < 300; }

ErrorServicio ErrorHttp(const TransporteHttp::Resultado &r, const QString &que)
{
    return ErrorServicio(QStringLiteral("%1 respondió con el error HTTP %2 %3")
                             .arg(que)
                             .arg(r.estado)
                             .arg(QString::fromLatin1(r.razon))
                             .trimmed());
}
} // namespace

ItrazenSoap::ItrazenSoap(SoapClient &cliente) : m_cliente(cliente), m_http(cliente.m_cancelada) {}

ItrazenSoap::~ItrazenSoap() = default;

std::shared_ptr<const EnlaceSoap> ItrazenSoap::enlazar()
{
    QString wsdl, servicio, puerto;
    quint64 generacion;
    TransporteHttp::Tiempos tiempos;
    qint64 limite;
    {
        QMutexLocker l(&m_cliente.m_mutex);
        if (m_cliente.m_enlace)
            return m_cliente.m_enlace;
        wsdl = m_cliente.m_wsdl.trimmed();
        servicio = m_cliente.m_servicio;
        puerto = m_cliente.m_puerto;
        generacion = m_cliente.m_generacion;
        tiempos = {m_cliente.m_conectar, m_cliente.m_recibir};
        limite = m_cliente.m_limite;
    }
    if (wsdl.isEmpty())
        throw ErrorServicio(QStringLiteral("No se ha indicado la dirección del servicio"));
    const QUrl url = QUrl::fromUserInput(wsdl);
    if (!url.isValid())
        throw ErrorServicio(QStringLiteral("La dirección del servicio no es válida: %1").arg(wsdl));

    // The description is small: it is read whole, then parsed. Whatever fails here, the
    // call itself has not gone out.
    std::shared_ptr<const EnlaceSoap> enlace;
    try {
        QByteArray bytes;
        const auto r =
            m_http.enviar(QNetworkRequest(url), nullptr, [&](QByteArrayView t) { bytes += t; }, tiempos, limite);
        if (!EsExito(r.estado))
            throw ErrorHttp(r, QStringLiteral("La descripción del servicio en %1").arg(url.toDisplayString()));
        enlace = std::make_shared<const EnlaceSoap>(LeerDescripcionWsdl(bytes, servicio, puerto, url));
    } catch (const ErrorServicio &e) {
        throw e.conPeticionEnviada(false);
    }

    QMutexLocker l(&m_cliente.m_mutex);
    if (m_cliente.m_generacion == generacion) // not rebound meanwhile
        m_cliente.m_enlace = enlace;
    return enlace;
}

void ItrazenSoap::llamar(const OperacionItrazen &op, const QList<Valor> &argumentos,
                         const std::optional<Valor> &resultado)
{
    Q_ASSERT(qsizetype(op.parametros.size()) == argumentos.size());
    QList<Parte> enviadas, salidas;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const ParametroItrazen &p = op.parametros[i];
        Q_ASSERT(p.nuevo().valor().tipo == argumentos[i].tipo);
        const Parte parte{QLatin1StringView(p.nombre), argumentos[i]};
        if (p.modo != ModoParametro::Out)
            enviadas.append(parte);
        if (p.modo != ModoParametro::Const)
            salidas.append(parte);
    }

    const std::shared_ptr<const EnlaceSoap> enlace = enlazar();
    const QString operacion = QLatin1StringView(op.nombre);
    const QByteArray cuerpo = EscribirPeticionSoap(operacion, enviadas);
    QNetworkRequest peticion(enlace->endpoint);
    peticion.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=utf-8"));
    peticion.setRawHeader("SOAPAction", '"' + enlace->accion(operacion).toUtf8() + '"');

    const qint64 limite = m_cliente.limiteRespuesta();
    RespuestaSoap respuesta(limite);
    const auto r = m_http.enviar(peticion, &cuerpo, [&](QByteArrayView t) { respuesta.alimentar(t); },
                                 {m_cliente.timeoutConectar(), m_cliente.timeoutRecibir()}, limite);
    // The request went out and a reply came. An HTTP error status counts only when no
    // envelope came with it (a fault usually comes with status 500); that and a fault are
    // the server's answer. Any other failure leaves open what the server did.
    const auto errorHttp = [&] { return !EsExito(r.estado) && !respuesta.esSobre(); };
    try {
        if (r.errorDelLector)
            std::rethrow_exception(r.errorDelLector);
        respuesta.terminar();
        respuesta.leer(operacion, resultado, salidas);
    } catch (const ErrorServicio &e) {
        if (errorHttp())
            throw ErrorHttp(r, QStringLiteral("El servicio"));
        throw e.conPeticionEnviada(!e.esFault());
    }
}

template <class R> R ItrazenSoap::llamar(const char *operacion, const QList<Valor> &argumentos)
{
    R r{};
    llamar(*OperacionItrazenDe(QString::fromLatin1(operacion)), argumentos, Valor::de(r));
    return r;
}

int ItrazenSoap::VersionWSPos() { return llamar<int>("VersionWSPos", {}); }

bool ItrazenSoap::AccesoUserXModuloXAlmacen(const QString &User, const QString &Pass, const QString &Field,
                                            int &NuUser, int &NuAlmacen, QString &Msg, QString &Modulos,
                                            QString &Almacen)
{
    return llamar<bool>("AccesoUserXModuloXAlmacen",
                        {Entrada(User), Entrada(Pass), Entrada(Field), Valor::de(NuUser), Valor::de(NuAlmacen),
                         Valor::de(Msg), Valor::de(Modulos), Valor::de(Almacen)});
}

void ItrazenSoap::DatosEmpresa2(QString &Nombre, QString &Comercial, QString &RFC, QString &Domicilio,
                                QString &Telefono, QString &Correo, bool &IVAIncluido, int &OP_IEPS_SOBRE_IVA,
                                double &TC_VentaCredito, double &TC_CobranzaCredito)
{
    llamar(*OperacionItrazenDe(u"DatosEmpresa2"),
           {Valor::de(Nombre), Valor::de(Comercial), Valor::de(RFC), Valor::de(Domicilio), Valor::de(Telefono),
            Valor::de(Correo), Valor::de(IVAIncluido), Valor::de(OP_IEPS_SOBRE_IVA), Valor::de(TC_VentaCredito),
            Valor::de(TC_CobranzaCredito)},
           std::nullopt);
}

void ItrazenSoap::DatosEmpresa3(QString &Printer1, QString &Printer2, QString &Printer3, QString &Printer4,
                                QString &Printer5)
{
    llamar(*OperacionItrazenDe(u"DatosEmpresa3"),
           {Valor::de(Printer1), Valor::de(Printer2), Valor::de(Printer3), Valor::de(Printer4), Valor::de(Printer5)},
           std::nullopt);
}

QString ItrazenSoap::UltimoError() { return llamar<QString>("UltimoError", {}); }

std::optional<TListaCategoria> ItrazenSoap::ObtenerCategoriasPOS(const QString &User, const QString &Pass, bool Foto)
{
    return llamar<std::optional<TListaCategoria>>("ObtenerCategoriasPOS", {Entrada(User), Entrada(Pass), Entrada(Foto)});
}

std::optional<TListaProducto> ItrazenSoap::ListaProductoConFoto(const QString &User, const QString &Pass,
                                                                const QString &Where, bool Foto)
{
    return llamar<std::optional<TListaProducto>>("ListaProductoConFoto",
                                                 {Entrada(User), Entrada(Pass), Entrada(Where), Entrada(Foto)});
}

std::optional<TListaInfo1> ItrazenSoap::ListaMesas(const QString &User, const QString &Pass, int NuMesero)
{
    return llamar<std::optional<TListaInfo1>>("ListaMesas", {Entrada(User), Entrada(Pass), Entrada(NuMesero)});
}

int ItrazenSoap::Guardar_Comanda(const QString &User, const QString &Pass, const TPedido &Pedido)
{
    std::optional<TPedido> pedido = Pedido;
    return llamar<int>("Guardar_Comanda", {Entrada(User), Entrada(Pass), Valor::de(pedido)});
}

std::optional<TListaInfo1> ItrazenSoap::ListaComandas(const QString &User, const QString &Pass, int NuMesero)
{
    return llamar<std::optional<TListaInfo1>>("ListaComandas", {Entrada(User), Entrada(Pass), Entrada(NuMesero)});
}

int ItrazenSoap::ObtenerResumen(const QString &User, const QString &Pass, int &ComandasPen, int &ComandasFin,
                                double &Propinas, double &Total)
{
    return llamar<int>("ObtenerResumen", {Entrada(User), Entrada(Pass), Valor::de(ComandasPen),
                                          Valor::de(ComandasFin), Valor::de(Propinas), Valor::de(Total)});
}

std::optional<TListaSurtido> ItrazenSoap::ObtenerSurtido(const QString &User, const QString &Pass, int NuPrinter,
                                                         int Marcar, int &Platillos)
{
    return llamar<std::optional<TListaSurtido>>(
        "ObtenerSurtido", {Entrada(User), Entrada(Pass), Entrada(NuPrinter), Entrada(Marcar), Valor::de(Platillos)});
}
