#pragma once
// The twelve operations called on any Itrazen (the sim over the wire, or the same
// restaurant in-process), each answer with its var and out arguments as JSON, and the
// comandas the calls send.
#include "service/Itrazen.h"
#include "sim/RegistroJson.h"
#include <QJsonArray>
#include <functional>
#include <stdexcept>

namespace llamadas {

inline const QString kUser = QStringLiteral("mesero");
inline const QString kPass = QStringLiteral("1234");

/// A comanda as the client composes it; amounts chosen to survive 15 significant digits.
inline TPedido Comanda()
{
    TPedido p;
    p.NuPaso = 12;
    p.ReferenciaPago = QStringLiteral("Señora Núñez <VIP> & familia");
    p.NuEstado = 3;
    p.Cliente.emplace();
    TDetalle a;
    a.NuDetalle = 1;
    a.NuProducto = QStringLiteral("203");
    a.Producto = QStringLiteral("Pozole Rojo Receta de Jalisco");
    a.Cantidad = 2;
    a.Precio = 112.068966;
    a.TasaIVA = 16;
    a.SubTotal = 224.137932;
    a.IVA = 35.862069;
    a.Total = 260.000001;
    a.PreOri = 130;
    a.Esp1 = QStringLiteral("Grande");
    a.Esp2 = QStringLiteral("Surtido");
    a.Esp6 = QStringLiteral("Sin rábano");
    TDetalle b;
    b.NuDetalle = 2;
    b.NuProducto = QStringLiteral("303");
    b.Producto = QStringLiteral("Corte Rib Eye Importado 400 g");
    b.Cantidad = 1;
    b.Precio = 532.12;
    b.TasaIVA = 16;
    b.SubTotal = 532.12;
    b.IVA = 85.14;
    b.Total = 617.26;
    b.PreOri = 617.175;
    p.ArrayDetalle = {a, b};
    p.Count = 2;
    p.SubTotal = 756.257932;
    p.IVA = 121.002069;
    p.Total = 877.260001;
    return p;
}

/// The same comanda with a third line whose product is out of stock (answered 1). Its
/// amounts are binary fractions and keep the totals in the same power of two, so that
/// the server taking them off gives back Comanda()'s total to the last bit, as the wire's
/// 15 digits carry it.
inline TPedido ComandaConAgotado()
{
    TPedido p = Comanda();
    TDetalle c;
    c.NuDetalle = 3;
    c.NuProducto = QStringLiteral("305");
    c.Producto = QStringLiteral("Chiles en Nogada Temporada");
    c.Cantidad = 1;
    c.Precio = 86.25;
    c.TasaIVA = 16;
    c.SubTotal = 86.25;
    c.IVA = 13.75;
    c.Total = 100;
    c.PreOri = 100;
    p.ArrayDetalle.append(c);
    p.Count = 3;
    p.SubTotal = 842.507932;
    p.IVA = 134.752069;
    p.Total = 977.260001;
    return p;
}

template <class R> QJsonValue Json(const std::optional<R> &r)
{
    return r ? QJsonValue(RegistroJson(*r)) : QJsonValue(QJsonValue::Null);
}

/// A list of comandas without their times: two restaurants seeded apart differ there.
inline QJsonValue SinHoras(QJsonValue lista)
{
    QJsonObject o = lista.toObject();
    QJsonArray a = o.value(QStringLiteral("ArrayInfo1")).toArray();
    for (QJsonValueRef v : a) {
        QJsonObject i = v.toObject();
        i.remove(QStringLiteral("Fecha"));
        i.remove(QStringLiteral("Hora"));
        v = i;
    }
    o.insert(QStringLiteral("ArrayInfo1"), a);
    return o;
}

using Llamada = std::function<QJsonValue(Itrazen &)>;

/// One call of each operation by name, in an order where each later answer depends on
/// the earlier ones: the comanda sent shows in the lists, the summary and the last error.
inline const QList<std::pair<QString, Llamada>> &Doce()
{
    static const QList<std::pair<QString, Llamada>> doce{
        {QStringLiteral("VersionWSPos"), [](Itrazen &s) { return QJsonValue(s.VersionWSPos()); }},
        {QStringLiteral("AccesoUserXModuloXAlmacen"),
         [](Itrazen &s) {
             int nu = -1, alm = -1;
             QString msg = QStringLiteral("antes"), modulos, almacen;
             const bool r = s.AccesoUserXModuloXAlmacen(kUser, kPass, QStringLiteral("POS"), nu, alm, msg, modulos,
                                                         almacen);
             return QJsonValue(QJsonObject{{"return", r}, {"NuUser", nu}, {"NuAlmacen", alm}, {"Msg", msg},
                                           {"Modulos", modulos}, {"Almacen", almacen}});
         }},
        {QStringLiteral("DatosEmpresa2"),
         [](Itrazen &s) {
             QString t[6];
             bool iva = false;
             int ieps = -1;
             double venta = 0, compra = 0;
             s.DatosEmpresa2(t[0], t[1], t[2], t[3], t[4], t[5], iva, ieps, venta, compra);
             return QJsonValue(QJsonObject{{"textos", QJsonArray::fromStringList(QStringList(t, t + 6))},
                                           {"IVAIncluido", iva},
                                           {"OP_IEPS_SOBRE_IVA", ieps},
                                           {"TC", QJsonArray{venta, compra}}});
         }},
        {QStringLiteral("DatosEmpresa3"),
         [](Itrazen &s) {
             QString p[5];
             s.DatosEmpresa3(p[0], p[1], p[2], p[3], p[4]);
             return QJsonValue(QJsonArray::fromStringList(QStringList(p, p + 5)));
         }},
        {QStringLiteral("ObtenerCategoriasPOS"),
         [](Itrazen &s) { return Json(s.ObtenerCategoriasPOS(kUser, kPass, true)); }},
        {QStringLiteral("ListaProductoConFoto"),
         [](Itrazen &s) {
             return Json(s.ListaProductoConFoto(kUser, kPass, QStringLiteral("(PRODUCTO.NUCATEGORIA=5)"), true));
         }},
        {QStringLiteral("Guardar_Comanda"),
         [](Itrazen &s) { return QJsonValue(s.Guardar_Comanda(kUser, kPass, ComandaConAgotado())); }},
        {QStringLiteral("ListaMesas"), [](Itrazen &s) { return Json(s.ListaMesas(kUser, kPass, 1)); }},
        {QStringLiteral("ListaComandas"), [](Itrazen &s) { return SinHoras(Json(s.ListaComandas(kUser, kPass, 1))); }},
        {QStringLiteral("ObtenerResumen"),
         [](Itrazen &s) {
             int pen = -1, fin = -1;
             double propinas = -1, total = -1;
             const int r = s.ObtenerResumen(kUser, kPass, pen, fin, propinas, total);
             return QJsonValue(QJsonArray{r, pen, fin, propinas, total});
         }},
        {QStringLiteral("ObtenerSurtido"),
         [](Itrazen &s) {
             int platillos = -1;
             const QJsonValue r = Json(s.ObtenerSurtido(kUser, kPass, 0, 0, platillos));
             return QJsonValue(QJsonObject{{"return", r}, {"Platillos", platillos}});
         }},
        {QStringLiteral("UltimoError"), [](Itrazen &s) { return QJsonValue(s.UltimoError()); }},
    };
    return doce;
}

/// The call of that operation in Doce().
inline const Llamada &Una(const QString &operacion)
{
    for (const auto &[nombre, llamada] : Doce())
        if (nombre == operacion)
            return llamada;
    throw std::invalid_argument("operacion desconocida: " + operacion.toStdString());
}

} // namespace llamadas
