import QtQuick
import QtQuick.Controls.Basic
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack

// The set-up page's input look: surface fill, a 2 px focus border, and a
// dimmed look while disabled.
TextField {
    id: field

    property ThemePack.Theme theme
    property bool mono: false

    font.pixelSize: 12
    font.family: mono && theme ? theme.fontMono : (mono ? "monospace" : font.family)
    color: enabled ? ThemeRules.roleColor(field.theme, "text", "#F0F6FC") : ThemeRules.roleColor(field.theme, "textFaint", "#6E7681")
    placeholderTextColor: ThemeRules.roleColor(field.theme, "textFaint", "#6E7681")
    selectionColor: theme ? theme.withOpacity(theme.accent, 0.35) : "#2F81F7"
    selectedTextColor: ThemeRules.roleColor(field.theme, "text", "#F0F6FC")
    leftPadding: 8
    rightPadding: 8
    topPadding: 6
    bottomPadding: 6
    selectByMouse: true
    hoverEnabled: true

    // A text or a hint too long for the field, shown whole in a tool tip
    // made only while the field is hovered (a text being edited scrolls
    // instead; a text drawn in no colour is shown by something else).
    readonly property real _room: width - leftPadding - rightPadding
    readonly property string wholeHint: text === ""
                                        ? (hintMetrics.advanceWidth > _room ? placeholderText : "")
                                        : (!activeFocus && color.a > 0 && contentWidth > _room ? text : "")

    // Unfocused, the field shows the start of its text: a text set from a
    // project, or left after typing, would else show its end, where the
    // cursor stands.
    function _showStart(): void {
        if (!activeFocus)
            cursorPosition = 0
    }
    onActiveFocusChanged: _showStart()
    onTextChanged: _showStart()
    onWidthChanged: _showStart()

    TextMetrics {
        id: hintMetrics
        font: field.font
        text: field.placeholderText
    }

    Component {
        id: hintTip
        Components.PlainToolTip { delay: 400 }
    }

    Loader {
        active: field.hovered && field.wholeHint !== ""
        sourceComponent: hintTip
        onLoaded: {
            var tip = item as Components.PlainToolTip
            tip.parent = field
            tip.theme = field.theme
            tip.text = field.wholeHint
            tip.visible = true
        }
    }

    background: Rectangle {
        implicitHeight: 30
        radius: ThemeRules.roleColor(field.theme, "radiusSm", 8)
        color: field.enabled ? ThemeRules.roleColor(field.theme, "surface2", "#21262D") : ThemeRules.roleColor(field.theme, "surface3", "#2D333B")
        opacity: field.enabled ? 1.0 : 0.75
        border.width: field.enabled && field.activeFocus ? 2 : 1
        border.color: !field.enabled ? ThemeRules.roleColor(field.theme, "strokeLight", "#21262D")
                    : field.activeFocus ? ThemeRules.roleColor(field.theme, "strokeFocus", "#58A6FF") : ThemeRules.roleColor(field.theme, "stroke", "#30363D")
    }
}
