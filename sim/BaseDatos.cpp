#include "sim/BaseDatos.h"
#include "sim/Muestra.h"
#include "sim/Sql.h"
#include <QAtomicInt>
#include <QSqlError>
#include <QStringList>
#include <stdexcept>

namespace {

const char *const kTablas[] = {
    "CREATE TABLE empresa (id INTEGER PRIMARY KEY CHECK (id = 1), nombre TEXT, comercial TEXT, rfc TEXT,"
    " domicilio TEXT, telefono TEXT, correo TEXT, iva_incluido INTEGER, op_ieps_sobre_iva INTEGER,"
    " tc_venta REAL, tc_compra REAL)",
    "CREATE TABLE impresora (nu INTEGER PRIMARY KEY CHECK (nu BETWEEN 1 AND 5), nombre TEXT NOT NULL)",
    // The rights string of a user has one character per module, at the module's position.
    "CREATE TABLE modulo (posicion INTEGER PRIMARY KEY, clave TEXT NOT NULL UNIQUE)",
    "CREATE TABLE almacen (nu INTEGER PRIMARY KEY, nombre TEXT NOT NULL)",
    "CREATE TABLE usuario (nu INTEGER PRIMARY KEY, usuario TEXT NOT NULL UNIQUE COLLATE NOCASE,"
    " clave TEXT NOT NULL, nombre TEXT, modulos TEXT NOT NULL, nu_almacen INTEGER REFERENCES almacen)",
    "CREATE TABLE mesa (nu INTEGER PRIMARY KEY, nombre TEXT NOT NULL, area TEXT NOT NULL)",
    "CREATE TABLE categoria (nu INTEGER PRIMARY KEY, descripcion TEXT NOT NULL, foto BLOB)",
    "CREATE TABLE subcategoria (nu INTEGER PRIMARY KEY, nu_categoria INTEGER NOT NULL REFERENCES categoria,"
    " descripcion TEXT NOT NULL, foto BLOB)",
    "CREATE TABLE producto (id TEXT PRIMARY KEY, descripcion TEXT NOT NULL, fabricante TEXT NOT NULL DEFAULT '',"
    " modelo TEXT NOT NULL DEFAULT '', detalle TEXT NOT NULL DEFAULT '', nu_categoria INTEGER REFERENCES categoria,"
    " nu_subcategoria INTEGER NOT NULL DEFAULT 0, unidad TEXT NOT NULL DEFAULT 'PZA', precio REAL NOT NULL,"
    " nu_moneda INTEGER NOT NULL DEFAULT 1, tasa_iva REAL NOT NULL DEFAULT 16, tasa_ieps REAL NOT NULL DEFAULT 0,"
    " barcode TEXT NOT NULL DEFAULT '', nu_impresora INTEGER NOT NULL, existencia REAL NOT NULL DEFAULT 100,"
    " foto BLOB)",
    "CREATE TABLE modificador (id_producto TEXT NOT NULL REFERENCES producto, orden INTEGER NOT NULL,"
    " texto TEXT NOT NULL, PRIMARY KEY (id_producto, orden))",
    // A comanda keeps the whole TPedido it arrived as (JSON) next to the columns queried.
    "CREATE TABLE comanda (nu INTEGER PRIMARY KEY, nu_mesa INTEGER NOT NULL, cliente TEXT NOT NULL,"
    " personas INTEGER NOT NULL, subtotal REAL NOT NULL, iva REAL NOT NULL, ieps REAL NOT NULL,"
    " total REAL NOT NULL, propina REAL NOT NULL DEFAULT 0, estado TEXT NOT NULL DEFAULT 'abierta',"
    " nu_user INTEGER NOT NULL, creada TEXT NOT NULL, pedido TEXT NOT NULL)",
    // One dish per line of a comanda: pendiente -> listo (kitchen) -> leido (waiter).
    "CREATE TABLE platillo (nu_comanda INTEGER NOT NULL REFERENCES comanda, renglon INTEGER NOT NULL,"
    " nu_detalle INTEGER NOT NULL, id_producto TEXT NOT NULL, producto TEXT NOT NULL, cantidad REAL NOT NULL,"
    " nu_impresora INTEGER NOT NULL, estado TEXT NOT NULL DEFAULT 'pendiente', PRIMARY KEY (nu_comanda, renglon))",
};

QAtomicInt g_conexiones;

} // namespace

BaseDatos::BaseDatos(const QString &archivo)
    : m_conexion(QStringLiteral("wstrazen-sim-%1").arg(g_conexiones.fetchAndAddRelaxed(1)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_conexion);
    db.setDatabaseName(archivo.isEmpty() ? QStringLiteral(":memory:") : archivo);
    if (!db.open())
        throw std::runtime_error(("no se pudo abrir la base " + archivo + ": " + db.lastError().text()).toStdString());
    Ejecutar(db, QStringLiteral("PRAGMA foreign_keys = ON"));
    if (!db.tables().contains(QStringLiteral("empresa"))) {
        crear();
        m_nueva = true;
    }
}

BaseDatos::~BaseDatos()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_conexion, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_conexion);
}

QSqlDatabase BaseDatos::db() const
{
    return QSqlDatabase::database(m_conexion, false);
}

void BaseDatos::crear()
{
    QSqlDatabase d = db();
    d.transaction();
    try {
        for (const char *sql : kTablas)
            Ejecutar(d, QString::fromUtf8(sql));
        SembrarMuestra(d);
    } catch (...) {
        d.rollback();
        throw;
    }
    d.commit();
}

void BaseDatos::reiniciar()
{
    QSqlDatabase d = db();
    Ejecutar(d, QStringLiteral("PRAGMA foreign_keys = OFF"));
    for (const QString &t : d.tables())
        Ejecutar(d, QStringLiteral("DROP TABLE \"%1\"").arg(t));
    Ejecutar(d, QStringLiteral("PRAGMA foreign_keys = ON"));
    crear();
}
