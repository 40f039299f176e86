import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A switch bound to a control, drawn with plain shapes so it looks the same on every
// renderer.
Switch {
    id: interruptor
    property QtObject control
    objectName: control ? control.name : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    checked: control ? control.checked : false
    implicitHeight: Theme.toque
    onToggled: if (control) control.alternar(checked)

    indicator: Rectangle {
        implicitWidth: 52
        implicitHeight: 30
        x: interruptor.leftPadding
        y: (interruptor.height - height) / 2
        radius: 15
        color: interruptor.checked ? Theme.acento : "#4b5260"
        opacity: interruptor.enabled ? 1 : 0.5
        Rectangle {
            x: interruptor.checked ? parent.width - width - 3 : 3
            y: 3
            width: 24
            height: 24
            radius: 12
            color: "white"
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }
}
