import QtQuick
import QtQuick.Layouts
import "numberText.js" as NumberText
import "../theme" as ThemePack

// The Strategy View header: the path's board, the seat to act, the
// distributions and play switches, and the solve's headline figures.
GridLayout {
    id: header

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property var _controller: page.controller
    // A narrow view puts the figures on a line of their own, whole.
    readonly property real _wideWidth: titleColumn.implicitWidth + distributionsButton.implicitWidth
                                       + playButton.implicitWidth + evOopCard.implicitWidth + evIpCard.implicitWidth
                                       + exploitabilityCard.implicitWidth + 6 * columnSpacing + 40
    readonly property bool _narrow: width < _wideWidth

    columns: _narrow ? 4 : 5
    columnSpacing: 12
    rowSpacing: 8

    function _figure(value, decimals) {
        if (!_controller || !isFinite(value))
            return "—"
        return NumberText.fixed(value, decimals)
    }

    ColumnLayout {
        id: titleColumn
        spacing: 6
        Text {
            text: qsTranslate("ResultsPage", "Strategy View")
            textFormat: Text.PlainText
            font.pixelSize: 18
            font.bold: true
            color: header._theme ? header._theme.text : "#F0F6FC"
        }
        RowLayout {
            spacing: 10
            BoardDisplay {
                objectName: "strategyBoard"
                theme: header._theme
                compact: true
                boardText: header.page.playMode ? header.page.playBoardText : header.page.treeBoardText
            }
            Rectangle {
                implicitWidth: 1
                implicitHeight: 30
                color: header._theme ? header._theme.stroke : "#30363D"
            }
            Rectangle {
                id: actingPill
                // No one is to act once a played hand has ended.
                visible: !(header.page.playMode && header.page.playHandComplete)
                readonly property color tint: header.page.selectedPlayer === "OOP"
                                              ? (header._theme ? header._theme.actionBet : "#A371F7")
                                              : (header._theme ? header._theme.info : "#58A6FF")
                implicitWidth: actingText.implicitWidth + 20
                implicitHeight: 26
                radius: 13
                color: Qt.rgba(tint.r, tint.g, tint.b, 0.15)
                border.color: tint
                Text {
                    id: actingText
                    objectName: "actingPill"
                    anchors.centerIn: parent
                    text: qsTranslate("ResultsPage", "%1 to act").arg(header.page.selectedPlayer)
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: actingPill.tint
                }
            }
        }
    }

    Item { Layout.fillWidth: true }

    SecondaryButton {
        id: distributionsButton
        objectName: "distributionsButton"
        theme: header._theme
        Layout.preferredWidth: Math.max(header.page.scaled(140, 110), implicitWidth)
        font.pixelSize: 12
        leftPadding: 8
        rightPadding: 8
        text: qsTranslate("ResultsPage", "Distributions")
        enabled: !!header._controller
        onClicked: header.page.openDistributions()
    }

    SecondaryButton {
        id: playButton
        objectName: "playModeButton"
        theme: header._theme
        Layout.preferredWidth: Math.max(header.page.scaled(140, 110), implicitWidth)
        font.pixelSize: 12
        leftPadding: 8
        rightPadding: 8
        text: header.page.playMode ? qsTranslate("ResultsPage", "Range view") : qsTranslate("ResultsPage", "Play vs solution")
        onClicked: header.page.playMode = !header.page.playMode
    }

    // The solve's figures: one group, on a line of its own when narrow.
    RowLayout {
        Layout.columnSpan: header._narrow ? 4 : 1
        spacing: 12
        StatCard {
            id: evOopCard
            objectName: "evOopCard"
            theme: header._theme
            compact: true
            label: qsTranslate("ResultsPage", "EV (OOP)")
            value: header._figure(header._controller ? header._controller.resultEvOop : NaN, 3)
            accentColor: header._theme ? header._theme.success : "#3FB950"
        }
        StatCard {
            id: evIpCard
            objectName: "evIpCard"
            theme: header._theme
            compact: true
            label: qsTranslate("ResultsPage", "EV (IP)")
            value: header._figure(header._controller ? header._controller.resultEvIp : NaN, 3)
            accentColor: header._theme ? header._theme.info : "#58A6FF"
        }
        StatCard {
            id: exploitabilityCard
            objectName: "exploitabilityCard"
            theme: header._theme
            compact: true
            label: qsTranslate("ResultsPage", "Exploitability")
            // A result without an iteration measured no exploitability.
            value: header._figure(header._controller && header._controller.resultIterations > 0
                                  ? header._controller.resultExploitability : NaN, 4)
            accentColor: header._theme ? header._theme.gold : "#F0B429"
        }
    }
}
