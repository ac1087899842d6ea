import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack
import "../components/numberText.js" as NumberText

// What the range import stores: the range text as the solve reads it, under
// its size in combinations. A long range shows its start; the whole text is
// what is stored.
ColumnLayout {
    id: preview

    property ThemePack.Theme theme
    property string rangeText: ""
    property real combos: 0

    readonly property int previewChars: 4000

    // A combination count as the matrix weighs it: whole, or to two decimals.
    function comboCountText(count: real): string {
        return isFinite(count) ? String(Math.round(count * 100) / 100) : "—"
    }

    function previewText(text: string): string {
        return text.length > previewChars ? text.substring(0, previewChars - 1) + "…" : text
    }

    spacing: 6

    Text {
        objectName: "importRangeCombos"
        Layout.fillWidth: true
        text: NumberText.keepFiguresWhole(qsTranslate("ProjectPage", "Range to store (%1 combos):").arg(preview.comboCountText(preview.combos)))
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: ThemeRules.roleColor(preview.theme, "textMuted", "#8B949E")
        wrapMode: Text.Wrap
    }

    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(96, rangePreview.implicitHeight + 12)
        radius: ThemeRules.roleColor(preview.theme, "radiusSm", 8)
        color: ThemeRules.roleColor(preview.theme, "surface2", "#21262D")
        border.width: 1
        border.color: ThemeRules.roleColor(preview.theme, "stroke", "#30363D")
        clip: true

        Flickable {
            id: previewFlick
            anchors.fill: parent
            anchors.margins: 6
            contentWidth: width
            contentHeight: rangePreview.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {
                policy: previewFlick.contentHeight > previewFlick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            Text {
                id: rangePreview
                objectName: "importRangePreview"
                width: previewFlick.width - 10
                text: preview.previewText(preview.rangeText)
                textFormat: Text.PlainText
                wrapMode: Text.WrapAnywhere
                font.pixelSize: 11
                font.family: ThemeRules.roleColor(preview.theme, "fontMono", "monospace")
                color: ThemeRules.roleColor(preview.theme, "text", "#F0F6FC")
            }
        }
    }
}
