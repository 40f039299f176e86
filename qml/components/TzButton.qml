pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// A button bound to a control: its text, visibility and state come from the model,
// a tap (or Space or Enter while it has the focus) reaches the model's handler.
// `nombre` names a button whose caption is a sign ("+") for a screen reader.
Button {
    id: boton
    required property TzControl control
    property color color: Theme.acento
    property string nombre: text
    objectName: control.name
    text: control.text
    visible: control.visible
    enabled: control.enabled
    implicitWidth: Math.max(Theme.toque, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(Theme.alturaBoton, implicitContentHeight + topPadding + bottomPadding)
    leftPadding: 14
    rightPadding: 14
    topPadding: 6
    bottomPadding: 6
    font.pixelSize: Theme.texto14
    font.bold: true
    font.capitalization: Font.MixedCase // the texts are shown as written, not in capitals
    onClicked: control.click()
    Keys.onReturnPressed: boton.clicked()
    Keys.onEnterPressed: boton.clicked()

    Accessible.role: Accessible.Button
    Accessible.name: nombre

    // A long caption at a large text size takes a second line rather than being cut.
    contentItem: Text {
        text: boton.text
        font: boton.font
        color: boton.enabled ? Theme.textoSobre(boton.color) : Theme.textoApagado
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitHeight: Theme.alturaBoton
        radius: 6
        color: !boton.enabled ? Theme.superficieAlta : boton.down ? Qt.darker(boton.color, 1.25) : boton.color
        border.width: boton.visualFocus ? 3 : boton.enabled ? 0 : 1
        border.color: boton.visualFocus ? Theme.foco : Theme.linea
    }
}
