#pragma once
#include <QSqlDatabase>
#include <QString>

/// The sim's SQLite database: a file that outlives the process, or a private in-memory
/// one. Creates the tables and seeds the sample restaurant when they are missing.
class BaseDatos {
public:
    /// `archivo` empty: in memory. Throws std::runtime_error when it cannot be opened.
    explicit BaseDatos(const QString &archivo = {});
    ~BaseDatos();
    BaseDatos(const BaseDatos &) = delete;
    BaseDatos &operator=(const BaseDatos &) = delete;

    [[nodiscard]] QSqlDatabase db() const;
    /// True when this opening created (and seeded) the database.
    [[nodiscard]] bool nueva() const { return m_nueva; }
    /// Drops everything and seeds the sample restaurant again.
    void reiniciar();

private:
    void crear();
    QString m_conexion;
    bool m_nueva = false;
};
