pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "../components/solveProgress.js" as SolveProgress
import "../theme" as ThemePack

// The runs started from the solve page, newest first.
Card {
    id: card

    required property var solvePage
    readonly property ThemePack.Theme _theme: solvePage.theme
    readonly property int _rowCount: solvePage.runHistoryModel.count

    theme: _theme

    function _pillColor(status) {
        if (status === "Running")
            return _theme ? _theme.success : "#3FB950"
        if (status === "Completed")
            return _theme ? _theme.info : "#58A6FF"
        return _theme ? _theme.danger : "#F85149"
    }

    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Icon {
                name: "clock"
                size: 18
                color: card._theme ? card._theme.accent : "#3FB950"
            }

            Text {
                Layout.fillWidth: true
                text: qsTranslate("SolvePage", "Recent Runs")
                textFormat: Text.PlainText
                font.pixelSize: 15
                font.bold: true
                color: card._theme ? card._theme.text : "#F0F6FC"
            }

            SecondaryButton {
                objectName: "clearRunsButton"
                theme: card._theme
                implicitHeight: 30
                font.pixelSize: 12
                text: qsTranslate("SolvePage", "Clear")
                enabled: card._rowCount > 0
                onClicked: card.solvePage.clearRunHistory()
            }
        }

        Text {
            objectName: "noRunsText"
            Layout.fillWidth: true
            visible: card._rowCount === 0
            text: qsTranslate("SolvePage", "No runs yet — click Start Solve to record a run here.")
            textFormat: Text.PlainText
            font.pixelSize: 13
            color: card._theme ? card._theme.textMuted : "#8B949E"
            wrapMode: Text.WordWrap
        }

        ListView {
            id: runList
            objectName: "runList"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(180, 42 + 42 * card._rowCount)
            visible: card._rowCount > 0
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: card.solvePage.runHistoryModel
            ScrollBar.vertical: ScrollBar {}

            // A new run's row comes in at the top: bring it into view.
            Connections {
                target: card.solvePage.runHistoryModel
                function onRowsInserted(parent, first) {
                    if (first === 0)
                        runList.positionViewAtBeginning()
                }
            }

            delegate: Item {
                id: row
                required property int runId
                required property string startedAt
                required property string status
                required property real iterations
                required property real target
                required property real amount
                required property real threads
                width: runList.width
                height: 42
                objectName: "runRow" + runId

                RowLayout {
                    anchors.fill: parent
                    anchors.rightMargin: 8
                    spacing: 12

                    Rectangle {
                        objectName: "runStatusPill"
                        readonly property color tint: card._pillColor(row.status)
                        Layout.preferredWidth: Math.max(84, pillText.implicitWidth + 18)
                        implicitHeight: 22
                        radius: 11
                        color: Qt.rgba(tint.r, tint.g, tint.b, 0.18)
                        border.width: 1
                        border.color: tint

                        Text {
                            id: pillText
                            anchors.centerIn: parent
                            text: SolveProgress.runStateWord(row.status)
                            textFormat: Text.PlainText
                            font.pixelSize: 11
                            font.weight: Font.DemiBold
                            color: parent.tint
                        }
                    }

                    Text {
                        text: row.startedAt
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        font.family: card._theme ? card._theme.fontMono : "monospace"
                        color: card._theme ? card._theme.textMuted : "#8B949E"
                    }

                    Text {
                        objectName: "runSummary"
                        Layout.fillWidth: true
                        text: card.solvePage._runSummary(row)
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        color: card._theme ? card._theme.text : "#F0F6FC"
                        elide: Text.ElideRight
                        maximumLineCount: 1
                    }
                }

                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: card._theme ? card._theme.strokeLight : "#21262D"
                }
            }
        }
    }
}
