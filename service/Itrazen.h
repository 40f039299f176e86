#pragma once
#include "service/TCategoria.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include "service/TProducto.h"
#include "service/TSurtido.h"

/// The twelve operations of the restaurant's service that the client calls, with their
/// wire parameter names. `var` parameters are references (sent and read back), `out`
/// parameters are references that are only read back. Every call may throw ErrorServicio.
/// A list result the reply does not carry is an absent value (std::nullopt).
class Itrazen {
public:
    virtual ~Itrazen() = default;

    virtual int VersionWSPos() = 0;
    virtual bool AccesoUserXModuloXAlmacen(const QString &User, const QString &Pass, const QString &Field,
                                           int &NuUser, int &NuAlmacen, QString &Msg, QString &Modulos,
                                           QString &Almacen) = 0;
    virtual void DatosEmpresa2(QString &Nombre, QString &Comercial, QString &RFC, QString &Domicilio,
                               QString &Telefono, QString &Correo, bool &IVAIncluido, int &OP_IEPS_SOBRE_IVA,
                               double &TC_VentaCredito, double &TC_CobranzaCredito) = 0;
    virtual void DatosEmpresa3(QString &Printer1, QString &Printer2, QString &Printer3, QString &Printer4,
                               QString &Printer5) = 0;
    virtual QString UltimoError() = 0;
    virtual std::optional<TListaCategoria> ObtenerCategoriasPOS(const QString &User, const QString &Pass,
                                                                bool Foto) = 0;
    virtual std::optional<TListaProducto> ListaProductoConFoto(const QString &User, const QString &Pass,
                                                               const QString &Where, bool Foto) = 0;
    virtual std::optional<TListaInfo1> ListaMesas(const QString &User, const QString &Pass, int NuMesero) = 0;
    virtual int Guardar_Comanda(const QString &User, const QString &Pass, const TPedido &Pedido) = 0;
    virtual std::optional<TListaInfo1> ListaComandas(const QString &User, const QString &Pass, int NuMesero) = 0;
    virtual int ObtenerResumen(const QString &User, const QString &Pass, int &ComandasPen, int &ComandasFin,
                               double &Propinas, double &Total) = 0;
    virtual std::optional<TListaSurtido> ObtenerSurtido(const QString &User, const QString &Pass, int NuPrinter,
                                                        int Marcar, int &Platillos) = 0;
};
