pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "resultsRules.js" as Rules
import "../theme" as ThemePack

// Figures of the current node: pot, stack, amount to call, rake, SPR and
// pot odds, in two columns of label and value.
Rectangle {
    id: info
    objectName: "nodeInfo"

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    // Re-read with the node and with new results.
    readonly property var _meta: page.currentMeta

    // Two columns of figures side by side where they fit whole, else one
    // under the other. The box asks for the two-column width whatever it
    // shows, so the choice never feeds back into the room it is given.
    readonly property real _twoColumnWidth: leftColumn.implicitWidth + rightColumn.implicitWidth + 1 + 2 * grid.columnSpacing + 24
    readonly property bool _twoColumns: width >= _twoColumnWidth
    implicitWidth: _twoColumnWidth
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

    GridLayout {
        id: grid
        anchors.fill: parent
        anchors.margins: 10
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        columns: info._twoColumns ? 3 : 1
        columnSpacing: 12
        rowSpacing: 4

        ColumnLayout {
            id: leftColumn
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
            visible: info._twoColumns
            Layout.fillHeight: true
            implicitWidth: 1
            color: info._theme ? info._theme.stroke : "#30363D"
        }
        ColumnLayout {
            id: rightColumn
            Layout.fillWidth: true
            spacing: 4
            Figure { Layout.fillWidth: true; name: "rakeValue"; label: qsTranslate("ResultsPage", "Rake taken"); value: (info._meta, Rules.fmtAmt2(info.page._rakeTaken())) }
            Figure { Layout.fillWidth: true; name: "sprValue"; label: qsTranslate("ResultsPage", "SPR"); value: (info._meta, Rules.fmtAmt2(info.page._spr())) }
            Figure { Layout.fillWidth: true; name: "potOddsValue"; label: qsTranslate("ResultsPage", "Pot odds"); value: (info._meta, Rules.fmtPercent1(info.page._potOdds())) }
        }
    }
}
