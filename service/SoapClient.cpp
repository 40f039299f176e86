#include "service/SoapClient.h"
#include "service/DescripcionWsdl.h"
#include "service/ItrazenSoap.h"

SoapClient::SoapClient() = default;
SoapClient::~SoapClient() = default;

void SoapClient::setDireccion(const QString &wsdl, const QString &servicio, const QString &puerto)
{
    QMutexLocker l(&m_mutex);
    m_wsdl = wsdl;
    m_servicio = servicio;
    m_puerto = puerto;
    m_enlace.reset();
    ++m_generacion;
}

QString SoapClient::direccion() const
{
    QMutexLocker l(&m_mutex);
    return m_wsdl;
}

void SoapClient::setTimeouts(int conectarMs, int recibirMs)
{
    QMutexLocker l(&m_mutex);
    m_conectar = conectarMs;
    m_recibir = recibirMs;
}

int SoapClient::timeoutConectar() const
{
    QMutexLocker l(&m_mutex);
    return m_conectar;
}

int SoapClient::timeoutRecibir() const
{
    QMutexLocker l(&m_mutex);
    return m_recibir;
}

void SoapClient::setLimiteRespuesta(qint64 bytes)
{
    QMutexLocker l(&m_mutex);
    m_limite = bytes;
}

qint64 SoapClient::limiteRespuesta() const
{
    QMutexLocker l(&m_mutex);
    return m_limite;
}

std::unique_ptr<Itrazen> SoapClient::itrazen() { return std::make_unique<ItrazenSoap>(*this); }

void SoapClient::cancelarLlamadas() { m_cancelada->store(true); }
