pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts

// One row of a settings-like screen: a translucent band with a white label at the left
// and its control at the right.
Item {
    id: banda
    property string etiqueta
    property color color: Theme.superficieAlta
    property int tamano: Theme.texto16
    property bool titulo: false
    property int alturaMinima: titulo ? 50 : 58
    default property alias contenido: derecha.data
    // A label that a large text size wraps makes the band taller.
    implicitHeight: Math.max(alturaMinima, etiquetaTexto.contentHeight + 16, derecha.implicitHeight + 8)
    Layout.fillWidth: true

    Rectangle {
        anchors.fill: parent
        color: banda.color
        opacity: 0.5
    }
    Text {
        id: etiquetaTexto
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.right: derecha.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: banda.etiqueta
        color: Theme.texto
        font.pixelSize: banda.tamano
        font.bold: banda.titulo
        wrapMode: Text.WordWrap
        horizontalAlignment: banda.titulo ? Text.AlignHCenter : Text.AlignLeft
    }
    RowLayout {
        id: derecha
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6
    }
}
