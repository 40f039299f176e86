#include "kitchen/Resumen.h"

Resumen::Resumen(TTabbedForm &form) : Controlador(form) {}
void Resumen::ResumenMesero() {}
