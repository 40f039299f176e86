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

private:
    QString m_mensaje, m_faultcode, m_faultactor, m_detail;
};
