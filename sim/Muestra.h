#pragma once
#include <QSqlDatabase>

/// Fills empty tables with the sample restaurant "La Candelaria": company, printers,
/// users, tables, menu with pictures, and a few comandas under way.
void SembrarMuestra(const QSqlDatabase &db);
