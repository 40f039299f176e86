#pragma once
#include "service/ErrorServicio.h"
#include "service/Itrazen.h"
#include "service/OperacionesItrazen.h"
#include "service/TransporteHttp.h"

class SoapClient;
struct EnlaceSoap;

/// The service's operations over SOAP/HTTP, for calls made on the thread that created
/// it: binds through the client's description (fetched by the first call that needs
/// it), sends each call and decodes its reply while it downloads.
class ItrazenSoap : public Itrazen {
public:
    explicit ItrazenSoap(SoapClient &cliente);
    ~ItrazenSoap() override;

    /// Calls `op` with one value per parameter, in declaration order (out ones are only
    /// written), and reads its result into `resultado` (none for a procedure).
    void llamar(const OperacionItrazen &op, const QList<Valor> &argumentos, const std::optional<Valor> &resultado);

    int VersionWSPos() override;
    bool AccesoUserXModuloXAlmacen(const QString &User, const QString &Pass, const QString &Field, int &NuUser,
                                   int &NuAlmacen, QString &Msg, QString &Modulos, QString &Almacen) override;
    void DatosEmpresa2(QString &Nombre, QString &Comercial, QString &RFC, QString &Domicilio, QString &Telefono,
                       QString &Correo, bool &IVAIncluido, int &OP_IEPS_SOBRE_IVA, double &TC_VentaCredito,
                       double &TC_CobranzaCredito) override;
    void DatosEmpresa3(QString &Printer1, QString &Printer2, QString &Printer3, QString &Printer4,
                       QString &Printer5) override;
    QString UltimoError() override;
    std::optional<TListaCategoria> ObtenerCategoriasPOS(const QString &User, const QString &Pass, bool Foto) override;
    std::optional<TListaProducto> ListaProductoConFoto(const QString &User, const QString &Pass, const QString &Where,
                                                       bool Foto) override;
    std::optional<TListaInfo1> ListaMesas(const QString &User, const QString &Pass, int NuMesero) override;
    int Guardar_Comanda(const QString &User, const QString &Pass, const TPedido &Pedido) override;
    std::optional<TListaInfo1> ListaComandas(const QString &User, const QString &Pass, int NuMesero) override;
    int ObtenerResumen(const QString &User, const QString &Pass, int &ComandasPen, int &ComandasFin,
                       double &Propinas, double &Total) override;
    std::optional<TListaSurtido> ObtenerSurtido(const QString &User, const QString &Pass, int NuPrinter, int Marcar,
                                                int &Platillos) override;

private:
    std::shared_ptr<const EnlaceSoap> enlazar();
    template <class R> R llamar(const char *operacion, const QList<Valor> &argumentos);

    SoapClient &m_cliente;
    TransporteHttp m_http;
};
