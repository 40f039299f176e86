import QtQuick
import QtQuick.Controls
import Trazen

// The main menu: the company tile and the six menu tiles over the background picture.
Item {
    id: pantalla
    property QtObject form

    TileGrid {
        anchors.fill: parent
        list: pantalla.form ? pantalla.form.control("Tile") : null
    }
}
