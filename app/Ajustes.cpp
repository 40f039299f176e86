#include "app/Ajustes.h"
#include "app/Pestanas.h"
#include "storage/ArchivoIni.h"
#include "util/Archivos.h"
#include "util/Numeros.h"
#include "util/Textos.h"

namespace {
const QString ArchivoProductos = QStringLiteral("Pos_Prod.dat");
}

Ajustes::Ajustes(Forma &form)
    : Controlador(form)
{
    connect(&c.DNS, &Control::edited, this, &Ajustes::DNSChange);
    connect(&c.Guardar, &Control::clicked, this, &Ajustes::GuardarClick);
    connect(&c.Button2, &Control::clicked, this, &Ajustes::Button2Click);
}

QString Ajustes::leer(const QString &clave, const QString &porDefecto) const
{
    return LeerConfig(e.ArchivoConfig, QLatin1StringView(Seccion), clave, porDefecto);
}

bool Ajustes::leerBool(const QString &clave, bool porDefecto) const
{
    return LeerConfigBool(e.ArchivoConfig, QLatin1StringView(Seccion), clave, porDefecto);
}

bool Ajustes::escribir(const ValoresConfig &valores)
{
    try {
        EscribirConfig(e.ArchivoConfig, QLatin1StringView(Seccion), valores);
        return true;
    } catch (const ErrorArchivo &err) {
        if (!m_avisado)
            f.MostrarMensaje(QStringLiteral("No se pudo guardar la configuración: ") + QString::fromStdString(err.what()));
        m_avisado = true;
        return false;
    }
}

void Ajustes::CargarConfiguracion()
{
    c.URLWSDL.setText(leer(QStringLiteral("WSDL"), DireccionMarcador));
    c.SwitchUser.setChecked(leerBool(QStringLiteral("UserPass"), true));
    c.SwitchC.setChecked(leerBool(QStringLiteral("ImgCategoria"), true));
    c.SwitchM.setChecked(leerBool(QStringLiteral("ImgMesa"), true));
    c.SwitchP.setChecked(leerBool(QStringLiteral("ImgProducto"), true));
    c.Fuente1.setText(leer(QStringLiteral("Fuente1"), QStringLiteral("12")));
    c.Fuente2.setText(leer(QStringLiteral("Fuente2"), QStringLiteral("11")));
    c.Columnas.setText(leer(QStringLiteral("Columnas"), QStringLiteral("3")));
    c.ColumnasCat.setText(leer(QStringLiteral("ColumnasCat"), QStringLiteral("3")));
    c.ColumnasPro.setText(leer(QStringLiteral("ColumnasPro"), QStringLiteral("3")));
}

void Ajustes::SetSettings()
{
    m_avisado = false;
    e.FuenteCuadros = LeerEntero(c.Fuente1.text());
    e.FuenteListados = LeerEntero(c.Fuente2.text());

    const bool cat = c.SwitchC.checked();
    for (TileList *l : {&c.ListaCat, &c.ListaSubCat}) {
        l->setRows(cat ? 3 : 8);
        l->setShowPictures(cat);
    }
    c.ListaMesa.setRows(c.SwitchM.checked() ? 4 : 9);
    c.ListaMesa.setShowPictures(c.SwitchM.checked());
    c.ListaPro.setRows(c.SwitchP.checked() ? 3 : 6);
    c.ListaPro.setShowPictures(c.SwitchP.checked());

    c.ListaMesa.setColumns(LeerEntero(c.Columnas.text()));
    c.ListaCat.setColumns(LeerEntero(c.ColumnasCat.text()));
    c.ListaSubCat.setColumns(LeerEntero(c.ColumnasCat.text()));
    c.ListaPro.setColumns(LeerEntero(c.ColumnasPro.text()));

    const int base = e.FuenteListados;
    c.Lista.setFonts(base + 7, base + 2, base + 5, base);

    LoadProductos();

    escribir({{QStringLiteral("ImgCategoria"), textoBool(c.SwitchC.checked())},
              {QStringLiteral("ImgMesa"), textoBool(c.SwitchM.checked())},
              {QStringLiteral("ImgProducto"), textoBool(c.SwitchP.checked())},
              {QStringLiteral("Fuente1"), c.Fuente1.text()},
              {QStringLiteral("Fuente2"), c.Fuente2.text()},
              {QStringLiteral("Columnas"), c.Columnas.text()},
              {QStringLiteral("ColumnasCat"), c.ColumnasCat.text()},
              {QStringLiteral("ColumnasPro"), c.ColumnasPro.text()}});
}

void Ajustes::DNSChange()
{
    c.URLWSDL.setText(QStringLiteral("http://") + MinusculasAscii(c.DNS.text()) + QStringLiteral(":3269/WSTrazen.dll/wsdl/Itrazen"));
}

void Ajustes::OKBtnClick()
{
    f.QuitarFondoTileList();
    GuardarURLBtnClick();
    f.ReIniciar();
    e.setNumProductosGuardados(0);
    SaveProductos();
}

void Ajustes::GuardarURLBtnClick()
{
    m_avisado = false;
    escribir({{QStringLiteral("WSDL"), c.URLWSDL.text()},
              {QStringLiteral("UserPass"), textoBool(c.SwitchUser.checked())}});
    f.CerrarSessionBtnClick();
    c.iUser.setFocus(true);
}

void Ajustes::SaveProductos()
{
    if (e.ModoDemo)
        return;
    // A failure is not reported; the previous file stays whole.
    e.ProductosGuardados.guardar(RutaDocumento(ArchivoProductos));
}

void Ajustes::LoadProductos()
{
    if (!e.ModoDemo)
        e.ProductosGuardados.cargar(RutaDocumento(ArchivoProductos));
    f.Validar();
}

void Ajustes::GuardarClick()
{
    SaveProductos();
    f.MostrarMensaje(QStringLiteral("Se han guardado ") + QString::number(e.NumProductosGuardados()) + QStringLiteral(" productos"));
}

void Ajustes::Button2Click()
{
    f.MostrarMensaje(QStringLiteral("Se han depurado ") + QString::number(e.NumProductosGuardados()) + QStringLiteral(" productos"));
    e.setNumProductosGuardados(0);
    SaveProductos();
    f.Validar();
}
