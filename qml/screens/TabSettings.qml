pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The display settings: pictures on the tiles, font sizes, columns, the saved product
// list and the ready-dish notification. Applied and stored when the screen is left.
Flickable {
    id: pantalla
    required property TTabbedForm form
    contentHeight: columna.implicitHeight
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    component Titulo: Banda {
        titulo: true
        tamano: Theme.texto14
        color: "#0e7490"
    }

    ColumnLayout {
        id: columna
        width: pantalla.width
        spacing: 2

        Titulo { etiqueta: "IMAGENES" }
        Banda { id: bandaM; etiqueta: "Imagen en las Mesas"; TzSwitch { control: pantalla.form.control("SwitchM"); nombre: bandaM.etiqueta } }
        Banda { id: bandaC; etiqueta: "Imagen en las Categorias"; TzSwitch { control: pantalla.form.control("SwitchC"); nombre: bandaC.etiqueta } }
        Banda { id: bandaP; etiqueta: "Imagen en los Productos"; TzSwitch { control: pantalla.form.control("SwitchP"); nombre: bandaP.etiqueta } }

        Titulo { etiqueta: "FUENTE" }
        Banda { id: f1; etiqueta: "Tamaño en los cuadros"; TzSpin { control: pantalla.form.control("Fuente1"); nombre: f1.etiqueta } }
        Banda { id: f2; etiqueta: "Tamaño en los listados"; TzSpin { control: pantalla.form.control("Fuente2"); nombre: f2.etiqueta } }

        Titulo { etiqueta: "GRID" }
        Banda { id: c1; etiqueta: "Columnas en Mesas"; TzSpin { control: pantalla.form.control("Columnas"); nombre: c1.etiqueta } }
        Banda { id: c2; etiqueta: "Columnas en Categorias y S Sub"; TzSpin { control: pantalla.form.control("ColumnasCat"); nombre: c2.etiqueta } }
        Banda { id: c3; etiqueta: "Columnas en Productos"; TzSpin { control: pantalla.form.control("ColumnasPro"); nombre: c3.etiqueta } }

        Titulo { etiqueta: "LISTADOS" }
        Banda {
            objectName: "LabelGuardarLista"
            etiqueta: pantalla.form.control("LabelGuardarLista").text
            TzButton { control: pantalla.form.control("Guardar"); Layout.preferredWidth: Math.max(124, implicitWidth) }
        }
        Banda {
            etiqueta: "Eliminar todos los productos"
            TzButton { control: pantalla.form.control("Button2"); Layout.preferredWidth: Math.max(124, implicitWidth); color: Theme.peligro }
        }

        Titulo { etiqueta: "OPCIONES" }
        Banda {
            etiqueta: "Cancelar Notificacion Surtidos"
            TzButton { control: pantalla.form.control("CancelarNotificacionBtn"); Layout.preferredWidth: Math.max(124, implicitWidth) }
        }
        Item { Layout.preferredHeight: 16 }
    }
}
