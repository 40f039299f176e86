#pragma once
#include "service/Remotable.h"

/// A subcategory of the menu.
struct TSubCategoria {
    int NuSubCategoria = 0;
    int NuCategoria = 0;
    QString Descripcion;
    QByteArray Foto;
    static const TypeInfo &tipo();
};

struct TListaSubCategoria {
    int Count = 0;
    QList<std::optional<TSubCategoria>> ArraySubCategoria;
    void SetLengthList(int Value) { ::SetLengthList(ArraySubCategoria, Value); }
    static const TypeInfo &tipo();
};

/// A category of the menu with its subcategories.
struct TCategoria {
    int NuCategoria = 0;
    QString Descripcion;
    QByteArray Foto;
    std::optional<TListaSubCategoria> ListaSubCategoria;
    static const TypeInfo &tipo();
};

struct TListaCategoria {
    int Count = 0;
    QList<std::optional<TCategoria>> ArrayCategoria;
    void SetLengthList(int Value) { ::SetLengthList(ArrayCategoria, Value); }
    static const TypeInfo &tipo();
};
