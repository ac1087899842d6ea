pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "../theme" as ThemePack

// The solve page's thread count: "Max" (the machine's count) and the powers
// of two it has.
Card {
    id: card

    required property var solvePage
    readonly property ThemePack.Theme _theme: solvePage.theme

    theme: _theme

    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            spacing: 8

            Icon {
                name: "monitor"
                size: 18
                color: card._theme ? card._theme.accent : "#3FB950"
            }

            Text {
                text: qsTranslate("SolvePage", "Compute")
                textFormat: Text.PlainText
                font.pixelSize: 15
                font.bold: true
                color: card._theme ? card._theme.text : "#F0F6FC"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Text {
                Layout.fillWidth: true
                text: qsTranslate("SolvePage", "CPU threads utilized")
                textFormat: Text.PlainText
                font.pixelSize: 13
                color: card._theme ? card._theme.textMuted : "#8B949E"
                elide: Text.ElideRight
            }

            ComboBox {
                id: threadCombo
                objectName: "threadCountCombo"
                Layout.preferredWidth: 170
                implicitHeight: 34
                model: card.solvePage._threadChoiceModel
                currentIndex: card.solvePage._currentThreadChoiceIndex
                displayText: card.solvePage.threadChoiceLabel(currentValue)
                onActivated: function (index) {
                    card.solvePage.chooseThreadEntry(card.solvePage._threadChoiceModel[index])
                }

                contentItem: Text {
                    leftPadding: 12
                    rightPadding: 28
                    verticalAlignment: Text.AlignVCenter
                    text: threadCombo.displayText
                    textFormat: Text.PlainText
                    font.pixelSize: 13
                    color: card._theme ? card._theme.text : "#F0F6FC"
                    elide: Text.ElideRight
                }

                indicator: Text {
                    x: threadCombo.width - width - 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: "▼"
                    font.pixelSize: 10
                    color: card._theme ? card._theme.textMuted : "#8B949E"
                }

                background: Rectangle {
                    radius: card._theme ? card._theme.radiusSm : 8
                    color: card._theme ? card._theme.surface2 : "#21262D"
                    border.width: threadCombo.activeFocus ? 2 : 1
                    border.color: threadCombo.activeFocus ? (card._theme ? card._theme.strokeFocus : "#58A6FF")
                                                          : (card._theme ? card._theme.stroke : "#30363D")
                }

                delegate: ItemDelegate {
                    id: choice
                    required property int index
                    required property string modelData
                    width: threadCombo.width
                    height: 34
                    highlighted: threadCombo.highlightedIndex === index
                    contentItem: Text {
                        text: card.solvePage.threadChoiceLabel(choice.modelData)
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        color: card._theme ? card._theme.text : "#F0F6FC"
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        color: choice.highlighted ? (card._theme ? card._theme.surfaceHover : "#30363D") : "transparent"
                    }
                }

                popup: Popup {
                    objectName: "threadCountPopup"
                    y: threadCombo.height + 2
                    width: threadCombo.width
                    implicitHeight: Math.min(240, threadCombo.count * 34 + 2)
                    padding: 1

                    contentItem: ListView {
                        clip: true
                        implicitHeight: contentHeight
                        model: threadCombo.popup.visible ? threadCombo.delegateModel : null
                        currentIndex: threadCombo.highlightedIndex
                        ScrollIndicator.vertical: ScrollIndicator {}
                    }

                    background: Rectangle {
                        radius: card._theme ? card._theme.radiusSm : 8
                        color: card._theme ? card._theme.surface : "#1C2128"
                        border.width: 1
                        border.color: card._theme ? card._theme.stroke : "#30363D"
                    }
                }
            }
        }
    }
}
