#pragma once
#include <QString>

// The window's screens by the names its tabs have (qml/Main.qml lists them too): the
// model switches between them with Forma::setActiveTab.
namespace Pestana {
inline const QString TabItem1 = QStringLiteral("TabItem1");       // sign-in
inline const QString TabEmpresa = QStringLiteral("TabEmpresa");   // main menu
inline const QString TabURL = QStringLiteral("TabURL");           // connection settings
inline const QString TabListaCat = QStringLiteral("TabListaCat"); // catalogue
inline const QString TabComanda = QStringLiteral("TabComanda");   // the comanda
inline const QString TabMesas = QStringLiteral("TabMesas");       // table map
inline const QString TabLista = QStringLiteral("TabLista");       // open comandas
inline const QString TabSettings = QStringLiteral("TabSettings"); // display settings
inline const QString TabResumen = QStringLiteral("TabResumen");   // sales summary
inline const QString TabSurtido = QStringLiteral("TabSurtido");   // ready dishes
} // namespace Pestana

/// The service address stored before any server is set: it stands for the demo restaurant.
inline const QString DireccionMarcador = QStringLiteral("http://127.0.0.0:3269/WSTrazen.dll/wsdl/Itrazen");

/// The table map's modes, held in the tag of ListaMesa: the map to look at, or to choose
/// the table of a new comanda.
namespace ModoMapa {
constexpr int Ver = 0;
constexpr int Elegir = 1;
} // namespace ModoMapa
