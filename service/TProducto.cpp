#include "service/TProducto.h"

QString &TProducto::Mod(int k)
{
    QString *const mods[] = {&Mod1, &Mod2, &Mod3, &Mod4, &Mod5, &Mod6, &Mod7, &Mod8, &Mod9, &Mod10, &Mod11, &Mod12, &Mod13, &Mod14};
    return *mods[k - 1];
}

const QString &TProducto::Mod(int k) const { return const_cast<TProducto *>(this)->Mod(k); }

const TypeInfo &TProducto::tipo()
{
    using Self = TProducto;
    static const FieldInfo c[] = {
        TZ_CAMPO(ID),
        TZ_CAMPO(IDRem),
        TZ_CAMPO(ClaveProdServ),
        TZ_CAMPO(Descripcion),
        TZ_CAMPO(Fabricante),
        TZ_CAMPO(Modelo),
        TZ_CAMPO(Modelo2),
        TZ_CAMPO(Modelo3),
        TZ_CAMPO(Modelo4),
        TZ_CAMPO(Modelo5),
        TZ_CAMPO(Detalle),
        TZ_CAMPO(Existencia),
        TZ_CAMPO(NuEstado),
        TZ_CAMPO(OP_UNIDADDEVENTA),
        TZ_CAMPO(NuCategoria),
        TZ_CAMPO(NuSubCategoria),
        TZ_CAMPO(NuUnidadMedida),
        TZ_CAMPO(NuUnidadMedida2),
        TZ_CAMPO(NuUnidadMedida3),
        TZ_CAMPO(NuUnidadMedida4),
        TZ_CAMPO(NuUnidadMedida5),
        TZ_CAMPO(NuMoneda),
        TZ_CAMPO(Categoria),
        TZ_CAMPO(SubCategoria),
        TZ_CAMPO(Unidad),
        TZ_CAMPO(Unidad2),
        TZ_CAMPO(Unidad3),
        TZ_CAMPO(Unidad4),
        TZ_CAMPO(Unidad5),
        TZ_CAMPO(UXC2),
        TZ_CAMPO(UXC3),
        TZ_CAMPO(UXC4),
        TZ_CAMPO(UXC5),
        TZ_CAMPO(Precio01),
        TZ_CAMPO(Precio02),
        TZ_CAMPO(Precio03),
        TZ_CAMPO(Precio04),
        TZ_CAMPO(Precio05),
        TZ_CAMPO(Precio06),
        TZ_CAMPO(Precio07),
        TZ_CAMPO(Precio08),
        TZ_CAMPO(Precio09),
        TZ_CAMPO(Precio10),
        TZ_CAMPO(Precio11),
        TZ_CAMPO(Precio12),
        TZ_CAMPO(Precio13),
        TZ_CAMPO(Precio14),
        TZ_CAMPO(Precio15),
        TZ_CAMPO(Precio16),
        TZ_CAMPO(Precio17),
        TZ_CAMPO(Precio18),
        TZ_CAMPO(Precio19),
        TZ_CAMPO(Precio20),
        TZ_CAMPO(Costo),
        TZ_CAMPO(Precio),
        TZ_CAMPO(Precio2),
        TZ_CAMPO(Precio3),
        TZ_CAMPO(Precio4),
        TZ_CAMPO(Precio5),
        TZ_CAMPO(PrecioConImp),
        TZ_CAMPO(PrecioConImp2),
        TZ_CAMPO(PrecioConImp3),
        TZ_CAMPO(PrecioConImp4),
        TZ_CAMPO(PrecioConImp5),
        TZ_CAMPO(TasaIVA),
        TZ_CAMPO(TasaIEPS),
        TZ_CAMPO(Tasa2),
        TZ_CAMPO(Barcode1),
        TZ_CAMPO(Barcode2),
        TZ_CAMPO(Barcode3),
        TZ_CAMPO(Barcode4),
        TZ_CAMPO(Barcode5),
        TZ_CAMPO(NuPrecio1),
        TZ_CAMPO(NuPrecio2),
        TZ_CAMPO(NuPrecio3),
        TZ_CAMPO(NuPrecio4),
        TZ_CAMPO(NuPrecio5),
        TZ_CAMPO(Foto),
        TZ_CAMPO(Mod1),
        TZ_CAMPO(Mod2),
        TZ_CAMPO(Mod3),
        TZ_CAMPO(Mod4),
        TZ_CAMPO(Mod5),
        TZ_CAMPO(Mod6),
        TZ_CAMPO(Mod7),
        TZ_CAMPO(Mod8),
        TZ_CAMPO(Mod9),
        TZ_CAMPO(Mod10),
        TZ_CAMPO(Mod11),
        TZ_CAMPO(Mod12),
        TZ_CAMPO(Mod13),
        TZ_CAMPO(Mod14),
        TZ_CAMPO(FotoStr),
        TZ_CAMPO(Descuento_Adicional),
        TZ_CAMPO(Descuento_AdicionalTP),
        TZ_CAMPO(Promocion),
        TZ_CAMPO(OP_PROMO_SINLIMITE),
        TZ_CAMPO(OP_PROMO_MIN_STOCK),
        TZ_CAMPO_T(FIN_PROMOCION, Tipo::DateTime),
        TZ_CAMPO(NUPRECIO_PROMO),
    };
    static const TypeInfo t{"TProducto", c};
    return t;
}

const TypeInfo &TListaProducto::tipo()
{
    using Self = TListaProducto;
    static const FieldInfo c[] = {TZ_CAMPO(Count), TZ_CAMPO(ArrayProducto)};
    static const TypeInfo t{"TListaProducto", c};
    return t;
}
