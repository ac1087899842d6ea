pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "resultsRules.js" as Rules
import "../theme" as ThemePack

// The combos of the acting seat at the node with their action EVs and mix,
// filtered by a matrix class, a bucket and a search text.
Card {
    id: panel
    objectName: "handDetailsCard"

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property var _combos: page.currentHandCombos || []
    readonly property var _visible: page.visibleHandCombos || []

    theme: _theme
    clip: true

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        // The search field beside the title while both fit, else under it.
        GridLayout {
            Layout.fillWidth: true
            columns: panel.availableWidth >= handDetailsTitle.implicitWidth + columnSpacing + _searchWidth ? 2 : 1
            // What the field needs to show its hint whole (in every language).
            readonly property real _searchWidth: Math.max(120, Math.ceil(searchHint.advanceWidth) + searchField.leftPadding
                                                                + searchField.rightPadding + 4)
            columnSpacing: 10
            rowSpacing: 6
            Text {
                id: handDetailsTitle
                text: qsTranslate("ResultsPage", "Hand Details")
                textFormat: Text.PlainText
                font.pixelSize: 14
                font.bold: true
                color: panel._theme ? panel._theme.text : "#F0F6FC"
            }
            TextField {
                id: searchField
                objectName: "handSearchField"
                Layout.fillWidth: true
                Layout.minimumWidth: 120
                Layout.preferredWidth: panel.page.scaled(260, 180)
                placeholderText: qsTranslate("ResultsPage", "Search (JJ, 56s, JcJd, ...)")
                // The hint, whole, where the field is too narrow for it.
                hoverEnabled: true
                TextMetrics { id: searchHint; font: searchField.font; text: searchField.placeholderText }
                PlainToolTip {
                    theme: panel._theme
                    delay: 400
                    visible: searchField.hovered && searchField.text === "" && searchHint.advanceWidth > searchField.width - searchField.leftPadding - searchField.rightPadding
                    text: searchField.placeholderText
                }
                text: panel.page.handSearchText
                onTextEdited: panel.page.handSearchText = text
                color: panel._theme ? panel._theme.text : "#F0F6FC"
                placeholderTextColor: panel._theme ? panel._theme.textFaint : "#6E7681"
                font.pixelSize: 12
                background: Rectangle {
                    radius: panel._theme ? panel._theme.radiusXs : 4
                    color: panel._theme ? panel._theme.surface2 : "#21262D"
                    border.width: searchField.activeFocus ? 2 : 1
                    border.color: searchField.activeFocus ? (panel._theme ? panel._theme.strokeFocus : "#58A6FF")
                                                          : (panel._theme ? panel._theme.stroke : "#30363D")
                }
            }
        }

        Text {
            objectName: "combosLoading"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            visible: panel.page._handCombosLoading
            text: qsTranslate("ResultsPage", "Loading hand combos…")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: panel._theme ? panel._theme.textMuted : "#8B949E"
        }
        Text {
            objectName: "noCombosText"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            visible: !panel.page._handCombosLoading && panel._combos.length === 0
            text: panel.page._nodeNotKept
                  ? qsTranslate("ResultsPage", "Not kept in this project: solve the spot again to see this node")
                  : qsTranslate("ResultsPage", "No hand combos to display for this node.")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: panel._theme ? panel._theme.textMuted : "#8B949E"
        }
        RowLayout {
            visible: panel.page.selectedHandClass !== ""
            spacing: 8
            Text {
                objectName: "handFilterText"
                text: qsTranslate("ResultsPage", "Filter: %1").arg(panel.page.selectedHandClass)
                textFormat: Text.PlainText
                font.pixelSize: 12
                font.weight: Font.DemiBold
                color: panel._theme ? panel._theme.text : "#F0F6FC"
            }
            SecondaryButton {
                objectName: "clearHandFilterButton"
                theme: panel._theme
                implicitWidth: 80
                implicitHeight: 26
                font.pixelSize: 12
                text: qsTranslate("ResultsPage", "Clear")
                onClicked: panel.page.selectedHandClass = ""
            }
        }
        Text {
            objectName: "noMatchText"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            visible: panel._combos.length > 0 && panel._visible.length === 0
            text: qsTranslate("ResultsPage", "No combos match the current filters.")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: panel._theme ? panel._theme.textMuted : "#8B949E"
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: panel._theme ? panel._theme.stroke : "#30363D"
        }

        // Keeps the texts at the top while there is no list.
        Item {
            visible: panel._combos.length === 0
            Layout.fillHeight: true
        }

        Rectangle {
            visible: panel._combos.length > 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            radius: panel._theme ? panel._theme.radiusSm : 8
            color: "transparent"
            border.color: panel._theme ? panel._theme.stroke : "#30363D"

            ListView {
                id: comboList
                objectName: "comboList"
                anchors.fill: parent
                anchors.margins: 6
                clip: true
                spacing: 6
                boundsBehavior: Flickable.StopAtBounds
                model: panel._visible
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

                delegate: Rectangle {
                    id: row
                    required property var modelData
                    readonly property var evLines: panel.page.comboEvLines(modelData)
                    width: comboList.width - 8
                    height: Math.max(cards.implicitHeight, evColumn.implicitHeight) + 10
                    radius: panel._theme ? panel._theme.radiusXs : 4
                    color: panel._theme ? panel._theme.surface2 : "#21262D"

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 6
                        anchors.rightMargin: 6
                        spacing: 8
                        Row {
                            id: cards
                            spacing: 3
                            Repeater {
                                model: Rules.cardsHighFirst(row.modelData.c1, row.modelData.c2)
                                PlayingCard {
                                    required property string modelData
                                    theme: panel._theme
                                    rank: modelData.charAt(0)
                                    suit: modelData.charAt(1)
                                    mini: true
                                    sizeScale: panel.page.uiScale
                                    hoverable: false
                                    enableHoverScale: false
                                }
                            }
                        }
                        Text {
                            text: qsTranslate("ResultsPage", "EV:")
                            textFormat: Text.PlainText
                            font.pixelSize: 11
                            color: panel._theme ? panel._theme.textMuted : "#8B949E"
                        }
                        Column {
                            id: evColumn
                            objectName: "comboEvColumn"
                            Layout.maximumWidth: panel.page.scaled(80, 60)
                            Repeater {
                                model: row.evLines
                                Text {
                                    required property var modelData
                                    text: modelData.text
                                    textFormat: Text.PlainText
                                    font.pixelSize: 11
                                    font.family: "monospace"
                                    color: modelData.color ? modelData.color
                                                           : modelData.key ? panel.page._actionColor(modelData.key)
                                                                           : (panel._theme ? panel._theme.text : "#F0F6FC")
                                }
                            }
                        }
                        ActionBar {
                            Layout.fillWidth: true
                            Layout.preferredHeight: panel.page.scaled(16, 14)
                            theme: panel._theme
                            showLabels: false
                            actions: panel.page.comboActionsForProbs(row.modelData.actionProbs || [])
                        }
                    }
                }
            }
        }
    }
}
