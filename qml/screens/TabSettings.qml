import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The display settings: pictures on the tiles, font sizes, columns, the saved product
// list and the ready-dish notification. Applied and stored when the screen is left.
Flickable {
    id: pantalla
    property QtObject form
    function ctl(n) { return form ? form.control(n) : null }
    contentHeight: columna.implicitHeight
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    component Titulo: Banda {
        titulo: true
        tamano: 14
        color: "#0e7490"
    }

    ColumnLayout {
        id: columna
        width: pantalla.width
        spacing: 2

        Titulo { etiqueta: "IMAGENES" }
        Banda { etiqueta: "Imagen en las Mesas"; TzSwitch { control: pantalla.ctl("SwitchM") } }
        Banda { etiqueta: "Imagen en las Categorias"; TzSwitch { control: pantalla.ctl("SwitchC") } }
        Banda { etiqueta: "Imagen en los Productos"; TzSwitch { control: pantalla.ctl("SwitchP") } }

        Titulo { etiqueta: "FUENTE" }
        Banda { etiqueta: "Tamaño en los cuadros"; TzSpin { control: pantalla.ctl("Fuente1") } }
        Banda { etiqueta: "Tamaño en los listados"; TzSpin { control: pantalla.ctl("Fuente2") } }

        Titulo { etiqueta: "GRID" }
        Banda { etiqueta: "Columnas en Mesas"; TzSpin { control: pantalla.ctl("Columnas") } }
        Banda { etiqueta: "Columnas en Categorias y S Sub"; TzSpin { control: pantalla.ctl("ColumnasCat") } }
        Banda { etiqueta: "Columnas en Productos"; TzSpin { control: pantalla.ctl("ColumnasPro") } }

        Titulo { etiqueta: "LISTADOS" }
        Banda {
            objectName: "LabelGuardarLista"
            etiqueta: pantalla.ctl("LabelGuardarLista") ? pantalla.ctl("LabelGuardarLista").text : ""
            TzButton { control: pantalla.ctl("Guardar"); implicitWidth: 124 }
        }
        Banda {
            etiqueta: "Eliminar todos los productos"
            TzButton { control: pantalla.ctl("Button2"); implicitWidth: 124; color: Theme.peligro }
        }

        Titulo { etiqueta: "OPCIONES" }
        Banda {
            etiqueta: "Cancelar Notificacion Surtidos"
            TzButton { control: pantalla.ctl("CancelarNotificacionBtn"); implicitWidth: 124 }
        }
        Item { Layout.preferredHeight: 16 }
    }
}
