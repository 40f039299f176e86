#include "app/Estado.h"

TPedido PedidoNuevo()
{
    TPedido p;
    p.Cliente.emplace(); // both customer numbers 0
    p.Total = 0;
    p.Count = 0;
    return p;
}

QString Estado::Printer(int i) const
{
    switch (i) {
    case 1: return Printer1;
    case 2: return Printer2;
    case 3: return Printer3;
    case 4: return Printer4;
    case 5: return Printer5;
    default: return {};
    }
}
