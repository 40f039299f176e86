#include "tables/Mesas.h"

Mesas::Mesas(TTabbedForm &form) : Controlador(form) {}
void Mesas::NuevaComanda() {}
void Mesas::CargarMesas(bool) {}
void Mesas::Refresh() {}
