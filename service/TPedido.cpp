#include "service/TPedido.h"

const TypeInfo &TCliente::tipo()
{
    using Self = TCliente;
    static const FieldInfo c[] = {
        TZ_CAMPO(NuClienteTrazen),
        TZ_CAMPO(NuCliente),
        TZ_CAMPO(Nombre),
        TZ_CAMPO(Comercial),
        TZ_CAMPO(RFC),
        TZ_CAMPO(Calle),
        TZ_CAMPO(Numero),
        TZ_CAMPO(Interior),
        TZ_CAMPO(Colonia),
        TZ_CAMPO(Ciudad),
        TZ_CAMPO(Estado),
        TZ_CAMPO(Pais),
        TZ_CAMPO(CP),
        TZ_CAMPO(Email),
        TZ_CAMPO(Telefono),
        TZ_CAMPO(DomicilioEntrega),
        TZ_CAMPO(NuPrecio),
        TZ_CAMPO(Saldo),
        TZ_CAMPO(Limite),
        TZ_CAMPO(NuTipoPago),
        TZ_CAMPO(Extra1),
        TZ_CAMPO(Extra2),
        TZ_CAMPO(Extra3),
    };
    static const TypeInfo t{"TCliente", c};
    return t;
}

QString &TDetalle::Esp(int k)
{
    QString *const esp[] = {&Esp1, &Esp2, &Esp3, &Esp4, &Esp5, &Esp6};
    return *esp[k - 1];
}

const QString &TDetalle::Esp(int k) const { return const_cast<TDetalle *>(this)->Esp(k); }

const TypeInfo &TDetalle::tipo()
{
    using Self = TDetalle;
    static const FieldInfo c[] = {
        TZ_CAMPO(NuDetalle),
        TZ_CAMPO(NuProducto),
        TZ_CAMPO(Producto),
        TZ_CAMPO(Observacion),
        TZ_CAMPO(Cantidad),
        TZ_CAMPO(Precio),
        TZ_CAMPO(Descuento),
        TZ_CAMPO(TasaIVA),
        TZ_CAMPO(TasaIEPS),
        TZ_CAMPO(TasaTasa2),
        TZ_CAMPO(SubTotal),
        TZ_CAMPO(IVA),
        TZ_CAMPO(IEPS),
        TZ_CAMPO(Total_Tasa2),
        TZ_CAMPO(Total),
        TZ_CAMPO(PreOri),
        TZ_CAMPO(Esp1),
        TZ_CAMPO(Esp2),
        TZ_CAMPO(Esp3),
        TZ_CAMPO(Esp4),
        TZ_CAMPO(Esp5),
        TZ_CAMPO(Esp6),
        TZ_CAMPO(UsarMultiUnidad),
        TZ_CAMPO(VNuMedida),
        TZ_CAMPO(VUnidades),
        TZ_CAMPO(Unidad),
        TZ_CAMPO_T(RFECHA_AUTH, Tipo::DateTime),
        TZ_CAMPO_T(FECHA_AUTH, Tipo::DateTime),
        TZ_CAMPO(REQ_AUTH),
        TZ_CAMPO(NUUSER_AUTH),
        TZ_CAMPO(PrecioPacto),
        TZ_CAMPO(BarCode),
    };
    static const TypeInfo t{"TDetalle", c};
    return t;
}

const TypeInfo &TPedido::tipo()
{
    using Self = TPedido;
    static const FieldInfo c[] = {
        TZ_CAMPO(NuPedido),
        TZ_CAMPO(NuCliente),
        TZ_CAMPO(NuEstado),
        TZ_CAMPO(ReferenciaPago),
        TZ_CAMPO(NuImpreso),
        TZ_CAMPO_T(Fecha, Tipo::Date),
        TZ_CAMPO_T(Fecha_Entrega, Tipo::Date),
        TZ_CAMPO_T(Hora, Tipo::Time),
        TZ_CAMPO(SubTotal),
        TZ_CAMPO(IVA),
        TZ_CAMPO(IEPS),
        TZ_CAMPO(TASA2),
        TZ_CAMPO(Total),
        TZ_CAMPO(Notas),
        TZ_CAMPO(Cliente),
        TZ_CAMPO(Count),
        TZ_CAMPO(ArrayDetalle),
        TZ_CAMPO(TipoFolioCliente),
        TZ_CAMPO(NuUser),
        TZ_CAMPO(NuMoneda),
        TZ_CAMPO(NuPaso),
        TZ_CAMPO(NuChofer),
        TZ_CAMPO(Horario),
        TZ_CAMPO(FolioVenta),
        TZ_CAMPO(UsoCFDI),
        TZ_CAMPO(MetodoPago),
        TZ_CAMPO(FormaPago),
        TZ_CAMPO(Facilidad271),
        TZ_CAMPO(NuTipoOpera),
        TZ_CAMPO(NuEmpresaPago),
        TZ_CAMPO(Envio),
        TZ_CAMPO(TokenPago),
        TZ_CAMPO(URLPago),
        TZ_CAMPO(CteNombre),
        TZ_CAMPO(CteTelefono),
        TZ_CAMPO(CteCorreo),
        TZ_CAMPO(CteCalle),
        TZ_CAMPO(CteNumero),
        TZ_CAMPO(CteNumeroint),
        TZ_CAMPO(CteCP),
        TZ_CAMPO(CteColonia),
        TZ_CAMPO(CteCiudad),
        TZ_CAMPO(CteEstado),
        TZ_CAMPO(CteCalles),
        TZ_CAMPO(CteReferencia),
        TZ_CAMPO(CteRFC),
        TZ_CAMPO(CtePais),
        TZ_CAMPO(REQ_AUTH),
        TZ_CAMPO(AHORRO),
        TZ_CAMPO(TOTAL_SINENVIO),
        TZ_CAMPO(RET_IVA),
        TZ_CAMPO(RET_ISR),
        TZ_CAMPO(IVA_RET),
        TZ_CAMPO(ISR_RET),
    };
    static const TypeInfo t{"TPedido", c};
    return t;
}
