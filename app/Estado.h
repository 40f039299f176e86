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

/// The whole application state with its start values, in one place and grouped by the
/// subsystem that writes it; every screen may read all of it. Lists are held by value and
/// replaced whole.
struct Estado {
    // Session: who signed in where, and the company's rules (written by the sign-in).
    int NuUser = 0;
    int NuAlmacen = 0;
    bool IsLogged = false;
    bool ModoDemo = false;
    int VersionServicio = 0;
    QString Modulos;
    QString Almacen;
    bool IVAIncluido = false;
    int OP_IEPS_SOBRE_IVA = 0;
    double TC_VentaCredito = 0;
    double TC_CobranzaCredito = 0;
    QString Printer1, Printer2, Printer3, Printer4, Printer5;

    // Catalogue: the lists fetched and the saved product list.
    bool CategoriasCargadas = false;
    int NuCategoria = 0;
    int NuSubCategoria = 0;
    QString UltimoFiltro;
    TListaCategoria ListaCategorias;
    TListaProducto ListaProductos;
    bool ListaProductosRestaurada = false; // restored from the saved list, not a service answer
    ListaProductosGuardados ProductosGuardados;

    // Order: the comanda being composed, its pending modifiers and how its send stands.
    TPedido PedidoActual = PedidoNuevo();
    QString MesaPedido; // name of the comanda's table
    int LineaEditada = -1;
    std::array<QString, 6> EspPendiente; // slots 1..6 at [0..5]
    QString EncabezadoModificador;
    QString ProductoModificador;
    SeguimientoEnvio Envio;

    // Tables: the table map and the open comandas.
    bool MesasCargadas = false;
    TListaInfo1 ListaMesasActual;
    TListaInfo1 ListaComandasActual;

    // Kitchen: the ready dishes and the ones remembered.
    TListaSurtido ListaSurtidoActual;
    int MarcarPendiente = 0;
    int NumMemSurtido = 0;
    std::array<MemoriaSur, 101> MemSurtido;

    // Shared: the window and the display settings.
    bool Salida = false;
    int FuenteListados = 13;
    int FuenteCuadros = 12;
    QString ArchivoConfig = QStringLiteral("NVTrazen.ini");

    [[nodiscard]] int NumProductosGuardados() const { return ProductosGuardados.num(); }
    void setNumProductosGuardados(int n) { ProductosGuardados.setNum(n); }
    [[nodiscard]] QString Printer(int i) const;
};
