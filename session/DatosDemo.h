#pragma once

struct Estado;

/// The sample restaurant of demo mode: four tables, four open comandas, four
/// categories and nineteen dishes in the saved product list.
void CargarDatosDemo(Estado &e);

/// The sample company shown by a demo sign-in.
struct EmpresaDemo {
    static constexpr const char *Nombre = "Restaurante El Buen Sazón";
    static constexpr const char *Domicilio = "Av. Juárez 123, Centro, Guadalajara, Jal.";
    static constexpr const char *Telefono = "Tel. 33 1234 5678";
    static constexpr const char *Correo = "soporte@elbuensazon.mx";
};
