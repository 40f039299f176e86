import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Draws any tile list of the model: a page of rows × columns tiles (or all of them,
// scrolled, for lists that scroll), each with its look from the list's drawing
// callback, caption, picture, badge and selection. A tap reaches the list; a swipe
// sideways turns the page.
Item {
    id: grid
    property QtObject list
    objectName: list ? list.name : ""
    visible: list ? list.visible : true
    clip: true

    readonly property int columnas: list ? Math.max(1, list.columns) : 1
    readonly property int filas: list ? Math.max(1, list.rows) : 1
    readonly property int espacio: list ? list.spacing : 4
    readonly property real anchoCelda: (width - espacio * (columnas + 1)) / columnas
    readonly property real altoCelda: Math.max(Theme.toque, (height - espacio * (filas + 1)) / filas)

    // Background picture, repeated over the whole area (the main menu's).
    Image {
        anchors.fill: parent
        visible: grid.list && grid.list.background.length > 0
        source: grid.list ? Theme.imagen(grid.list.background) : ""
        fillMode: Image.Tile
        sourceSize.width: 96
        sourceSize.height: 96
    }

    Flickable {
        id: vista
        anchors.fill: parent
        contentWidth: width
        contentHeight: rejilla.implicitHeight + grid.espacio * 2
        interactive: grid.list && grid.list.scrolling && contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        flickableDirection: Flickable.VerticalFlick

        GridLayout {
            id: rejilla
            x: grid.espacio
            y: grid.espacio
            // As wide as its cells: a last page with fewer tiles keeps them on the columns of a
            // full page instead of spreading them out.
            width: Math.min(grid.width - 2 * grid.espacio, implicitWidth)
            columns: grid.columnas
            columnSpacing: grid.espacio
            rowSpacing: grid.espacio

            Repeater {
                model: grid.list ? grid.list.pageModel : null
                delegate: Rectangle {
                    id: celda
                    required property int tileIndex
                    required property string caption
                    required property string notes
                    required property string picture
                    required property string badge
                    required property bool selectable
                    required property bool selected
                    required property int colSpan
                    required property int rowSpan
                    required property color fill
                    required property real fillOpacity
                    required property color textColor
                    required property int fontSize
                    required property int captionLines
                    required property int captionExtra
                    required property bool showPicture
                    required property bool wantsPicture
                    required property bool bordered
                    required property var margins

                    objectName: grid.objectName + "_tile_" + tileIndex
                    Layout.columnSpan: colSpan
                    Layout.rowSpan: rowSpan
                    Layout.preferredWidth: grid.anchoCelda * colSpan + grid.espacio * (colSpan - 1)
                    Layout.preferredHeight: grid.altoCelda * rowSpan + grid.espacio * (rowSpan - 1)
                    radius: 6
                    color: "transparent"
                    // A tile that offers nothing (an empty modifier slot) stays in its place, faded.
                    opacity: !selectable && caption.length === 0 ? 0.35 : 1

                    Rectangle {
                        anchors.fill: parent
                        radius: parent.radius
                        color: celda.fill
                        opacity: celda.fillOpacity
                        border.width: celda.bordered ? 1 : 0
                        border.color: Theme.linea
                    }
                    Rectangle {
                        anchors.fill: parent
                        radius: parent.radius
                        color: "transparent"
                        border.width: celda.selected ? 3 : 0
                        border.color: Theme.acento
                        z: 3
                    }

                    FontMetrics {
                        id: medidas
                        font.pixelSize: celda.fontSize
                    }
                    // A second line under the caption (a table's area, for instance).
                    readonly property real altoNotas: notes.length > 0 ? medidas.height * 0.85 + 2 : 0
                    readonly property real altoTexto: captionLines > 0
                        ? captionLines * medidas.height + captionExtra
                        : height - margins[1] - margins[3] - altoNotas

                    Text {
                        id: titulo
                        x: celda.margins[0] + 4
                        y: celda.margins[1] + 2
                        width: celda.width - celda.margins[0] - celda.margins[2] - 8
                        height: celda.altoTexto - 2
                        text: celda.caption
                        color: celda.textColor
                        font.pixelSize: celda.fontSize
                        font.bold: true
                        wrapMode: Text.Wrap
                        elide: Text.ElideRight
                        maximumLineCount: celda.captionLines > 0 ? celda.captionLines : 8
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: celda.captionLines > 0 ? Text.AlignTop : Text.AlignVCenter
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 9
                    }
                    Text {
                        objectName: grid.objectName + "_notas_" + celda.tileIndex
                        visible: celda.notes.length > 0
                        x: titulo.x
                        y: titulo.y + titulo.height
                        width: titulo.width
                        height: celda.altoNotas
                        text: celda.notes
                        color: celda.textColor
                        opacity: 0.75
                        font.pixelSize: Math.max(9, Math.round(celda.fontSize * 0.85))
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                    }
                    Image {
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.bottom: parent.bottom
                        anchors.margins: 6
                        height: celda.height - celda.altoTexto - celda.altoNotas - celda.margins[1] - 2 * grid.espacio
                        visible: celda.wantsPicture && height > 8
                        // Without a picture of its own, a faint plate keeps the tile from looking empty.
                        source: celda.showPicture ? Theme.imagen(celda.picture)
                              : celda.wantsPicture ? "qrc:/Trazen/img/plato.svg" : ""
                        opacity: celda.showPicture ? 1 : 0.18
                        fillMode: Image.PreserveAspectFit
                        asynchronous: true
                        sourceSize.width: 256
                        sourceSize.height: 256
                        smooth: true
                    }
                    Rectangle {
                        visible: celda.badge.length > 0
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.margins: 4
                        width: Math.max(26, insignia.implicitWidth + 12)
                        height: 26
                        radius: 13
                        color: Theme.peligro
                        z: 4
                        Text {
                            id: insignia
                            anchors.centerIn: parent
                            text: celda.badge
                            color: "white"
                            font.pixelSize: 14
                            font.bold: true
                        }
                    }
                    TapHandler {
                        enabled: celda.selectable
                        onTapped: grid.list.tocar(celda.tileIndex)
                        onLongPressed: grid.list.detalle(celda.tileIndex)
                    }
                }
            }
        }
    }

    // The model asks for the focus (after a search, the products take it).
    Connections {
        target: grid.list
        function onFocoPedido() { grid.forceActiveFocus() }
    }
    activeFocusOnTab: true

    // A sideways swipe turns the page of paged lists.
    DragHandler {
        target: null
        enabled: grid.list && !grid.list.scrolling && grid.list.pageCount > 1
        xAxis.enabled: true
        yAxis.enabled: false
        onActiveChanged: {
            if (active)
                return
            if (centroid.pressPosition.x - centroid.position.x > 60)
                grid.list.nextPage()
            else if (centroid.position.x - centroid.pressPosition.x > 60)
                grid.list.priorPage()
        }
    }
}
