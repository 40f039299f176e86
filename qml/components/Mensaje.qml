import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The message dialogs: the first one waiting in the model is shown; its buttons
// answer it. Closing it without an answer counts as No.
Popup {
    id: mensaje
    property QtObject dialogos
    objectName: "Dialogo"
    modal: true
    focus: true
    anchors.centerIn: parent
    width: Math.min(parent.width - 48, 380)
    padding: 20
    closePolicy: Popup.CloseOnEscape
    // Shown and gone at once: a dialog closing must not keep the screen blocked.
    enter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 90 } }
    exit: null
    visible: dialogos ? dialogos.abierto : false
    background: Rectangle {
        radius: 10
        color: Theme.superficie
        border.color: Theme.linea
    }
    Overlay.modal: Rectangle { color: "#99000000" }

    property bool respondido: false
    onOpened: respondido = false
    onClosed: if (!respondido && dialogos && dialogos.abierto) dialogos.responder("")

    function responder(boton) {
        respondido = true
        dialogos.responder(boton)
        respondido = false
    }
    function titulo() {
        if (!dialogos) return ""
        return dialogos.tipo === "confirmacion" ? "Confirmación" : "POS"
    }
    function etiqueta(b) {
        return b === "Yes" ? "Sí" : b === "No" ? "No" : "OK"
    }

    contentItem: ColumnLayout {
        spacing: 16
        Text {
            text: mensaje.titulo()
            color: Theme.textoSuave
            font.pixelSize: 14
            font.bold: true
        }
        Text {
            objectName: "Dialogo_texto"
            Layout.fillWidth: true
            text: mensaje.dialogos ? mensaje.dialogos.texto.replace(/\r/g, "\n") : ""
            color: Theme.texto
            font.pixelSize: 17
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 8
            Repeater {
                model: mensaje.dialogos ? mensaje.dialogos.botones : []
                delegate: Button {
                    id: boton
                    required property string modelData
                    readonly property bool porDefecto: modelData === mensaje.dialogos.botonPorDefecto
                    objectName: "Dialogo_" + modelData
                    text: mensaje.etiqueta(modelData)
                    implicitWidth: 96
                    implicitHeight: Theme.alturaBoton
                    font.pixelSize: 15
                    font.bold: true
                    onClicked: mensaje.responder(modelData)
                    contentItem: Text {
                        text: boton.text
                        font: boton.font
                        color: boton.porDefecto ? "white" : Theme.acento
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        radius: 6
                        color: boton.porDefecto ? (boton.down ? Qt.darker(Theme.acento, 1.25) : Theme.acento)
                                                : (boton.down ? Theme.superficieAlta : "transparent")
                        border.color: Theme.acento
                        border.width: boton.porDefecto ? 0 : 2
                    }
                }
            }
        }
    }
}
