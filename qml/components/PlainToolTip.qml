import QtQuick
import QtQuick.Controls.Basic
import "../theme" as ThemePack
import "numberText.js" as NumberText

// A tool tip in the theme's colours whose text is shown as written (several
// lines allowed), never as markup.
ToolTip {
    id: tip

    property ThemePack.Theme theme
    // Wider texts wrap at this width rather than run off the window.
    property real maximumWidth: 480

    width: Math.min(implicitWidth, maximumWidth)

    contentItem: Text {
        text: NumberText.keepFiguresWhole(tip.text)
        textFormat: Text.PlainText
        font.pixelSize: 11
        lineHeight: 1.2
        wrapMode: Text.Wrap
        color: tip.theme ? tip.theme.text : "#F0F6FC"
    }

    background: Rectangle {
        radius: 6
        color: tip.theme ? tip.theme.surface : "#1C2128"
        border.width: 1
        border.color: tip.theme ? tip.theme.stroke : "#30363D"
    }

    // The tip lives in the window's overlay: it goes when the item it
    // speaks of is no longer shown (its page left, its panel hidden).
    Connections {
        target: tip.parent
        ignoreUnknownSignals: true
        function onVisibleChanged() {
            if (tip.parent && !tip.parent.visible)
                tip.close()
        }
    }
}
