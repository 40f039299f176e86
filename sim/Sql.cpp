#include "sim/Sql.h"
#include <QSqlError>
#include <stdexcept>

QSqlQuery Ejecutar(const QSqlDatabase &db, const QString &sql, const QVariantList &valores)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw std::runtime_error(("SQL: " + q.lastError().text() + " en " + sql).toStdString());
    for (const QVariant &v : valores)
        q.addBindValue(v);
    if (!q.exec())
        throw std::runtime_error(("SQL: " + q.lastError().text() + " en " + sql).toStdString());
    return q;
}

QVariant Escalar(const QSqlDatabase &db, const QString &sql, const QVariantList &valores)
{
    QSqlQuery q = Ejecutar(db, sql, valores);
    return q.next() ? q.value(0) : QVariant();
}
