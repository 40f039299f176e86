#pragma once
#include "app/ListaVista.h"
#include "service/TInfo1.h"

/// The rows of the comanda list: for each run of adjacent comandas of one table a
/// heading with the table's name, one row per comanda ("12:  - Juan (4)" with
/// "$ 250.00" as detail) and a closing row "Total Cuenta: $ " with the run's total.
/// Only adjacent entries are grouped; an entry without a table name at the start gets
/// no heading. Empty slots and entries beyond Count are skipped.
[[nodiscard]] QList<ListaVista::Fila> FilasComandas(const TListaInfo1 &lista);
