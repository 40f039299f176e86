import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Trazen

// The sign-in screen: logo and welcome, user and password, "INICIAR", the version line.
Item {
    id: pantalla
    property QtObject form
    function ctl(n) { return form ? form.control(n) : null }

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
            Text {
                objectName: "WelcomeLabel"
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 6
                text: "B I E N V E N I D O S"
                color: "white"
                font.pixelSize: 24
                font.bold: true
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
                        control: pantalla.ctl("iUser")
                        placeholderText: "Usuario"
                        onEnter: pantalla.ctl("iPass") && pantalla.ctl("iPass").enfocar(true)
                    }
                    TzField {
                        Layout.fillWidth: true
                        control: pantalla.ctl("iPass")
                        placeholderText: "Contraseña"
                        echoMode: TextInput.Password
                        onEnter: pantalla.ctl("SignInRectBTN").pulsar()
                    }
                    Rectangle {
                        objectName: "SignInRectBTN"
                        Layout.fillWidth: true
                        Layout.topMargin: 6
                        implicitHeight: 50
                        radius: 5
                        color: toque.pressed ? Qt.darker("coral", 1.2) : "coral"
                        Text {
                            objectName: "SignInText"
                            anchors.centerIn: parent
                            text: "INICIAR"
                            color: "white"
                            font.pixelSize: 16
                            font.bold: true
                        }
                        TapHandler {
                            id: toque
                            onTapped: pantalla.ctl("SignInRectBTN").pulsar()
                        }
                    }
                }
            }

            Text {
                objectName: "LabelVer"
                Layout.alignment: Qt.AlignHCenter
                text: pantalla.ctl("LabelVer") ? pantalla.ctl("LabelVer").text : ""
                color: Theme.textoSuave
                font.pixelSize: 13
            }
            Text {
                objectName: "SignupTextBTN"
                Layout.alignment: Qt.AlignHCenter
                text: "¿No tiene cuenta aun? Contactenos"
                color: "white"
                font.pixelSize: 14
            }
            Item { Layout.preferredHeight: 24 }
            Text {
                objectName: "Label27"
                Layout.alignment: Qt.AlignHCenter
                text: "Todos los derechos reservados"
                color: Theme.textoSuave
                font.pixelSize: 10
            }
        }
    }
}
