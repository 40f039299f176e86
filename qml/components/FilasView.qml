import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Draws a list view of the model: headings, items (text at the left, detail in yellow
// at the right) and closing rows. Tap and double tap reach the model; lists that allow
// it delete a row with a swipe to the left and its delete button.
ListView {
    id: filas
    property QtObject vista
    property int alturaItem: 58
    property int alturaEncabezado: 40
    objectName: vista ? vista.name : ""
    visible: vista ? vista.visible : true
    model: vista
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    currentIndex: vista ? vista.selectedIndex : -1
    ScrollBar.vertical: ScrollBar {}

    Connections {
        target: filas.vista
        function onChanged() {
            if (filas.vista.scrollTo >= 0 && filas.vista.scrollTo < filas.count)
                filas.positionViewAtIndex(filas.vista.scrollTo, ListView.Contain)
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
        height: kind === 1 ? filas.alturaEncabezado
              : kind === 2 ? Math.max(40, pie.implicitHeight + 16)
              : Math.max(filas.alturaItem, cuerpo.implicitHeight + 16)
        padding: 0
        swipe.enabled: filas.vista && filas.vista.canDelete && kind === 0
        highlighted: rowSelected
        hoverEnabled: false

        background: Rectangle {
            color: fila.rowSelected ? Theme.superficieAlta : (fila.kind === 1 ? Theme.encabezado : Theme.superficie)
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Theme.linea
            }
        }

        contentItem: Item {
            Text {
                visible: fila.kind === 1
                anchors.fill: parent
                anchors.leftMargin: 14
                verticalAlignment: Text.AlignVCenter
                text: fila.rowText
                color: Theme.detalle
                font.pixelSize: filas.vista ? filas.vista.headerFont - 2 : 18
                font.bold: true
                elide: Text.ElideRight
            }
            RowLayout {
                id: cuerpo
                visible: fila.kind === 0
                anchors.fill: parent
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                spacing: 10
                Text {
                    Layout.fillWidth: true
                    text: fila.rowText
                    color: Theme.texto
                    font.pixelSize: filas.vista ? filas.vista.itemFont : 15
                    wrapMode: Text.Wrap
                }
                Text {
                    text: fila.rowDetail
                    color: Theme.detalle
                    font.pixelSize: filas.vista ? filas.vista.itemFont : 15
                    font.bold: true
                    horizontalAlignment: Text.AlignRight
                }
            }
            Text {
                id: pie
                visible: fila.kind === 2
                anchors.fill: parent
                anchors.rightMargin: 14
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignRight
                text: fila.rowText
                color: Theme.texto
                font.pixelSize: filas.vista ? filas.vista.footerFont - 2 : 16
                font.bold: true
            }
        }

        swipe.right: Rectangle {
            objectName: filas.objectName + "_eliminar_" + fila.index
            width: 110
            height: fila.height
            anchors.right: parent.right
            color: Theme.peligro
            Text {
                anchors.centerIn: parent
                text: "Eliminar"
                color: "white"
                font.pixelSize: 15
                font.bold: true
            }
            SwipeDelegate.onClicked: {
                fila.swipe.close()
                filas.vista.borrar(fila.index)
            }
        }

        onClicked: if (filas.vista) filas.vista.tocar(index)
        onDoubleClicked: if (filas.vista) filas.vista.tocarDoble(index)
    }
}
