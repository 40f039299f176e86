#pragma once
#include "app/SeguimientoEnvio.h"
#include "service/TCategoria.h"
#include "service/TInfo1.h"
#include "service/TPedido.h"
#include "service/TProducto.h"
#include "service/TSurtido.h"
#include "storage/ListaProductosGuardados.h"
#include <array>

/// One remembered ready dish.
struct MemoriaSur {
    int NuVenta = 0;
    int NuVenta_Mov = 0;
    QString Cliente;
    QString Mesa;
    QString Producto;
    double Cantidad = 0;
};

/// A fresh comanda: no table, no lines, a customer whose numbers are 0.
[[nodiscard]] TPedido PedidoNuevo();

/// The whole application state with its start values: the main window's session
/// fields and the values every screen shares. Lists are held by value and replaced whole.
struct Estado {
    // Session fields of the main window.
    int NuUser = 0;
    int NuAlmacen = 0;
    bool IsLogged = false;
    bool IVAIncluido = false;
    bool Salida = false;
    QString Modulos;
    QString Almacen;
    int OP_IEPS_SOBRE_IVA = 0;
    int NuCategoria = 0;
    int NuSubCategoria = 0;
    QString Printer1, Printer2, Printer3, Printer4, Printer5;

    // Shared values.
    int VersionServicio = 0;
    int FuenteListados = 13;
    int FuenteCuadros = 12;
    int NumMemSurtido = 0;
    bool ModoDemo = false;
    QString ArchivoConfig = QStringLiteral("NVTrazen.ini");
    bool MesasCargadas = false;
    bool CategoriasCargadas = false;
    QString UltimoFiltro;
    int LineaEditada = -1;
    TListaCategoria ListaCategorias;
    TListaProducto ListaProductos;
    bool ListaProductosRestaurada = false; // restored from the saved list, not a service answer
    TListaSurtido ListaSurtidoActual;
    TListaInfo1 ListaMesasActual;
    TListaInfo1 ListaComandasActual;
    TPedido PedidoActual = PedidoNuevo();
    QString MesaPedido;  // name of the comanda's table
    SeguimientoEnvio Envio;  // how the comanda's send stands
    double TC_VentaCredito = 0;
    double TC_CobranzaCredito = 0;
    std::array<QString, 6> EspPendiente; // slots 1..6 at [0..5]
    QString EncabezadoModificador;
    QString ProductoModificador;
    int MarcarPendiente = 0;
    ListaProductosGuardados ProductosGuardados;
    std::array<MemoriaSur, 101> MemSurtido;

    [[nodiscard]] int NumProductosGuardados() const { return ProductosGuardados.num(); }
    void setNumProductosGuardados(int n) { ProductosGuardados.setNum(n); }
    [[nodiscard]] QString Printer(int i) const;
};
