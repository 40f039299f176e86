pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The waiter's sales summary: comandas waiting and finished, tips and the total, as the
// server reported them when the screen was opened.
Flickable {
    id: pantalla
    required property TTabbedForm form
    contentHeight: columna.implicitHeight
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    // Turquoise bands, light enough over the dark background for white text to stay legible.
    readonly property color cianOscuro: Qt.rgba(0, 0.545, 0.545, 1)         // dark cyan
    readonly property color turquesaPalida: Qt.rgba(0.686, 0.933, 0.933, 0.5) // pale turquoise

    component Cifra: Banda {
        id: cifra
        property string campo
        property int ancho: 90
        alturaMinima: 62
        color: pantalla.turquesaPalida
        TzField {
            control: pantalla.form.control(cifra.campo)
            nombre: cifra.etiqueta
            readOnly: true
            horizontalAlignment: TextInput.AlignRight
            verticalAlignment: TextInput.AlignVCenter
            topPadding: 8
            bottomPadding: 8
            font.bold: true
            // As wide as the figure, at least as designed.
            Layout.preferredWidth: Math.max(cifra.ancho, contentWidth + leftPadding + rightPadding + 8)
        }
    }

    ColumnLayout {
        id: columna
        width: pantalla.width
        spacing: 2

        Banda {
            objectName: "Label13"
            titulo: true
            tamano: Theme.texto14
            color: pantalla.cianOscuro
            etiqueta: "RESUMEN DE VENTAS"
        }
        Cifra { objectName: "Label18"; etiqueta: "Comandas En Espera"; campo: "ComandasPenT" }
        Cifra { objectName: "Label17"; etiqueta: "Comandas Terminadas"; campo: "ComandasFinT" }
        Cifra { objectName: "Label16"; etiqueta: "Propinas en Comandas"; campo: "PropinasT"; ancho: 170 }
        Cifra { objectName: "Label15"; etiqueta: "Total Comandas"; campo: "TotalT"; ancho: 170 }
        Item { Layout.preferredHeight: 16 }
    }
}
