import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The catalogue: the navigation bar (categories, subcategories, products), the capture
// bar with the search box, the quantity and the add button, the free-text bar of the
// modifier screen, the four tile lists in one place, and the paging bar at the bottom.
Item {
    id: pantalla
    property QtObject form
    function ctl(n) { return form ? form.control(n) : null }
    readonly property QtObject listaMod: ctl("ListaMod")

    // One segment of the navigation bar: pressed while its list shows.
    component Segmento: Button {
        id: segmento
        property QtObject control
        objectName: control ? control.name : ""
        text: control ? control.text : ""
        visible: control ? control.visible : true
        enabled: control ? control.enabled : true
        checked: control ? control.checked : false
        Layout.fillWidth: true
        Layout.preferredHeight: Theme.toque
        font.pixelSize: Theme.texto14
        font.bold: true
        font.capitalization: Font.MixedCase
        Material.foreground: checked ? "white" : Theme.textoSuave
        background: Rectangle {
            radius: 4
            color: segmento.checked ? Theme.acento : Theme.superficie
            opacity: segmento.enabled ? 1 : 0.5
        }
        onClicked: if (control) control.pulsar()
    }

    component Flecha: RoundButton {
        property QtObject control
        property bool hayMas: true
        objectName: control ? control.name : ""
        visible: control ? control.visible : true
        enabled: control ? control.enabled : true
        implicitWidth: 56
        implicitHeight: Theme.toque + 4
        font.pixelSize: 26
        font.bold: true
        flat: true
        opacity: hayMas ? 1 : 0.35
        Material.foreground: Theme.texto
        onClicked: if (control) control.pulsar()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "NavigationBar"
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.toque + 8
            color: Theme.encabezado
            RowLayout {
                anchors.fill: parent
                anchors.margins: 4
                spacing: 4
                Segmento { control: pantalla.ctl("Btn1") }
                Segmento { control: pantalla.ctl("Btn2") }
                Segmento { control: pantalla.ctl("Btn3") }
            }
        }

        Rectangle {
            objectName: "Captura"
            visible: pantalla.ctl("Captura") ? pantalla.ctl("Captura").visible : false
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            color: Theme.superficie
            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 6
                spacing: 4
                TzField {
                    id: buscar
                    Layout.fillWidth: true
                    Layout.minimumWidth: 90
                    control: pantalla.ctl("TextoP")
                    placeholderText: "Buscar"
                    inputMethodHints: Qt.ImhNoPredictiveText
                    EnterKey.type: Qt.EnterKeySearch
                    onEnter: pantalla.form.catalogo.TextoPKeyDown(Qt.Key_Return)
                }
                // A magnifier drawn in place: no picture file needed.
                ToolButton {
                    objectName: "BuscarProBtn"
                    implicitWidth: Theme.toque
                    implicitHeight: Theme.toque
                    visible: pantalla.ctl("BuscarProBtn") ? pantalla.ctl("BuscarProBtn").visible : true
                    onClicked: pantalla.ctl("BuscarProBtn").pulsar()
                    contentItem: Item {
                        Rectangle {
                            x: 10; y: 8
                            width: 17; height: 17
                            radius: 8.5
                            color: "transparent"
                            border.width: 3
                            border.color: Theme.texto
                        }
                        Rectangle {
                            x: 23; y: 24
                            width: 10; height: 4
                            radius: 2
                            rotation: 45
                            color: Theme.texto
                        }
                    }
                }
                TzSpin { control: pantalla.ctl("Cantidad") }
                TzButton {
                    control: pantalla.ctl("AddPed")
                    implicitWidth: 52
                    text: "+"
                    font.pixelSize: 26
                }
            }
        }

        // The free text of the modifier screen; usable once "OTRO" was tapped.
        Rectangle {
            objectName: "ToolBarOtro"
            visible: pantalla.listaMod && pantalla.listaMod.visible
                     && (pantalla.ctl("ToolBarOtro") ? pantalla.ctl("ToolBarOtro").visible : true)
            enabled: pantalla.ctl("ToolBarOtro") ? pantalla.ctl("ToolBarOtro").enabled : false
            opacity: enabled ? 1 : 0.45
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            color: Theme.superficie
            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 6
                spacing: 8
                Text {
                    objectName: "Label9"
                    text: "Otro:"
                    color: Theme.texto
                    font.pixelSize: Theme.texto14
                    font.bold: true
                }
                TzField {
                    Layout.fillWidth: true
                    control: pantalla.ctl("ModPer")
                    placeholderText: "Indicación para la cocina"
                    onEnter: pantalla.form.modificadores.ModPerKeyDown(Qt.Key_Return)
                }
                TzButton {
                    control: pantalla.ctl("ModPerBtn")
                    implicitWidth: 64
                }
            }
        }

        // The four lists share one place; one shows at a time.
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            TileGrid { anchors.fill: parent; list: pantalla.ctl("ListaCat") }
            TileGrid { anchors.fill: parent; list: pantalla.ctl("ListaSubCat") }
            TileGrid { anchors.fill: parent; list: pantalla.ctl("ListaPro") }
            TileGrid { anchors.fill: parent; list: pantalla.listaMod }
        }

        Rectangle {
            id: barra
            objectName: "ToolBar1"
            visible: pantalla.ctl("ToolBar1") ? pantalla.ctl("ToolBar1").visible : true
            Layout.fillWidth: true
            Layout.preferredHeight: 56
            color: Theme.encabezado

            // The list the arrows turn: the one showing.
            readonly property QtObject lista: {
                for (const n of ["ListaPro", "ListaCat", "ListaSubCat"]) {
                    const l = pantalla.ctl(n)
                    if (l && l.visible)
                        return l
                }
                return null
            }

            Flecha {
                id: anterior
                anchors.left: parent.left
                anchors.leftMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                control: pantalla.ctl("PriorBtn")
                text: "‹"
                hayMas: barra.lista !== null && barra.lista.page > 0
            }
            Text {
                objectName: "LabelInfo"
                anchors.left: anterior.right
                anchors.right: siguiente.left
                anchors.verticalCenter: parent.verticalCenter
                // One line: the caption's line break reads as a blank.
                text: pantalla.ctl("LabelInfo") ? pantalla.ctl("LabelInfo").text.replace(/[\r\n]+/g, " ") : ""
                color: Theme.detalle
                font.pixelSize: Theme.texto14
                font.bold: true
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                maximumLineCount: 1
            }
            // Where the waiter is among the pages, while nothing was just added.
            Row {
                objectName: "PaginasCatalogo"
                anchors.centerIn: parent
                spacing: 8
                visible: barra.lista !== null && barra.lista.pageCount > 1
                         && !(pantalla.ctl("LabelInfo") && pantalla.ctl("LabelInfo").text.length > 0)
                Repeater {
                    model: parent.visible ? barra.lista.pageCount : 0
                    delegate: Rectangle {
                        required property int index
                        width: 9
                        height: 9
                        radius: 4.5
                        color: index === barra.lista.page ? Theme.acento : Theme.linea
                    }
                }
            }
            Flecha {
                id: siguiente
                anchors.right: parent.right
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                control: pantalla.ctl("NextBtn")
                text: "›"
                hayMas: barra.lista !== null && barra.lista.page < barra.lista.pageCount - 1
            }
        }
    }
}
