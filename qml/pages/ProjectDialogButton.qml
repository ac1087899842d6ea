import QtQuick
import QtQuick.Controls.Basic

// The buttons of the set-up page's dialogs: "plain", "accent",
// "dangerOutline" or "dangerFill".
Button {
    id: button

    property var theme
    property string look: "plain"
    // Background opacity while disabled; the label then shows at 0.7.
    property real disabledOpacity: look === "plain" ? 1.0 : 0.6

    readonly property bool _filled: look === "accent" || look === "dangerFill"

    function _c(role, fallback) {
        return theme ? theme[role] : fallback
    }

    implicitWidth: 90
    implicitHeight: 32
    padding: 0
    hoverEnabled: true
    font.pixelSize: 12
    font.weight: Font.DemiBold

    contentItem: Text {
        text: button.text
        font: button.font
        color: button._filled ? "white" : button.look === "dangerOutline" ? button._c("danger", "#F85149")
                                                                           : button._c("text", "#F0F6FC")
        opacity: button.enabled || button.disabledOpacity >= 1 ? 1.0 : 0.7
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: button._c("radiusSm", 8)
        opacity: button.enabled ? 1.0 : button.disabledOpacity
        color: {
            if (button.look === "accent")
                return !button.enabled ? button._c("surface3", "#2D333B")
                     : button.down ? button._c("accentMuted", "#238636") : button._c("accent", "#3FB950")
            if (button.look === "dangerFill")
                return button.down ? Qt.darker(button._c("danger", "#F85149"), 1.05) : button._c("danger", "#F85149")
            return button.down ? button._c("surface3", "#2D333B")
                 : button.hovered ? button._c("surfaceHover", "#30363D") : button._c("surface2", "#21262D")
        }
        border.width: 1
        border.color: button._filled ? Qt.rgba(1, 1, 1, 0.10)
                    : button.look === "dangerOutline" && button.enabled ? button._c("danger", "#F85149")
                    : button._c("stroke", "#30363D")
    }
}
