import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme" as ThemePack

// Two columns in one card: the solve totals and the machine's figures.
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property var _controller: page.controller

    function _orDash(text) {
        return text === undefined || text === null || String(text) === "" ? "—" : String(text)
    }

    component FigureLabel: Text {
        property ThemePack.Theme theme
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: theme ? theme.textMuted : "#8B949E"
    }

    component FigureValue: Text {
        Layout.fillWidth: true
        textFormat: Text.PlainText
        font.pixelSize: 12
        property ThemePack.Theme theme
        color: theme ? theme.text : "#F0F6FC"
        elide: Text.ElideRight
    }

    RowLayout {
        anchors.fill: parent
        spacing: 16

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.alignment: Qt.AlignTop
            spacing: 12

            Components.CardHeader {
                Layout.fillWidth: true
                theme: card.theme
                iconName: "clock"
                title: qsTranslate("HomePage", "Solve history")
            }

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 16
                rowSpacing: 8

                FigureLabel { theme: card.theme; text: qsTranslate("HomePage", "Total solves") }
                FigureValue { theme: card.theme; objectName: "totalSolvesValue"; text: String(card.page._totalSolves) }
                FigureLabel { theme: card.theme; text: qsTranslate("HomePage", "Solves this week") }
                FigureValue { theme: card.theme; objectName: "solvesThisWeekValue"; text: String(card.page._solvesThisWeek) }
                FigureLabel { theme: card.theme; text: qsTranslate("HomePage", "Average run time") }
                FigureValue { theme: card.theme; objectName: "avgRuntimeValue"; text: card.page._avgRuntimeText }
            }
        }

        Rectangle {
            Layout.fillHeight: true
            implicitWidth: 1
            color: card.theme ? card.theme.stroke : "#30363D"
            opacity: 0.8
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.alignment: Qt.AlignTop
            spacing: 12

            Components.CardHeader {
                Layout.fillWidth: true
                theme: card.theme
                iconName: "monitor"
                title: qsTranslate("HomePage", "System")
            }

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 16
                rowSpacing: 8

                FigureLabel { theme: card.theme; text: qsTranslate("HomePage", "Engine") }
                FigureValue { theme: card.theme; objectName: "engineValue"; text: qsTranslate("HomePage", "Pellaris Core") }
                FigureLabel { theme: card.theme; text: qsTranslate("HomePage", "Threads") }
                FigureValue { theme: card.theme;
                    objectName: "threadsValue"
                    readonly property int threads: card._controller ? Number(card._controller.systemThreadCount) : 0
                    text: threads > 0 ? qsTranslate("HomePage", "%1 available").arg(threads) : "—"
                }
                FigureLabel { theme: card.theme; text: qsTranslate("HomePage", "Memory") }
                FigureValue { theme: card.theme;
                    objectName: "memoryValue"
                    text: qsTranslate("HomePage", "%1 (%2 free)")
                          .arg(card._orDash(card._controller ? card._controller.systemMemoryText : ""))
                          .arg(card._orDash(card._controller ? card._controller.systemAvailableMemoryText : ""))
                }
            }
        }
    }
}
