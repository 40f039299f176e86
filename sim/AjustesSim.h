#pragma once
// What the stand-in server can be told at start (command line) or while it runs
// (POST /control/ajustes): the answers it gives and the ways it misbehaves.
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

/// The settings of one wstrazen-sim: version, refusals, delays, faults, HTTP errors,
/// reply encoding and answers lost or slowed on their way. Every key has the same name in JSON and, with '-' for '_', on the
/// command line.
struct AjustesSim {
    int version = 10182;               // answer of VersionWSPos
    int retraso_ms = 0;                // delay before every SOAP reply in scope
    QString retraso_en = QStringLiteral("*");
    QString fault_en;                  // "" none, "*" every operation, or "Op1,Op2"
    QString fault_texto = QStringLiteral("Error simulado del servidor");
    int http_error = 0;                // HTTP status for SOAP replies in scope, 0 = off
    QString http_error_en = QStringLiteral("*");
    bool http_error_fault = false;     // the error carries a SOAP fault body (else plain text)
    bool malformado = false;           // replies cut in half: not well-formed XML
    QString malformado_en = QStringLiteral("*");
    QString sin_resultado_en;          // replies without their result: "", "*", or "Op1,Op2"
    bool multiref = true;              // records as multi-reference values (else inline)
    QString esquema = QStringLiteral("2001"); // "1999", "2000" or "2001"
    QString prefijo_ids;               // ids written as prefix + number
    bool adelantadas = false;          // multi-ref values before the response element
    std::optional<int> guardar_codigo; // Guardar_Comanda answers this and stores nothing
    bool corte_abierto = true;         // off: Guardar_Comanda answers 3
    bool rechazo = false;              // AccesoUserXModuloXAlmacen refuses everybody
    QString rechazo_texto = QStringLiteral("Acceso suspendido por el administrador");
    std::optional<bool> iva_incluido;  // overrides the company's setting
    std::optional<int> op_ieps_sobre_iva;
    int wsdl_error = 0;                // HTTP status for the description, 0 = serve it
    QString ultimo_error;              // the server's last error text (UltimoError)
    // Each of these acts once the operation has done its work (a comanda is stored).
    QString cerrar_en;                 // no answer, the connection closed: "", "*", or "Op1,Op2"
    QString morir_en;                  // no answer, the process ends at once
    QString gotear_en;                 // the answer sent one byte every goteo_ms
    int goteo_ms = 1000;
    QString tarde_en;                  // the answer sent tarde_ms later, others answered meanwhile
    int tarde_ms = 5000;
    // A large menu for lists that take long to read, show, page and search.
    int productos_generados = 0;       // products of the "Generados" category, made on request
    int bytes_foto_generada = 20480;   // bytes of each of their pictures

    /// Applies the keys of `cambios`; on an unknown key or a value of the wrong kind
    /// nothing is changed and the error text is returned.
    [[nodiscard]] QString aplicar(const QJsonObject &cambios);
    /// Applies one key from a command-line text ("true", "500", "Op", "null").
    [[nodiscard]] QString aplicarTexto(const QString &clave, const QString &texto);
    [[nodiscard]] QJsonObject json() const;

    /// True when `alcance` ("*", "", or a comma-separated list) covers the operation.
    [[nodiscard]] static bool cubre(const QString &alcance, const QString &operacion);

    /// Every key with a one-line description, for --help and the command line.
    struct Clave {
        QString nombre;
        QString ayuda;
    };
    [[nodiscard]] static QList<Clave> claves();
};
