pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The side drawer: the logo, then "Menú Principal", "Configurar parámetros",
// "Cerrar Sesión" and "Salir". The waiter opens it by swiping from the left edge (or
// holding the header, or the Menu key); the program only ever closes it. Opened, it
// takes the keys: Tab or the arrows move between its items, Enter or Space choose one,
// Escape closes it.
Drawer {
    id: cajon
    required property TTabbedForm form
    property bool bloqueado: false // a task runs: neither the swipe nor the items
    objectName: "MultiView1"
    interactive: !bloqueado
    focus: true
    onBloqueadoChanged: if (bloqueado) close()
    width: 250
    edge: Qt.LeftEdge
    dragMargin: 24
    background: Rectangle { color: Theme.superficie }
    Overlay.modal: Rectangle { color: "#99000000" }

    readonly property TzControl modelo: form.control("MultiView1")

    onOpened: {
        modelo.visible = true
        primera.forceActiveFocus(Theme.teclado ? Qt.TabFocusReason : Qt.OtherFocusReason)
    }
    onClosed: modelo.visible = false
    Connections {
        target: cajon.modelo
        function onChanged() {
            if (!cajon.modelo.visible && cajon.opened)
                cajon.close()
        }
    }

    component Opcion: ItemDelegate {
        id: opcion
        required property TzControl control
        objectName: control.name
        Layout.fillWidth: true
        implicitHeight: Math.max(56, implicitContentHeight + topPadding + bottomPadding)
        text: control.text
        enabled: control.enabled && !cajon.bloqueado
        font.pixelSize: Theme.tam(16)
        focusPolicy: Qt.StrongFocus
        onClicked: control.click()
        Keys.onReturnPressed: opcion.clicked()
        Keys.onEnterPressed: opcion.clicked()
        Keys.onDownPressed: opcion.nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
        Keys.onUpPressed: opcion.nextItemInFocusChain(false).forceActiveFocus(Qt.TabFocusReason)
        Accessible.role: Accessible.MenuItem
        Accessible.name: text
        contentItem: Text {
            text: opcion.text
            font: opcion.font
            color: opcion.enabled ? Theme.texto : Theme.textoApagado
            wrapMode: Text.WordWrap
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: opcion.down ? Theme.superficieAlta : "transparent"
            border.width: opcion.visualFocus ? 3 : 0
            border.color: Theme.foco
        }
    }
    component Separador: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: "#6b7280"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Accessible.role: Accessible.Dialog
        Accessible.name: "Menú"
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
        Opcion { id: primera; control: cajon.form.control("MainMenuBtn") }
        Separador {}
        Opcion { control: cajon.form.control("ConfigurarBtn") }
        Separador {}
        Opcion { control: cajon.form.control("CerrarSessionBtn") }
        Separador {}
        Opcion { control: cajon.form.control("CerrarAppBtn") }
        Item { Layout.fillHeight: true }
    }
}
