pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// A text field bound to a control: what the user types goes to the model, what the
// model writes shows here, and the model can ask for the focus. `nombre` is what a
// screen reader calls it (the label at its side, or the hint it shows while empty).
TextField {
    id: campo
    required property TzControl control
    property string nombre: placeholderText
    signal enter()
    objectName: control.name
    visible: control.visible
    enabled: control.enabled
    implicitHeight: Math.max(Theme.alturaBoton, contentHeight + topPadding + bottomPadding)
    font.pixelSize: Theme.texto16
    // A locked field (the DNS after a sign-in) reads as such, not as one to type in: faded,
    // white still reads at 5.4:1 on the panels.
    opacity: enabled ? 1 : 0.55
    color: Theme.texto
    placeholderTextColor: enabled ? Theme.textoSuave : Theme.texto
    selectByMouse: true
    // The model's text, then the user's: not a binding, which typing would break.
    Component.onCompleted: text = control.text
    onTextEdited: control.edit(text)
    Keys.onReturnPressed: campo.enter()
    Keys.onEnterPressed: campo.enter()
    Accessible.role: Accessible.EditableText
    Accessible.name: nombre
    Accessible.readOnly: readOnly
    Connections {
        target: campo.control
        function onChanged() {
            if (campo.text !== campo.control.text)
                campo.text = campo.control.text
        }
        function onFocusRequested(seleccionar) {
            campo.forceActiveFocus()
            if (seleccionar)
                campo.selectAll()
        }
    }
}
