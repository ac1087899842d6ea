pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../components"
import "solveProgress.js" as Progress
import "../components/boardText.js" as BoardText
import "../theme" as ThemePack
import "../components/numberText.js" as NumberText

// The solve page's left card: what will be solved (board, stakes, target,
// rake, bet sizes, options) and the start, cancel and results buttons.
Card {
    id: card

    required property var solvePage
    readonly property ThemePack.Theme _theme: solvePage.theme

    theme: _theme

    // The options stand beside the figures on a wide card, under them on a
    // narrow one. The arrangement follows the width one turn of the event
    // loop later: changed inside the page's layout pass, it left the board
    // laid out at no size, over the figures.
    readonly property bool _wantsOptionsBeside: width >= 500
    property bool _optionsBeside: false
    on_WantsOptionsBesideChanged: optionsPlacement.restart()
    Component.onCompleted: _optionsBeside = _wantsOptionsBeside
    Timer {
        id: optionsPlacement
        interval: 0
        onTriggered: card._optionsBeside = card._wantsOptionsBeside
    }

    function _sizes(text) {
        var t = String(text === undefined || text === null ? "" : text).trim()
        return t === "" ? "—" : t
    }

    // One line per street the solve plays: each seat's bets and raises.
    function _sizeLines() {
        var streets = ["flop", "turn", "river"]
        var first = Math.max(0, streets.indexOf(String(solvePage.startingStreet).toLowerCase()))
        var lines = []
        for (var i = first; i < streets.length; ++i) {
            var s = streets[i].charAt(0).toUpperCase() + streets[i].slice(1)
            lines.push(qsTranslate("SolvePage", "%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5")
                       .arg(BoardText.streetWord(streets[i]))
                       .arg(_sizes(solvePage["oop" + s + "BetSizesText"])).arg(_sizes(solvePage["oop" + s + "RaiseSizesText"]))
                       .arg(_sizes(solvePage["ip" + s + "BetSizesText"])).arg(_sizes(solvePage["ip" + s + "RaiseSizesText"])))
        }
        return lines.join("\n")
    }

    // The stakes as the start sends them: in ICM the pot, the smaller seat
    // stack as the effective stack and both seat stacks, and no rake.
    readonly property var _cfg: solvePage._solveConfig()
    readonly property var _rows: {
        var icm = _cfg.utility_model === "icm"
        var rows = [
            { label: qsTranslate("SolvePage", "Street"), value: BoardText.streetWord(solvePage.startingStreet).toLocaleUpperCase() },
            { label: qsTranslate("SolvePage", "Pot / Stack"), value: "%1 / %2".arg(Progress.shortText(_cfg.starting_pot))
                                                           .arg(Progress.shortText(_cfg.effective_stack)) }
        ]
        if (icm)
            rows.push({ label: qsTranslate("SolvePage", "Stacks"), value: qsTranslate("SolvePage", "OOP %1 · IP %2")
                                                                      .arg(Progress.shortText(_cfg.oop_stack))
                                                                      .arg(Progress.shortText(_cfg.ip_stack)) })
        rows.push({ label: qsTranslate("SolvePage", "Target"), value: "%1% (= %2)".arg(Progress.shortText(solvePage.targetExploitability))
                                                                 .arg(Progress.fixed2(solvePage.targetExploitabilityAmount())) })
        rows.push({ label: qsTranslate("SolvePage", "Rake"),
                    value: icm ? qsTranslate("ProjectPage", "none (ICM)")
                                : qsTranslate("SolvePage", "%1% (cap %2)").arg(Progress.shortText(solvePage.rakePercent))
                                                                         .arg(Progress.shortText(solvePage.rakeCap)) })
        rows.push({ label: qsTranslate("SolvePage", "Bet sizes"), value: _sizeLines() })
        return rows
    }
    readonly property var _optionLines: solvePage._enabledOptionLines()

    component CardTitle: Text {
        property ThemePack.Theme theme
        textFormat: Text.PlainText
        font.pixelSize: 15
        font.bold: true
        color: theme ? theme.text : "#F0F6FC"
    }

    ColumnLayout {
        width: parent.width
        spacing: 12

        CardTitle { theme: card._theme; text: qsTranslate("SolvePage", "Configuration") }

        BoardDisplay {
            objectName: "solveBoard"
            Layout.alignment: Qt.AlignHCenter
            theme: card._theme
            boardText: card.solvePage.boardText
            compact: true
            cardScale: 1.8
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: card._theme ? card._theme.stroke : "#30363D"
        }

        GridLayout {
            Layout.fillWidth: true
            columns: card._optionsBeside ? 2 : 1
            columnSpacing: 12
            rowSpacing: 12

            GridLayout {
                objectName: "configSummary"
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                columns: 2
                columnSpacing: 12
                rowSpacing: 6

                Repeater {
                    model: card._rows.length * 2

                    Text {
                        required property int index
                        readonly property bool isLabel: index % 2 === 0
                        readonly property var row: card._rows[Math.floor(index / 2)]
                        Layout.fillWidth: !isLabel
                        Layout.minimumWidth: isLabel ? implicitWidth : 0
                        // Values wrap in the width they get, never cut.
                        Layout.alignment: Qt.AlignTop
                        text: isLabel ? row.label : NumberText.keepFiguresWhole(row.value)
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        font.weight: isLabel ? Font.Normal : Font.DemiBold
                        color: isLabel ? (card._theme ? card._theme.textMuted : "#8B949E")
                                       : (card._theme ? card._theme.text : "#F0F6FC")
                        wrapMode: isLabel ? Text.NoWrap : Text.Wrap
                    }
                }
            }

            Rectangle {
                objectName: "optionsPanel"
                readonly property bool beside: parent.columns > 1
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: !beside
                Layout.preferredWidth: beside ? Math.max(150, optionsColumn.implicitWidth + 20) : -1
                Layout.maximumWidth: beside ? 220 : 100000
                implicitHeight: optionsColumn.implicitHeight + 20
                radius: card._theme ? card._theme.radiusSm : 8
                color: card._theme ? card._theme.surface2 : "#21262D"
                border.width: 1
                border.color: card._theme ? card._theme.stroke : "#30363D"

                Column {
                    id: optionsColumn
                    x: 10
                    y: 10
                    width: parent.width - 20
                    spacing: 4

                    Text {
                        text: qsTranslate("SolvePage", "Options enabled")
                        textFormat: Text.PlainText
                        font.pixelSize: 11
                        font.weight: Font.DemiBold
                        color: card._theme ? card._theme.textMuted : "#8B949E"
                    }

                    Repeater {
                        model: card._optionLines.length > 0 ? card._optionLines : [qsTranslate("SolvePage", "None")]

                        Text {
                            required property string modelData
                            objectName: "optionLine"
                            width: optionsColumn.width
                            text: card._optionLines.length > 0 ? "• " + NumberText.keepFiguresWhole(modelData) : modelData
                            textFormat: Text.PlainText
                            font.pixelSize: 12
                            color: card._theme ? card._theme.text : "#F0F6FC"
                            wrapMode: Text.WordWrap
                        }
                    }
                }
            }
        }

        CardTitle { Layout.topMargin: 8; theme: card._theme; text: qsTranslate("SolvePage", "Controls") }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            PrimaryButton {
                objectName: "startSolveButton"
                Layout.fillWidth: true
                theme: card._theme
                text: card.solvePage._running ? qsTranslate("SolvePage", "Solving...") : qsTranslate("SolvePage", "Start Solve")
                iconText: card.solvePage._running ? "" : "▶"
                // Only until the ring has a figure: a spinner that turns all
                // through the solve redraws the window for nothing.
                loading: card.solvePage.progressWheelSpinning
                enabled: !!card.solvePage.controller && !card.solvePage._running && card.solvePage.canSolve
                onClicked: card.solvePage.startSolveFromPage()
            }

            SecondaryButton {
                objectName: "cancelSolveButton"
                theme: card._theme
                text: qsTranslate("SolvePage", "Cancel")
                iconName: "stop"
                enabled: card.solvePage._running
                danger: enabled
                onClicked: card.solvePage.cancelSolveFromPage()
            }
        }

        PrimaryButton {
            objectName: "viewResultsButton"
            Layout.fillWidth: true
            theme: card._theme
            text: qsTranslate("SolvePage", "View Results →")
            iconName: "trend-up"
            enabled: card.solvePage.runComplete
            onClicked: card.solvePage.viewResults()
        }
    }
}
