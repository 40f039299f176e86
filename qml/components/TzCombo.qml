import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A drop-down list bound to a control: its items and the chosen one. With the focus,
// Space opens it and the arrow keys choose. `nombre` is the label at its side.
ComboBox {
    id: combo
    property QtObject control
    property string nombre
    objectName: control ? control.name : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    model: control ? control.items : []
    currentIndex: control ? control.itemIndex : -1
    implicitHeight: Math.max(Theme.toque + 4, implicitContentHeight + topPadding + bottomPadding)
    font.pixelSize: Theme.texto14
    onActivated: (indice) => { if (control) control.elegir(indice) }
    Keys.onReturnPressed: popup.open()
    Keys.onEnterPressed: popup.open()
    Accessible.role: Accessible.ComboBox
    Accessible.name: nombre
    Accessible.description: displayText
}
