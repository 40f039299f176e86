#include "service/OperacionesItrazen.h"
#include "service/Itrazen.h"

namespace {
template <class T> ValorPropio Nuevo() { return ValorPropio::de<T>(); }

constexpr auto C = ModoParametro::Const;
constexpr auto V = ModoParametro::Var;

constexpr ParametroItrazen Usuario{"User", C, "string", Nuevo<QString>};
constexpr ParametroItrazen Clave{"Pass", C, "string", Nuevo<QString>};

constexpr ParametroItrazen RInteger{"return", ModoParametro::Out, "Integer", Nuevo<int>};
constexpr ParametroItrazen RBoolean{"return", ModoParametro::Out, "Boolean", Nuevo<bool>};
constexpr ParametroItrazen RString{"return", ModoParametro::Out, "string", Nuevo<QString>};
constexpr ParametroItrazen RCategorias{"return", ModoParametro::Out, "TListaCategoria",
                                       Nuevo<std::optional<TListaCategoria>>};
constexpr ParametroItrazen RProductos{"return", ModoParametro::Out, "TListaProducto",
                                      Nuevo<std::optional<TListaProducto>>};
constexpr ParametroItrazen RInfo1{"return", ModoParametro::Out, "TListaInfo1", Nuevo<std::optional<TListaInfo1>>};
constexpr ParametroItrazen RSurtido{"return", ModoParametro::Out, "TListaSurtido",
                                    Nuevo<std::optional<TListaSurtido>>};

constexpr ParametroItrazen Acceso[] = {
    Usuario, Clave, {"Field", C, "string", Nuevo<QString>}, {"NuUser", V, "Integer", Nuevo<int>},
    {"NuAlmacen", V, "Integer", Nuevo<int>}, {"Msg", V, "string", Nuevo<QString>},
    {"Modulos", V, "string", Nuevo<QString>}, {"Almacen", V, "string", Nuevo<QString>},
};
constexpr ParametroItrazen Empresa2[] = {
    {"Nombre", V, "string", Nuevo<QString>},       {"Comercial", V, "string", Nuevo<QString>},
    {"RFC", V, "string", Nuevo<QString>},          {"Domicilio", V, "string", Nuevo<QString>},
    {"Telefono", V, "string", Nuevo<QString>},     {"Correo", V, "string", Nuevo<QString>},
    {"IVAIncluido", V, "Boolean", Nuevo<bool>},    {"OP_IEPS_SOBRE_IVA", V, "Integer", Nuevo<int>},
    {"TC_VentaCredito", V, "Real", Nuevo<double>}, {"TC_CobranzaCredito", V, "Real", Nuevo<double>},
};
constexpr ParametroItrazen Empresa3[] = {
    {"Printer1", V, "string", Nuevo<QString>}, {"Printer2", V, "string", Nuevo<QString>},
    {"Printer3", V, "string", Nuevo<QString>}, {"Printer4", V, "string", Nuevo<QString>},
    {"Printer5", V, "string", Nuevo<QString>},
};
constexpr ParametroItrazen Categorias[] = {Usuario, Clave, {"Foto", C, "Boolean", Nuevo<bool>}};
constexpr ParametroItrazen Productos[] = {Usuario, Clave, {"Where", C, "string", Nuevo<QString>},
                                          {"Foto", C, "Boolean", Nuevo<bool>}};
constexpr ParametroItrazen Mesero[] = {Usuario, Clave, {"NuMesero", C, "Integer", Nuevo<int>}};
constexpr ParametroItrazen Comanda[] = {Usuario, Clave, {"Pedido", C, "TPedido", Nuevo<std::optional<TPedido>>}};
constexpr ParametroItrazen Resumen[] = {
    Usuario, Clave, {"ComandasPen", V, "Integer", Nuevo<int>}, {"ComandasFin", V, "Integer", Nuevo<int>},
    {"Propinas", V, "Real", Nuevo<double>}, {"Total", V, "Real", Nuevo<double>},
};
constexpr ParametroItrazen Surtido[] = {
    Usuario, Clave, {"NuPrinter", C, "Integer", Nuevo<int>}, {"Marcar", C, "Integer", Nuevo<int>},
    {"Platillos", V, "Integer", Nuevo<int>},
};

constexpr OperacionItrazen Operaciones[] = {
    {"VersionWSPos", {}, &RInteger},
    {"AccesoUserXModuloXAlmacen", Acceso, &RBoolean},
    {"DatosEmpresa2", Empresa2, nullptr},
    {"DatosEmpresa3", Empresa3, nullptr},
    {"UltimoError", {}, &RString},
    {"ObtenerCategoriasPOS", Categorias, &RCategorias},
    {"ListaProductoConFoto", Productos, &RProductos},
    {"ListaMesas", Mesero, &RInfo1},
    {"Guardar_Comanda", Comanda, &RInteger},
    {"ListaComandas", Mesero, &RInfo1},
    {"ObtenerSurtido", Surtido, &RSurtido},
    {"ObtenerResumen", Resumen, &RInteger},
};
} // namespace

std::span<const OperacionItrazen> OperacionesItrazen() { return Operaciones; }

const OperacionItrazen *OperacionItrazenDe(QStringView nombre)
{
    for (const OperacionItrazen &op : Operaciones)
        if (nombre == QLatin1StringView(op.nombre))
            return &op;
    return nullptr;
}
