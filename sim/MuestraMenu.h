#pragma once
#include <QSqlDatabase>

/// The menu of the sample restaurant: categories and subcategories with pictures, and
/// the products with their prices, taxes, modifiers, printers and pictures. A few
/// products are out of stock.
void SembrarMenu(const QSqlDatabase &db);
