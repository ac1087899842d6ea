import QtQuick
import QtQuick.Layouts
import "../components"
import "solveProgress.js" as Progress
import "../theme" as ThemePack

// The live display of a solve: ring, status line, the ten-iteration window
// bar and the four metric tiles.
Card {
    id: card

    required property var solvePage
    readonly property ThemePack.Theme _theme: solvePage.theme
    readonly property bool _running: solvePage._running

    readonly property string speedText: Progress.speedText(solvePage.iterationsPerSec)
    readonly property string remainingUnit: solvePage.remainingBasis === "target" ? qsTranslate("SolvePage", "to target")
                                          : solvePage.remainingBasis === "limit" ? qsTranslate("SolvePage", "to limit")
                                          : ""
    readonly property string exploitabilityText: isFinite(solvePage.currentExploitabilityValue)
                                                 ? Progress.fixed2(solvePage.currentExploitabilityValue)
                                                 : (_running ? qsTranslate("SolvePage", "Measuring...") : "—")
    readonly property real _windowShown: _running ? solvePage.iterationWindowValue : 0

    theme: _theme

    ColumnLayout {
        width: parent.width
        spacing: 16

        RowLayout {
            spacing: 8

            Icon {
                name: "chart"
                size: 18
                color: card._theme ? card._theme.accent : "#3FB950"
            }

            Text {
                text: qsTranslate("SolvePage", "Progress")
                textFormat: Text.PlainText
                font.pixelSize: 15
                font.bold: true
                color: card._theme ? card._theme.text : "#F0F6FC"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 24

            ProgressRing {
                objectName: "progressRing"
                Layout.preferredWidth: 140
                Layout.preferredHeight: 140
                theme: card._theme
                strokeWidth: 10
                value: card.solvePage.progressWheelValue
                indeterminate: card.solvePage.progressWheelSpinning
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                spacing: 8

                // The wrapping texts take the width they are given: their
                // unwrapped width would widen the card, squeeze the column
                // beside it and feed back into their own wrapping.
                Text {
                    objectName: "statusLine"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 0
                    text: card.solvePage.statusLineText
                    textFormat: Text.PlainText
                    font.pixelSize: 18
                    font.bold: true
                    color: card._theme ? card._theme.text : "#F0F6FC"
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }

                Text {
                    objectName: "finalizingNote"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 0
                    visible: card.solvePage.isFinalizing
                    text: qsTranslate("SolvePage", "The solver has finished iterating; the results are being finalised.")
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    color: card._theme ? card._theme.textMuted : "#8B949E"
                    wrapMode: Text.WordWrap
                }

                Rectangle {
                    objectName: "iterationWindowBar"
                    Layout.fillWidth: true
                    Layout.topMargin: 4
                    implicitHeight: 8
                    radius: 4
                    color: card._theme ? card._theme.surface3 : "#2D333B"

                    Rectangle {
                        objectName: "iterationWindowFill"
                        height: parent.height
                        radius: parent.radius
                        // No animation: it would run through most of a fast
                        // solve, redrawing the window every frame.
                        width: parent.width * card._windowShown / card.solvePage.iterationWindowSize
                        gradient: Gradient {
                            orientation: Gradient.Horizontal
                            GradientStop { position: 0; color: card._theme ? card._theme.accent : "#3FB950" }
                            GradientStop { position: 1; color: card._theme ? card._theme.accentMuted : "#238636" }
                        }
                    }
                }

                Text {
                    objectName: "windowCaption"
                    text: !card.solvePage.controller ? "—"
                          : card._running ? qsTranslate("SolvePage", "Window %1/%2").arg(card._windowShown).arg(card.solvePage.iterationWindowSize)
                          : qsTranslate("SolvePage", "Iterations: %1").arg(Number(card.solvePage.controller.resultIterations || 0)
                                                        .toLocaleString(Qt.locale(), "g", 6))
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    color: card._theme ? card._theme.textMuted : "#8B949E"
                }
            }
        }

        Text {
            text: qsTranslate("SolvePage", "Metrics")
            textFormat: Text.PlainText
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: card._theme ? card._theme.textMuted : "#8B949E"
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            StatCard {
                objectName: "elapsedTile"
                Layout.fillWidth: true
                theme: card._theme
                compact: true
                label: qsTranslate("SolvePage", "Elapsed")
                value: card.solvePage.elapsedTime
            }

            StatCard {
                objectName: "remainingTile"
                Layout.fillWidth: true
                theme: card._theme
                compact: true
                label: qsTranslate("SolvePage", "Remaining")
                value: card.solvePage.estimatedRemaining
                unit: card.remainingUnit
            }

            StatCard {
                objectName: "speedTile"
                Layout.fillWidth: true
                theme: card._theme
                compact: true
                label: qsTranslate("SolvePage", "Speed")
                value: card.speedText
                unit: qsTranslate("SolvePage", "it/s")
            }

            StatCard {
                objectName: "exploitabilityTile"
                Layout.fillWidth: true
                theme: card._theme
                compact: true
                label: qsTranslate("SolvePage", "Exploitability")
                value: card.exploitabilityText
                accentColor: card._theme ? card._theme.gold : "#F0B429"
            }
        }
    }
}
