#include "catalogue/Catalogo.h"

Catalogo::Catalogo(TTabbedForm &form) : Controlador(form) {}

void Catalogo::CargarCategorias() {}
