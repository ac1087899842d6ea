pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../components" as Components

// The three ways to start: a new project, the quick-solve preset, a range
// from a file. Each whole row is the button.
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property var _actions: [
        { key: "newSolve", icon: "target", title: qsTranslate("HomePage", "New Solve"), description: qsTranslate("HomePage", "Configure board, ranges, tree") },
        { key: "quickSolve", icon: "bolt", title: qsTranslate("HomePage", "Quick Solve"), description: qsTranslate("HomePage", "Use default settings") },
        { key: "importRange", icon: "chart", title: qsTranslate("HomePage", "Import Range"), description: qsTranslate("HomePage", "Load from file") }
    ]

    function _run(key) {
        if (key === "newSolve")
            page.newProject()
        else if (key === "quickSolve")
            page.quickSolve()
        else
            page.importRange()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "bolt"
            title: qsTranslate("HomePage", "Quick Actions")
        }

        Repeater {
            model: card._actions

            Rectangle {
                id: row
                required property var modelData
                objectName: "quickAction_" + modelData.key
                Layout.fillWidth: true
                implicitHeight: 64
                radius: card.theme ? card.theme.radiusSm : 8
                border.width: 1
                border.color: card.theme ? card.theme.stroke : "#30363D"
                color: rowArea.containsMouse ? (card.theme ? card.theme.surfaceHover : "#30363D")
                                             : (card.theme ? card.theme.surface2 : "#21262D")
                Behavior on color { ColorAnimation { duration: 150 } }

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 12

                    Components.Icon {
                        name: row.modelData.icon
                        size: 20
                        color: card.theme ? card.theme.accent : "#3FB950"
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2

                        Text {
                            Layout.fillWidth: true
                            text: row.modelData.title
                            textFormat: Text.PlainText
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            color: card.theme ? card.theme.text : "#F0F6FC"
                            elide: Text.ElideRight
                            maximumLineCount: 1
                        }

                        Text {
                            Layout.fillWidth: true
                            text: row.modelData.description
                            textFormat: Text.PlainText
                            font.pixelSize: 11
                            color: card.theme ? card.theme.textMuted : "#8B949E"
                            elide: Text.ElideRight
                            maximumLineCount: 1
                        }
                    }

                    Text {
                        text: "→"
                        font.pixelSize: 16
                        color: card.theme ? card.theme.textFaint : "#6E7681"
                    }
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: card._run(row.modelData.key)
                }
            }
        }

        Item { Layout.fillHeight: true }
    }
}
