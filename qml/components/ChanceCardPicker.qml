pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls
import QtQuick.Layouts
import "boardText.js" as BoardText
import "../theme" as ThemePack

// The popup in which the user chooses the card dealt at a chance node. Each
// card is offered when the page finds an action for it (itself or a
// suit-symmetric twin the engine lists instead).
Popup {
    id: picker

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property int _ranks: page._rankOrder.length
    readonly property int _gridWidth: Math.round(22 + 6 + _ranks * 32 + (_ranks - 1) * 3)

    parent: Overlay.overlay
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    padding: 14
    anchors.centerIn: parent
    width: Math.min(Math.max(240, Math.min(640, page.width - 40)), _gridWidth + 2 * 14 + 28)
    height: Math.min(Math.max(240, Math.min(520, page.height - 40)), content.implicitHeight + 2 * 14)

    background: Rectangle {
        radius: picker._theme ? picker._theme.radiusSm : 8
        color: picker._theme ? picker._theme.surface : "#1C2128"
        border.color: picker._theme ? picker._theme.stroke : "#30363D"
    }

    ColumnLayout {
        id: content
        anchors.fill: parent
        spacing: 10

        RowLayout {
            id: pickerHeader
            Layout.fillWidth: true
            spacing: 8
            Text {
                objectName: "chancePickerTitle"
                Layout.fillWidth: true
                // The page names the title by its untranslated text.
                text: qsTranslate("ResultsPage", picker.page.chancePickerTitle)
                textFormat: Text.PlainText
                font.pixelSize: 14
                font.bold: true
                color: picker._theme ? picker._theme.text : "#F0F6FC"
            }
            SecondaryButton {
                objectName: "chancePickerRandom"
                theme: picker._theme
                // As wide as the longest translation needs.
                implicitWidth: Math.max(90, Math.ceil(contentItem.implicitWidth) + leftPadding + rightPadding)
                implicitHeight: 28
                font.pixelSize: 12
                text: qsTr("Random")
                onClicked: picker.page.chooseChanceCardRandom()
            }
            Rectangle {
                objectName: "chancePickerClose"
                implicitWidth: 28
                implicitHeight: 28
                radius: picker._theme ? picker._theme.radiusXs : 4
                color: closeArea.containsMouse ? (picker._theme ? picker._theme.surfaceHover : "#30363D")
                                               : (picker._theme ? picker._theme.surface2 : "#21262D")
                border.color: picker._theme ? picker._theme.stroke : "#30363D"
                Text {
                    anchors.centerIn: parent
                    text: qsTr("✕")
                    textFormat: Text.PlainText
                    font.pixelSize: 13
                    color: picker._theme ? picker._theme.text : "#F0F6FC"
                }
                MouseArea {
                    id: closeArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: picker.close()
                }
            }
        }

        Flickable {
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(grid.implicitHeight,
                                             Math.max(120, 520 - pickerHeader.implicitHeight - 2 * 14 - 20))
            contentWidth: grid.implicitWidth
            contentHeight: grid.implicitHeight
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: grid
                spacing: 3
                bottomPadding: 8

                Repeater {
                    model: picker.page._suitOrder
                    Row {
                        id: suitRow
                        required property string modelData
                        spacing: 3
                        rightPadding: 10
                        Rectangle {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 22
                            height: 22
                            radius: 6
                            color: picker._theme ? picker._theme.surface2 : "#21262D"
                            border.color: picker._theme ? picker._theme.stroke : "#30363D"
                            Text {
                                anchors.centerIn: parent
                                text: BoardText.suitSymbol(suitRow.modelData)
                                font.pixelSize: 14
                                font.bold: true
                                color: !picker._theme ? "#F0F6FC"
                                       : (suitRow.modelData === "s" && picker._theme.dark ? picker._theme.text
                                                                                           : picker._theme.suitColor(suitRow.modelData))
                            }
                        }
                        Item { width: 0; height: 1 }
                        Repeater {
                            model: picker.page._rankOrder
                            PlayingCard {
                                id: card
                                required property string modelData
                                readonly property string cardText: modelData + suitRow.modelData
                                // Re-read whenever a picker opens with new offers.
                                readonly property int actionIndex: (picker.page.chancePickerIndexByCard,
                                                                    picker.page._chanceCardIndexForSelection(cardText))
                                objectName: "chanceCard_" + cardText
                                theme: picker._theme
                                rank: modelData
                                suit: suitRow.modelData
                                mini: true
                                disabled: actionIndex < 0
                                hoverable: actionIndex >= 0
                                enableHoverScale: false
                                onClicked: {
                                    if (card.actionIndex >= 0)
                                        picker.page.chooseChanceCard(card.actionIndex, card.cardText)
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
