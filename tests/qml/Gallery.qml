import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Pellaris

// Every basic control in its states, for screenshots (scripts/screenshot.sh
// shows it through pellaris_qml_view). Arguments: --light for the light
// palette, --accent=#RRGGBB for an accent override.
ApplicationWindow {
    id: window

    readonly property var args: Qt.application.arguments
    readonly property string accentArg: {
        for (var i = 0; i < args.length; ++i)
            if (String(args[i]).indexOf("--accent=") === 0)
                return String(args[i]).substring(9)
        return ""
    }

    x: 0
    y: 0
    width: Screen.width
    height: Screen.height
    visible: true
    title: "Pellaris gallery"
    color: theme.bg0

    Theme {
        id: theme
        dark: window.args.indexOf("--light") < 0
        Component.onCompleted: applyStoredAccent(window.accentArg)
    }

    // Fixed place and size, so that a script can read its pixels: the stop
    // icon's outline must come out in the accent colour.
    Icon {
        objectName: "tintProbe"
        x: 24
        y: 24
        size: 48
        name: "stop"
        color: theme.accent
    }

    Flickable {
        anchors.fill: parent
        anchors.leftMargin: 96
        anchors.topMargin: 16
        contentHeight: content.implicitHeight + 32
        clip: true

        ColumnLayout {
            id: content
            width: parent.width - 24
            spacing: 16

            SectionHeader {
                Layout.fillWidth: true
                theme: theme
                title: "Controls"
                badge: theme.dark ? "Dark" : "Light"
                subtitle: "Cards, headers, buttons, switches, icons, chips, stat cards and progress rings in their states."
            }

            RowLayout {
                spacing: 16

                Card {
                    theme: theme
                    Layout.preferredWidth: 300
                    ColumnLayout {
                        spacing: 8
                        RowLayout {
                            spacing: 8
                            Icon { name: "cards"; size: 18; color: theme.accent }
                            Text { text: "Card"; font.pixelSize: 15; font.bold: true; color: theme.text }
                        }
                        Text { text: "Plain card with an icon title."; font.pixelSize: 13; color: theme.textMuted }
                    }
                }
                Card {
                    theme: theme
                    hoverable: true
                    elevated: true
                    Layout.preferredWidth: 300
                    ColumnLayout {
                        spacing: 8
                        RowLayout {
                            spacing: 8
                            Icon { name: "chips"; size: 18; color: theme.accent }
                            Text { text: "Elevated, hoverable"; font.pixelSize: 15; font.bold: true; color: theme.text }
                        }
                        Text { text: "Drop shadow under the panel."; font.pixelSize: 13; color: theme.textMuted }
                    }
                }
                Card {
                    theme: theme
                    accentColor: theme.info
                    padding: 12
                    Layout.preferredWidth: 300
                    ColumnLayout {
                        spacing: 8
                        RowLayout {
                            spacing: 8
                            Icon { name: "sliders"; size: 18; color: theme.info }
                            Text { text: "Accent border, padding 12"; font.pixelSize: 15; font.bold: true; color: theme.text }
                        }
                        Text { text: "Border in the info colour."; font.pixelSize: 13; color: theme.textMuted }
                    }
                }
            }

            Card {
                theme: theme
                Layout.fillWidth: true
                ColumnLayout {
                    spacing: 12
                    RowLayout {
                        spacing: 12
                        PrimaryButton { theme: theme; text: "New Solve"; iconText: "+" }
                        PrimaryButton { theme: theme; text: "View Results →"; iconName: "trend-up" }
                        PrimaryButton { theme: theme; text: "Start Solve"; iconText: "▶"; loading: true }
                        PrimaryButton { theme: theme; text: "Disabled"; iconText: "▶"; enabled: false }
                    }
                    RowLayout {
                        spacing: 12
                        SecondaryButton { theme: theme; text: "Save"; iconName: "save" }
                        SecondaryButton { theme: theme; text: "Open File"; iconName: "folder-open" }
                        SecondaryButton { theme: theme; text: "Selected"; selected: true; iconText: "✓" }
                        SecondaryButton { theme: theme; text: "Cancel"; iconName: "stop"; danger: true }
                        SecondaryButton { theme: theme; text: "Selected danger"; danger: true; selected: true }
                        SecondaryButton { theme: theme; text: "Disabled"; iconName: "stop"; enabled: false }
                    }
                    RowLayout {
                        spacing: 16
                        ToggleSwitch { theme: theme; checked: true }
                        ToggleSwitch { theme: theme; checked: false }
                        ToggleSwitch { theme: theme; checked: true; enabled: false }
                        ToggleSwitch { theme: theme; checked: false; enabled: false }
                        Text { text: "on · off · disabled on · disabled off"; font.pixelSize: 12; color: theme.textMuted }
                    }
                }
            }

            Card {
                theme: theme
                Layout.fillWidth: true
                GridLayout {
                    columns: 11
                    columnSpacing: 18
                    rowSpacing: 10
                    Repeater {
                        model: ["bolt", "calendar", "cards", "chart", "chips", "clipboard", "clock", "file-text",
                                "folder-open", "gamepad", "gear", "home", "lock", "monitor", "palette", "save",
                                "scroll", "sliders", "stop", "target", "tree", "trend-up"]
                        ColumnLayout {
                            required property string modelData
                            Layout.preferredWidth: 84
                            spacing: 4
                            Icon {
                                Layout.alignment: Qt.AlignHCenter
                                name: parent.modelData
                                size: 28
                                color: theme.accent
                            }
                            Text {
                                Layout.alignment: Qt.AlignHCenter
                                text: parent.modelData
                                font.pixelSize: 11
                                color: theme.textMuted
                            }
                        }
                    }
                }
            }

            RowLayout {
                spacing: 16

                Card {
                    theme: theme
                    Layout.preferredWidth: 520
                    Flow {
                        width: 488
                        spacing: 8
                        Chip { theme: theme; text: "Plain" }
                        Chip { theme: theme; text: "With glyph"; iconText: "♠" }
                        Chip { theme: theme; text: "Clickable"; clickable: true }
                        Chip { theme: theme; text: "Removable"; removable: true }
                        Chip {
                            theme: theme
                            text: "MIT License"
                            tint: theme.withOpacity(theme.info, 0.15)
                            stroke: theme.info
                            textColor: theme.info
                        }
                        Chip { theme: theme; text: "A label far too long for its chip"; width: 140 }
                    }
                }

                StatCard { theme: theme; label: "Hands (Today / Total)"; value: "12 / 340"; trend: "up" }
                StatCard { theme: theme; label: "Accuracy"; value: "87.5"; unit: "%"; trend: "down" }
                StatCard { theme: theme; label: "Speed"; value: "1,240"; unit: "it/s"; compact: true }
                StatCard { theme: theme; label: "Exploitability"; value: "0.42"; accentColor: theme.gold; compact: true }
            }

            RowLayout {
                spacing: 24
                ProgressRing { theme: theme; value: 0.25 }
                ProgressRing { theme: theme; value: 0.6; strokeWidth: 10; implicitWidth: 140; implicitHeight: 140 }
                ProgressRing { theme: theme; value: 1 }
                ProgressRing { theme: theme; indeterminate: true }
                ColumnLayout {
                    spacing: 6
                    Repeater {
                        model: ["Fold", "Check", "Call", "Bet 33%", "Bet 75%", "Bet 150%", "Raise 50%", "Raise 200%", "All-In"]
                        RowLayout {
                            required property string modelData
                            spacing: 8
                            Rectangle { implicitWidth: 14; implicitHeight: 14; radius: 3; color: theme.actionColor(parent.modelData) }
                            Text { text: parent.modelData; font.pixelSize: 12; color: theme.text }
                        }
                    }
                }
                Row {
                    spacing: 8
                    Repeater {
                        model: ["s", "h", "d", "c"]
                        Rectangle {
                            required property string modelData
                            width: 40
                            height: 56
                            radius: 6
                            color: theme.cardFace
                            border.color: theme.cardBorder
                            Text {
                                anchors.centerIn: parent
                                text: "A" + ({ s: "♠", h: "♥", d: "♦", c: "♣" })[parent.modelData]
                                font.pixelSize: 18
                                font.bold: true
                                color: theme.suitColor(parent.modelData)
                            }
                        }
                    }
                }
            }
        }
    }
}
