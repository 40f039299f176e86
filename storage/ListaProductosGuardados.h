#pragma once
#include "storage/ProductoGuardado.h"
#include <QList>
#include <cstdlib>
#include <memory>

/// The saved product list: 2001 fixed records of which the first `Num` are in use,
/// and its file "Pos_Prod.dat" (the records in use, one after the other, nothing else).
class ListaProductosGuardados {
public:
    static constexpr int Capacidad = 2001;
    static constexpr qsizetype TamRegistro = sizeof(TProductoGuardado);

    ListaProductosGuardados();

    /// Records in use (`NumProductosGuardados`).
    [[nodiscard]] int num() const { return m_num; }
    void setNum(int n);

    /// Goes up at every change of the records in use (appended, counted, named, emptied,
    /// loaded): whoever keeps something made from them knows when to make it again.
    [[nodiscard]] quint64 revision() const { return m_revision; }

    [[nodiscard]] TProductoGuardado &registro(int i) { return m_registros[i]; }
    [[nodiscard]] const TProductoGuardado &registro(int i) const { return m_registros[i]; }

    /// Fills the next record and counts it; false (nothing written) when all 2001 are in use.
    bool agregar(const DatosProductoGuardado &d);

    /// Appending many records in two steps, so that the filling can be done on another
    /// thread while nothing else touches the list: the k-th record after those in use
    /// (k below libres()) is filled, then sumar counts the first n of them.
    [[nodiscard]] int libres() const { return Capacidad - m_num; }
    [[nodiscard]] TProductoGuardado &libre(int k) { return m_registros[m_num + k]; }
    void sumar(int n);

    /// Writes the picture-file name into record i when it is in use, still holds product
    /// `id` of filter `filtro` and names no picture yet; true when it did.
    bool nombrarFoto(int i, const QString &id, const QString &filtro, const QString &nombre);

    /// Positions of the records in use whose filter equals `filtro` exactly, in order.
    [[nodiscard]] QList<int> buscar(const QString &filtro) const;

    /// Replaces the file with the records in use; a failure leaves the previous file intact.
    /// Returns false on failure.
    bool guardar(const QString &ruta) const;

    /// Reads whole records from the file's start (at most 2001, an incomplete last one is
    /// dropped) and makes them the records in use; the records past them are zero. A missing
    /// or unreadable file changes nothing. References to records do not survive a load.
    bool cargar(const QString &ruta);

private:
    struct Liberar {
        void operator()(TProductoGuardado *p) const { std::free(p); }
    };
    using Registros = std::unique_ptr<TProductoGuardado[], Liberar>;
    /// 2001 zeroed records; the memory is only touched as records are used.
    [[nodiscard]] static Registros reservar();

    Registros m_registros;
    int m_num = 0;
    quint64 m_revision = 0;
};
