#pragma once
// Small helpers over QSqlQuery: prepared statements that throw instead of failing quietly.
#include <QSqlQuery>
#include <QVariant>

/// Runs a statement with positional bindings; throws std::runtime_error on a database error.
QSqlQuery Ejecutar(const QSqlDatabase &db, const QString &sql, const QVariantList &valores = {});

/// The first column of the first row, or an invalid QVariant when there is no row.
QVariant Escalar(const QSqlDatabase &db, const QString &sql, const QVariantList &valores = {});
