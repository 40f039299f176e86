pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Trazen

// The table map: in choose mode a bar asks for a table; the tables as a paged grid with
// their open-comanda badges; at the bottom the arrows that turn the page.
Item {
    id: pantalla
    required property TTabbedForm form
    readonly property TileList mesas: form.tileList("ListaMesa")

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "ToolBarMesa"
            visible: pantalla.form.control("ToolBarMesa").visible
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(46, etiquetaMesa.contentHeight + 12)
            color: Theme.acento
            Text {
                id: etiquetaMesa
                objectName: "Label4"
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 12
                text: pantalla.form.control("Label4").text
                color: Theme.encabezado // dark on coral reads at a glance
                font.pixelSize: Theme.texto16
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.Wrap
            }
        }

        TileGrid {
            Layout.fillWidth: true
            Layout.fillHeight: true
            list: pantalla.mesas
            nombre: "Mesas"
            textoInsignia: (n) => n === "1" ? "1 comanda abierta" : n + " comandas abiertas"
        }

        Rectangle {
            objectName: "ToolBar3"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(56, anteriorMesa.implicitHeight + 8)
            color: Theme.encabezado

            Flecha {
                anchors.left: parent.left
                anchors.leftMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                id: anteriorMesa
                control: pantalla.form.control("PriorMBtn")
                text: "‹"
                nombre: "Página anterior"
                hayMas: pantalla.mesas.page > 0
            }
            Text {
                objectName: "Label1"
                anchors.centerIn: parent
                text: "  "
                color: Theme.textoSuave
            }
            // Where the waiter is among the pages.
            Row {
                objectName: "PaginasMesa"
                anchors.centerIn: parent
                spacing: 8
                visible: pantalla.mesas.pageCount > 1
                Repeater {
                    model: pantalla.mesas.pageCount
                    delegate: Rectangle {
                        required property int index
                        width: 9
                        height: 9
                        radius: 4.5
                        color: index === pantalla.mesas.page ? Theme.acento : Theme.linea
                    }
                }
            }
            Flecha {
                anchors.right: parent.right
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                control: pantalla.form.control("NextMBtn")
                text: "›"
                nombre: "Página siguiente"
                hayMas: pantalla.mesas.page < pantalla.mesas.pageCount - 1
            }
        }
    }
}
