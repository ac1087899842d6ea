import QtQuick
import QtQuick.Controls.Basic
import "../theme" as ThemePack

// An on/off switch: a pill track with a round thumb and no label.
Switch {
    id: toggle

    property ThemePack.Theme theme

    implicitWidth: 44
    implicitHeight: 24
    text: ""
    spacing: 0
    padding: 0

    contentItem: Item {
        implicitWidth: 0
        implicitHeight: 0
    }

    indicator: Item {
        readonly property int trackH: 18
        readonly property int thumbD: 14
        readonly property int pad: 3

        x: 0
        y: 0
        implicitWidth: 44
        implicitHeight: 24
        width: toggle.width
        height: toggle.height

        Rectangle {
            objectName: "track"
            anchors.centerIn: parent
            width: parent.implicitWidth
            height: parent.trackH
            radius: height / 2
            color: toggle.checked ? (toggle.theme ? toggle.theme.accent : "#3FB950")
                                  : (toggle.theme ? toggle.theme.surface3 : "#2D333B")
            border.width: 1
            border.color: toggle.checked ? (toggle.theme ? toggle.theme.accentMuted : "#238636")
                                         : (toggle.theme ? toggle.theme.stroke : "#30363D")
            opacity: toggle.enabled ? 1.0 : 0.45
            Behavior on color { ColorAnimation { duration: toggle.theme ? toggle.theme.durationFast : 100 } }
            Behavior on border.color { ColorAnimation { duration: toggle.theme ? toggle.theme.durationFast : 100 } }
            Behavior on opacity { NumberAnimation { duration: toggle.theme ? toggle.theme.durationFast : 100 } }
        }

        Rectangle {
            objectName: "thumb"
            width: parent.thumbD
            height: parent.thumbD
            radius: width / 2
            y: (parent.implicitHeight - parent.thumbD) / 2
            x: toggle.checked ? parent.implicitWidth - parent.pad - parent.thumbD : parent.pad
            color: toggle.theme ? toggle.theme.text : "#F0F6FC"
            border.width: 1
            border.color: toggle.theme ? toggle.theme.strokeLight : "#21262D"
            opacity: toggle.enabled ? 1.0 : 0.6
            Behavior on x {
                NumberAnimation { duration: toggle.theme ? toggle.theme.durationFast : 100; easing.type: Easing.OutCubic }
            }
            Behavior on opacity { NumberAnimation { duration: toggle.theme ? toggle.theme.durationFast : 100 } }
        }

        Rectangle {
            objectName: "focusRing"
            anchors.centerIn: parent
            width: parent.implicitWidth + 6
            height: parent.trackH + 6
            radius: height / 2
            color: "transparent"
            border.width: toggle.activeFocus || toggle.visualFocus ? 2 : 0
            border.color: toggle.theme ? toggle.theme.strokeFocus : "#58A6FF"
            visible: border.width > 0
            opacity: toggle.enabled ? 0.9 : 0
        }
    }
}
