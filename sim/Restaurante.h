#pragma once
#include "service/Itrazen.h"
#include "sim/AjustesSim.h"
#include "sim/Catalogo.h"
#include "sim/Comandas.h"

/// The business behind the twelve operations, over the sim's database: credentials,
/// company, menu, tables, comandas, ready dishes and the waiter's figures. Implements
/// the client's own interface, so it can also stand in for the service in-process.
/// Failures are thrown as ErrorServicio (they become SOAP faults) and remembered as
/// the last error.
class Restaurante : public Itrazen {
public:
    Restaurante(QSqlDatabase db, AjustesSim &ajustes);

    int VersionWSPos() override;
    bool AccesoUserXModuloXAlmacen(const QString &User, const QString &Pass, const QString &Field, int &NuUser,
                                   int &NuAlmacen, QString &Msg, QString &Modulos, QString &Almacen) override;
    void DatosEmpresa2(QString &Nombre, QString &Comercial, QString &RFC, QString &Domicilio, QString &Telefono,
                       QString &Correo, bool &IVAIncluido, int &OP_IEPS_SOBRE_IVA, double &TC_VentaCredito,
                       double &TC_CobranzaCredito) override;
    void DatosEmpresa3(QString &Printer1, QString &Printer2, QString &Printer3, QString &Printer4,
                       QString &Printer5) override;
    QString UltimoError() override;
    std::optional<TListaCategoria> ObtenerCategoriasPOS(const QString &User, const QString &Pass,
                                                        bool Foto) override;
    std::optional<TListaProducto> ListaProductoConFoto(const QString &User, const QString &Pass,
                                                       const QString &Where, bool Foto) override;
    std::optional<TListaInfo1> ListaMesas(const QString &User, const QString &Pass, int NuMesero) override;
    int Guardar_Comanda(const QString &User, const QString &Pass, const TPedido &Pedido) override;
    std::optional<TListaInfo1> ListaComandas(const QString &User, const QString &Pass, int NuMesero) override;
    int ObtenerResumen(const QString &User, const QString &Pass, int &ComandasPen, int &ComandasFin,
                       double &Propinas, double &Total) override;
    std::optional<TListaSurtido> ObtenerSurtido(const QString &User, const QString &Pass, int NuPrinter,
                                                int Marcar, int &Platillos) override;

    [[nodiscard]] Comandas &comandas() { return m_comandas; }
    /// Remembers a failure as the server's last error.
    void anotarError(const QString &texto) { m_ajustes.ultimo_error = texto; }

private:
    /// The user's number; throws the credentials fault when they do not match.
    int autenticar(const QString &user, const QString &pass);

    QSqlDatabase m_db;
    AjustesSim &m_ajustes;
    Catalogo m_catalogo;
    Comandas m_comandas;
};
