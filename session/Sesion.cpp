#include "session/Sesion.h"
#include "app/Pestanas.h"
#include "app/Ajustes.h"
#include "app/TareaServicio.h"
#include "order/RespaldoComanda.h"
#include "service/TextoError.h"
#include "session/DatosDemo.h"
#include "util/Numeros.h"
#include "util/Textos.h"

namespace {
/// What the sign-in task carries between its thread and the screen.
struct TareaLogin {
    QString msg;
    Sesion::Empresa empresa;
};
} // namespace

Sesion::Sesion(Forma &form, Ajustes &ajustes, RespaldoComanda &respaldo)
    : Controlador(form), m_ajustes(ajustes), m_respaldo(respaldo)
{
}

QString Sesion::MensajeVersion(int v)
{
    if (v == 0 || v == 1)
        return QStringLiteral("La versión del WebService (") + QString::number(v) + QStringLiteral(") no es compatible");
    if (v < VersionMinima)
        return QStringLiteral("WebService incompatible - Server: ") + QString::number(v) + QStringLiteral("  App: ") + QString::number(VersionApp);
    return {};
}

void Sesion::OKBtnClick()
{
    f.QuitarFondoTileList();
    LoginBtnClick();
    // The demo dishes live in the saved list; emptying it would leave the demo menu bare.
    if (!e.ModoDemo) {
        e.setNumProductosGuardados(0);
        m_ajustes.SaveProductos();
    }
}

void Sesion::LoginBtnClick()
{
    c.iUser.setEnabled(false);
    c.iPass.setEnabled(false);
    c.iUser.setEnabled(true);
    c.iPass.setEnabled(true);
    // No address at all is the demo restaurant too, as it is at start-up.
    const QString url = c.URLWSDL.text().trimmed();
    if (url.isEmpty() || url == DireccionMarcador)
        IniciarDemo();
    else
        IniciarServidor();
}

void Sesion::LlenarTiposDeCambio()
{
    c.LabelTCC.setText(QStringLiteral("TC Compra:  $ ") + FormatoNumero(e.TC_CobranzaCredito));
    c.LabelTCV.setText(QStringLiteral("TC Venta:     $ ") + FormatoNumero(e.TC_VentaCredito));
}

void Sesion::LlenarEmpresa(const Empresa &emp)
{
    c.LabelNombre.setText(emp.Nombre);
    c.LabelComercial.setText(e.Almacen.isEmpty() ? emp.Comercial : emp.Comercial + u'/' + e.Almacen);
    c.LabelRFC.setText(QStringLiteral("RFC: ") + emp.RFC);
    c.LabelTelefono.setText(emp.Telefono);
    c.LabelCorreo.setText(emp.Correo);
    c.LabelDomicilio.setText(emp.Domicilio);
    c.LabelIVA.setText(e.IVAIncluido ? QStringLiteral("El IVA esta incluido en los Precios")
                                     : QStringLiteral("El IVA NO esta incluido en los Precios"));
    f.EmpresaBtnClick();
    LlenarTiposDeCambio();
    const QString segunda = e.Almacen.isEmpty() ? emp.RFC : Capitalizar(e.Almacen);
    c.Tile.modify(0, [&](Tile &t) {
        t.caption = emp.Nombre + u'\r' + segunda;
        t.notes.clear();
    });
}

void Sesion::IniciarDemo()
{
    if (!e.ModoDemo) {
        // The placeholder address typed after a start with a server: become the demo
        // restaurant for real, so that the screens have its data behind them.
        e.ModoDemo = true;
        e.VersionServicio = 20100;
        c.Btn2.setVisible(false);
        f.ReIniciar();
    }
    e.Modulos = QStringLiteral("TTTTTTTTTT");
    const QString nombre = QString::fromUtf8(EmpresaDemo::Nombre);
    const QString domicilio = QString::fromUtf8(EmpresaDemo::Domicilio);
    c.LabelNombre.setText(nombre);
    c.LabelComercial.setText({});
    c.LabelRFC.setText(QStringLiteral("RFC: Mexico"));
    c.LabelTelefono.setText(QString::fromUtf8(EmpresaDemo::Telefono));
    c.LabelCorreo.setText(QString::fromUtf8(EmpresaDemo::Correo));
    c.LabelDomicilio.setText(domicilio);
    c.LabelIVA.setText(QStringLiteral("El IVA esta incluido en los Precios"));
    f.EmpresaBtnClick();
    e.TC_CobranzaCredito = 18.9;
    e.TC_VentaCredito = 18.99;
    LlenarTiposDeCambio();
    c.Tile.modify(0, [&](Tile &t) {
        t.caption = nombre + QStringLiteral("\rMexico");
        t.notes.clear();
    });
    e.IsLogged = true;
    // The drawer's items follow the signed-in state at once, not at the next screen.
    f.Validar();
    e.Printer1 = QStringLiteral("Caja");
    e.Printer2 = QStringLiteral("Cocina");
    e.Printer3 = QStringLiteral("Barra 1");
    e.Printer4 = QStringLiteral("Kiosco");
    e.Printer5 = QStringLiteral("Entrada");
    if (c.SwitchUser.checked()) {
        m_ajustes.escribir({{QStringLiteral("User"), c.iUser.text()}, {QStringLiteral("Pass"), c.iPass.text()}});
    }
    m_respaldo.Restaurar();
}

void Sesion::IniciarServidor()
{
    e.MesasCargadas = false;
    e.CategoriasCargadas = false;
    e.ModoDemo = false;
    e.IsLogged = false;
    // The demo hides the subcategory segment; a server's categories have them.
    c.Btn2.setVisible(true);
    e.NuAlmacen = 0;
    e.Almacen.clear();
    f.SoapClient1().enlazar(c.URLWSDL.text(), QStringLiteral("Itrazenservice"), QStringLiteral("ItrazenPort"));
    f.ReIniciar();
    if (f.tareas.ocupado())
        return;

    auto t = std::make_shared<TareaLogin>();
    IniciarTarea(
        f, {QStringLiteral("Conectando"), QStringLiteral("Conectandose, espere"), {}},
        [this, t](Llamada &ll) {
            auto srv = ll.itrazen();

            // Version stage: any failure here means the server is not reachable.
            try {
                const int v = srv->VersionWSPos();
                ll.smsg = MensajeVersion(v);
                ll.ui([&] {
                    e.VersionServicio = v;
                    if (ll.smsg.isEmpty())
                        c.LabelVer.setText(QStringLiteral("Build 2.0.182 - Server ") + QString::number(v));
                });
                if (!ll.smsg.isEmpty())
                    return;
            } catch (const std::exception &) {
                ll.smsg = QStringLiteral("El DNS no es correcto o esta fuera de linea ");
                return;
            }

            // Access, company and printer stages: an error asks the server for its last error.
            try {
                ll.espera(QStringLiteral("Conectandose, credenciales"));
                int nuUser = 0, nuAlmacen = 0;
                QString modulos, almacen;
                ll.ui([&] {
                    nuUser = e.NuUser;
                    nuAlmacen = e.NuAlmacen;
                    modulos = e.Modulos;
                    almacen = e.Almacen;
                });
                const bool acceso = srv->AccesoUserXModuloXAlmacen(ll.user, ll.pass, QStringLiteral("POS"), nuUser,
                                                                   nuAlmacen, t->msg, modulos, almacen);
                ll.ui([&] {
                    e.NuUser = nuUser;
                    e.NuAlmacen = nuAlmacen;
                    e.Modulos = modulos;
                    e.Almacen = almacen;
                });
                if (!acceso) {
                    // A refusal without the server's text still tells the waiter why nothing happened.
                    ll.smsg = t->msg.isEmpty() ? QStringLiteral("Acceso denegado") : t->msg;
                    return;
                }

                ll.espera(QStringLiteral("Conectandose, Información"));
                Empresa &emp = t->empresa;
                bool ivaIncluido = false;
                int ieps = 0;
                double tcVenta = 0, tcCobranza = 0;
                ll.ui([&] {
                    ivaIncluido = e.IVAIncluido;
                    ieps = e.OP_IEPS_SOBRE_IVA;
                    tcVenta = e.TC_VentaCredito;
                    tcCobranza = e.TC_CobranzaCredito;
                });
                srv->DatosEmpresa2(emp.Nombre, emp.Comercial, emp.RFC, emp.Domicilio, emp.Telefono, emp.Correo,
                                   ivaIncluido, ieps, tcVenta, tcCobranza);
                ll.ui([&] {
                    e.IVAIncluido = ivaIncluido;
                    e.OP_IEPS_SOBRE_IVA = ieps;
                    e.TC_VentaCredito = tcVenta;
                    e.TC_CobranzaCredito = tcCobranza;
                    f.UpdateEspera(QStringLiteral("Conectandose, Datos"));
                });
                QString p[5];
                srv->DatosEmpresa3(p[0], p[1], p[2], p[3], p[4]);
                ll.ui([&] {
                    e.Printer1 = p[0];
                    e.Printer2 = p[1];
                    e.Printer3 = p[2];
                    e.Printer4 = p[3];
                    e.Printer5 = p[4];
                });
            } catch (const std::exception &err) {
                try {
                    ll.smsg = QStringLiteral("Ultimo Error: ") + ll.itrazen()->UltimoError();
                } catch (const std::exception &) {
                    // The server cannot say what went wrong: show what the call itself reported.
                    ll.smsg = QStringLiteral("Ultimo Error: ") + TextoError(err);
                }
            }
        },
        [this, t] {
            e.MesasCargadas = false;
            e.CategoriasCargadas = false;
            LlenarEmpresa(t->empresa);
            if (c.SwitchUser.checked()) {
                m_ajustes.escribir(
                    {{QStringLiteral("User"), c.iUser.text()}, {QStringLiteral("Pass"), c.iPass.text()}});
            }
            const int indice = c.Impresora.itemIndex();
            c.Impresora.setItems({QStringLiteral("Todas"), e.Printer1, e.Printer2, e.Printer3, e.Printer4, e.Printer5});
            c.Impresora.setItemIndex(indice);
            e.IsLogged = true;
            e.setNumProductosGuardados(0);
            m_ajustes.SaveProductos();
            f.Validar();
            m_ajustes.SetSettings();
            c.DNS.setEnabled(false);
            m_respaldo.Restaurar();
        });
}
