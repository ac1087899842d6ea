pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "resultsRules.js" as Rules
import "../theme" as ThemePack

// Figures of the current node: pot, stack, amount to call, rake, SPR and
// pot odds, in two columns of label and value.
Rectangle {
    id: info

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    // Re-read with the node and with new results.
    readonly property var _meta: page.currentMeta

    implicitWidth: grid.implicitWidth + 24
    implicitHeight: grid.implicitHeight + 20
    radius: _theme ? _theme.radiusSm : 8
    color: _theme ? _theme.surface2 : "#21262D"
    border.color: _theme ? _theme.stroke : "#30363D"

    component Figure: RowLayout {
        property string label
        property string value
        property string name
        spacing: 8
        Text {
            Layout.fillWidth: true
            Layout.minimumWidth: implicitWidth
            text: parent.label
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: info._theme ? info._theme.textMuted : "#8B949E"
            elide: Text.ElideRight
        }
        Text {
            objectName: parent.name
            text: parent.value
            textFormat: Text.PlainText
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: info._theme ? info._theme.text : "#F0F6FC"
        }
    }

    RowLayout {
        id: grid
        anchors.fill: parent
        anchors.margins: 10
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 12

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Figure { Layout.fillWidth: true; name: "potValue"; label: qsTranslate("ResultsPage", "Pot"); value: (info._meta, Rules.fmtAmt2(info.page._potSize())) }
            Figure {
                Layout.fillWidth: true
                name: "stackValue"
                label: qsTranslate("ResultsPage", "Stack (%1)").arg(info.page.selectedPlayer)
                value: (info._meta, Rules.fmtAmt2(info.page._stackRemaining()))
            }
            Figure { Layout.fillWidth: true; name: "toCallValue"; label: qsTranslate("ResultsPage", "To call"); value: (info._meta, Rules.fmtAmt2(info.page._toCallAmount())) }
        }
        Rectangle {
            Layout.fillHeight: true
            implicitWidth: 1
            color: info._theme ? info._theme.stroke : "#30363D"
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Figure { Layout.fillWidth: true; name: "rakeValue"; label: qsTranslate("ResultsPage", "Rake taken"); value: (info._meta, Rules.fmtAmt2(info.page._rakeTaken())) }
            Figure { Layout.fillWidth: true; name: "sprValue"; label: qsTranslate("ResultsPage", "SPR"); value: (info._meta, Rules.fmtAmt2(info.page._spr())) }
            Figure { Layout.fillWidth: true; name: "potOddsValue"; label: qsTranslate("ResultsPage", "Pot odds"); value: (info._meta, Rules.fmtPercent1(info.page._potOdds())) }
        }
    }
}
