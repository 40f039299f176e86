pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Trazen

// The header bar: the title across it, the drawer button at the left (hidden) and
// back, OK, comanda and refresh at the right, each shown as the model says. At a large
// text size a long title takes a second line and the bar grows with it.
Rectangle {
    id: barra
    required property TTabbedForm form
    signal abrirMenu()
    objectName: "HeaderToolBar"
    height: Math.max(Theme.alturaEncabezado, titulo.contentHeight + 8)
    color: Theme.encabezado
    Accessible.role: Accessible.ToolBar
    Accessible.name: titulo.text

    component BotonIcono: ToolButton {
        id: botonIcono
        required property TzControl control
        property string icono
        property string nombre
        objectName: control.name
        Accessible.role: Accessible.Button
        Accessible.name: nombre
        Keys.onReturnPressed: botonIcono.clicked()
        Keys.onEnterPressed: botonIcono.clicked()
        visible: control.visible
        enabled: control.enabled
        width: 48
        height: 48
        onClicked: control.click()
        background: Rectangle {
            radius: 6
            color: botonIcono.down ? Theme.superficieAlta : "transparent"
            border.width: botonIcono.visualFocus ? 3 : 0
            border.color: Theme.foco
        }
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
        id: titulo
        objectName: "ToolBarLabel"
        anchors.fill: parent
        anchors.leftMargin: 56
        anchors.rightMargin: derecha.width + 8
        text: barra.form.control("ToolBarLabel").text
        color: Theme.texto
        font.pixelSize: Theme.tam(17)
        font.bold: true
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }

    BotonIcono {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        control: barra.form.control("MenuBtn")
        icono: "ic_menu"
        nombre: "Menú"
    }

    Row {
        id: derecha
        anchors.right: parent.right
        height: parent.height
        BotonIcono { anchors.verticalCenter: parent.verticalCenter; control: barra.form.control("RefreshBtn"); icono: "ic_refrescar"; nombre: "Actualizar" }
        BotonIcono { anchors.verticalCenter: parent.verticalCenter; control: barra.form.control("ComandaBtn"); icono: "ic_comanda"; nombre: "Comanda" }
        BotonIcono { anchors.verticalCenter: parent.verticalCenter; control: barra.form.control("OKBtn"); icono: "ic_ok"; nombre: "Aceptar" }
        // The back button sits in its holder, 56 wide.
        Item {
            width: 56
            height: 48
            anchors.verticalCenter: parent.verticalCenter
            visible: barra.form.control("BackBtn").visible
            BotonIcono {
                anchors.centerIn: parent
                objectName: "BackBtn2"
                control: barra.form.control("BackBtn")
                icono: "ic_atras"
                nombre: "Regresar"
            }
        }
    }

    // Holding the header opens the side drawer.
    TapHandler {
        onLongPressed: barra.abrirMenu()
    }
}
