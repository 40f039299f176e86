pragma ComponentBehavior: Bound
import QtQuick
import Trazen

// The open comandas, grouped by table: a heading with the table, a row per comanda with
// its amount, and the table's total. For reading only.
Item {
    id: pantalla
    required property TTabbedForm form
    readonly property ListaVista lista: form.listaVista("Lista")

    FilasView {
        anchors.fill: parent
        vista: pantalla.lista
        alturaItem: 58
        alturaEncabezado: 40
        nombre: "Lista de Comandas"
        sigueAjustes: true
    }
    Text {
        objectName: "ListaVacia"
        anchors.centerIn: parent
        width: parent.width - 48
        visible: pantalla.lista.count === 0
        text: "No hay comandas abiertas"
        color: Theme.textoSuave
        font.pixelSize: Theme.texto16
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
    }
}
