#pragma once
#include <QString>

/// The user's regional number settings, read once from the system locale.
/// Tests pin them with setRegional() so amounts format the same everywhere.
struct Regional {
    QString decimal = QStringLiteral(".");
    QString miles = QStringLiteral(",");
    QString moneda = QStringLiteral("$");
};

/// The settings in force: the system locale's at first use, unless pinned.
[[nodiscard]] const Regional &regional();
void setRegional(const Regional &r);
