import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A text field bound to a control: what the user types goes to the model, what the
// model writes shows here, and the model can ask for the focus.
TextField {
    id: campo
    property QtObject control
    signal enter()
    objectName: control ? control.name : ""
    visible: control ? control.visible : true
    enabled: control ? control.enabled : true
    implicitHeight: Theme.alturaBoton
    font.pixelSize: Theme.texto16
    color: Theme.texto
    placeholderTextColor: Theme.textoSuave
    selectByMouse: true
    // A locked field (the DNS after a sign-in) reads as such, not as one to type in.
    opacity: enabled ? 1 : 0.45
    onControlChanged: if (control) text = control.text
    onTextEdited: if (control) control.editar(text)
    Keys.onReturnPressed: campo.enter()
    Keys.onEnterPressed: campo.enter()
    Connections {
        target: campo.control
        function onChanged() {
            if (campo.text !== campo.control.text)
                campo.text = campo.control.text
        }
        function onFocoPedido(seleccionar) {
            campo.forceActiveFocus()
            if (seleccionar)
                campo.selectAll()
        }
    }
}
