pragma Singleton
import QtQuick

// The one dark style of every screen: colours, sizes and the named picture stores.
QtObject {
    readonly property color fondo: "#1b1f24"
    readonly property color superficie: "#262b32"
    readonly property color superficieAlta: "#303640"
    readonly property color encabezado: "#12151a"
    readonly property color linea: "#3b424d"
    readonly property color texto: "#ffffff"
    readonly property color textoSuave: "#b9c2cf"
    readonly property color acento: "#ff7f50"      // coral: the sign-in button and highlights
    readonly property color detalle: "#ffd54f"     // yellow details of list rows
    readonly property color peligro: "#e5484d"
    readonly property color exito: "#2fbf71"
    readonly property color seleccion: "#ff9f7a"

    readonly property int alturaEncabezado: 48
    readonly property int alturaBoton: 48
    readonly property int toque: 44                // smallest touch target
    readonly property int texto12: 12
    readonly property int texto14: 14
    readonly property int texto16: 16

    /// The image source of a tile picture: a picture of a named store or an image id.
    function imagen(picture) {
        if (!picture || picture.length === 0)
            return ""
        if (picture.startsWith("store:"))
            return "qrc:/Trazen/img/" + picture.substring(6).toLowerCase() + ".svg"
        return picture
    }
}
