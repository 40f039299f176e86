import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// The header bar: the title across it, the drawer button at the left (hidden) and
// back, OK, comanda and refresh at the right, each shown as the model says.
Rectangle {
    id: barra
    property QtObject form
    signal abrirMenu()
    objectName: "HeaderToolBar"
    height: Theme.alturaEncabezado
    color: Theme.encabezado

    function ctl(n) { return form.control(n) }

    component BotonIcono: ToolButton {
        id: botonIcono
        property QtObject control
        property string icono
        objectName: control ? control.name : ""
        visible: control ? control.visible : false
        enabled: control ? control.enabled : true
        width: 48
        height: 48
        onClicked: control.pulsar()
        contentItem: Item {
            Image {
                anchors.centerIn: parent
                width: 26
                height: 26
                source: "qrc:/Trazen/img/" + botonIcono.icono + ".svg"
                sourceSize.width: 52
                sourceSize.height: 52
            }
        }
    }

    Text {
        objectName: "ToolBarLabel"
        anchors.fill: parent
        anchors.leftMargin: 56
        anchors.rightMargin: derecha.width + 8
        text: barra.ctl("ToolBarLabel").text
        color: Theme.texto
        font.pixelSize: 17
        font.bold: true
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    BotonIcono {
        anchors.left: parent.left
        control: barra.ctl("MenuBtn")
        icono: "ic_menu"
    }

    Row {
        id: derecha
        anchors.right: parent.right
        height: parent.height
        BotonIcono { control: barra.ctl("RefreshBtn"); icono: "ic_refrescar" }
        BotonIcono { control: barra.ctl("ComandaBtn"); icono: "ic_comanda" }
        BotonIcono { control: barra.ctl("OKBtn"); icono: "ic_ok" }
        // The back button sits in its holder, 56 wide.
        Item {
            width: 56
            height: 48
            visible: barra.ctl("BackBtn").visible
            BotonIcono {
                anchors.centerIn: parent
                objectName: "BackBtn2"
                control: barra.ctl("BackBtn")
                icono: "ic_atras"
            }
        }
    }

    // Holding the header opens the side drawer.
    TapHandler {
        onLongPressed: barra.abrirMenu()
    }
}
