pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack

// A vertical navigation column: brand, the five pages with a line each, and
// the version. It only shows which entry is current and reports clicks; the
// owner binds `currentIndex` and decides what a click does.
Item {
    id: sidebar

    property ThemePack.Theme theme
    property int currentIndex: 0

    signal navigate(int index)

    readonly property var _entries: [
        { title: qsTr("Home"), icon: "home", description: qsTr("Overview & quick actions") },
        { title: qsTr("Setup"), icon: "clipboard", description: qsTr("Board, ranges, tree") },
        { title: qsTr("Solve"), icon: "bolt", description: qsTr("Run solver") },
        { title: qsTr("Results"), icon: "chart", description: qsTr("Browse strategies") },
        { title: qsTr("Settings"), icon: "gear", description: qsTr("Preferences") }
    ]

    implicitWidth: 240
    width: 240

    Rectangle {
        anchors.fill: parent
        color: ThemeRules.roleColor(sidebar.theme, "bg1", "#0D1117")
    }

    Rectangle {
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        width: 1
        color: ThemeRules.roleColor(sidebar.theme, "stroke", "#30363D")
    }

    component Divider: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: ThemeRules.roleColor(sidebar.theme, "stroke", "#30363D")
        opacity: 0.5
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 16

        RowLayout {
            spacing: 12

            Rectangle {
                objectName: "brandTile"
                implicitWidth: 40
                implicitHeight: 40
                radius: sidebar.theme ? sidebar.theme.radiusSm : 8
                gradient: Gradient {
                    GradientStop { position: 0.0; color: ThemeRules.roleColor(sidebar.theme, "accent", "#3FB950") }
                    GradientStop { position: 1.0; color: ThemeRules.roleColor(sidebar.theme, "accentMuted", "#238636") }
                }

                Text {
                    anchors.centerIn: parent
                    text: "♠"
                    font.pixelSize: 22
                    color: "white"
                }
            }

            ColumnLayout {
                spacing: 0

                Text {
                    text: qsTr("Pellaris")
                    textFormat: Text.PlainText
                    font.pixelSize: 18
                    font.bold: true
                    font.letterSpacing: -0.5
                    color: ThemeRules.roleColor(sidebar.theme, "text", "#F0F6FC")
                }

                Text {
                    text: qsTr("Poker Solver")
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    color: ThemeRules.roleColor(sidebar.theme, "textMuted", "#8B949E")
                }
            }
        }

        Divider {}

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            Column {
                width: parent.width
                spacing: 4

                Repeater {
                    model: sidebar._entries

                    delegate: Item {
                        id: entry

                        required property int index
                        required property var modelData
                        readonly property bool current: sidebar.currentIndex === index
                        readonly property bool hovered: entryArea.containsMouse

                        objectName: "sidebarEntry" + index
                        width: parent ? parent.width : 0
                        height: 52

                        Rectangle {
                            anchors.fill: parent
                            radius: sidebar.theme ? sidebar.theme.radiusSm : 8
                            color: entry.current ? ThemeRules.roleColor(sidebar.theme, "surface", "#1C2128")
                                                 : (entry.hovered ? ThemeRules.roleColor(sidebar.theme, "surfaceHover", "#30363D") : "transparent")
                            border.width: entry.current ? 1 : 0
                            border.color: ThemeRules.roleColor(sidebar.theme, "stroke", "#30363D")
                            Behavior on color { ColorAnimation { duration: 150 } }
                        }

                        Rectangle {
                            objectName: "accentBar"
                            visible: entry.current
                            x: 4
                            y: 4
                            width: 3
                            height: parent.height - 8
                            radius: 2
                            color: ThemeRules.roleColor(sidebar.theme, "accent", "#3FB950")
                        }

                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: 14
                            anchors.rightMargin: 14
                            spacing: 12

                            Icon {
                                name: entry.modelData.icon
                                size: 18
                                color: entry.current ? ThemeRules.roleColor(sidebar.theme, "text", "#F0F6FC") : ThemeRules.roleColor(sidebar.theme, "textMuted", "#8B949E")
                                iconOpacity: entry.current ? 1.0 : 0.85
                            }

                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 1

                                Text {
                                    Layout.fillWidth: true
                                    text: entry.modelData.title
                                    textFormat: Text.PlainText
                                    elide: Text.ElideRight
                                    font.pixelSize: 14
                                    font.weight: entry.current ? Font.DemiBold : Font.Normal
                                    color: entry.current ? ThemeRules.roleColor(sidebar.theme, "text", "#F0F6FC") : ThemeRules.roleColor(sidebar.theme, "textMuted", "#8B949E")
                                }

                                Text {
                                    objectName: "entryDescription"
                                    Layout.fillWidth: true
                                    visible: entry.current
                                    text: entry.modelData.description
                                    textFormat: Text.PlainText
                                    elide: Text.ElideRight
                                    font.pixelSize: 11
                                    color: ThemeRules.roleColor(sidebar.theme, "textFaint", "#6E7681")
                                }
                            }
                        }

                        MouseArea {
                            id: entryArea
                            anchors.fill: parent
                            hoverEnabled: true
                            cursorShape: Qt.PointingHandCursor
                            onClicked: sidebar.navigate(entry.index)
                        }
                    }
                }
            }
        }

        Divider {}

        RowLayout {
            spacing: 8

            Rectangle {
                implicitWidth: 8
                implicitHeight: 8
                radius: 4
                color: ThemeRules.roleColor(sidebar.theme, "success", "#3FB950")
            }

            Text {
                text: qsTr("v0.1.0 dev")
                textFormat: Text.PlainText
                font.pixelSize: 11
                color: ThemeRules.roleColor(sidebar.theme, "textFaint", "#6E7681")
            }
        }
    }
}
