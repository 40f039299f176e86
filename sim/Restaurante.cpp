#include "sim/Restaurante.h"
#include "service/ErrorServicio.h"
#include "sim/MenuGenerado.h"
#include "sim/RevisionComanda.h"
#include "sim/Sql.h"

namespace {
const QString kCredenciales = QStringLiteral("Usuario o contraseña incorrectos");
const QString kFaultServidor = QStringLiteral("SOAP-ENV:Server");
} // namespace

Restaurante::Restaurante(QSqlDatabase db, AjustesSim &ajustes)
    : m_db(db), m_ajustes(ajustes), m_catalogo(db), m_comandas(db)
{
}

int Restaurante::autenticar(const QString &user, const QString &pass)
{
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT nu, clave FROM usuario WHERE usuario = ?"), {user});
    if (q.next() && q.value(1).toString() == pass)
        return q.value(0).toInt();
    anotarError(kCredenciales);
    throw ErrorServicio(kCredenciales, kFaultServidor);
}

int Restaurante::VersionWSPos()
{
    return m_ajustes.version;
}

bool Restaurante::AccesoUserXModuloXAlmacen(const QString &User, const QString &Pass, const QString &Field,
                                            int &NuUser, int &NuAlmacen, QString &Msg, QString &Modulos,
                                            QString &Almacen)
{
    auto negar = [&](const QString &texto) {
        Msg = texto;
        anotarError(texto);
        return false;
    };
    if (m_ajustes.rechazo)
        return negar(m_ajustes.rechazo_texto);
    // A user without a store signs in with store 0 and no store name.
    QSqlQuery q = Ejecutar(m_db,
                           QStringLiteral("SELECT u.nu, u.clave, u.modulos, COALESCE(a.nu, 0), COALESCE(a.nombre, '')"
                                          " FROM usuario u LEFT JOIN almacen a ON a.nu = u.nu_almacen"
                                          " WHERE u.usuario = ?"),
                           {User});
    if (!q.next() || q.value(1).toString() != Pass)
        return negar(kCredenciales);
    const QString modulos = q.value(2).toString();
    const int posicion =
        Escalar(m_db, QStringLiteral("SELECT posicion FROM modulo WHERE clave = ? COLLATE NOCASE"), {Field}).toInt();
    if (posicion < 1 || posicion > modulos.size() || modulos.at(posicion - 1) != u'T')
        return negar(QStringLiteral("El usuario no tiene acceso al modulo %1").arg(Field));
    NuUser = q.value(0).toInt();
    NuAlmacen = q.value(3).toInt();
    Modulos = modulos;
    Almacen = q.value(4).toString();
    Msg.clear();
    return true;
}

void Restaurante::DatosEmpresa2(QString &Nombre, QString &Comercial, QString &RFC, QString &Domicilio,
                                QString &Telefono, QString &Correo, bool &IVAIncluido, int &OP_IEPS_SOBRE_IVA,
                                double &TC_VentaCredito, double &TC_CobranzaCredito)
{
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT nombre, comercial, rfc, domicilio, telefono, correo,"
                                                " iva_incluido, op_ieps_sobre_iva, tc_venta, tc_compra FROM empresa"));
    if (!q.next())
        throw ErrorServicio(QStringLiteral("No hay datos de la empresa"), kFaultServidor);
    Nombre = q.value(0).toString();
    Comercial = q.value(1).toString();
    RFC = q.value(2).toString();
    Domicilio = q.value(3).toString();
    Telefono = q.value(4).toString();
    Correo = q.value(5).toString();
    IVAIncluido = m_ajustes.iva_incluido.value_or(q.value(6).toBool());
    OP_IEPS_SOBRE_IVA = m_ajustes.op_ieps_sobre_iva.value_or(q.value(7).toInt());
    TC_VentaCredito = q.value(8).toDouble();
    TC_CobranzaCredito = q.value(9).toDouble();
}

void Restaurante::DatosEmpresa3(QString &Printer1, QString &Printer2, QString &Printer3, QString &Printer4,
                                QString &Printer5)
{
    QString *destino[] = {&Printer1, &Printer2, &Printer3, &Printer4, &Printer5};
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT nu, nombre FROM impresora ORDER BY nu"));
    while (q.next())
        *destino[q.value(0).toInt() - 1] = q.value(1).toString();
}

QString Restaurante::UltimoError()
{
    return m_ajustes.ultimo_error;
}

std::optional<TListaCategoria> Restaurante::ObtenerCategoriasPOS(const QString &User, const QString &Pass, bool Foto)
{
    autenticar(User, Pass);
    TListaCategoria lista = m_catalogo.categorias(Foto);
    if (m_ajustes.productos_generados > 0) {
        lista.ArrayCategoria.append(MenuGenerado(m_ajustes.productos_generados, m_ajustes.bytes_foto_generada).categoria(Foto));
        lista.Count = int(lista.ArrayCategoria.size());
    }
    return lista;
}

std::optional<TListaProducto> Restaurante::ListaProductoConFoto(const QString &User, const QString &Pass,
                                                                const QString &Where, bool Foto)
{
    autenticar(User, Pass);
    const Filtro filtro = Filtro::leer(Where);
    if (filtro.clase == Filtro::Clase::Invalido) {
        const QString texto = QStringLiteral("Filtro de productos no valido: %1").arg(Where);
        anotarError(texto);
        throw ErrorServicio(texto, kFaultServidor);
    }
    TListaProducto lista = m_catalogo.productos(filtro, Foto);
    if (m_ajustes.productos_generados > 0) {
        MenuGenerado(m_ajustes.productos_generados, m_ajustes.bytes_foto_generada).productos(filtro, Foto, lista);
        lista.Count = int(lista.ArrayProducto.size());
    }
    return lista;
}

std::optional<TListaInfo1> Restaurante::ListaMesas(const QString &User, const QString &Pass, int)
{
    autenticar(User, Pass);
    const QHash<int, int> abiertas = m_comandas.abiertasPorMesa();
    TListaInfo1 lista;
    QSqlQuery q = Ejecutar(m_db, QStringLiteral("SELECT nu, nombre, area FROM mesa ORDER BY nu"));
    while (q.next()) {
        TInfo1 m;
        m.DB = q.value(0).toInt();
        m.Nombre = q.value(1).toString();
        m.Sucursal = q.value(2).toString();
        m.Cant = abiertas.value(m.DB);
        lista.ArrayInfo1.append(m);
    }
    lista.Count = int(lista.ArrayInfo1.size());
    return lista;
}

int Restaurante::Guardar_Comanda(const QString &User, const QString &Pass, const TPedido &Pedido)
{
    const int nuUser = autenticar(User, Pass);
    if (m_ajustes.guardar_codigo)
        return *m_ajustes.guardar_codigo;
    const RevisionComanda r = RevisarComanda(Pedido, m_db, m_ajustes.corte_abierto);
    if (!r.motivo.isEmpty())
        anotarError(r.motivo);
    if (r.codigo == Guardada || r.codigo == RenglonNoGuardado)
        m_comandas.guardar(r.guardar, nuUser);
    return r.codigo;
}

std::optional<TListaInfo1> Restaurante::ListaComandas(const QString &User, const QString &Pass, int)
{
    autenticar(User, Pass);
    return m_comandas.abiertas();
}

int Restaurante::ObtenerResumen(const QString &User, const QString &Pass, int &ComandasPen, int &ComandasFin,
                                double &Propinas, double &Total)
{
    const Comandas::Resumen r = m_comandas.resumen(autenticar(User, Pass));
    ComandasPen = r.pendientes;
    ComandasFin = r.terminadas;
    Propinas = r.propinas;
    Total = r.total;
    return 1;
}

std::optional<TListaSurtido> Restaurante::ObtenerSurtido(const QString &User, const QString &Pass, int NuPrinter,
                                                         int Marcar, int &Platillos)
{
    autenticar(User, Pass);
    if (Marcar == 1) {
        m_comandas.marcarLeidos(NuPrinter);
        Platillos = 0;
        return TListaSurtido{};
    }
    TListaSurtido lista = m_comandas.listos(NuPrinter);
    Platillos = lista.Count;
    return lista;
}
