#pragma once
#include "service/Remotable.h"

/// A product of the catalogue, as the service sends it (100 fields in wire order).
struct TProducto {
    QString ID;
    QString IDRem;
    QString ClaveProdServ;
    QString Descripcion;
    QString Fabricante;
    QString Modelo;
    QString Modelo2;
    QString Modelo3;
    QString Modelo4;
    QString Modelo5;
    QString Detalle;
    double Existencia = 0;
    int NuEstado = 0;
    int OP_UNIDADDEVENTA = 0;
    int NuCategoria = 0;
    int NuSubCategoria = 0;
    int NuUnidadMedida = 0;
    int NuUnidadMedida2 = 0;
    int NuUnidadMedida3 = 0;
    int NuUnidadMedida4 = 0;
    int NuUnidadMedida5 = 0;
    int NuMoneda = 0;
    QString Categoria;
    QString SubCategoria;
    QString Unidad;
    QString Unidad2;
    QString Unidad3;
    QString Unidad4;
    QString Unidad5;
    double UXC2 = 0;
    double UXC3 = 0;
    double UXC4 = 0;
    double UXC5 = 0;
    double Precio01 = 0;
    double Precio02 = 0;
    double Precio03 = 0;
    double Precio04 = 0;
    double Precio05 = 0;
    double Precio06 = 0;
    double Precio07 = 0;
    double Precio08 = 0;
    double Precio09 = 0;
    double Precio10 = 0;
    double Precio11 = 0;
    double Precio12 = 0;
    double Precio13 = 0;
    double Precio14 = 0;
    double Precio15 = 0;
    double Precio16 = 0;
    double Precio17 = 0;
    double Precio18 = 0;
    double Precio19 = 0;
    double Precio20 = 0;
    double Costo = 0;
    double Precio = 0;
    double Precio2 = 0;
    double Precio3 = 0;
    double Precio4 = 0;
    double Precio5 = 0;
    double PrecioConImp = 0;
    double PrecioConImp2 = 0;
    double PrecioConImp3 = 0;
    double PrecioConImp4 = 0;
    double PrecioConImp5 = 0;
    double TasaIVA = 0;
    double TasaIEPS = 0;
    double Tasa2 = 0;
    QString Barcode1;
    QString Barcode2;
    QString Barcode3;
    QString Barcode4;
    QString Barcode5;
    QString NuPrecio1;
    QString NuPrecio2;
    QString NuPrecio3;
    QString NuPrecio4;
    QString NuPrecio5;
    QByteArray Foto;
    QString Mod1;
    QString Mod2;
    QString Mod3;
    QString Mod4;
    QString Mod5;
    QString Mod6;
    QString Mod7;
    QString Mod8;
    QString Mod9;
    QString Mod10;
    QString Mod11;
    QString Mod12;
    QString Mod13;
    QString Mod14;
    QString FotoStr;
    double Descuento_Adicional = 0;
    QString Descuento_AdicionalTP;
    double Promocion = 0;
    QString OP_PROMO_SINLIMITE;
    double OP_PROMO_MIN_STOCK = 0;
    double FIN_PROMOCION = 0; // TDateTime day count
    QString NUPRECIO_PROMO;

    /// Mod1 .. Mod14 by number (1 to 14).
    [[nodiscard]] QString &Mod(int k);
    [[nodiscard]] const QString &Mod(int k) const;
    static const TypeInfo &tipo();
};

struct TListaProducto {
    int Count = 0;
    QList<std::optional<TProducto>> ArrayProducto;
    void SetLengthList(int Value) { ::SetLengthList(ArrayProducto, Value); }
    static const TypeInfo &tipo();
};
