pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "resultsRules.js" as Rules
import "../theme" as ThemePack

// The Game Tree card of the results page: one block per level of the path,
// the chosen action of earlier levels and every action of the last one.
Card {
    id: panel

    required property var page
    readonly property ThemePack.Theme _theme: page.theme

    theme: _theme

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        RowLayout {
            spacing: 8
            Icon {
                name: "tree"
                size: 18
                color: panel._theme ? panel._theme.accent : "#3FB950"
            }
            Text {
                text: qsTranslate("ResultsPage", "Game Tree")
                textFormat: Text.PlainText
                font.pixelSize: 15
                font.bold: true
                color: panel._theme ? panel._theme.text : "#F0F6FC"
            }
        }

        Flickable {
            id: treeFlick
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            contentWidth: width
            contentHeight: levelsColumn.implicitHeight
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

            Column {
                id: levelsColumn
                width: treeFlick.width - 10
                spacing: 12

                // One delegate per level row, kept while the path grows or
                // shrinks; its drawing data follows the page's treeBlocks.
                Repeater {
                    model: panel.page.treeLevels

                    Column {
                        id: block
                        required property int index
                        readonly property var modelData: panel.page.treeBlocks[index] || Rules.EMPTY_BLOCK
                        readonly property int levelIndex: index
                        width: levelsColumn.width
                        spacing: 6

                        function clickedAction(actionIndex) {
                            if (panel.page.playMode)
                                return
                            if (block.modelData.isLast && actionIndex >= 0
                                    && panel.page.treeLevels.get(block.levelIndex).selectedActionIndex === -1)
                                panel.page.selectActionAtLevel(block.levelIndex, actionIndex)
                            else
                                panel.page.navigateToBreadcrumb(block.levelIndex)
                        }

                        // Chance level: the dealt card between two rules.
                        Rectangle {
                            visible: block.modelData.chance
                            width: parent.width
                            height: 1
                            color: panel._theme ? panel._theme.stroke : "#30363D"
                        }
                        TreeNode {
                            objectName: "chanceNode_" + block.levelIndex
                            visible: block.modelData.chance
                            width: parent.width
                            theme: panel._theme
                            nodeType: "chance"
                            player: qsTranslate("ResultsPage", "Deal %1").arg(block.modelData.deal === "River" ? qsTranslate("ResultsPage", "River") : qsTranslate("ResultsPage", "Turn"))
                            action: block.modelData.card || ""
                            actionType: "chance"
                            pot: block.modelData.pot
                            hasChildren: block.modelData.hasActions
                            selected: block.modelData.isLast
                            depth: block.levelIndex
                            enabled: !panel.page.playMode
                            onClicked: {
                                if (panel.page.playMode)
                                    return
                                if (block.modelData.isLast && !block.modelData.card)
                                    panel.page.openChancePicker(block.levelIndex, block.modelData.nodeIndex)
                                else
                                    panel.page.navigateToBreadcrumb(block.levelIndex)
                            }
                        }
                        Rectangle {
                            visible: block.modelData.chance
                            width: parent.width
                            height: 1
                            color: panel._theme ? panel._theme.stroke : "#30363D"
                        }

                        // Banner over the open choices of the last level:
                        // one line where the title and the count fit, else
                        // the count on a line of its own under the title.
                        Column {
                            id: banner
                            readonly property string countText: qsTranslate("ResultsPage", "%1 options").arg(block.modelData.optionCount || 0)
                            readonly property bool _oneLine: bannerArrow.implicitWidth + bannerTitle.implicitWidth
                                + (bannerLock.visible ? bannerLock.implicitWidth + 6 : 0)
                                + bannerCount.implicitWidth + 3 * 6 <= width
                            visible: !!block.modelData.showBanner
                            width: parent.width
                            spacing: 2
                            RowLayout {
                                width: parent.width
                                spacing: 6
                                Text {
                                    id: bannerArrow
                                    text: "▼"
                                    font.pixelSize: 10
                                    color: panel._theme ? panel._theme.accent : "#3FB950"
                                }
                                Text {
                                    id: bannerTitle
                                    Layout.fillWidth: true
                                    text: qsTranslate("ResultsPage", "Available actions")
                                    textFormat: Text.PlainText
                                    elide: Text.ElideRight
                                    HoverHandler { id: bannerHover }
                                    PlainToolTip {
                                        theme: panel._theme
                                        visible: bannerHover.hovered && bannerTitle.truncated
                                        text: bannerTitle.text
                                    }
                                    font.pixelSize: 12
                                    font.weight: Font.DemiBold
                                    color: panel._theme ? panel._theme.textMuted : "#8B949E"
                                }
                                Icon {
                                    id: bannerLock
                                    visible: !!block.modelData.locked
                                    name: "lock"
                                    size: 12
                                    color: panel._theme ? panel._theme.gold : "#F0B429"
                                }
                                Text {
                                    id: bannerCount
                                    visible: banner._oneLine
                                    text: banner.countText
                                    textFormat: Text.PlainText
                                    font.pixelSize: 11
                                    color: panel._theme ? panel._theme.textFaint : "#6E7681"
                                }
                            }
                            Text {
                                // Under the title.
                                x: bannerArrow.width + 6
                                visible: !banner._oneLine
                                text: banner.countText
                                textFormat: Text.PlainText
                                font: bannerCount.font
                                color: bannerCount.color
                            }
                        }

                        Repeater {
                            model: block.modelData.chance ? 0 : block.modelData.items.length

                            TreeNode {
                                required property int index
                                readonly property var modelData: block.modelData.items[index] || Rules.EMPTY_ITEM
                                objectName: "treeAction_" + block.levelIndex + "_" + modelData.actionIndex
                                width: block.width
                                theme: panel._theme
                                nodeType: block.modelData.nodeType
                                player: block.modelData.player
                                action: modelData.name
                                actionType: modelData.actionType.split(" ")[0]
                                frequency: modelData.frequency
                                percentText: modelData.percentText || ""
                                locked: !!modelData.locked
                                pot: modelData.pot
                                hasChildren: modelData.hasChildren
                                selected: false
                                depth: block.levelIndex
                                enabled: !panel.page.playMode
                                onClicked: block.clickedAction(modelData.actionIndex)
                            }
                        }
                    }
                }
            }
        }
    }
}
