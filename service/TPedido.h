#pragma once
#include "service/Remotable.h"

/// A customer; sent inside every comanda (23 fields in wire order).
struct TCliente {
    int NuClienteTrazen = 0;
    int NuCliente = 0;
    QString Nombre;
    QString Comercial;
    QString RFC;
    QString Calle;
    QString Numero;
    QString Interior;
    QString Colonia;
    QString Ciudad;
    QString Estado;
    QString Pais;
    QString CP;
    QString Email;
    QString Telefono;
    QString DomicilioEntrega;
    QString NuPrecio;
    double Saldo = 0;
    double Limite = 0;
    int NuTipoPago = 0;
    QString Extra1;
    QString Extra2;
    QString Extra3;
    static const TypeInfo &tipo();
};

/// One line of a comanda (32 fields in wire order).
struct TDetalle {
    int NuDetalle = 0;
    QString NuProducto;
    QString Producto;
    QString Observacion;
    double Cantidad = 0;
    double Precio = 0;
    double Descuento = 0;
    double TasaIVA = 0;
    double TasaIEPS = 0;
    double TasaTasa2 = 0;
    double SubTotal = 0;
    double IVA = 0;
    double IEPS = 0;
    double Total_Tasa2 = 0;
    double Total = 0;
    double PreOri = 0;
    QString Esp1;
    QString Esp2;
    QString Esp3;
    QString Esp4;
    QString Esp5;
    QString Esp6;
    bool UsarMultiUnidad = false;
    int VNuMedida = 0;
    double VUnidades = 0;
    QString Unidad;
    double RFECHA_AUTH = 0; // TDateTime day count
    double FECHA_AUTH = 0; // TDateTime day count
    QString REQ_AUTH;
    int NUUSER_AUTH = 0;
    double PrecioPacto = 0;
    QString BarCode;

    /// Esp1 .. Esp6 by number (1 to 6).
    [[nodiscard]] QString &Esp(int k);
    [[nodiscard]] const QString &Esp(int k) const;
    static const TypeInfo &tipo();
};

/// A comanda (an order for one table), as sent with Guardar_Comanda (54 fields in wire order).
struct TPedido {
    int NuPedido = 0;
    int NuCliente = 0;
    int NuEstado = 0;
    QString ReferenciaPago;
    int NuImpreso = 0;
    double Fecha = 0; // TDate day count
    double Fecha_Entrega = 0; // TDate day count
    double Hora = 0; // TTime day count
    double SubTotal = 0;
    double IVA = 0;
    double IEPS = 0;
    double TASA2 = 0;
    double Total = 0;
    QString Notas;
    std::optional<TCliente> Cliente;
    int Count = 0;
    QList<std::optional<TDetalle>> ArrayDetalle;
    int TipoFolioCliente = 0;
    int NuUser = 0;
    int NuMoneda = 0;
    int NuPaso = 0;
    int NuChofer = 0;
    QString Horario;
    int FolioVenta = 0;
    QString UsoCFDI;
    QString MetodoPago;
    QString FormaPago;
    QString Facilidad271;
    int NuTipoOpera = 0;
    int NuEmpresaPago = 0;
    double Envio = 0;
    QString TokenPago;
    QString URLPago;
    QString CteNombre;
    QString CteTelefono;
    QString CteCorreo;
    QString CteCalle;
    QString CteNumero;
    QString CteNumeroint;
    QString CteCP;
    QString CteColonia;
    QString CteCiudad;
    QString CteEstado;
    QString CteCalles;
    QString CteReferencia;
    QString CteRFC;
    QString CtePais;
    QString REQ_AUTH;
    double AHORRO = 0;
    double TOTAL_SINENVIO = 0;
    double RET_IVA = 0;
    double RET_ISR = 0;
    double IVA_RET = 0;
    double ISR_RET = 0;

    void SetLengthList(int Value) { ::SetLengthList(ArrayDetalle, Value); }
    static const TypeInfo &tipo();
};
