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
    // Each column's least width holds its content (a compact flop, one
    // card, or the street's widest step on one line; two mini cards beside
    // a seat name; the summary's words); the width past them is shared out.
    // Below that the columns scroll sideways.
    readonly property var _minWidths: [Math.max(128, flopColumn.stepsWidth), Math.max(84, turnColumn.stepsWidth),
                                       Math.max(84, riverColumn.stepsWidth), 130, 150]
    readonly property var _shares: [1, 0.8, 0.8, 1, 1.4]
    readonly property real _spare: Math.max(0, width - 20 - 4
                                                - _minWidths.reduce(function (sum, w) { return sum + w }, 0))

    function _columnWidth(i: int): real {
        return _minWidths[i] + Math.floor(_spare * _shares[i] / 5)
    }

    objectName: "playHandDetails"
    visible: page.playSelectedLogIndex >= 0
    implicitHeight: Math.min(maximumHeight, Math.max(120, columns.implicitHeight + 20))
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
        height: columns.height
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
        // The column's width that shows each step on one line.
        readonly property real stepsWidth: {
            var widest = 0
            // Each box holds its step's text alone.
            for (var i = 0; i < stepRepeater.count; ++i) {
                var box = stepRepeater.itemAt(i)
                if (box)
                    widest = Math.max(widest, box.children[0].implicitWidth)
            }
            return Math.ceil(widest) + 2 * 6 + 20
        }

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
                model: street.steps
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
                        text: NumberText.keepFiguresWhole(PlayRules.stepWords(step.modelData, details.page._nodeActionNameTranslated))
                        textFormat: Text.PlainText
                        wrapMode: Text.WordWrap
                        font.pixelSize: 11
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
        ScrollBar.horizontal: ScrollBar { policy: ScrollBar.AsNeeded }
        // Shown whenever actions lie below the panel's edge, not only while
        // scrolling, so that a cut street says there is more.
        ScrollBar.vertical: ScrollBar {
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
                column: 3
                spacing: 10
                Header { text: qsTranslate("ResultsPage", "Hands") }
                SeatLine { label: qsTranslate("ResultsPage", "IP"); cards: String(details._d.ipText || "") }
                SeatLine { label: qsTranslate("ResultsPage", "OOP"); cards: String(details._d.oopText || "") }
            }
            Divider {}
            Cell {
                objectName: "detailsSummary"
                column: 4
                spacing: 10
                Header { text: qsTranslate("ResultsPage", "Summary") }
                Text {
                    objectName: "detailsWinner"
                    width: parent.width
                    text: details._stopped ? qsTranslate("ResultsPage", "Stopped on a mistake")
                                           : qsTranslate("ResultsPage", "Winner: %1").arg(details._d.winner || "\u2014")
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font.pixelSize: 12
                    color: details._theme ? details._theme.text : "#F0F6FC"
                }
                Text {
                    objectName: "detailsWon"
                    visible: !details._stopped
                    width: parent.width
                    text: NumberText.keepFiguresWhole(qsTranslate("ResultsPage", "Won: %1   Rake: %2")
                                                      .arg(details._chips(details._d.wonAmount)).arg(details._chips(details._d.rakeTaken)))
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font.pixelSize: 12
                    color: details._theme ? details._theme.textMuted : "#8B949E"
                }
                Text {
                    objectName: "detailsEvLost"
                    visible: details._mistake
                    width: parent.width
                    text: qsTranslate("ResultsPage", "EV lost: %1").arg(NumberText.fixed(details._evLoss, 3))
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: details._theme ? details._theme.danger : "#F85149"
                }
                Text {
                    objectName: "detailsIncorrect"
                    visible: details._mistake
                    width: parent.width
                    text: qsTranslate("ResultsPage", "Incorrect: %1").arg(details._entry.mistakeAction ? details.page._nodeActionNameTranslated(details._entry.mistakeAction) : "\u2014")
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    color: details._theme ? details._theme.danger : "#F85149"
                }
                Text {
                    objectName: "detailsCorrect"
                    visible: details._mistake && !!details._entry.correctAction
                    width: parent.width
                    text: qsTranslate("ResultsPage", "Correct: %1").arg(details.page._nodeActionNameTranslated(details._entry.correctAction || ""))
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    color: details._theme ? details._theme.success : "#3FB950"
                }
            }
        }
    }
}

