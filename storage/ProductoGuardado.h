#pragma once
#include "util/Textos.h"
#include <QString>
#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the saved product file is little-endian and copied whole between memory and disk");

/// One saved product: the in-memory record and, byte for byte, the record of "Pos_Prod.dat".
/// Text fields are 256 UTF-16 code units ending in 0; numbers are little-endian.
struct TProductoGuardado {
    CampoFijo ID;
    CampoFijo Descripcion;
    CampoFijo Mod[14];        // Mod1 .. Mod14
    CampoFijo Foto;           // picture-file name, empty when none
    CampoFijo Fabricante;
    CampoFijo Modelo;
    CampoFijo Detalle;
    CampoFijo Filtro;         // the filter whose answer held the product
    double Precio;
    int32_t NuMoneda;
    int32_t Relleno;          // no meaning; written as 0
    double TasaIVA;
    double TasaIEPS;
};

static_assert(sizeof(TProductoGuardado) == 10784);
static_assert(offsetof(TProductoGuardado, Mod) == 1024);
static_assert(offsetof(TProductoGuardado, Foto) == 8192);
static_assert(offsetof(TProductoGuardado, Filtro) == 10240);
static_assert(offsetof(TProductoGuardado, Precio) == 10752);
static_assert(offsetof(TProductoGuardado, NuMoneda) == 10760);
static_assert(offsetof(TProductoGuardado, TasaIVA) == 10768);
static_assert(offsetof(TProductoGuardado, TasaIEPS) == 10776);

/// The plain values of a saved product, as the catalogue fills and reads them.
struct DatosProductoGuardado {
    QString ID, Descripcion, Foto, Fabricante, Modelo, Detalle, Filtro;
    QString Mod[14];
    double Precio = 0;
    int NuMoneda = 0;
    double TasaIVA = 0;
    double TasaIEPS = 0;
};

/// Writes every field of the record (texts cut at 255 code units, padding zeroed).
void Llenar(TProductoGuardado &r, const DatosProductoGuardado &d);

/// Reads every field of the record.
[[nodiscard]] DatosProductoGuardado Leer(const TProductoGuardado &r);
