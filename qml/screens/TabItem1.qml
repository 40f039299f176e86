pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Trazen

// The sign-in screen: logo and welcome, user and password, "INICIAR", the version line.
Item {
    id: pantalla
    required property TTabbedForm form

    Image {
        objectName: "BackgroundImage"
        anchors.fill: parent
        source: "qrc:/Trazen/img/fondo_login.svg"
        fillMode: Image.PreserveAspectCrop
        sourceSize.width: 452
        sourceSize.height: 775
    }

    Flickable {
        objectName: "VertScrollBox1"
        anchors.fill: parent
        contentHeight: columna.implicitHeight + 40
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: columna
            width: Math.min(parent.width - 48, 380)
            x: (parent.width - width) / 2
            y: 28
            spacing: 14

            Rectangle {
                objectName: "LogoCircle"
                Layout.alignment: Qt.AlignHCenter
                width: 116
                height: 116
                radius: 58
                color: "white"
                Image {
                    objectName: "LogoImage"
                    anchors.centerIn: parent
                    width: 88
                    height: 88
                    source: "qrc:/Trazen/img/logo.svg"
                    sourceSize.width: 176
                    sourceSize.height: 176
                }
            }
            // Spaced letters do not wrap: at a large text size the word shrinks to the width.
            Text {
                objectName: "WelcomeLabel"
                Layout.fillWidth: true
                Layout.topMargin: 6
                text: "B I E N V E N I D O S"
                color: "white"
                font.pixelSize: Theme.tam(24)
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 24
            }

            Rectangle {
                objectName: "SignInBackgroundRect"
                Layout.fillWidth: true
                Layout.topMargin: 10
                implicitHeight: panel.implicitHeight + 40
                radius: 5
                color: "#cc14171c"
                border.color: Theme.linea

                ColumnLayout {
                    id: panel
                    anchors.fill: parent
                    anchors.margins: 20
                    spacing: 14
                    TzField {
                        Layout.fillWidth: true
                        control: pantalla.form.control("iUser")
                        placeholderText: "Usuario"
                        nombre: "Usuario"
                        onEnter: pantalla.form.control("iPass").setFocus(true)
                    }
                    TzField {
                        Layout.fillWidth: true
                        control: pantalla.form.control("iPass")
                        placeholderText: "Contraseña"
                        nombre: "Contraseña"
                        echoMode: TextInput.Password
                        onEnter: pantalla.form.control("SignInRectBTN").click()
                    }
                    TzButton {
                        Layout.fillWidth: true
                        Layout.topMargin: 6
                        Layout.preferredHeight: Math.max(50, implicitHeight)
                        control: pantalla.form.control("SignInRectBTN")
                        font.pixelSize: Theme.texto16
                    }
                }
            }

            Text {
                objectName: "LabelVer"
                Layout.alignment: Qt.AlignHCenter
                text: pantalla.form.control("LabelVer").text
                color: Theme.textoSuave
                font.pixelSize: Theme.tam(13)
            }
            Text {
                objectName: "SignupTextBTN"
                Layout.fillWidth: true
                text: "¿No tiene cuenta aun? Contactenos"
                color: "white"
                font.pixelSize: Theme.texto14
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            Item { Layout.preferredHeight: 24 }
            Text {
                objectName: "Label27"
                Layout.alignment: Qt.AlignHCenter
                text: "Todos los derechos reservados"
                color: Theme.textoSuave
                font.pixelSize: Theme.tam(10)
            }
        }
    }
}
