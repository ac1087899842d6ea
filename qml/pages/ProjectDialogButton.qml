import QtQuick
import QtQuick.Controls.Basic
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack

// The buttons of the set-up page's dialogs: "plain", "accent",
// "dangerOutline" or "dangerFill".
Button {
    id: button

    property ThemePack.Theme theme
    property string look: "plain"
    // Background opacity while disabled. A disabled button of any look has
    // the plain grey face and a faded grey label, so it never reads as a
    // live action.
    property real disabledOpacity: look === "plain" ? 1.0 : 0.6
    // Below the font's size, the smallest the label may shrink to so that it
    // shows whole in a narrow button; at the font's size it never shrinks.
    property int minimumPixelSize: font.pixelSize

    readonly property bool _filled: look === "accent" || look === "dangerFill"

    implicitWidth: 90
    implicitHeight: 32
    padding: 0
    hoverEnabled: true
    font.pixelSize: 12
    font.weight: Font.DemiBold

    contentItem: Text {
        text: button.text
        font: button.font
        color: !button.enabled ? ThemeRules.roleColor(button.theme, "textMuted", "#8B949E")
             : button._filled ? "white"
             : button.look === "dangerOutline" ? ThemeRules.roleColor(button.theme, "danger", "#F85149")
             : ThemeRules.roleColor(button.theme, "text", "#F0F6FC")
        opacity: button.enabled ? 1.0 : 0.5
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: button.minimumPixelSize < button.font.pixelSize ? Text.HorizontalFit : Text.FixedSize
        minimumPixelSize: button.minimumPixelSize
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: ThemeRules.roleColor(button.theme, "radiusSm", 8)
        opacity: button.enabled ? 1.0 : button.disabledOpacity
        color: {
            if (!button.enabled)
                return ThemeRules.roleColor(button.theme, "surface2", "#21262D")
            if (button.look === "accent")
                return button.down ? ThemeRules.roleColor(button.theme, "accentMuted", "#238636") : ThemeRules.roleColor(button.theme, "accent", "#3FB950")
            if (button.look === "dangerFill")
                return button.down ? Qt.darker(ThemeRules.roleColor(button.theme, "danger", "#F85149"), 1.05) : ThemeRules.roleColor(button.theme, "danger", "#F85149")
            return button.down ? ThemeRules.roleColor(button.theme, "surface3", "#2D333B")
                 : button.hovered ? ThemeRules.roleColor(button.theme, "surfaceHover", "#30363D") : ThemeRules.roleColor(button.theme, "surface2", "#21262D")
        }
        border.width: 1
        border.color: !button.enabled ? ThemeRules.roleColor(button.theme, "stroke", "#30363D")
                    : button._filled ? Qt.rgba(1, 1, 1, 0.10)
                    : button.look === "dangerOutline" && button.enabled ? ThemeRules.roleColor(button.theme, "danger", "#F85149")
                    : ThemeRules.roleColor(button.theme, "stroke", "#30363D")
    }
}
