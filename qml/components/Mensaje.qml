pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The message dialogs: the first one waiting in the model is shown; its buttons
// answer it. Closing it without an answer (Escape) counts as No. It opens with the
// focus on its default button; Tab and the arrows move between the buttons.
Popup {
    id: mensaje
    required property Dialogos dialogos
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
    visible: dialogos.abierto
    background: Rectangle {
        radius: 10
        color: Theme.superficie
        border.color: Theme.linea
    }
    Overlay.modal: Rectangle { color: "#99000000" }


    property bool respondido: false
    onOpened: {
        respondido = false
        enfocarDefecto()
    }
    // A dialog that follows another one while open gets the focus on its own default button.
    // (qmllint 6.4 takes Qt.callLater, a method of the Qt object, for a property: hence the
    // one line it leaves out.)
    Connections {
        target: mensaje.dialogos
        function onChanged() { if (mensaje.opened) Qt.callLater(mensaje.enfocarDefecto) } // qmllint disable type
    }
    function enfocarDefecto() {
        for (let i = 0; i < botones.count; ++i) {
            const b = botones.itemAt(i)
            if (b && (b.porDefecto || i === botones.count - 1)) {
                b.forceActiveFocus(Theme.teclado ? Qt.TabFocusReason : Qt.OtherFocusReason)
                return
            }
        }
    }
    onClosed: if (!respondido && dialogos.abierto) dialogos.responder("")

    function responder(boton) {
        respondido = true
        dialogos.responder(boton)
        respondido = false
    }
    function titulo() {
        return dialogos.tipo === "confirmacion" ? "Confirmación" : "POS"
    }
    function etiqueta(b) {
        return b === "Yes" ? "Sí" : b === "No" ? "No" : "OK"
    }

    // The popup's only child: the popup takes its size and puts it in its content item.
    ColumnLayout {
        anchors.fill: parent
        spacing: 16
        Accessible.role: mensaje.dialogos.tipo === "confirmacion" ? Accessible.Dialog : Accessible.AlertMessage
        Accessible.name: texto.text
        Accessible.description: mensaje.titulo()
        Text {
            text: mensaje.titulo()
            color: Theme.textoSuave
            font.pixelSize: Theme.texto14
            font.bold: true
        }
        Text {
            id: texto
            objectName: "Dialogo_texto"
            Layout.fillWidth: true
            text: mensaje.dialogos.texto.replace(/\r/g, "\n")
            color: Theme.texto
            font.pixelSize: Theme.tam(17)
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 8
            Repeater {
                id: botones
                model: mensaje.dialogos.botones
                delegate: Button {
                    id: boton
                    required property string modelData
                    readonly property bool porDefecto: modelData === mensaje.dialogos.botonPorDefecto
                    objectName: "Dialogo_" + modelData
                    text: mensaje.etiqueta(modelData)
                    implicitWidth: Math.max(96, implicitContentWidth + leftPadding + rightPadding)
                    implicitHeight: Math.max(Theme.alturaBoton, implicitContentHeight + topPadding + bottomPadding)
                    font.pixelSize: Theme.tam(15)
                    font.bold: true
                    onClicked: mensaje.responder(modelData)
                    Keys.onReturnPressed: boton.clicked()
                    Keys.onEnterPressed: boton.clicked()
                    Keys.onLeftPressed: boton.nextItemInFocusChain(false).forceActiveFocus(Qt.TabFocusReason)
                    Keys.onRightPressed: boton.nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
                    Accessible.role: Accessible.Button
                    Accessible.name: text
                    contentItem: Text {
                        text: boton.text
                        font: boton.font
                        color: boton.porDefecto ? Theme.textoSobre(Theme.acento) : Theme.acento
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        radius: 6
                        color: boton.porDefecto ? (boton.down ? Qt.darker(Theme.acento, 1.25) : Theme.acento)
                                                : (boton.down ? Theme.superficieAlta : "transparent")
                        border.color: boton.visualFocus ? Theme.foco : Theme.acento
                        border.width: boton.visualFocus ? 3 : boton.porDefecto ? 0 : 2
                    }
                }
            }
        }
    }
}
