#include "sim/Firmas.h"
#include "service/TCategoria.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include "service/TProducto.h"
#include "service/TSurtido.h"

namespace {

Parametro Texto(const char *n, Modo m = Modo::Const) { return {n, Tipo::String, nullptr, m}; }
Parametro Entero(const char *n, Modo m = Modo::Const) { return {n, Tipo::Integer, nullptr, m}; }
Parametro Real(const char *n, Modo m = Modo::Const) { return {n, Tipo::Double, nullptr, m}; }
Parametro Logico(const char *n, Modo m = Modo::Const) { return {n, Tipo::Boolean, nullptr, m}; }
Parametro Registro(const char *n, const TypeInfo &t) { return {n, Tipo::Record, &t}; }

const Parametro kUser = Texto("User");
const Parametro kPass = Texto("Pass");
const Modo V = Modo::Var;

} // namespace

const QList<Firma> &Firmas()
{
    static const QList<Firma> firmas{
        {"VersionWSPos", {}, Entero("return")},
        {"DatosEmpresa2",
         {Texto("Nombre", V), Texto("Comercial", V), Texto("RFC", V), Texto("Domicilio", V), Texto("Telefono", V),
          Texto("Correo", V), Logico("IVAIncluido", V), Entero("OP_IEPS_SOBRE_IVA", V), Real("TC_VentaCredito", V),
          Real("TC_CobranzaCredito", V)},
         std::nullopt},
        {"DatosEmpresa3",
         {Texto("Printer1", V), Texto("Printer2", V), Texto("Printer3", V), Texto("Printer4", V),
          Texto("Printer5", V)},
         std::nullopt},
        {"AccesoUserXModuloXAlmacen",
         {kUser, kPass, Texto("Field"), Entero("NuUser", V), Entero("NuAlmacen", V), Texto("Msg", V),
          Texto("Modulos", V), Texto("Almacen", V)},
         Logico("return")},
        {"UltimoError", {}, Texto("return")},
        {"ObtenerCategoriasPOS", {kUser, kPass, Logico("Foto")}, Registro("return", TListaCategoria::tipo())},
        {"ListaProductoConFoto", {kUser, kPass, Texto("Where"), Logico("Foto")},
         Registro("return", TListaProducto::tipo())},
        {"ListaMesas", {kUser, kPass, Entero("NuMesero")}, Registro("return", TListaInfo1::tipo())},
        {"ListaComandas", {kUser, kPass, Entero("NuMesero")}, Registro("return", TListaInfo1::tipo())},
        {"Guardar_Comanda", {kUser, kPass, Registro("Pedido", TPedido::tipo())}, Entero("return")},
        {"ObtenerResumen",
         {kUser, kPass, Entero("ComandasPen", V), Entero("ComandasFin", V), Real("Propinas", V), Real("Total", V)},
         Entero("return")},
        {"ObtenerSurtido", {kUser, kPass, Entero("NuPrinter"), Entero("Marcar"), Entero("Platillos", V)},
         Registro("return", TListaSurtido::tipo())},
    };
    return firmas;
}
