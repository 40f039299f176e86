#include "order/Pedido.h"

Pedido::Pedido(TTabbedForm &form) : Controlador(form) {}

void Pedido::LlenarPedido() {}
