import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// The busy overlay: a pale blue panel over the dimmed screens with the status text,
// a spinning indicator and "Por favor Espere".
Item {
    id: espera
    property QtObject form
    objectName: "WaitLayout"
    width: 353
    height: 185
    visible: form.control("WaitLayout").visible

    Rectangle {
        objectName: "FrameRectangle"
        anchors.fill: parent
        color: "aliceblue"
        border.color: "dodgerblue"
        border.width: 2
        radius: 10
    }
    Text {
        objectName: "LabelWait"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 6
        height: 65
        text: espera.form.control("LabelWait").text
        color: "#12304f"
        font.pixelSize: 18
        font.bold: true
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    BusyIndicator {
        objectName: "AniIndicator1"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 8
        running: espera.visible && espera.form.control("AniIndicator1").enabled
        visible: espera.form.control("AniIndicator1").visible
        Material.accent: "dodgerblue"
    }
    Text {
        objectName: "Label12"
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: 49
        text: "Por favor Espere"
        color: "#12304f"
        font.pixelSize: 15
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
