pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// A drop-down list bound to a control: its items and the chosen one. With the focus,
// Space opens it and the arrow keys choose. `nombre` is the label at its side.
ComboBox {
    id: combo
    required property TzControl control
    property string nombre
    objectName: control.name
    visible: control.visible
    enabled: control.enabled
    model: control.items
    currentIndex: control.itemIndex
    implicitHeight: Math.max(Theme.toque + 4, implicitContentHeight + topPadding + bottomPadding)
    font.pixelSize: Theme.texto14
    onActivated: (indice) => control.choose(indice)
    Keys.onReturnPressed: popup.open()
    Keys.onEnterPressed: popup.open()
    Accessible.role: Accessible.ComboBox
    Accessible.name: nombre
    Accessible.description: displayText
}
