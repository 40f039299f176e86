pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Trazen

// The ready dishes: which printer to check, the automatic check every minute, how many
// dishes wait with the button that marks them as read, and the dishes themselves
// (customer and table, the dish below, the quantity at the right). For reading only.
Item {
    id: pantalla
    required property TTabbedForm form
    readonly property ListaVista platillos: form.listaVista("ListPla")

    // Golden bands, light enough over the dark background for white text to stay legible.
    readonly property color dorado: Qt.rgba(0.855, 0.647, 0.125, 1)   // goldenrod
    readonly property color doradoPalido: Qt.rgba(0.933, 0.91, 0.667, 0.55) // pale goldenrod

    ColumnLayout {
        anchors.fill: parent
        spacing: 2

        Banda {
            objectName: "Label19"
            titulo: true
            tamano: Theme.texto14
            color: pantalla.dorado
            etiqueta: "PLATILLOS LISTOS"
        }
        Banda {
            objectName: "Label25"
            color: pantalla.doradoPalido
            etiqueta: "Impresora a revisar"
            TzCombo {
                control: pantalla.form.control("Impresora")
                nombre: "Impresora a revisar"
                Layout.preferredWidth: Math.max(190, implicitWidth)
            }
        }
        Banda {
            objectName: "Label20"
            color: pantalla.doradoPalido
            etiqueta: "Auto revisar (cada min)"
            TzSwitch { control: pantalla.form.control("SwitchSur"); nombre: "Auto revisar (cada min)" }
        }
        Banda {
            objectName: "LabelSer"
            color: pantalla.doradoPalido
            etiqueta: pantalla.form.control("LabelSer").text
            TzField {
                control: pantalla.form.control("PlatillosT")
                nombre: pantalla.form.control("LabelSer").text
                readOnly: true
                horizontalAlignment: TextInput.AlignRight
                verticalAlignment: TextInput.AlignVCenter
                topPadding: 8
                bottomPadding: 8
                font.bold: true
                Layout.preferredWidth: Math.max(60, contentWidth + leftPadding + rightPadding + 8)
            }
            TzButton {
                control: pantalla.form.control("MarcarSurtidoBtn")
                // A large text size takes a second line rather than the label's room.
                Layout.maximumWidth: Math.max(implicitWidth / Theme.escala, pantalla.width * 0.42)
                font.pixelSize: Theme.texto14
                font.capitalization: Font.MixedCase // the caption as written
            }
        }

        FilasView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            vista: pantalla.platillos
            alturaItem: 70
            nombre: "Platillos listos"
        }
        // Keeps the bands at the top while the list is hidden.
        Item {
            Layout.fillHeight: true
            visible: !pantalla.platillos.visible
        }
    }
}
