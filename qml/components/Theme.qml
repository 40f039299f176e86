pragma Singleton
pragma ComponentBehavior: Bound
import QtQuick

// The one dark style of every screen: colours, sizes and the named picture stores.
// Every text keeps a contrast of at least 4.5:1 with what it is drawn on.
QtObject {
    readonly property color fondo: "#1b1f24"
    readonly property color superficie: "#262b32"
    readonly property color superficieAlta: "#303640"
    readonly property color encabezado: "#12151a"
    readonly property color linea: "#3b424d"
    readonly property color texto: "#ffffff"
    readonly property color textoSuave: "#b9c2cf"  // 6.8:1 on superficieAlta, more on the others
    readonly property color textoApagado: "#a3abb6" // a disabled text: 5.2:1 on superficieAlta
    readonly property color acento: "#ff7f50"      // coral: the sign-in button and highlights
    readonly property color textoSobreAcento: "#12151a" // 7.3:1 on coral (white reads at 2.5:1)
    readonly property color detalle: "#ffd54f"     // yellow details of list rows
    readonly property color peligro: "#cc3a3f"     // white on it: 4.9:1
    readonly property color exito: "#2fbf71"
    readonly property color seleccion: "#ff9f7a"
    readonly property color foco: "#ffd54f"        // the ring around what has the keyboard focus

    // The keyboard is in use (since its last key, until a tile is tapped): the focus ring shows.
    property bool teclado: false

    // The texts grow with the lists' font size of the display settings: its default (11)
    // draws them as designed, the largest (20) about two thirds larger (as the lists'
    // rows grow). Main sets it.
    property int fuenteListados: 11
    readonly property real escala: Math.max(1, (fuenteListados + 2) / 13)

    readonly property int alturaEncabezado: tam(48)
    readonly property int alturaBoton: tam(48)
    readonly property int toque: 44                // smallest touch target
    readonly property int texto12: tam(12)
    readonly property int texto14: tam(14)
    readonly property int texto16: tam(16)

    /// A size of the design (a font's pixels, a bar's height) at the current text size.
    function tam(n) { return Math.round(n * escala) }

    /// White or the header's near black, whichever reads better on `fondo`.
    function textoSobre(fondo) {
        const lin = (c) => c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4)
        const l = 0.2126 * lin(fondo.r) + 0.7152 * lin(fondo.g) + 0.0722 * lin(fondo.b)
        return (1.05 / (l + 0.05)) >= ((l + 0.05) / 0.0575) ? texto : encabezado
    }

    /// The image source of a tile picture: a picture of a named store or an image id.
    function imagen(picture) {
        if (!picture || picture.length === 0)
            return ""
        if (picture.startsWith("store:"))
            return "qrc:/Trazen/img/" + picture.substring(6).toLowerCase() + ".svg"
        return picture
    }
}
