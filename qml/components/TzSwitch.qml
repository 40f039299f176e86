import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A switch bound to a control.
Switch {
    property QtObject control
    objectName: control ? control.name : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    checked: control ? control.checked : false
    implicitHeight: Theme.toque
    Material.accent: Theme.acento
    onToggled: if (control) control.alternar(checked)
}
