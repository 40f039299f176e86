pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtQuick.Window
import Trazen

// The one window: header, the screens as tabs without a strip, the side drawer, the
// busy overlay, the activity dialog and the message dialogs. Every screen binds to the
// main window's model `form` and hands the user's taps to its handlers.
ApplicationWindow {
    id: ventana
    required property TTabbedForm form
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

    // The texts follow the lists' font size of the display settings: the one stored, from
    // the start; a new one once the settings screen is left, as the lists do.
    function ajustarTexto() {
        if (form.activeTab !== "TabSettings")
            Theme.fuenteListados = form.control("Fuente2").value
    }
    Component.onCompleted: {
        form.FormResize(width)
        ajustarTexto()
    }
    Connections {
        target: ventana.form.control("Fuente2")
        function onChanged() { ventana.ajustarTexto() }
    }

    // What takes the keyboard focus inside a scrolled screen is scrolled into view.
    onActiveFocusItemChanged: mostrar(activeFocusItem)
    function mostrar(item: Item) {
        if (!item || !item.visible)
            return
        for (let p = item.parent; p; p = p.parent) {
            // A scrolled screen, not a list or a grid, which move to their own current item.
            const f = p as Flickable
            if (!f || (p as ListView) || (p as GridView))
                continue
            if (f.contentHeight <= f.height)
                return
            const r = item.mapToItem(f.contentItem, 0, 0, item.width, item.height)
            if (r.y < f.contentY)
                f.contentY = Math.max(0, r.y - 8)
            else if (r.y + r.height > f.contentY + f.height)
                f.contentY = Math.min(f.contentHeight - f.height, r.y + r.height - f.height + 8)
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

    // One screen, a tab named as the screen: made the first time it shows, and kept, so the
    // window opens without building the nine it does not show.
    component Pestana: Loader {
        id: pestana
        /// The screen's file, under this one's folder.
        required property string pantalla
        readonly property bool actual: ventana.form.activeTab === objectName
        // A hidden screen takes no keys: its fields lose the focus with it.
        enabled: actual
        function cargar() {
            if (actual && status === Loader.Null)
                setSource(Qt.resolvedUrl(pantalla), {form: ventana.form})
        }
        onActualChanged: cargar()
        Component.onCompleted: cargar()
        // A screen that is not there yet shows its name.
        Text {
            anchors.centerIn: parent
            visible: pestana.status === Loader.Error
            text: pestana.objectName
            color: Theme.textoSuave
            font.pixelSize: Theme.texto14
        }
    }

    // While a task runs the screen takes no input, the drawer included.
    readonly property bool ocupado: !ventana.form.control("ContentLayout").enabled || ventana.form.activity.shown

    Item {
        id: contenido
        objectName: "ContentLayout"
        anchors.fill: parent
        opacity: ventana.form.control("ContentLayout").opacity
        enabled: ventana.form.control("ContentLayout").enabled
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
            currentIndex: {
                for (let i = 0; i < children.length; ++i)
                    if (children[i].objectName === ventana.form.activeTab)
                        return i
                return 0
            }

            Pestana { objectName: "TabItem1"; pantalla: "screens/TabItem1.qml" }
            Pestana { objectName: "TabEmpresa"; pantalla: "screens/TabEmpresa.qml" }
            Pestana { objectName: "TabURL"; pantalla: "screens/TabURL.qml" }
            Pestana { objectName: "TabListaCat"; pantalla: "screens/TabListaCat.qml" }
            Pestana { objectName: "TabComanda"; pantalla: "screens/TabComanda.qml" }
            Pestana { objectName: "TabMesas"; pantalla: "screens/TabMesas.qml" }
            Pestana { objectName: "TabLista"; pantalla: "screens/TabLista.qml" }
            Pestana { objectName: "TabSettings"; pantalla: "screens/TabSettings.qml" }
            Pestana { objectName: "TabResumen"; pantalla: "screens/TabResumen.qml" }
            Pestana { objectName: "TabSurtido"; pantalla: "screens/TabSurtido.qml" }
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
