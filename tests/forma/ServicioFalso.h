#pragma once
#include "app/ClienteServicio.h"
#include <QMutex>
#include <QStringList>
#include <functional>

/// A stand-in for the service client in unit tests: each operation answers through a
/// replaceable function (which may throw ErrorServicio), and every call is recorded with
/// its arguments. The functions run on the task's thread.
class ServicioFalso : public ClienteServicio {
public:
    struct Respuestas {
        std::function<int()> VersionWSPos = [] { return 10182; };
        std::function<bool(const QString &, const QString &, const QString &, int &, int &, QString &, QString &,
                           QString &)>
            AccesoUserXModuloXAlmacen = [](auto &, auto &, auto &, int &nu, int &alm, QString &, QString &mod,
                                           QString &almacen) {
                nu = 1;
                alm = 1;
                mod = QStringLiteral("TTTTTTTTTT");
                almacen.clear();
                return true;
            };
        std::function<void(QString &, QString &, QString &, QString &, QString &, QString &, bool &, int &, double &,
                           double &)>
            DatosEmpresa2 = [](QString &n, QString &c, QString &rfc, QString &d, QString &t, QString &co, bool &iva,
                               int &ieps, double &tcv, double &tcc) {
                n = QStringLiteral("Empresa de Prueba SA de CV");
                c = QStringLiteral("La Prueba");
                rfc = QStringLiteral("EPR010101AAA");
                d = QStringLiteral("Calle 1");
                t = QStringLiteral("555-0000");
                co = QStringLiteral("prueba@example.com");
                iva = true;
                ieps = 0;
                tcv = 18.99;
                tcc = 18.9;
            };
        std::function<void(QString &, QString &, QString &, QString &, QString &)> DatosEmpresa3 =
            [](QString &a, QString &b, QString &c, QString &d, QString &e) {
                a = QStringLiteral("Caja");
                b = QStringLiteral("Cocina");
                c = QStringLiteral("Barra");
                d = QStringLiteral("Postres");
                e = QStringLiteral("Terraza");
            };
        std::function<QString()> UltimoError = [] { return QString(); };
        std::function<std::optional<TListaCategoria>(bool)> ObtenerCategoriasPOS = [](bool) {
            return std::optional<TListaCategoria>(TListaCategoria{});
        };
        std::function<std::optional<TListaProducto>(const QString &, bool)> ListaProductoConFoto =
            [](const QString &, bool) { return std::optional<TListaProducto>(TListaProducto{}); };
        std::function<std::optional<TListaInfo1>(int)> ListaMesas = [](int) {
            return std::optional<TListaInfo1>(TListaInfo1{});
        };
        std::function<int(const TPedido &)> Guardar_Comanda = [](const TPedido &) { return 2; };
        std::function<std::optional<TListaInfo1>(int)> ListaComandas = [](int) {
            return std::optional<TListaInfo1>(TListaInfo1{});
        };
        std::function<int(int &, int &, double &, double &)> ObtenerResumen = [](int &, int &, double &, double &) {
            return 0;
        };
        std::function<std::optional<TListaSurtido>(int, int, int &)> ObtenerSurtido = [](int, int, int &p) {
            p = 0;
            return std::optional<TListaSurtido>(TListaSurtido{});
        };
    };

    /// One recorded call: the operation and its arguments as text ("User=Admin", ...).
    struct Llamada {
        QString operacion;
        QStringList argumentos;
    };

    Respuestas respuestas;

    void setTimeouts(int conectarMs, int recibirMs) override;
    void enlazar(const QString &wsdl, const QString &servicio, const QString &puerto) override;
    [[nodiscard]] std::unique_ptr<Itrazen> itrazen() override;

    [[nodiscard]] QList<Llamada> llamadas() const;
    /// Calls of one operation.
    [[nodiscard]] QList<Llamada> llamadas(const QString &operacion) const;
    void olvidarLlamadas();
    void registrar(const QString &operacion, const QStringList &argumentos);

    QString wsdl, servicio, puerto;
    int conectarMs = 0, recibirMs = 0;

private:
    mutable QMutex m_mutex;
    QList<Llamada> m_llamadas;
};
