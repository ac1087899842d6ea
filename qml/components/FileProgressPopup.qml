import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import "../theme" as ThemePack

// Shown while a project file is written or read: what is happening, how far
// it is, and (for a save) a way to stop it, which keeps the old file.
Popup {
    id: popup

    property ThemePack.Theme theme
    property string title: ""
    property real progress: 0
    property bool cancellable: false

    signal cancelRequested()

    modal: true
    closePolicy: Popup.NoAutoClose
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.max(280, Math.min(420, (parent ? parent.width : 420) - 48))
    padding: 20

    background: Rectangle {
        radius: popup.theme ? popup.theme.radiusMd : 12
        color: popup.theme ? popup.theme.surface : "#1C2128"
        border.width: 1
        border.color: popup.theme ? popup.theme.stroke : "#30363D"
    }

    contentItem: Column {
        spacing: 14

        Text {
            objectName: "fileProgressTitle"
            width: parent.width
            text: popup.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 15
            font.bold: true
            color: popup.theme ? popup.theme.text : "#F0F6FC"
        }

        Rectangle {
            objectName: "fileProgressTrack"
            width: parent.width
            height: 6
            radius: 3
            color: popup.theme ? popup.theme.stroke : "#30363D"

            Rectangle {
                objectName: "fileProgressBar"
                width: parent.width * Math.max(0, Math.min(1, popup.progress))
                height: parent.height
                radius: parent.radius
                color: popup.theme ? popup.theme.accent : "#2EA043"
            }
        }

        Item {
            width: parent.width
            height: popup.cancellable ? 36 : 20

            Text {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                text: Math.round(Math.max(0, Math.min(1, popup.progress)) * 100) + "%"
                textFormat: Text.PlainText
                font.pixelSize: 12
                color: popup.theme ? popup.theme.textMuted : "#8B949E"
            }

            SecondaryButton {
                objectName: "fileProgressCancelButton"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                theme: popup.theme
                visible: popup.cancellable
                width: Math.max(90, implicitWidth)
                text: qsTr("Cancel")
                onClicked: popup.cancelRequested()
            }
        }
    }
}
