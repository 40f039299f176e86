pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Trazen

// Draws any tile list of the model: a page of rows × columns tiles (or all of them,
// scrolled, for lists that scroll), each with its look from the list's drawing
// callback, caption, picture, badge and selection. A tap reaches the list; a swipe
// sideways turns the page. With the keyboard, Tab enters the list at its tile, the
// arrows move from tile to tile and on to the next or previous page at the edges
// (Page Up and Page Down turn it too), and Enter or Space taps the tile.
FocusScope {
    id: grid
    required property TileList list
    /// What a screen reader calls the list ("Mesas").
    property string nombre
    /// How a screen reader says a tile's badge ("2 comandas abiertas"); the badge itself by default.
    property var textoInsignia: (insignia) => insignia
    objectName: list.name
    visible: list.visible
    clip: true
    activeFocusOnTab: true

    readonly property int columnas: Math.max(1, list.columns)
    readonly property int filas: Math.max(1, list.rows)
    readonly property int espacio: list.spacing
    readonly property real anchoCelda: (width - espacio * (columnas + 1)) / columnas
    readonly property real altoCelda: Math.max(Theme.toque, (height - espacio * (filas + 1)) / filas)

    Accessible.role: Accessible.List
    Accessible.name: nombre
    Accessible.description: list.pageCount > 1 ? "Página " + (list.page + 1) + " de " + list.pageCount : ""

    // The tile with the keyboard's cursor: its place on the page.
    property int actual: 0

    function celda(i) { return i >= 0 && i < repetidor.count ? repetidor.itemAt(i) : null }
    /// Tiles the cursor can rest on: those that offer something or say something.
    function alcanzable(c) { return c !== null && (c.selectable || c.caption.length > 0) }

    /// Moves the cursor to tile i, or on from there (paso 1 or -1) to one it can rest on.
    function enfocar(i, paso) {
        if (repetidor.count === 0)
            return
        i = Math.max(0, Math.min(repetidor.count - 1, i))
        paso = paso === -1 ? -1 : 1
        while (!grid.alcanzable(grid.celda(i)) && i + paso >= 0 && i + paso < repetidor.count)
            i += paso
        actual = i
        const c = grid.celda(i)
        if (c)
            c.focus = true
    }

    /// The nearest tile from the cursor's in that direction, or -1.
    function vecino(dx, dy) {
        const a = grid.celda(actual)
        if (!a)
            return -1
        const ax = a.x + a.width / 2, ay = a.y + a.height / 2
        let mejor = -1, distancia = Infinity
        for (let i = 0; i < repetidor.count; ++i) {
            const c = grid.celda(i)
            if (i === actual || !grid.alcanzable(c))
                continue
            const cx = c.x + c.width / 2, cy = c.y + c.height / 2
            // Along the direction, and overlapping the cursor's row or column.
            const enRango = dx !== 0 ? (dx * (cx - ax) > 1 && c.y < a.y + a.height && a.y < c.y + c.height)
                                     : (dy * (cy - ay) > 1 && c.x < a.x + a.width && a.x < c.x + c.width)
            if (!enRango)
                continue
            const d = Math.abs(cx - ax) + Math.abs(cy - ay)
            if (d < distancia) {
                distancia = d
                mejor = i
            }
        }
        return mejor
    }

    /// Turns the page, when there is one that way; the cursor goes to its first or last tile.
    function pasarPagina(adelante) {
        if (list.scrolling)
            return false
        if (adelante ? list.page >= list.pageCount - 1 : list.page <= 0)
            return false
        pendiente = adelante ? 0 : -1
        if (adelante)
            list.nextPage()
        else
            list.priorPage()
        return true
    }
    // Where the cursor goes once the new page is drawn: 0 the first tile, -1 the last, 1 stays.
    property int pendiente: 1

    // At the end of a row, left and right go on to the tile before or after; past the
    // page's first or last tile, to the page before or after.
    function mover(dx, dy) {
        let v = vecino(dx, dy)
        if (v < 0 && dx !== 0 && actual + dx >= 0 && actual + dx < repetidor.count)
            v = actual + dx
        if (v >= 0)
            enfocar(v, dx + dy < 0 ? -1 : 1)
        else
            pasarPagina(dx + dy > 0)
    }

    Keys.onPressed: (evento) => {
        Theme.teclado = true
        switch (evento.key) {
        case Qt.Key_Left: mover(-1, 0); break
        case Qt.Key_Right: mover(1, 0); break
        case Qt.Key_Up: mover(0, -1); break
        case Qt.Key_Down: mover(0, 1); break
        case Qt.Key_PageDown: pasarPagina(true); break
        case Qt.Key_PageUp: pasarPagina(false); break
        case Qt.Key_Home: enfocar(0); break
        case Qt.Key_End: enfocar(repetidor.count - 1); break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space: {
            const c = grid.celda(actual)
            if (c && c.selectable)
                grid.list.click(c.tileIndex)
            break
        }
        default:
            return
        }
        evento.accepted = true
    }
    /// Puts the cursor back on the page after it was drawn again.
    function colocar() {
        if (pendiente === 0)
            actual = 0
        else if (pendiente < 0)
            actual = repetidor.count - 1
        pendiente = 1
        enfocar(actual)
    }
    onActiveFocusChanged: if (activeFocus) enfocar(actual)

    // Background picture, repeated over the whole area (the main menu's).
    Image {
        anchors.fill: parent
        visible: grid.list.background.length > 0
        source: Theme.imagen(grid.list.background)
        fillMode: Image.Tile
        sourceSize.width: 96
        sourceSize.height: 96
    }

    Flickable {
        id: vista
        anchors.fill: parent
        contentWidth: width
        contentHeight: rejilla.implicitHeight + grid.espacio * 2
        interactive: grid.list.scrolling && contentHeight > height
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
                id: repetidor
                model: grid.list.pageModel
                // A new page (or the same one drawn again) keeps the cursor on the page.
                onItemAdded: (i, c) => Qt.callLater(grid.colocar)
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
                    required property int index

                    objectName: grid.objectName + "_tile_" + tileIndex
                    Layout.columnSpan: colSpan
                    Layout.rowSpan: rowSpan
                    Layout.preferredWidth: grid.anchoCelda * colSpan + grid.espacio * (colSpan - 1)
                    Layout.preferredHeight: grid.altoCelda * rowSpan + grid.espacio * (rowSpan - 1)
                    radius: 6
                    color: "transparent"
                    // A tile that offers nothing (an empty modifier slot) stays in its place, faded.
                    opacity: !selectable && caption.length === 0 ? 0.35 : 1

                    // The caption (its line break read as a pause), the notes and the badge.
                    Accessible.role: selectable ? Accessible.Button : Accessible.StaticText
                    Accessible.name: [caption.replace(/[\r\n]+/g, ", "), notes,
                                      badge.length > 0 ? grid.textoInsignia(badge) : ""]
                                     .filter((t) => t.length > 0).join(", ")
                    Accessible.selectable: selectable
                    Accessible.selected: selected
                    Accessible.ignored: !selectable && caption.length === 0
                    Accessible.onPressAction: if (selectable) grid.list.click(tileIndex)

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
                    // The keyboard's cursor: yellow, with a dark edge that shows it on white tiles.
                    Rectangle {
                        visible: celda.activeFocus && Theme.teclado
                        anchors.fill: parent
                        anchors.margins: -1
                        radius: parent.radius
                        color: "transparent"
                        border.width: 4
                        border.color: Theme.foco
                        z: 5
                        Rectangle {
                            anchors.fill: parent
                            anchors.margins: 4
                            radius: parent.radius
                            color: "transparent"
                            border.width: 1
                            border.color: Theme.encabezado
                        }
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
                    // The badge sits at the top right, or at the bottom right where it would
                    // cover the caption (a large font).
                    Rectangle {
                        id: marca
                        readonly property real letrasDerecha: titulo.x + (titulo.width + titulo.contentWidth) / 2
                        readonly property real letrasArriba: titulo.y + (celda.captionLines > 0 ? 0 : (titulo.height - titulo.contentHeight) / 2)
                        readonly property bool taparia: letrasDerecha > celda.width - width - 8 && letrasArriba < height + 8
                        visible: celda.badge.length > 0
                        x: celda.width - width - 4
                        y: taparia ? celda.height - height - 4 : 4
                        width: Math.max(height, insignia.implicitWidth + 12)
                        height: Math.round(26 * Math.max(1, celda.fontSize / 12))
                        radius: height / 2
                        color: Theme.peligro
                        z: 4
                        Text {
                            id: insignia
                            anchors.centerIn: parent
                            text: celda.badge
                            color: "white"
                            font.pixelSize: Math.round(14 * Math.max(1, celda.fontSize / 12))
                            font.bold: true
                        }
                    }
                    TapHandler {
                        enabled: celda.selectable
                        onTapped: {
                            Theme.teclado = false
                            grid.actual = celda.index
                            grid.list.click(celda.tileIndex)
                        }
                        onLongPressed: grid.list.showDetail(celda.tileIndex)
                    }
                }
            }
        }
    }

    // The model asks for the focus (after a search, the products take it).
    Connections {
        target: grid.list
        function onFocusRequested() { grid.forceActiveFocus() }
    }
    // A sideways swipe turns the page of paged lists.
    DragHandler {
        target: null
        enabled: !grid.list.scrolling && grid.list.pageCount > 1
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
