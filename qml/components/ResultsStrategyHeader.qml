import QtQuick
import QtQuick.Layouts
import "numberText.js" as NumberText
import "solveProgress.js" as SolveStatus
import "../theme" as ThemePack

// The Strategy View header: the path's board, the seat to act, the
// distributions and play switches, and the solve's headline figures.
ColumnLayout {
    id: header
    objectName: "strategyHeader"

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property var _controller: page.controller
    // A narrow view puts the figures on a line of their own, whole. The
    // one-line width is what the five columns take (title, spacer, the two
    // buttons at their widths, the figures) and changes with the language
    // only, never from hand to hand, so the view under the header stays put.
    readonly property real _wideWidth: titleColumn.implicitWidth + distributionsButton.Layout.preferredWidth
                                       + playButton.Layout.preferredWidth + figures.implicitWidth + 4 * lineOne.spacing
    // Judged by the room the page gives, not by the header's own width: in
    // one line the header is at least as wide as that line. The lines change
    // one turn of the event loop after the room does: changed inside the
    // page's own layout pass, they made that pass start over until Qt gave
    // up on it and left the page laid out for the old room.
    readonly property bool _wantsNarrow: (parent ? parent.width : width) < _wideWidth
    property bool _narrow: false
    on_WantsNarrowChanged: narrowTimer.restart()
    Component.onCompleted: _narrow = _wantsNarrow
    Timer {
        id: narrowTimer
        interval: 0
        onTriggered: header._narrow = header._wantsNarrow
    }

    spacing: 8

    function _figure(value, decimals) {
        if (!_controller || !isFinite(value))
            return "—"
        return NumberText.fixed(value, decimals)
    }

    // The first line: the title, the two buttons and, while they fit, the
    // figures; a narrow view moves the figures to the second line.
    RowLayout {
        id: lineOne
        Layout.fillWidth: true
        spacing: 8

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
                // Room for a whole board from the flop on, so that a dealt
                // turn or river moves nothing.
                Item {
                    implicitWidth: Math.max(strategyBoard.implicitWidth, fullBoard.implicitWidth)
                    implicitHeight: strategyBoard.implicitHeight
                    BoardDisplay {
                        id: fullBoard
                        opacity: 0
                        theme: header._theme
                        compact: true
                        boardText: "AsKsQsJsTs"
                    }
                    BoardDisplay {
                        id: strategyBoard
                        objectName: "strategyBoard"
                        anchors.verticalCenter: parent.verticalCenter
                        theme: header._theme
                        compact: true
                        boardText: header.page.playMode ? header.page.playBoardText : header.page.treeBoardText
                    }
                }
                Rectangle {
                    implicitWidth: 1
                    implicitHeight: 30
                    color: header._theme ? header._theme.stroke : "#30363D"
                }
                Rectangle {
                    id: actingPill
                    // No one is to act once a played hand has ended; the pill
                    // keeps its room, wide enough for either seat, so nothing
                    // around it moves.
                    opacity: header.page.playMode && header.page.playHandComplete ? 0 : 1
                    readonly property color tint: header.page.selectedPlayer === "OOP"
                                                  ? (header._theme ? header._theme.actionBet : "#A371F7")
                                                  : (header._theme ? header._theme.info : "#58A6FF")
                    TextMetrics {
                        id: widestActing
                        font: actingText.font
                        text: qsTranslate("ResultsPage", "%1 to act").arg("OOP")
                    }
                    implicitWidth: Math.max(actingText.implicitWidth, Math.ceil(widestActing.advanceWidth)) + 20
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

        Item {
            Layout.fillWidth: true
        }

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
    }

    RowLayout {
        id: lineTwo
        Layout.fillWidth: true
        visible: header._narrow
        spacing: 8
    }

    // The solve's figures: one group, at the end of the first line or, in a
    // narrow view, on the second.
    RowLayout {
        id: figures
        parent: header._narrow ? lineTwo : lineOne
        spacing: 8
        StatCard {
            objectName: "evOopCard"
            theme: header._theme
            compact: true
            minimumTileWidth: 104
            label: qsTranslate("ResultsPage", "EV (OOP)")
            value: header._figure(header._controller ? header._controller.resultEvOop : NaN, 3)
            accentColor: header._theme ? header._theme.success : "#3FB950"
        }
        StatCard {
            objectName: "evIpCard"
            theme: header._theme
            compact: true
            minimumTileWidth: 104
            label: qsTranslate("ResultsPage", "EV (IP)")
            value: header._figure(header._controller ? header._controller.resultEvIp : NaN, 3)
            accentColor: header._theme ? header._theme.info : "#58A6FF"
        }
        StatCard {
            objectName: "exploitabilityCard"
            theme: header._theme
            compact: true
            minimumTileWidth: 104
            label: qsTranslate("ResultsPage", "Exploitability")
            value: header._figure(header._controller ? SolveStatus.finalExploitability(header._controller.resultIterations,
                                                                                         header._controller.resultExploitability)
                                                     : NaN, 4)
            accentColor: header._theme ? header._theme.gold : "#F0B429"
        }
    }
}
