import QtQuick
import QtQuick.Controls.Basic
import "../theme" as ThemePack

// The outlined action. With `selected` it is the chosen option of a row of
// option buttons, with `danger` a destructive action.
Button {
    id: button

    property ThemePack.Theme theme
    property string iconText: ""
    property string iconName: ""
    property bool danger: false
    property bool selected: false

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
        font: button.font
        contentColor: button.danger ? (button.theme ? button.theme.danger : "#F85149")
                                    : (button.theme ? button.theme.text : "#F0F6FC")
        contentOpacity: button.enabled ? 1.0 : 0.5
    }

    background: Rectangle {
        implicitHeight: 40
        radius: button.theme ? button.theme.radiusSm : 8
        color: button.down ? (button.theme ? button.theme.surface3 : "#2D333B")
             : button.selected ? (button.theme ? button.theme.surface2 : "#21262D")
             : button.hovered ? (button.theme ? button.theme.surfaceHover : "#30363D")
             : (button.theme ? button.theme.surface : "#1C2128")
        border.color: button.danger ? (button.theme ? button.theme.danger : "#F85149")
                    : button.selected || button.hovered ? (button.theme ? button.theme.strokeFocus : "#58A6FF")
                    : (button.theme ? button.theme.stroke : "#30363D")
        border.width: button.selected ? 2 : 1
        Behavior on color { ColorAnimation { duration: 100 } }
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }
}
