import QtQuick
import QtQuick.Controls.Basic
import "../theme" as ThemePack

// The accent-filled main action of a panel, with an optional busy spinner.
Button {
    id: button

    property ThemePack.Theme theme
    property bool loading: false
    property string iconText: ""
    property string iconName: ""
    // Disabled, the label fades to grey on the grey face, as a secondary
    // button's does: a white label there reads as a live action.
    readonly property color _contentColor: enabled ? "white" : (theme ? theme.textMuted : "#8B949E")

    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property color _accentMuted: theme ? theme.accentMuted : "#238636"

    font.pixelSize: 14
    font.weight: Font.DemiBold
    horizontalPadding: 16
    hoverEnabled: true

    scale: hovered && enabled ? 1.02 : 1.0
    Behavior on scale { NumberAnimation { duration: 100; easing.type: Easing.OutCubic } }

    contentItem: ButtonContent {
        theme: button.theme
        text: button.text
        iconName: button.iconName
        iconText: button.iconText
        loading: button.loading
        font: button.font
        contentColor: button._contentColor
        contentOpacity: button.enabled ? 1.0 : 0.5
    }

    background: Rectangle {
        implicitHeight: 40
        radius: button.theme ? button.theme.radiusSm : 8
        gradient: Gradient {
            GradientStop {
                position: 0
                color: !button.enabled ? (button.theme ? button.theme.surface3 : "#2D333B")
                     : button.down ? Qt.darker(button._accent, 1.1)
                     : button.hovered ? Qt.lighter(button._accent, 1.1)
                     : button._accent
            }
            GradientStop {
                position: 1
                color: !button.enabled ? (button.theme ? button.theme.surface2 : "#21262D")
                     : button.down ? Qt.darker(button._accentMuted, 1.1)
                     : button._accentMuted
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: "transparent"
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.1)
        }
    }
}
