#pragma once
#include <QString>
#include <stdexcept>

/// A failed service call: transport, description, decoding or a SOAP fault. The message
/// is what callers show; for a fault it is exactly the faultstring.
class ErrorServicio : public std::runtime_error {
public:
    explicit ErrorServicio(const QString &mensaje, const QString &faultcode = {}, const QString &faultactor = {},
                           const QString &detail = {})
        : std::runtime_error(mensaje.toStdString()), m_mensaje(mensaje), m_faultcode(faultcode),
          m_faultactor(faultactor), m_detail(detail)
    {
    }
    [[nodiscard]] const QString &mensaje() const { return m_mensaje; }
    [[nodiscard]] const QString &faultcode() const { return m_faultcode; }
    [[nodiscard]] const QString &faultactor() const { return m_faultactor; }
    [[nodiscard]] const QString &detail() const { return m_detail; }
    [[nodiscard]] bool esFault() const { return !m_faultcode.isEmpty(); }

    /// True when the request went out (some of it reached the connection) and no whole,
    /// readable answer came back: the server may have acted on it. False when nothing
    /// was sent, and for a definite answer (a fault, an HTTP error without an envelope).
    [[nodiscard]] bool peticionEnviada() const { return m_enviada; }
    /// The same error, telling whether the request went out.
    [[nodiscard]] ErrorServicio conPeticionEnviada(bool enviada = true) const
    {
        ErrorServicio e(*this);
        e.m_enviada = enviada;
        return e;
    }

    /// True when the server could not be reached at all: nothing was sent, and a call made
    /// right after would most likely fail the same way.
    [[nodiscard]] bool sinConexion() const { return m_sinConexion; }
    [[nodiscard]] ErrorServicio conSinConexion(bool sinConexion = true) const
    {
        ErrorServicio e(*this);
        e.m_sinConexion = sinConexion;
        return e;
    }

private:
    QString m_mensaje, m_faultcode, m_faultactor, m_detail;
    bool m_enviada = false;
    bool m_sinConexion = false;
};
