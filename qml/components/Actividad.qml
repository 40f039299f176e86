pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// The activity dialog ("POS" and the task's message) while a background task runs,
// drawn as a small card at the bottom so it does not hide the busy overlay.
Rectangle {
    id: actividad
    required property ActivityDialog dialogo
    objectName: "ActivityDialog1"
    visible: dialogo.shown
    width: Math.min(parent.width - 32, Theme.tam(320))
    height: Math.max(56, textos.implicitHeight + 16)
    Accessible.role: Accessible.AlertMessage
    Accessible.name: dialogo.title + ". " + dialogo.message
    radius: 8
    color: Theme.superficieAlta
    border.color: Theme.linea

    Row {
        anchors.centerIn: parent
        spacing: 12
        BusyIndicator {
            width: 32
            height: 32
            running: actividad.visible
            anchors.verticalCenter: parent.verticalCenter
        }
        Column {
            id: textos
            anchors.verticalCenter: parent.verticalCenter
            Text {
                text: actividad.dialogo.title
                color: Theme.textoSuave
                font.pixelSize: Theme.texto12
                font.bold: true
            }
            Text {
                objectName: "ActivityDialog1_mensaje"
                text: actividad.dialogo.message
                color: Theme.texto
                font.pixelSize: Theme.tam(15)
            }
        }
    }
}
