pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// A switch bound to a control, drawn with plain shapes so it looks the same on every
// renderer; Space or Enter toggles it. `nombre` is the label at its side.
Switch {
    id: interruptor
    required property TzControl control
    property string nombre
    objectName: control.name
    visible: control.visible
    enabled: control.enabled
    checked: control.checked
    implicitHeight: Theme.toque
    implicitWidth: indicator.implicitWidth + leftPadding + rightPadding
    onToggled: control.toggle(checked)
    Keys.onReturnPressed: { toggle(); toggled() }
    Keys.onEnterPressed: { toggle(); toggled() }
    Accessible.role: Accessible.CheckBox
    Accessible.name: nombre

    indicator: Rectangle {
        implicitWidth: 52
        implicitHeight: 30
        x: interruptor.leftPadding
        y: (interruptor.height - height) / 2
        radius: 15
        color: interruptor.checked ? Theme.acento : "#4b5260"
        opacity: interruptor.enabled ? 1 : 0.5
        border.width: interruptor.visualFocus ? 3 : 0
        border.color: Theme.foco
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
