pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// A spin box bound to a control: minus and plus buttons large enough for a thumb,
// and the number itself, which can also be typed; the arrow keys (and Page Up/Down)
// in the number step it. `nombre` is what it counts ("Personas").
RowLayout {
    id: spin
    required property TzControl control
    property real paso: 1
    property string nombre
    objectName: control.name
    visible: control.visible
    enabled: control.enabled
    spacing: 2

    function cambiar(delta) {
        const v = Math.min(control.maximum, Math.max(control.minimum, control.value + delta))
        control.edit(String(Number(v.toFixed(3))))
    }

    component Paso: RoundButton {
        id: paso
        property string nombre
        font.pixelSize: Theme.tam(20)
        padding: 0
        implicitWidth: Math.max(Theme.toque, implicitContentHeight + 8)
        implicitHeight: implicitWidth
        // The number field takes the keys: Tab does not stop on − and + as well.
        focusPolicy: Qt.NoFocus
        Accessible.name: nombre + " " + spin.nombre
        contentItem: Text {
            text: paso.text
            font: paso.font
            color: paso.enabled ? Theme.texto : Theme.textoApagado
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: width / 2
            color: paso.down ? Theme.acento : Theme.superficieAlta
            border.width: paso.enabled ? 0 : 1
            border.color: Theme.linea
        }
    }

    Paso {
        objectName: spin.objectName + "_menos"
        text: "−"
        nombre: "Menos"
        enabled: spin.control.value > spin.control.minimum
        onClicked: spin.cambiar(-spin.paso)
    }
    TextField {
        id: numero
        objectName: spin.objectName + "_texto"
        Layout.preferredWidth: Math.max(64, contentWidth + leftPadding + rightPadding + 8)
        implicitHeight: Math.max(Theme.toque, contentHeight + topPadding + bottomPadding)
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Theme.texto16
        color: enabled ? Theme.texto : Theme.textoApagado
        inputMethodHints: Qt.ImhFormattedNumbersOnly
        text: spin.control.text
        onEditingFinished: if (text !== spin.control.text) spin.control.edit(text)
        Keys.onUpPressed: spin.cambiar(spin.paso)
        Keys.onDownPressed: spin.cambiar(-spin.paso)
        Keys.onPressed: (evento) => {
            if (evento.key === Qt.Key_PageUp || evento.key === Qt.Key_PageDown) {
                spin.cambiar((evento.key === Qt.Key_PageUp ? 10 : -10) * spin.paso)
                evento.accepted = true
            }
        }
        Accessible.role: Accessible.SpinBox
        Accessible.name: spin.nombre
        Accessible.description: "Flechas arriba y abajo para cambiar"
        background: Rectangle {
            implicitHeight: Theme.toque
            color: "transparent"
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: numero.activeFocus ? 2 : 1
                color: numero.activeFocus ? Theme.acento : Theme.textoSuave
            }
        }
    }
    Paso {
        objectName: spin.objectName + "_mas"
        text: "+"
        nombre: "Más"
        enabled: spin.control.value < spin.control.maximum
        onClicked: spin.cambiar(spin.paso)
    }
}
