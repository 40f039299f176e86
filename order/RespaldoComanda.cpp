#include "order/RespaldoComanda.h"
#include "app/Forma.h"
#include "util/Archivos.h"
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

RespaldoComanda::RespaldoComanda(Forma &form)
    : f(form)
{
    Controles &c = f.controles;
    connect(&c.Nombre, &Control::edited, this, &RespaldoComanda::Guardar);
    connect(&c.Per, &Control::edited, this, &RespaldoComanda::Guardar);
}

RespaldoComanda::~RespaldoComanda() = default;

QString RespaldoComanda::ruta() const
{
    return m_escritor ? m_escritor->ruta() : RutaDocumento(QLatin1StringView(NombreArchivoComanda));
}

ComandaEnCurso RespaldoComanda::actual() const
{
    const Estado &e = f.estado;
    return {m_usuario,       m_servidor, e.PedidoActual, e.MesaPedido, f.controles.Nombre.text(),
            int(f.controles.Per.value()), e.Envio};
}

void RespaldoComanda::Guardar()
{
    const Estado &e = f.estado;
    if (!m_escritor || !e.IsLogged)
        return;
    const bool fresca = e.PedidoActual.NuPaso == 0 && e.PedidoActual.Count == 0 && !e.Envio.bloqueada();
    if (fresca) {
        m_escritor->borrar();
        return;
    }
    // Copied here, encoded on the writer's thread: the screen pays only for the copy. While
    // a try may be on the server, the state must also outlive a power cut at once: without
    // it a resend would not look for the comanda first.
    m_escritor->escribir([c = actual()] { return EscribirComandaEnCurso(c); }, e.Envio.bloqueada());
}

void RespaldoComanda::esperar()
{
    if (m_escritor)
        m_escritor->esperar();
}

void RespaldoComanda::Restaurar()
{
    const QString archivo = RutaDocumento(QLatin1StringView(NombreArchivoComanda));
    if (!m_escritor || m_escritor->ruta() != archivo) {
        m_escritor = std::make_unique<EscritorArchivo>(archivo);
        connect(m_escritor.get(), &EscritorArchivo::fallo, this, &RespaldoComanda::Fallo, Qt::QueuedConnection);
    }
    m_escritor->esperar(); // what this session wrote last is what is read back
    Estado &e = f.estado;
    Controles &c = f.controles;
    m_usuario = c.iUser.text();
    m_servidor = e.ModoDemo ? QString() : c.URLWSDL.text().trimmed();

    QFile archivoComanda(archivo);
    if (!archivoComanda.exists())
        return;
    if (!archivoComanda.open(QIODevice::ReadOnly)) {
        Apartar(archivoComanda.errorString());
        return;
    }
    ComandaEnCurso g;
    try {
        g = LeerComandaEnCurso(archivoComanda.readAll());
    } catch (const ErrorComandaGuardada &err) {
        Apartar(QString::fromStdString(err.what()));
        return;
    }
    archivoComanda.close();
    if (g.usuario != m_usuario || g.servidor != m_servidor) {
        Apartar(QStringLiteral("es de %1 en %2").arg(g.usuario, g.servidor.isEmpty() ? QStringLiteral("la demostración") : g.servidor));
        return;
    }

    e.PedidoActual = g.pedido;
    e.MesaPedido = g.mesa;
    e.Envio = g.envio;
    // Cut off while a try was under way: it may have reached the server.
    if (e.Envio.estado == EstadoEnvio::Enviando) {
        e.Envio.estado = EstadoEnvio::SinConfirmar;
        e.Envio.mensaje = QStringLiteral("La aplicación se cerró mientras enviaba la comanda");
    }
    c.Nombre.setText(g.nombre);
    c.Per.setValue(g.personas);
    emit restaurada(); // the comanda screen shows its lines
    f.Validar();
    QString aviso = QStringLiteral("Se recuperó la comanda de %1 con %2 %3")
                        .arg(g.mesa.isEmpty() ? QStringLiteral("la mesa") : g.mesa)
                        .arg(e.PedidoActual.Count)
                        .arg(e.PedidoActual.Count == 1 ? QStringLiteral("línea") : QStringLiteral("líneas"));
    if (e.Envio.estado == EstadoEnvio::SinConfirmar)
        aviso += QStringLiteral(". No se pudo confirmar si llegó al servidor: Surtir Comanda la busca en el servidor antes de enviarla de nuevo");
    f.MostrarMensaje(aviso);
}

void RespaldoComanda::Apartar(const QString &porque)
{
    const QString archivo = ruta();
    QString destino = archivo + QStringLiteral(".apartado-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 2; QFileInfo::exists(destino); ++n)
        destino = destino.section(u'~', 0, 0) + u'~' + QString::number(n);
    if (!QFile::rename(archivo, destino)) {
        f.MostrarMensaje(QStringLiteral("La comanda guardada no se pudo recuperar (%1) ni apartar").arg(porque));
        return;
    }
    f.MostrarMensaje(QStringLiteral("La comanda guardada no se pudo recuperar: %1. Se apartó en %2")
                         .arg(porque, QFileInfo(destino).fileName()));
}

void RespaldoComanda::Fallo(const QString &error)
{
    if (m_avisado)
        return;
    m_avisado = true;
    f.MostrarMensaje(QStringLiteral("No se pudo guardar la comanda en el dispositivo: ") + error);
}
