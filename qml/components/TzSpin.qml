import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// A spin box bound to a control: minus and plus buttons large enough for a thumb,
// and the number itself, which can also be typed.
RowLayout {
    id: spin
    property QtObject control
    property real paso: 1
    objectName: control ? control.name : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    spacing: 2

    function cambiar(delta) {
        const v = Math.min(control.maximum, Math.max(control.minimum, control.value + delta))
        control.editar(String(Number(v.toFixed(3))))
    }

    RoundButton {
        objectName: spin.objectName + "_menos"
        text: "−"
        font.pixelSize: 20
        implicitWidth: Theme.toque
        implicitHeight: Theme.toque
        enabled: spin.control && spin.control.value > spin.control.minimum
        onClicked: spin.cambiar(-spin.paso)
        background: Rectangle { radius: width / 2; color: parent.down ? Theme.acento : Theme.superficieAlta; opacity: parent.enabled ? 1 : 0.4 }
    }
    TextField {
        id: numero
        objectName: spin.objectName + "_texto"
        Layout.preferredWidth: 64
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Theme.texto16
        color: Theme.texto
        inputMethodHints: Qt.ImhFormattedNumbersOnly
        text: spin.control ? spin.control.text : ""
        onEditingFinished: if (spin.control && text !== spin.control.text) spin.control.editar(text)
    }
    RoundButton {
        objectName: spin.objectName + "_mas"
        text: "+"
        font.pixelSize: 20
        implicitWidth: Theme.toque
        implicitHeight: Theme.toque
        enabled: spin.control && spin.control.value < spin.control.maximum
        onClicked: spin.cambiar(spin.paso)
        background: Rectangle { radius: width / 2; color: parent.down ? Theme.acento : Theme.superficieAlta; opacity: parent.enabled ? 1 : 0.4 }
    }
}
