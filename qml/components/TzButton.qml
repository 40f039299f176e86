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
    font.pixelSize: Theme.texto14
    font.bold: true
    Material.background: color
    Material.foreground: "white"
    onClicked: if (control) control.pulsar()
}
