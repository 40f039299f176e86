#include "SimProceso.h"
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QRegularExpression>

namespace {
// Generous: a loaded machine running tests in parallel can be slow to start a process.
constexpr int kArranqueMs = 60000;
constexpr int kControlMs = 60000;
} // namespace

SimProceso::SimProceso(const QStringList &argumentos) : m_argumentos(argumentos)
{
    m_proceso.setProgram(QStringLiteral(TZ_SIM_EXE));
    m_proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!m_dir.isValid())
        m_error = QStringLiteral("no hay carpeta temporal: %1").arg(m_dir.errorString());
    else
        iniciar(0);
}

SimProceso::~SimProceso()
{
    detener();
}

bool SimProceso::enMarcha() const
{
    return m_proceso.state() == QProcess::Running && !m_wsdl.isEmpty();
}

QUrl SimProceso::base() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_puerto));
}

QString SimProceso::archivoDb() const
{
    return m_dir.filePath(QStringLiteral("wstrazen-sim.db"));
}

bool SimProceso::iniciar(quint16 puerto)
{
    m_wsdl.clear();
    m_proceso.setArguments(QStringList{QStringLiteral("--port"), QString::number(puerto), QStringLiteral("--db"),
                                       archivoDb()} +
                           m_argumentos);
    m_proceso.start();
    if (!m_proceso.waitForStarted(kArranqueMs)) {
        m_error = QStringLiteral("no arranco %1: %2").arg(m_proceso.program(), m_proceso.errorString());
        return false;
    }
    // The sim prints its address once it listens.
    static const QRegularExpression linea(QStringLiteral(R"(escuchando en (http://\S+:(\d+)/\S+)\r?\n)"));
    QByteArray salida;
    const QDeadlineTimer plazo(kArranqueMs);
    while (!plazo.hasExpired()) {
        salida += m_proceso.readAllStandardOutput();
        const auto m = linea.match(QString::fromUtf8(salida));
        if (m.hasMatch()) {
            m_wsdl = m.captured(1);
            m_puerto = quint16(m.captured(2).toUInt());
            return true;
        }
        if (m_proceso.state() != QProcess::Running)
            break;
        m_proceso.waitForReadyRead(int(qMax<qint64>(1, plazo.remainingTime())));
    }
    m_error = QStringLiteral("wstrazen-sim no anuncio su direccion (salida: %1, codigo %2)")
                  .arg(QString::fromUtf8(salida))
                  .arg(m_proceso.exitCode());
    detener();
    return false;
}

bool SimProceso::detener()
{
    if (m_proceso.state() == QProcess::NotRunning)
        return true;
    m_proceso.kill();
    return m_proceso.waitForFinished(kArranqueMs);
}

bool SimProceso::esperarFin(int ms)
{
    return m_proceso.state() == QProcess::NotRunning || m_proceso.waitForFinished(ms);
}

bool SimProceso::reanudar()
{
    detener();
    return iniciar(m_puerto);
}

QJsonValue SimProceso::control(const QByteArray &metodo, const QString &ruta, const QJsonObject &cuerpo, int *estado)
{
    if (estado)
        *estado = 0;
    // A fresh manager per request: no connection kept from before a detener().
    QNetworkAccessManager red;
    red.setProxy(QNetworkProxy::NoProxy);
    QUrl url = base();
    url.setPath(QStringLiteral("/control/") + ruta);
    QNetworkRequest peticion(url);
    peticion.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    peticion.setTransferTimeout(kControlMs);
    QNetworkReply *r = metodo == "GET"
                           ? red.get(peticion)
                           : red.sendCustomRequest(peticion, metodo, QJsonDocument(cuerpo).toJson());
    QEventLoop espera;
    QObject::connect(r, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    if (!r->isFinished())
        espera.exec();
    const int codigo = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (estado)
        *estado = codigo;
    const QJsonDocument doc = QJsonDocument::fromJson(r->readAll());
    const bool bien = r->error() == QNetworkReply::NoError;
    if (!bien)
        m_error = QStringLiteral("/control/%1: %2 %3").arg(ruta, r->errorString(),
                                                           QString::fromUtf8(doc.toJson(QJsonDocument::Compact)));
    r->deleteLater();
    if (!bien)
        return QJsonValue(QJsonValue::Null);
    return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
}

bool SimProceso::ajustar(const QJsonObject &ajustes)
{
    return control("POST", QStringLiteral("ajustes"), ajustes).isObject();
}

QJsonObject SimProceso::estado()
{
    return control("GET", QStringLiteral("estado")).toObject();
}

int SimProceso::marcarListos(int comanda)
{
    const QJsonValue v = control("POST", QStringLiteral("listos"), {{QStringLiteral("comanda"), comanda}});
    return v.isObject() ? v[QStringLiteral("marcados")].toInt() : -1;
}

int SimProceso::marcarTodosListos()
{
    const QJsonValue v = control("POST", QStringLiteral("listos"), {{QStringLiteral("comanda"), QStringLiteral("todas")}});
    return v.isObject() ? v[QStringLiteral("marcados")].toInt() : -1;
}

bool SimProceso::cerrarComanda(int comanda, double propina)
{
    return control("POST", QStringLiteral("cerrar"),
                   {{QStringLiteral("comanda"), comanda}, {QStringLiteral("propina"), propina}})
        .isObject();
}

QJsonArray SimProceso::comandas()
{
    return control("GET", QStringLiteral("comandas")).toArray();
}

QJsonArray SimProceso::llamadas()
{
    return control("GET", QStringLiteral("llamadas")).toArray();
}

bool SimProceso::reiniciar()
{
    return control("POST", QStringLiteral("reiniciar")).isObject();
}
