#include "FormaPrueba.h"
#include "shell/Navegacion.h"
#include "util/Archivos.h"
#include "util/Regional.h"
#include <QFile>
#include <QTest>

namespace {
std::unique_ptr<TTabbedForm> crear(FormaPrueba &p, const QString &carpeta, const QString &ini,
                                   const std::function<void(Plataforma &)> &ajustar = {})
{
    setRegional({QStringLiteral("."), QStringLiteral(","), QStringLiteral("$")});
    setCarpetaDocumentos(carpeta);
    if (!ini.isEmpty()) {
        QFile f(carpeta + QStringLiteral("/NVTrazen.ini"));
        if (f.open(QIODevice::WriteOnly))
            f.write(ini.toUtf8());
    }
    Plataforma pl;
    pl.servicio = p.real ? p.real : std::static_pointer_cast<ClienteServicio>(p.servicio);
    pl.notificaciones1 = p.notif1;
    pl.notificaciones2 = p.notif2;
    pl.tecladoVisible = [&p] { return p.teclado; };
    if (ajustar)
        ajustar(pl);
    return std::make_unique<TTabbedForm>(pl);
}
} // namespace

FormaPrueba::FormaPrueba(const QString &ini)
    : forma(crear(*this, m_dir.path(), ini)), f(*forma)
{
}

FormaPrueba::FormaPrueba(const QString &ini, std::shared_ptr<ClienteServicio> servicioReal)
    : real(std::move(servicioReal)), forma(crear(*this, m_dir.path(), ini)), f(*forma)
{
}

FormaPrueba::FormaPrueba(const QString &ini, std::shared_ptr<ClienteServicio> servicioReal,
                         const std::function<void(Plataforma &)> &ajustar)
    : real(std::move(servicioReal)), forma(crear(*this, m_dir.path(), ini, ajustar)), f(*forma)
{
}

FormaPrueba::FormaPrueba(const QString &ini, EnCarpeta carpeta, std::shared_ptr<ClienteServicio> servicioReal)
    : real(std::move(servicioReal)), m_carpeta(carpeta.carpeta), forma(crear(*this, m_carpeta, ini)), f(*forma)
{
}

FormaPrueba::~FormaPrueba()
{
    forma.reset();
    setCarpetaDocumentos({});
}

bool FormaPrueba::esperarTarea(int ms) { return QTest::qWaitFor([this] { return !f.tareas.ocupado(); }, ms); }

QString FormaPrueba::iniServidor(const QString &extra)
{
    return QStringLiteral("[AppMovil]\nWSDL=http://servidor.prueba:3269/WSTrazen.dll/wsdl/Itrazen\n") + extra;
}

QString FormaPrueba::iniCon(const QString &wsdl, const QString &extra)
{
    return QStringLiteral("[AppMovil]\nWSDL=") + wsdl + u'\n' + extra;
}

bool FormaPrueba::iniciarSesion()
{
    f.navegacion().OKBtnClick();
    return esperarTarea() && f.estado.IsLogged;
}

QStringList FormaPrueba::mensajes()
{
    QStringList r;
    while (f.dialogos.pendientes() > 0) {
        r << f.dialogos.texto();
        f.dialogos.responder(QStringLiteral("OK"));
    }
    return r;
}
