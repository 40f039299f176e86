#include "kitchen/Surtido.h"

Surtido::Surtido(TTabbedForm &form) : Controlador(form) {}
void Surtido::Refresh() {}
