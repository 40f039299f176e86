pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// The busy overlay: a pale blue panel over the dimmed screens with the status text,
// a spinning indicator and "Por favor Espere".
Item {
    id: espera
    required property TTabbedForm form
    objectName: "WaitLayout"
    width: Math.min(Theme.tam(353), parent ? parent.width - 24 : 353)
    height: Math.max(185, espera_texto.implicitHeight + espera_pie.implicitHeight + 80)
    visible: form.control("WaitLayout").visible
    Accessible.role: Accessible.AlertMessage
    Accessible.name: espera_texto.text + ". " + espera_pie.text

    Rectangle {
        objectName: "FrameRectangle"
        anchors.fill: parent
        color: "aliceblue"
        border.color: "dodgerblue"
        border.width: 2
        radius: 10
    }
    Text {
        id: espera_texto
        objectName: "LabelWait"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 6
        height: Math.max(65, implicitHeight)
        text: espera.form.control("LabelWait").text
        color: "#12304f"
        font.pixelSize: Theme.tam(18)
        font.bold: true
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    BusyIndicator {
        objectName: "AniIndicator1"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: (espera_texto.height - espera_pie.height) / 2 + 8
        running: espera.visible && espera.form.control("AniIndicator1").enabled
        visible: espera.form.control("AniIndicator1").visible
        Material.accent: "dodgerblue"
    }
    Text {
        id: espera_pie
        objectName: "Label12"
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: Math.max(49, implicitHeight + 8)
        text: "Por favor Espere"
        color: "#12304f"
        font.pixelSize: Theme.tam(15)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
