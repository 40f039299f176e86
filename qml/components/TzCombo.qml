import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A drop-down list bound to a control: its items and the chosen one.
ComboBox {
    property QtObject control
    objectName: control ? control.name : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    model: control ? control.items : []
    currentIndex: control ? control.itemIndex : -1
    implicitHeight: Theme.toque + 4
    font.pixelSize: Theme.texto14
    onActivated: (indice) => { if (control) control.elegir(indice) }
}
