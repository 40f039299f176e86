pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Trazen

// Draws a list view of the model: headings, items (text at the left, detail in yellow
// at the right) and closing rows. Tap and double tap reach the model; lists that allow
// it delete a row with a swipe to the left and its delete button. With the keyboard,
// Tab enters the list, the arrows move from row to row, Space taps the row, Enter
// double-taps it and Delete deletes it.
ListView {
    id: filas
    required property ListaVista vista
    property int alturaItem: 58
    property int alturaEncabezado: 40
    /// What a screen reader calls the list ("Comanda").
    property string nombre
    /// The model's font sizes already follow the display settings (the list of comandas):
    /// the others grow with the rest of the texts.
    property bool sigueAjustes: false
    readonly property real escalaTexto: sigueAjustes ? 1 : Theme.escala
    objectName: vista.name
    visible: vista.visible
    model: vista
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    activeFocusOnTab: count > 0
    keyNavigationEnabled: true
    ScrollBar.vertical: ScrollBar {}
    Accessible.role: Accessible.List
    Accessible.name: nombre

    function tamano(n) { return Math.round(n * escalaTexto) }

    // The keyboard's row follows the one the model selects.
    Connections {
        target: filas.vista
        function onChanged() {
            if (filas.vista.selectedIndex >= 0 && filas.vista.selectedIndex < filas.count)
                filas.currentIndex = filas.vista.selectedIndex
            if (filas.vista.scrollTo >= 0 && filas.vista.scrollTo < filas.count)
                filas.positionViewAtIndex(filas.vista.scrollTo, ListView.Contain)
        }
    }
    onCurrentIndexChanged: if (activeFocus && currentIndex >= 0) positionViewAtIndex(currentIndex, ListView.Contain)

    // What a row shows: a heading, an item (text and detail) or a closing row, as tall as
    // its text needs.
    component Contenido: Item {
        id: contenido
        required property int kind
        required property string texto
        required property string detalle
        implicitHeight: kind === 1 ? encabezado.implicitHeight : kind === 2 ? pie.implicitHeight : cuerpo.implicitHeight
        Text {
            id: encabezado
            visible: contenido.kind === 1
            anchors.fill: parent
            anchors.leftMargin: 14
            verticalAlignment: Text.AlignVCenter
            text: contenido.texto
            color: Theme.detalle
            font.pixelSize: filas.tamano(filas.vista.headerFont - 2)
            font.bold: true
            elide: Text.ElideRight
        }
        RowLayout {
            id: cuerpo
            visible: contenido.kind === 0
            anchors.fill: parent
            anchors.leftMargin: 14
            anchors.rightMargin: 14
            spacing: 10
            Text {
                Layout.fillWidth: true
                text: contenido.texto
                color: Theme.texto
                font.pixelSize: filas.tamano(filas.vista.itemFont)
                wrapMode: Text.Wrap
            }
            Text {
                text: contenido.detalle
                color: Theme.detalle
                font.pixelSize: filas.tamano(filas.vista.itemFont)
                font.bold: true
                horizontalAlignment: Text.AlignRight
            }
        }
        Text {
            id: pie
            visible: contenido.kind === 2
            anchors.fill: parent
            anchors.leftMargin: 14
            anchors.rightMargin: 14
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignRight
            text: contenido.texto
            color: Theme.texto
            font.pixelSize: filas.tamano(filas.vista.footerFont - 2)
            font.bold: true
            wrapMode: Text.Wrap
        }
    }

    delegate: SwipeDelegate {
        id: fila
        required property int index
        required property int kind
        required property string rowText
        required property string rowDetail
        required property bool rowSelected

        objectName: filas.objectName + "_fila_" + index
        width: ListView.view.width
        height: kind === 1 ? Math.max(Theme.toque, filas.alturaEncabezado, implicitContentHeight + 12)
              : kind === 2 ? Math.max(Theme.toque, implicitContentHeight + 16)
              : Math.max(filas.alturaItem, implicitContentHeight + 16)
        padding: 0
        topPadding: 0
        bottomPadding: 0
        leftPadding: 0
        rightPadding: 0
        swipe.enabled: filas.vista.canDelete && kind === 0
        highlighted: rowSelected
        hoverEnabled: false
        // The list takes the focus as a whole; the arrows choose the row within it.
        focusPolicy: Qt.NoFocus
        focus: ListView.isCurrentItem

        Accessible.role: Accessible.ListItem
        Accessible.name: rowDetail.length > 0 ? rowText + ", " + rowDetail : rowText
        Accessible.selected: rowSelected

        Keys.onReturnPressed: filas.vista.doubleClick(index)
        Keys.onEnterPressed: filas.vista.doubleClick(index)
        Keys.onDeletePressed: if (swipe.enabled) filas.vista.remove(index)

        background: Rectangle {
            color: fila.rowSelected ? Theme.superficieAlta : (fila.kind === 1 ? Theme.encabezado : Theme.superficie)
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Theme.linea
            }
            Rectangle {
                visible: fila.activeFocus && Theme.teclado
                anchors.fill: parent
                color: "transparent"
                border.width: 3
                border.color: Theme.foco
            }
        }

        contentItem: Contenido {
            kind: fila.kind
            texto: fila.rowText
            detalle: fila.rowDetail
        }

        swipe.right: Rectangle {
            objectName: filas.objectName + "_eliminar_" + fila.index
            width: Math.max(110, eliminar.implicitWidth + 28)
            height: fila.height
            anchors.right: parent ? parent.right : undefined // none once the row is gone
            color: Theme.peligro
            Accessible.role: Accessible.Button
            Accessible.name: eliminar.text
            Text {
                id: eliminar
                anchors.centerIn: parent
                text: "Eliminar"
                color: Theme.textoSobre(Theme.peligro)
                font.pixelSize: Theme.tam(15)
                font.bold: true
            }
            SwipeDelegate.onClicked: {
                fila.swipe.close()
                filas.vista.remove(fila.index)
            }
        }

        onClicked: filas.vista.click(index)
        onDoubleClicked: filas.vista.doubleClick(index)
    }
}
