import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtQuick.Window

// The one window: header, the screens as tabs without a strip, the side drawer, the
// busy overlay, the activity dialog and the message dialogs. Every screen binds to the
// main window's model `form` and hands the user's taps to its handlers.
ApplicationWindow {
    id: ventana
    required property QtObject form
    objectName: "TTabbedForm"
    width: 452
    height: 775
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: form.caption
    color: Theme.fondo
    contentOrientation: Qt.PortraitOrientation
    Material.theme: Material.Dark
    Material.accent: Theme.acento
    Material.primary: Theme.encabezado

    readonly property var pestanas: ["TabItem1", "TabEmpresa", "TabURL", "TabListaCat", "TabComanda",
                                     "TabMesas", "TabLista", "TabSettings", "TabResumen", "TabSurtido"]

    function ctl(n) { return form.control(n) }

    // The texts follow the lists' font size of the display settings: the one stored, from
    // the start; a new one once the settings screen is left, as the lists do.
    function ajustarTexto() {
        if (form.activeTab !== "TabSettings")
            Theme.fuenteListados = ctl("Fuente2").value
    }
    Component.onCompleted: {
        form.FormResize(width)
        ajustarTexto()
    }
    Connections {
        target: ventana.ctl("Fuente2")
        function onChanged() { ventana.ajustarTexto() }
    }

    // What takes the keyboard focus inside a scrolled screen is scrolled into view.
    onActiveFocusItemChanged: mostrar(activeFocusItem)
    function mostrar(item) {
        if (!item || !item.visible)
            return
        for (let p = item.parent; p; p = p.parent) {
            if (p.contentItem === undefined || p.contentY === undefined || p.currentIndex !== undefined)
                continue
            if (p.contentHeight <= p.height)
                return
            const r = item.mapToItem(p.contentItem, 0, 0, item.width, item.height)
            if (r.y < p.contentY)
                p.contentY = Math.max(0, r.y - 8)
            else if (r.y + r.height > p.contentY + p.height)
                p.contentY = Math.min(p.contentHeight - p.height, r.y + r.height - p.height + 8)
            return
        }
    }

    onClosing: (close) => { close.accepted = form.FormCloseQuery() }
    onWidthChanged: form.FormResize(width)
    Connections {
        target: ventana.form
        function onSalir() { ventana.close() }
        // Keys go to the back key's handler until the new screen gives a field the focus.
        function onActiveTabChanged() {
            contenido.forceActiveFocus()
            ventana.ajustarTexto()
        }
    }

    // While a task runs the screen takes no input, the drawer included.
    readonly property bool ocupado: !ventana.ctl("ContentLayout").enabled || ventana.form.activity.shown

    Item {
        id: contenido
        objectName: "ContentLayout"
        anchors.fill: parent
        opacity: ventana.ctl("ContentLayout").opacity
        enabled: ventana.ctl("ContentLayout").enabled
        focus: true

        // The device back key (Escape on a desktop) and the Menu key. A key goes back only
        // when it was pressed here too: the Escape that closed a dialog or the drawer does not.
        property bool atrasPulsado: false
        Keys.onPressed: (evento) => {
            Theme.teclado = true
            if (evento.key === Qt.Key_Escape || evento.key === Qt.Key_Back)
                atrasPulsado = true
        }
        Keys.onReleased: (evento) => {
            if (evento.key === Qt.Key_Menu || evento.key === Qt.Key_F10) {
                cajon.open()
                evento.accepted = true
                return
            }
            if (evento.key === Qt.Key_Escape || evento.key === Qt.Key_Back) {
                const pulsado = atrasPulsado
                atrasPulsado = false
                if (!pulsado) {
                    evento.accepted = true
                    return
                }
            }
            evento.accepted = ventana.form.navegacion.FormKeyUp(evento.key)
        }

        Encabezado {
            id: encabezado
            form: ventana.form
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            onAbrirMenu: cajon.open()
        }

        StackLayout {
            id: pestanas
            objectName: "TabControl1"
            anchors.top: encabezado.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            clip: true // a scrolled screen never draws over the header
            currentIndex: Math.max(0, ventana.pestanas.indexOf(ventana.form.activeTab))

            Repeater {
                model: ventana.pestanas
                delegate: Loader {
                    required property string modelData
                    readonly property bool actual: ventana.form.activeTab === modelData
                    objectName: modelData
                    // Each screen is made the first time it shows, and kept: the window
                    // opens without building the nine it does not show.
                    active: false
                    onActualChanged: if (actual) active = true
                    Component.onCompleted: if (actual) active = true
                    // A hidden screen takes no keys: its fields lose the focus with it.
                    enabled: actual
                    source: "screens/" + modelData + ".qml"
                    onLoaded: item.form = ventana.form
                    // A screen that is not there yet shows its name.
                    Text {
                        anchors.centerIn: parent
                        visible: parent.status === Loader.Error
                        text: parent.modelData
                        color: Theme.textoSuave
                        font.pixelSize: Theme.texto14
                    }
                }
            }
        }

        // Where the drawer hides: a grip at the left edge tells it is there.
        Rectangle {
            objectName: "AsaCajon"
            x: -3
            anchors.verticalCenter: parent.verticalCenter
            width: 6
            height: 56
            radius: 3
            color: Theme.textoSuave
            opacity: 0.3
            visible: !cajon.opened
        }
    }

    Cajon {
        id: cajon
        form: ventana.form
        height: ventana.height
        width: Math.min(Theme.tam(250), ventana.width - 56)
        bloqueado: ventana.ocupado
        // The keys go back to the screens.
        onClosed: contenido.forceActiveFocus()
    }

    Espera {
        form: ventana.form
        anchors.centerIn: parent
        z: 10
    }

    Actividad {
        dialogo: ventana.form.activity
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        z: 11
    }

    Mensaje {
        dialogos: ventana.form.dialogos
        z: 20
    }
}
