import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "homeStats.js" as HomeStats

// Training figures of Play vs. Solution, today and in total, with "Clear".
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property var _stats: page.playVsSolutionStats || ({})
    readonly property int _todayHands: HomeStats.count(_stats.todayHands)
    readonly property int _totalHands: HomeStats.count(_stats.totalHands)

    ColumnLayout {
        anchors.fill: parent
        spacing: 14

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "gamepad"
            title: qsTranslate("HomePage", "Play vs. Solution")

            Components.SecondaryButton {
                objectName: "clearPlayStatsButton"
                theme: card.theme
                danger: true
                width: Math.max(80, implicitWidth)
                height: 28
                font.pixelSize: 11
                text: qsTranslate("HomePage", "Clear")
                onClicked: card.page.confirmClearPlayStats()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            Components.StatCard {
                objectName: "playHandsStat"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                label: qsTranslate("HomePage", "Hands (Today / Total)")
                value: card._todayHands + " / " + card._totalHands
            }

            Components.StatCard {
                objectName: "playAccuracyStat"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                label: qsTranslate("HomePage", "Accuracy (Today / Total)")
                value: HomeStats.playPart(card._todayHands, card._stats.todayAccuracyPct, 0) + " / "
                       + HomeStats.playPart(card._totalHands, card._stats.totalAccuracyPct, 0)
                unit: "%"
            }

            Components.StatCard {
                objectName: "playEvLossStat"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                label: qsTranslate("HomePage", "Avg EV Loss (Today / Total)")
                value: HomeStats.playPart(card._todayHands, card._stats.todayAvgEvLoss, 3) + " / "
                       + HomeStats.playPart(card._totalHands, card._stats.totalAvgEvLoss, 3)
                unit: qsTranslate("HomePage", "EV")
            }
        }
    }
}
