#include "order/Modificadores.h"

Modificadores::Modificadores(TTabbedForm &form) : Controlador(form) {}
