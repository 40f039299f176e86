pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The comanda being composed: the customer's name and the persons, the lines (tap,
// double tap to change a quantity, swipe left to delete), the quantity editor, and at
// the bottom "Surtir Comanda", "Cancelar Comanda" and the total.
Item {
    id: pantalla
    required property TTabbedForm form

    component Etiqueta: Text {
        color: Theme.texto
        font.pixelSize: Theme.texto14
        font.bold: true
        verticalAlignment: Text.AlignVCenter
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "ToolBar2"
            Layout.fillWidth: true
            Layout.preferredHeight: datos.implicitHeight + 16
            color: Theme.superficie
            GridLayout {
                id: datos
                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 10
                anchors.topMargin: 8
                anchors.bottomMargin: 8
                columns: 3
                columnSpacing: 8
                rowSpacing: 6

                // Opens the selected line's quantity, as a double tap does.
                ToolButton {
                    id: cambiarCantidad
                    objectName: "Button1"
                    Layout.rowSpan: 2
                    Layout.alignment: Qt.AlignVCenter
                    padding: 0
                    implicitWidth: Math.max(Theme.toque + 4, implicitContentHeight + 8)
                    implicitHeight: implicitWidth
                    visible: pantalla.form.control("Button1").visible
                    enabled: pantalla.form.control("Button1").enabled
                    text: "✎"
                    font.pixelSize: Theme.tam(24)
                    Material.foreground: enabled ? Theme.acento : Theme.textoApagado
                    onClicked: pantalla.form.control("Button1").click()
                    Keys.onReturnPressed: clicked()
                    Keys.onEnterPressed: clicked()
                    Accessible.role: Accessible.Button
                    Accessible.name: "Cambiar cantidad"
                    background: Rectangle {
                        radius: 6
                        color: cambiarCantidad.down ? Theme.superficieAlta : "transparent"
                        border.width: cambiarCantidad.visualFocus ? 3 : 0
                        border.color: Theme.foco
                    }
                }
                Etiqueta { objectName: "Label5"; text: "Nombre:" }
                TzField {
                    Layout.fillWidth: true
                    control: pantalla.form.control("Nombre")
                    nombre: "Nombre"
                    EnterKey.type: Qt.EnterKeySend
                    onEnter: pantalla.form.modificadores.ModPerKeyDown(Qt.Key_Return)
                    inputMethodHints: Qt.ImhNoPredictiveText
                }
                Etiqueta { objectName: "Label10"; text: "Personas:" }
                Item {
                    Layout.fillWidth: true
                    implicitHeight: personas.implicitHeight
                    TzSpin {
                        id: personas
                        anchors.left: parent.left
                        control: pantalla.form.control("Per")
                        nombre: "Personas"
                    }
                }
            }
        }

        // How the send stands: refused, or unconfirmed (it may be on the server).
        Rectangle {
            objectName: "LabelEnvio"
            id: envio
            readonly property TzControl control: pantalla.form.control("LabelEnvio")
            visible: control.visible
            Layout.fillWidth: true
            Layout.preferredHeight: textoEnvio.implicitHeight + 16
            color: "#5c4a12" // dark amber: a warning that white text reads on
            Text {
                id: textoEnvio
                anchors.fill: parent
                anchors.margins: 8
                text: envio.control.text
                color: Theme.texto
                font.pixelSize: Theme.texto14
                wrapMode: Text.WordWrap
                verticalAlignment: Text.AlignVCenter
            }
        }

        Rectangle {
            objectName: "ToolBarCap"
            visible: pantalla.form.control("ToolBarCap").visible
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(60, cantidad.implicitHeight + 12)
            color: Theme.superficieAlta
            // At a large text size the button goes under the quantity.
            GridLayout {
                id: cantidad
                readonly property bool dosFilas: Theme.escala > 1.3
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 10
                anchors.topMargin: 6
                anchors.bottomMargin: 6
                columns: dosFilas ? 2 : 4
                columnSpacing: 8
                rowSpacing: 6
                Etiqueta { text: "Cantidad:" }
                TzSpin { control: pantalla.form.control("SBCantidad"); nombre: "Cantidad" }
                Item { Layout.fillWidth: true; visible: !cantidad.dosFilas }
                TzButton {
                    id: guardarCant
                    control: pantalla.form.control("GuardarCant")
                    Layout.columnSpan: cantidad.dosFilas ? 2 : 1
                    Layout.alignment: Qt.AlignRight
                    Layout.preferredWidth: Math.max(110, implicitWidth)
                    font.capitalization: Font.MixedCase
                }
            }
        }

        FilasView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            vista: pantalla.form.listaVista("ListPed")
            alturaItem: 70
            nombre: "Comanda"
        }

        // Two rows, so that both buttons show their whole text on a phone held upright:
        // the total at the right, then "Surtir Comanda" and "Cancelar Comanda".
        Rectangle {
            objectName: "ToolBar4"
            Layout.fillWidth: true
            Layout.preferredHeight: pie.implicitHeight + 16
            color: Theme.encabezado
            ColumnLayout {
                id: pie
                anchors.fill: parent
                anchors.margins: 8
                spacing: 4
                RowLayout {
                    Layout.fillWidth: true
                    spacing: 8
                    Item { Layout.fillWidth: true }
                    Etiqueta { objectName: "Label34"; text: "Total:"; font.pixelSize: Theme.texto16 }
                    TextField {
                        objectName: "EditTotal"
                        Layout.preferredWidth: Theme.tam(150)
                        readOnly: true
                        text: pantalla.form.control("EditTotal").text
                        color: Theme.detalle
                        font.pixelSize: Theme.tam(20)
                        Accessible.role: Accessible.EditableText
                        Accessible.name: "Total"
                        Accessible.readOnly: true
                        font.bold: true
                        horizontalAlignment: Text.AlignRight
                    }
                }
                RowLayout {
                    Layout.fillWidth: true
                    spacing: 8
                    TzButton {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        control: pantalla.form.control("EnviarPedidoBtn")
                        color: Qt.darker(Theme.exito, 1.5) // white text stays readable
                        font.capitalization: Font.MixedCase
                        font.pixelSize: Theme.texto16
                    }
                    TzButton {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        control: pantalla.form.control("PedidoCancelarBtn")
                        color: Theme.peligro
                        font.capitalization: Font.MixedCase
                        font.pixelSize: Theme.texto16
                    }
                }
            }
        }
    }
}
