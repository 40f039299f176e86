#pragma once
#include <QStringList>
#include <functional>

class FormaPrueba;
class Pantalla;

/// Every screen of the demo, by name, as a waiter reaches it (through the model's
/// controls, as taps would): the ten screens, the catalogue's products and modifiers,
/// the comanda with its quantity editor, the drawer and a confirmation dialog.
namespace Pantallas {

[[nodiscard]] const QStringList &Todas();

/// Takes a freshly started demo form to that screen, with `alEntrar` run on the main
/// menu right after the sign-in; false when a step failed.
bool IrA(FormaPrueba &p, Pantalla &v, const QString &pantalla, const std::function<void()> &alEntrar = {});

} // namespace Pantallas
