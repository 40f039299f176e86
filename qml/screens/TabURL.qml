pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Trazen

// The connection screen: the server's name builds the address of the service, which can
// also be typed whole; and whether the user and password are remembered.
Flickable {
    id: pantalla
    required property TTabbedForm form
    contentHeight: columna.implicitHeight + 32
    boundsBehavior: Flickable.StopAtBounds

    component Panel: Rectangle {
        default property alias contenido: interior.data
        Layout.fillWidth: true
        implicitHeight: interior.implicitHeight + 28
        radius: 8
        color: Theme.superficie
        border.color: Theme.linea
        ColumnLayout {
            id: interior
            anchors.fill: parent
            anchors.margins: 14
            spacing: 8
        }
    }
    component Etiqueta: Text {
        color: Theme.texto
        font.pixelSize: Theme.tam(15)
        Layout.fillWidth: true
        wrapMode: Text.Wrap
    }

    ColumnLayout {
        id: columna
        x: 16
        y: 16
        width: pantalla.width - 32
        spacing: 16

        Panel {
            Etiqueta { objectName: "Label42"; text: "DNS:" }
            TzField {
                Layout.fillWidth: true
                control: pantalla.form.control("DNS")
                nombre: "DNS"
                placeholderText: "servidor o dirección IP"
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly
            }
            Etiqueta { objectName: "Label6"; text: "URL de WebService:"; Layout.topMargin: 6 }
            TzField {
                Layout.fillWidth: true
                control: pantalla.form.control("URLWSDL")
                nombre: "URL de WebService"
                font.pixelSize: Theme.tam(13)
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly
            }
            Etiqueta {
                objectName: "Label7"
                text: "Por Ejemplo:"
                font.pixelSize: Theme.texto12
                color: Theme.textoSuave
                Layout.topMargin: 4
            }
            Etiqueta {
                objectName: "Label8"
                text: pantalla.form.control("Label8").text
                font.pixelSize: Theme.texto12
                color: Theme.textoSuave
                wrapMode: Text.WrapAnywhere
            }
        }

        Panel {
            RowLayout {
                Layout.fillWidth: true
                TzSwitch { control: pantalla.form.control("SwitchUser"); nombre: "Recordar Usuario y Contraseña" }
                Etiqueta { objectName: "Label9"; text: "Recordar Usuario y Contraseña" }
            }
        }
    }
}
