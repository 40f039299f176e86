#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

/// Runs wstrazen-sim for an integration test: started on a free loopback port with a
/// database file of its own, stopped when destroyed. Every call blocks until done.
///
///     SimProceso sim;
///     QVERIFY2(sim.enMarcha(), qPrintable(sim.error()));
///     SoapClient cliente;
///     cliente.setDireccion(sim.wsdl());
///     sim.ajustar({{"fault_en", "ListaMesas"}});
///
/// Users of the sample restaurant: mesero/1234, lupita/4321, admin/admin, contador/cuentas
/// (no point-of-sale access), and practicante/2468 (point of sale but no store: signed in
/// with NuAlmacen 0 and an empty Almacen). See sim/README.md for the rest of the sample.
class SimProceso {
public:
    /// Starts the sim; `argumentos` are extra command-line options, for example
    /// {"--version", "10077"} (see wstrazen-sim --help). Check enMarcha() afterwards.
    explicit SimProceso(const QStringList &argumentos = {});
    ~SimProceso();
    SimProceso(const SimProceso &) = delete;
    SimProceso &operator=(const SimProceso &) = delete;

    [[nodiscard]] bool enMarcha() const;
    /// Why the last start or control request failed.
    [[nodiscard]] QString error() const { return m_error; }
    /// The service description address, "http://127.0.0.1:<port>/WSTrazen.dll/wsdl/Itrazen".
    [[nodiscard]] QString wsdl() const { return m_wsdl; }
    /// "http://127.0.0.1:<port>".
    [[nodiscard]] QUrl base() const;
    [[nodiscard]] quint16 puerto() const { return m_puerto; }
    [[nodiscard]] QString archivoDb() const;

    /// POST /control/ajustes, e.g. {{"http_error", 503}}; false when the sim refused it.
    bool ajustar(const QJsonObject &ajustes);
    /// GET /control/estado: the settings in force.
    [[nodiscard]] QJsonObject estado();
    /// The kitchen marks the pending dishes of a comanda ready; returns how many (-1 on failure).
    int marcarListos(int comanda);
    /// The same for every comanda.
    int marcarTodosListos();
    /// Finishes an open comanda with its tip (it then counts as finished in the summary).
    bool cerrarComanda(int comanda, double propina = 0);
    /// GET /control/comandas: every comanda stored, oldest first, each with "numero",
    /// "mesa", "cliente", "personas", "total", "estado", "pedido" (the whole TPedido as
    /// received, by field name) and "platillos".
    [[nodiscard]] QJsonArray comandas();
    /// GET /control/llamadas: the SOAP calls received, each with "operacion", "accion"
    /// (the SOAPAction header as sent) and "usuario".
    [[nodiscard]] QJsonArray llamadas();
    /// Database and settings as at the start; forgets the calls.
    bool reiniciar();
    /// Any control request: `ruta` under /control/, a JSON body for POST. Returns the
    /// JSON answer, or null on failure; `estado` receives the HTTP status.
    QJsonValue control(const QByteArray &metodo, const QString &ruta, const QJsonObject &cuerpo = {},
                       int *estado = nullptr);

    /// Kills the process, as a server that goes away; the port stays this sim's.
    bool detener();
    /// Waits up to `ms` for the process to end by itself (morir_en); true once it has.
    bool esperarFin(int ms);
    /// Starts it again on the same port and database; settings go back to the start
    /// arguments, stored comandas stay.
    bool reanudar();

private:
    bool iniciar(quint16 puerto);

    QStringList m_argumentos;
    QTemporaryDir m_dir;
    QProcess m_proceso;
    QString m_wsdl;
    quint16 m_puerto = 0;
    QString m_error;
};
