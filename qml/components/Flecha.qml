pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// An arrow of a paging bar ("‹" or "›") bound to a control: a tap reaches the model's
// handler. `hayMas` says whether there is a page that way; `nombre` is what a screen
// reader calls it ("Página siguiente").
RoundButton {
    id: flecha
    required property TzControl control
    property bool hayMas: true
    property string nombre
    objectName: control.name
    visible: control.visible
    enabled: control.enabled
    implicitWidth: 56
    implicitHeight: Math.max(Theme.toque + 4, implicitContentHeight + 4)
    topPadding: 0
    bottomPadding: 0
    font.pixelSize: Theme.tam(26)
    font.bold: true
    flat: true
    // No page that way: the arrow is drawn faded, still readable.
    Material.foreground: hayMas ? Theme.texto : Theme.textoApagado
    onClicked: control.click()
    Keys.onReturnPressed: flecha.clicked()
    Keys.onEnterPressed: flecha.clicked()
    Accessible.role: Accessible.Button
    Accessible.name: nombre
}
