pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import "resultsRules.js" as Rules
import "playRules.js" as PlayRules
import "numberText.js" as NumberText
import "../theme" as ThemePack

// The selected logged hand street by street: each street's card and
// actions, both players' hole cards, and who won what, with the mistake
// that ended the hand.
Rectangle {
    id: details

    required property var page
    // Tallest the panel may grow; the table above keeps the rest.
    property real maximumHeight: 360

    readonly property ThemePack.Theme _theme: page.theme
    readonly property var _d: page.playSelectedDetails || ({})
    readonly property var _entry: page.playSelectedLog || ({})
    readonly property real _evLoss: Number(_entry.evLoss)
    readonly property bool _mistake: isFinite(_evLoss) && _evLoss > 0
    // A hand stopped on a mistake never reached a showdown or a fold.
    readonly property bool _stopped: !!_d.stoppedOnMistake
    // Each column's least width holds the longest run of its texts that may
    // not break (a compact flop, one card, a step, a label with its figure;
    // two mini cards beside a seat name); past that, the room goes first to
    // showing each text on one line, then is shared out. Where even the
    // least widths do not fit, the columns scroll sideways.
    readonly property var _needs: [Math.max(128, flopColumn.needWidth), Math.max(84, turnColumn.needWidth),
                                   Math.max(84, riverColumn.needWidth), Math.ceil(ipLine.implicitWidth) + 20,
                                   summaryCell.needWidth]
    readonly property var _wants: [Math.max(_needs[0], flopColumn.wantWidth), Math.max(_needs[1], turnColumn.wantWidth),
                                   Math.max(_needs[2], riverColumn.wantWidth), _needs[3],
                                   Math.max(_needs[4], summaryCell.wantWidth)]
    readonly property var _shares: [1, 0.8, 0.8, 1, 1.4]
    // The columns' room: the view less the dividers and, while it shows, the
    // vertical scroll bar, so that no text lies under it.
    readonly property real _room: columnsFlick.width - 4 - (verticalBar.visible ? verticalBar.width : 0)
    readonly property real _spare: Math.max(0, _room - _sum(_needs))
    readonly property real _toOneLine: _sum(_wants) - _sum(_needs)
    readonly property real _oneLineShare: _toOneLine > 0 ? Math.min(1, _spare / _toOneLine) : 0
    readonly property real _rest: Math.max(0, _spare - _toOneLine)

    function _sum(list: var): real {
        return list.reduce(function (sum, w) { return sum + w }, 0)
    }

    function _columnWidth(i: int): real {
        return Math.floor(_needs[i] + (_wants[i] - _needs[i]) * _oneLineShare + _rest * _shares[i] / 5)
    }

    // The width a text needs on one line, and its widest part that may not
    // break (words joined by no-break spaces count as one).
    function _lineWidth(metrics: var, text: string): real {
        return Math.ceil(metrics.advanceWidth(text))
    }

    function _wordWidth(metrics: var, text: string): real {
        return text.split(/[ \t\n]+/).reduce(function (widest, word) {
            return Math.max(widest, Math.ceil(metrics.advanceWidth(word)))
        }, 0)
    }

    FontMetrics { id: stepMetrics; font.pixelSize: 11 }
    FontMetrics { id: lineMetrics; font.pixelSize: 12 }
    FontMetrics { id: strongMetrics; font.pixelSize: 12; font.weight: Font.DemiBold }
    FontMetrics { id: actionMetrics; font.pixelSize: 11; font.weight: Font.DemiBold }

    // The columns' height: the tallest column's own.
    readonly property real _columnsHeight: Math.max(flopColumn.implicitHeight, turnColumn.implicitHeight,
                                                    riverColumn.implicitHeight, handsCell.implicitHeight,
                                                    summaryCell.implicitHeight)
    // One height from hand to hand, whatever the hand shown: room for three
    // steps a street and for a mistake's whole summary. The table above, and
    // the buttons on it, then stay where the user's last click found them;
    // a longer hand scrolls inside the panel.
    readonly property real _steadyHeight: Math.max(
        steadyProbe.implicitHeight,
        Math.ceil(strongMetrics.height) + 5 * (10 + Math.ceil(lineMetrics.height)))

    objectName: "playHandDetails"
    visible: page.playSelectedLogIndex >= 0
    implicitHeight: Math.min(maximumHeight, Math.max(120, _steadyHeight + 20))
    radius: _theme ? _theme.radiusMd : 10
    color: _theme ? _theme.surface2 : "#21262D"
    border.width: 1
    border.color: _theme ? _theme.stroke : "#30363D"
    clip: true

    function _chips(v: var): string {
        return Rules.fmtAmt2(v)
    }

    component Header: Text {
        font.pixelSize: 12
        font.weight: Font.DemiBold
        color: details._theme ? details._theme.text : "#F0F6FC"
    }

    component Divider: Rectangle {
        width: 1
        height: details._columnsHeight
        color: details._theme ? details._theme.stroke : "#30363D"
        opacity: 0.9
    }

    component Cell: Item {
        default property alias content: body.data
        property alias spacing: body.spacing
        property int column: 0
        width: details._columnWidth(column)
        implicitHeight: body.implicitHeight
        Column {
            id: body
            x: 10
            width: parent.width - 20
            spacing: 8
        }
    }

    component StreetColumn: Cell {
        id: street
        required property string title
        required property string boardText
        required property var steps
        readonly property var stepTexts: steps.map(function (step) {
            return NumberText.keepFiguresWhole(PlayRules.stepWords(step, details.page._nodeActionNameTranslated))
        })
        // The column's width that shows each step whole, and each on one line.
        readonly property real needWidth: stepTexts.reduce(function (widest, text) {
            return Math.max(widest, details._wordWidth(stepMetrics, text))
        }, 0) + 2 * 6 + 20
        readonly property real wantWidth: stepTexts.reduce(function (widest, text) {
            return Math.max(widest, details._lineWidth(stepMetrics, text))
        }, 0) + 2 * 6 + 20

        Header { text: street.title }
        BoardDisplay {
            theme: details._theme
            boardText: street.boardText
            compact: true
            showStreetLabel: false
        }
        Rectangle {
            width: parent.width
            height: 1
            color: details._theme ? details._theme.strokeLight : "#21262D"
            opacity: 0.8
        }
        Text {
            visible: street.steps.length === 0
            text: "\u2014"
            font.pixelSize: 11
            color: details._theme ? details._theme.textMuted : "#8B949E"
        }
        // The steps take the height they need; the panel scrolls them.
        Column {
            visible: street.steps.length > 0
            width: parent.width
            spacing: 4
            Repeater {
                id: stepRepeater
                model: street.stepTexts
                delegate: Rectangle {
                    id: step
                    objectName: "detailsStep"
                    required property string modelData
                    width: parent.width
                    height: stepText.implicitHeight + 6
                    radius: details._theme ? details._theme.radiusXs : 4
                    color: details._theme ? details._theme.surface3 : "#2D333B"
                    Text {
                        id: stepText
                        x: 6
                        width: parent.width - 12
                        anchors.verticalCenter: parent.verticalCenter
                        text: step.modelData
                        textFormat: Text.PlainText
                        wrapMode: Text.WordWrap
                        font: stepMetrics.font
                        color: details._theme ? details._theme.text : "#F0F6FC"
                    }
                }
            }
        }
    }

    component SeatLine: Row {
        id: seatLine
        required property string label
        required property string cards
        spacing: 8
        Text {
            width: 30
            anchors.verticalCenter: parent.verticalCenter
            text: seatLine.label
            font.pixelSize: 12
            color: details._theme ? details._theme.textMuted : "#8B949E"
        }
        Repeater {
            model: [seatLine.cards.substr(0, 2), seatLine.cards.substr(2, 2)]
            PlayingCard {
                required property string modelData
                theme: details._theme
                mini: true
                rank: modelData.charAt(0)
                suit: modelData.charAt(1)
                hoverable: false
                enableHoverScale: false
            }
        }
    }

    // A street of three one-line steps, never shown: what the steady
    // height is measured on.
    StreetColumn {
        id: steadyProbe
        opacity: 0
        enabled: false
        column: 0
        title: "Flop"
        boardText: "AhKdQc"
        steps: ["OOP: Check", "IP: Check", "OOP: Check"]
    }

    Flickable {
        id: columnsFlick
        objectName: "detailsFlick"
        x: 10
        y: 10
        width: parent.width - 20
        height: parent.height - 20
        contentWidth: columns.width
        contentHeight: columns.height
        clip: true
        // Narrow, the columns scroll sideways; short (the panel holds at most
        // its maximum height), the streets' actions scroll up.
        interactive: contentWidth > width || contentHeight > height
        flickableDirection: Flickable.AutoFlickIfNeeded
        boundsBehavior: Flickable.StopAtBounds
        // Both bars show whenever something lies past the panel's edge, not
        // only while scrolling, so that a cut view says there is more; the
        // sideways one stands under the columns rather than over them.
        bottomMargin: horizontalBar.visible ? horizontalBar.height : 0
        ScrollBar.horizontal: ScrollBar {
            id: horizontalBar
            objectName: "detailsHorizontalBar"
            policy: columnsFlick.contentWidth > columnsFlick.width + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }
        ScrollBar.vertical: ScrollBar {
            id: verticalBar
            objectName: "detailsVerticalBar"
            policy: columnsFlick.contentHeight > columnsFlick.height ? ScrollBar.AlwaysOn
                                                                      : ScrollBar.AlwaysOff
        }

        Row {
            id: columns

            StreetColumn {
                id: flopColumn
                objectName: "detailsFlop"
                column: 0
                title: qsTranslate("ResultsPage", "Flop")
                boardText: String(details._d.flopBoard || "")
                steps: details._d.flopActions || []
            }
            Divider {}
            // Only the street's own card, in its own slot.
            StreetColumn {
                id: turnColumn
                objectName: "detailsTurn"
                column: 1
                title: qsTranslate("ResultsPage", "Turn")
                boardText: details._d.turnCard ? "______" + details._d.turnCard : ""
                steps: details._d.turnActions || []
            }
            Divider {}
            StreetColumn {
                id: riverColumn
                objectName: "detailsRiver"
                column: 2
                title: qsTranslate("ResultsPage", "River")
                boardText: details._d.riverCard ? "________" + details._d.riverCard : ""
                steps: details._d.riverActions || []
            }
            Divider {}
            Cell {
                id: handsCell
                column: 3
                spacing: 10
                Header { text: qsTranslate("ResultsPage", "Hands") }
                SeatLine { id: ipLine; label: qsTranslate("ResultsPage", "IP"); cards: String(details._d.ipText || "") }
                SeatLine { label: qsTranslate("ResultsPage", "OOP"); cards: String(details._d.oopText || "") }
            }
            Divider {}
            Cell {
                id: summaryCell
                objectName: "detailsSummary"
                column: 4
                spacing: 10
                readonly property string headerText: qsTranslate("ResultsPage", "Summary")
                readonly property string winnerText: details._stopped ? qsTranslate("ResultsPage", "Stopped on a mistake")
                                                                      : qsTranslate("ResultsPage", "Winner: %1").arg(details._d.winner || "\u2014")
                readonly property string wonText: details._stopped ? "" : NumberText.keepFiguresWhole(
                                                                         qsTranslate("ResultsPage", "Won: %1   Rake: %2")
                                                                         .arg(details._chips(details._d.wonAmount)).arg(details._chips(details._d.rakeTaken)))
                readonly property string evLostText: details._mistake ? NumberText.keepFiguresWhole(
                                                                            qsTranslate("ResultsPage", "EV lost: %1").arg(NumberText.fixed(details._evLoss, 3)))
                                                                      : ""
                readonly property string incorrectText: details._mistake ? NumberText.keepFiguresWhole(
                                                                               qsTranslate("ResultsPage", "Incorrect: %1").arg(details._entry.mistakeAction ? details.page._nodeActionNameTranslated(details._entry.mistakeAction) : "\u2014"))
                                                                         : ""
                readonly property string correctText: details._mistake && details._entry.correctAction
                                                      ? NumberText.keepFiguresWhole(qsTranslate("ResultsPage", "Correct: %1").arg(details.page._nodeActionNameTranslated(details._entry.correctAction)))
                                                      : ""
                // Each text by the font it is drawn in.
                readonly property var _measured: [[lineMetrics, winnerText], [lineMetrics, wonText], [strongMetrics, evLostText],
                                                  [actionMetrics, incorrectText], [actionMetrics, correctText]]
                readonly property real needWidth: _measured.reduce(function (widest, m) {
                    return Math.max(widest, details._wordWidth(m[0], m[1]))
                }, details._lineWidth(strongMetrics, headerText)) + 20
                readonly property real wantWidth: _measured.reduce(function (widest, m) {
                    return Math.max(widest, details._lineWidth(m[0], m[1]))
                }, details._lineWidth(strongMetrics, headerText)) + 20

                Header { text: summaryCell.headerText }
                Text {
                    objectName: "detailsWinner"
                    width: parent.width
                    text: summaryCell.winnerText
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font: lineMetrics.font
                    color: details._theme ? details._theme.text : "#F0F6FC"
                }
                Text {
                    objectName: "detailsWon"
                    visible: text !== ""
                    width: parent.width
                    text: summaryCell.wonText
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font: lineMetrics.font
                    color: details._theme ? details._theme.textMuted : "#8B949E"
                }
                Text {
                    objectName: "detailsEvLost"
                    visible: text !== ""
                    width: parent.width
                    text: summaryCell.evLostText
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font: strongMetrics.font
                    color: details._theme ? details._theme.danger : "#F85149"
                }
                Text {
                    objectName: "detailsIncorrect"
                    visible: text !== ""
                    width: parent.width
                    text: summaryCell.incorrectText
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font: actionMetrics.font
                    color: details._theme ? details._theme.danger : "#F85149"
                }
                Text {
                    objectName: "detailsCorrect"
                    visible: text !== ""
                    width: parent.width
                    text: summaryCell.correctText
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font: actionMetrics.font
                    color: details._theme ? details._theme.success : "#3FB950"
                }
            }
        }
    }
}

