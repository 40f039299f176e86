pragma ComponentBehavior: Bound
import QtQuick
import Trazen

// The main menu: the company tile and the six menu tiles over the background picture,
// and, after a comanda is sent, a short word that fades by itself.
Item {
    id: pantalla
    required property TTabbedForm form

    TileGrid {
        anchors.fill: parent
        list: pantalla.form.tileList("Tile")
        nombre: "Menú Principal"
    }

    Rectangle {
        id: aviso
        objectName: "AvisoComanda"
        readonly property TzControl control: pantalla.form.control("AvisoComanda")
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        width: Math.min(parent.width - 32, textoAviso.implicitWidth + 40)
        height: textoAviso.height + 20
        radius: Math.min(height / 2, 22)
        color: Qt.darker(Theme.exito, 1.6)
        opacity: 0
        visible: opacity > 0
        Accessible.role: Accessible.AlertMessage
        Accessible.name: aviso.control.text
        Text {
            id: textoAviso
            anchors.centerIn: parent
            width: Math.min(implicitWidth, pantalla.width - 72)
            text: "✓  " + aviso.control.text
            color: Theme.texto
            font.pixelSize: Theme.texto16
            font.bold: true
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
        Connections {
            target: aviso.control
            function onChanged() {
                if (aviso.control.text.length > 0)
                    desvanecer.restart()
            }
        }
        SequentialAnimation {
            id: desvanecer
            PropertyAction { target: aviso; property: "opacity"; value: 1 }
            PauseAnimation { duration: 2500 }
            NumberAnimation { target: aviso; property: "opacity"; to: 0; duration: 800 }
        }
    }
}
