import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A button bound to a control: its text, visibility and state come from the model,
// a tap reaches the model's handler.
Button {
    id: boton
    property QtObject control
    property color color: Theme.acento
    objectName: control ? control.name : ""
    text: control ? control.text : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    implicitHeight: Theme.alturaBoton
    leftPadding: 14
    rightPadding: 14
    font.pixelSize: Theme.texto14
    font.bold: true
    font.capitalization: Font.MixedCase // the texts are shown as written, not in capitals
    onClicked: if (control) control.pulsar()

    contentItem: Text {
        text: boton.text
        font: boton.font
        color: "white"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitHeight: Theme.alturaBoton
        radius: 6
        color: boton.down ? Qt.darker(boton.color, 1.25) : boton.color
        opacity: boton.enabled ? 1 : 0.4
    }
}
