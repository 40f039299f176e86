import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The side drawer: the logo, then "Menú Principal", "Configurar parámetros",
// "Cerrar Sesión" and "Salir". The waiter opens it by swiping from the left edge (or
// holding the header, or the Menu key); the program only ever closes it.
Drawer {
    id: cajon
    property QtObject form
    property bool bloqueado: false // a task runs: neither the swipe nor the items
    objectName: "MultiView1"
    interactive: !bloqueado
    onBloqueadoChanged: if (bloqueado) close()
    width: 250
    edge: Qt.LeftEdge
    dragMargin: 24
    background: Rectangle { color: Theme.superficie }
    Overlay.modal: Rectangle { color: "#99000000" }

    function ctl(n) { return form.control(n) }

    onOpened: ctl("MultiView1").visible = true
    onClosed: ctl("MultiView1").visible = false
    Connections {
        target: cajon.ctl("MultiView1")
        function onChanged() {
            if (!cajon.ctl("MultiView1").visible && cajon.opened)
                cajon.close()
        }
    }

    component Opcion: ItemDelegate {
        property QtObject control
        objectName: control ? control.name : ""
        Layout.fillWidth: true
        implicitHeight: 56
        text: control ? control.text : ""
        enabled: (control ? control.enabled : true) && !cajon.bloqueado
        font.pixelSize: 16
        onClicked: control.pulsar()
    }
    component Separador: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: "#6b7280"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 150
            color: Theme.encabezado
            Image {
                objectName: "Image2"
                anchors.centerIn: parent
                width: 96
                height: 96
                source: "qrc:/Trazen/img/logo.svg"
                sourceSize.width: 192
                sourceSize.height: 192
            }
        }
        Opcion { control: cajon.ctl("MainMenuBtn") }
        Separador {}
        Opcion { control: cajon.ctl("ConfigurarBtn") }
        Separador {}
        Opcion { control: cajon.ctl("CerrarSessionBtn") }
        Separador {}
        Opcion { control: cajon.ctl("CerrarAppBtn") }
        Item { Layout.fillHeight: true }
    }
}
