#include "tables/Comanda.h"

Comanda::Comanda(TTabbedForm &form) : Controlador(form) {}

void Comanda::ComandaBtnClick() {}

void Comanda::AddComanda(TListaInfo1 &lista, int N, int NuMesa, int Personas, const QString &Cte,
                         const QString &Mesa, double Total)
{
    lista.Count += 1;
    lista.SetLengthList(lista.Count);
    TInfo1 &i = lista.ArrayInfo1[lista.Count - 1].emplace();
    i.DB = N;
    i.NuAlmacen = NuMesa;
    i.Cant = Personas;
    i.Nombre = Cte;
    i.Sucursal = Mesa;
    i.Total = Total;
}
