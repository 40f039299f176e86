pragma ComponentBehavior: Bound
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
    required property TTabbedForm form
    readonly property TileList listaMod: form.tileList("ListaMod")

    // One segment of the navigation bar: pressed while its list shows.
    component Segmento: Button {
        id: segmento
        required property TzControl control
        objectName: control.name
        text: control.text
        visible: control.visible
        enabled: control.enabled
        checked: control.checked
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        Layout.preferredHeight: Math.max(Theme.toque, Theme.texto14 + 16)
        font.pixelSize: Theme.texto14
        font.bold: true
        font.capitalization: Font.MixedCase
        // Three segments side by side: a long caption is drawn smaller, never below the normal size.
        contentItem: Text {
            text: segmento.text
            font: segmento.font
            color: !segmento.enabled ? Theme.textoApagado
                 : segmento.checked ? Theme.textoSobre(Theme.acento) : Theme.textoSuave
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 14
            elide: Text.ElideRight
        }
        // Disabled, the pressed segment keeps a coral line under its faded caption.
        background: Rectangle {
            radius: 4
            color: segmento.checked && segmento.enabled ? Theme.acento : Theme.superficie
            border.width: segmento.visualFocus ? 3 : 0
            border.color: Theme.foco
            Rectangle {
                visible: segmento.checked && !segmento.enabled
                anchors.bottom: parent.bottom
                width: parent.width
                height: 3
                color: Theme.acento
            }
        }
        onClicked: control.click()
        Keys.onReturnPressed: segmento.clicked()
        Keys.onEnterPressed: segmento.clicked()
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.checkable: true
        Accessible.checked: checked
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "NavigationBar"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(Theme.toque, Theme.texto14 + 16) + 8
            color: Theme.encabezado
            RowLayout {
                anchors.fill: parent
                anchors.margins: 4
                spacing: 4
                Segmento { control: pantalla.form.control("Btn1") }
                Segmento { control: pantalla.form.control("Btn2") }
                Segmento { control: pantalla.form.control("Btn3") }
            }
        }

        Rectangle {
            objectName: "Captura"
            visible: pantalla.form.control("Captura").visible
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(60, buscar.implicitHeight + 12)
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
                    control: pantalla.form.control("TextoP")
                    placeholderText: "Buscar"
                    nombre: "Buscar producto"
                    inputMethodHints: Qt.ImhNoPredictiveText
                    EnterKey.type: Qt.EnterKeySearch
                    onEnter: pantalla.form.catalogo.TextoPKeyDown(Qt.Key_Return)
                }
                // A magnifier drawn in place: no picture file needed.
                ToolButton {
                    id: buscarPro
                    objectName: "BuscarProBtn"
                    implicitWidth: Theme.toque
                    implicitHeight: Theme.toque
                    visible: pantalla.form.control("BuscarProBtn").visible
                    onClicked: pantalla.form.control("BuscarProBtn").click()
                    Keys.onReturnPressed: clicked()
                    Keys.onEnterPressed: clicked()
                    Accessible.role: Accessible.Button
                    Accessible.name: "Buscar"
                    background: Rectangle {
                        radius: 6
                        color: "transparent"
                        border.width: buscarPro.visualFocus ? 3 : 0
                        border.color: Theme.foco
                    }
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
                TzSpin { control: pantalla.form.control("Cantidad"); nombre: "Cantidad" }
                TzButton {
                    control: pantalla.form.control("AddPed")
                    implicitWidth: 52
                    text: "+"
                    nombre: "Agregar a la comanda"
                    font.pixelSize: 26
                }
            }
        }

        // The free text of the modifier screen; usable once "OTRO" was tapped.
        Rectangle {
            objectName: "ToolBarOtro"
            visible: pantalla.listaMod.visible && pantalla.form.control("ToolBarOtro").visible
            enabled: pantalla.form.control("ToolBarOtro").enabled
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(60, filaOtro.implicitHeight + 12)
            color: Theme.superficie
            // At a large text size the field takes a line of its own, under "Otro:" and OK.
            GridLayout {
                id: filaOtro
                readonly property bool dosFilas: Theme.escala > 1.3
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 6
                anchors.topMargin: 6
                anchors.bottomMargin: 6
                columns: dosFilas ? 2 : 3
                columnSpacing: 8
                rowSpacing: 4
                Text {
                    Layout.row: 0
                    Layout.column: 0
                    Layout.fillWidth: filaOtro.dosFilas
                    objectName: "Label9"
                    text: "Otro:"
                    color: parent.enabled ? Theme.texto : Theme.textoApagado
                    font.pixelSize: Theme.texto14
                    font.bold: true
                }
                TzField {
                    id: otro
                    Layout.row: filaOtro.dosFilas ? 1 : 0
                    Layout.column: filaOtro.dosFilas ? 0 : 1
                    Layout.columnSpan: filaOtro.dosFilas ? 2 : 1
                    Layout.fillWidth: true
                    control: pantalla.form.control("ModPer")
                    nombre: "Otro"
                    placeholderText: "Indicación para la cocina"
                    onEnter: pantalla.form.modificadores.ModPerKeyDown(Qt.Key_Return)
                }
                TzButton {
                    Layout.row: 0
                    Layout.column: filaOtro.dosFilas ? 1 : 2
                    control: pantalla.form.control("ModPerBtn")
                    Layout.preferredWidth: Math.max(64, implicitWidth)
                }
            }
        }

        // The four lists share one place; one shows at a time.
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            TileGrid { anchors.fill: parent; list: pantalla.form.tileList("ListaCat"); nombre: "Categorías" }
            TileGrid { anchors.fill: parent; list: pantalla.form.tileList("ListaSubCat"); nombre: "Subcategorías" }
            TileGrid { anchors.fill: parent; list: pantalla.form.tileList("ListaPro"); nombre: "Productos" }
            TileGrid { anchors.fill: parent; list: pantalla.listaMod; nombre: "Modificadores" }
        }

        Rectangle {
            id: barra
            objectName: "ToolBar1"
            visible: pantalla.form.control("ToolBar1").visible
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(56, info.contentHeight + 12, anterior.implicitHeight + 8)
            color: Theme.encabezado

            // The list the arrows turn: the one showing.
            readonly property TileList lista: {
                for (const n of ["ListaPro", "ListaCat", "ListaSubCat"]) {
                    const l = pantalla.form.tileList(n)
                    if (l.visible)
                        return l
                }
                return null
            }

            Flecha {
                id: anterior
                anchors.left: parent.left
                anchors.leftMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                control: pantalla.form.control("PriorBtn")
                text: "‹"
                nombre: "Página anterior"
                hayMas: barra.lista !== null && barra.lista.page > 0
            }
            Text {
                id: info
                objectName: "LabelInfo"
                anchors.left: anterior.right
                anchors.right: siguiente.left
                anchors.verticalCenter: parent.verticalCenter
                // One line: the caption's line break reads as a blank.
                text: pantalla.form.control("LabelInfo").text.replace(/[\r\n]+/g, " ")
                color: Theme.detalle
                font.pixelSize: Theme.texto14
                font.bold: true
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                // A second line at a large text size.
                wrapMode: Text.Wrap
                maximumLineCount: Theme.escala > 1 ? 2 : 1
            }
            // Where the waiter is among the pages, while nothing was just added.
            Row {
                objectName: "PaginasCatalogo"
                anchors.centerIn: parent
                spacing: 8
                visible: barra.lista !== null && barra.lista.pageCount > 1
                         && pantalla.form.control("LabelInfo").text.length === 0
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
                control: pantalla.form.control("NextBtn")
                text: "›"
                nombre: "Página siguiente"
                hayMas: barra.lista !== null && barra.lista.page < barra.lista.pageCount - 1
            }
        }
    }
}
