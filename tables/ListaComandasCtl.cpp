#include "tables/ListaComandasCtl.h"

ListaComandasCtl::ListaComandasCtl(TTabbedForm &form) : Controlador(form) {}
void ListaComandasCtl::ListaComandas() {}
