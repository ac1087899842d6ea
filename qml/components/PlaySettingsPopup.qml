pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../theme" as ThemePack

// How the turn and the river are dealt in a played hand.
Popup {
    id: popup

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    // Locked during a drill: a re-deal would move the hand away from the
    // node the answers are graded at.
    readonly property bool _enabled: page.playMode && page.playSessionStarted && !page.playDrillMode

    modal: true
    closePolicy: Popup.CloseOnEscape
    padding: 14
    width: Math.min(520, Math.max(280, page.width - 60))

    background: Rectangle {
        radius: popup._theme ? popup._theme.radiusSm : 8
        color: popup._theme ? popup._theme.surface : "#1C2128"
        border.color: popup._theme ? popup._theme.stroke : "#30363D"
    }

    component StreetRow: ColumnLayout {
        id: row
        required property string deal
        required property string title
        readonly property string current: deal === "turn" ? popup.page.playTurnCardSetting
                                                           : popup.page.playRiverCardSetting
        Layout.fillWidth: true
        spacing: 6
        Text {
            text: row.title
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: popup._theme ? popup._theme.text : "#F0F6FC"
        }
        RowLayout {
            spacing: 8
            // Fixed keys: a language switch retranslates the buttons in place
            // instead of rebuilding them under a layout that is not shown.
            Repeater {
                model: ["random", "oop", "ip"]
                SecondaryButton {
                    required property string modelData
                    objectName: row.deal + "Setting_" + modelData
                    theme: popup._theme
                    implicitHeight: 28
                    font.pixelSize: 12
                    text: modelData === "oop" ? qsTranslate("ResultsPage", "Best for OOP")
                        : modelData === "ip" ? qsTranslate("ResultsPage", "Best for IP")
                        : qsTranslate("ResultsPage", "Random")
                    selected: row.current === modelData
                    enabled: popup._enabled
                    onClicked: popup.page.setPlayCardSetting(row.deal, modelData)
                }
            }
        }
    }

    contentItem: ColumnLayout {
        spacing: 10
        RowLayout {
            Layout.fillWidth: true
            Text {
                Layout.fillWidth: true
                text: qsTranslate("ResultsPage", "Settings")
                font.pixelSize: 14
                font.bold: true
                color: popup._theme ? popup._theme.text : "#F0F6FC"
            }
            SecondaryButton {
                objectName: "playSettingsClose"
                theme: popup._theme
                implicitHeight: 26
                font.pixelSize: 12
                text: qsTranslate("ResultsPage", "Close")
                onClicked: popup.close()
            }
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: popup._theme ? popup._theme.stroke : "#30363D"
        }
        StreetRow { deal: "turn"; title: qsTranslate("ResultsPage", "Turn card") }
        StreetRow { deal: "river"; title: qsTranslate("ResultsPage", "River card") }
    }
}
