pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components" as Components
import "../theme" as ThemePack

// Dark mode, the interface language and the accent colour.
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property color _stroke: theme ? theme.stroke : "#30363D"

    // A label with its description on the left and a control on the right.
    component SettingRow: RowLayout {
        id: settingRow
        property string label: ""
        property string description: ""
        property ThemePack.Theme theme
        default property alias control: controlSlot.data
        Layout.fillWidth: true
        spacing: 16

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Text {
                Layout.fillWidth: true
                text: settingRow.label
                textFormat: Text.PlainText
                font.pixelSize: 14
                color: settingRow.theme ? settingRow.theme.text : "#F0F6FC"
                wrapMode: Text.Wrap
            }
            Text {
                Layout.fillWidth: true
                text: settingRow.description
                textFormat: Text.PlainText
                font.pixelSize: 12
                color: settingRow.theme ? settingRow.theme.textMuted : "#8B949E"
                wrapMode: Text.Wrap
            }
        }

        Row {
            id: controlSlot
            Layout.alignment: Qt.AlignVCenter | Qt.AlignRight
        }
    }

    component Divider: Rectangle {
        property ThemePack.Theme theme
        Layout.fillWidth: true
        implicitHeight: 1
        color: theme ? theme.stroke : "#30363D"
        opacity: 0.5
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 14

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "palette"
            title: qsTranslate("SettingsPage", "Appearance")
        }

        SettingRow {
            theme: card.theme
            label: qsTranslate("SettingsPage", "Dark Mode")
            description: qsTranslate("SettingsPage", "Use dark color scheme throughout the interface")
            Components.ToggleSwitch {
                objectName: "darkModeSwitch"
                theme: card.theme
                checked: card.page.darkMode
                onToggled: card.page.darkMode = checked
            }
        }

        Divider { theme: card.theme }

        SettingRow {
            theme: card.theme
            label: qsTranslate("SettingsPage", "Language")
            description: qsTranslate("SettingsPage", "Change the app language (takes effect immediately)")
            ComboBox {
                id: languageBox
                objectName: "languageComboBox"
                width: 200
                height: 34
                model: card.page.languageOptions
                textRole: "label"
                displayText: card.page.languageLabel(card.page.languageOptions[currentIndex])
                currentIndex: card.page.languageIndex
                onActivated: (index) => card.page.chooseLanguage(index)

                contentItem: Text {
                    leftPadding: 12
                    rightPadding: languageBox.indicator.width + 8
                    text: languageBox.displayText
                    textFormat: Text.PlainText
                    font.pixelSize: 13
                    color: card._text
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
                indicator: Text {
                    x: languageBox.width - width - 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: "▾"
                    font.pixelSize: 12
                    color: card._muted
                }
                background: Rectangle {
                    radius: card.theme ? card.theme.radiusSm : 8
                    color: card.theme ? card.theme.surface2 : "#21262D"
                    border.width: languageBox.visualFocus ? 2 : 1
                    border.color: languageBox.visualFocus ? (card.theme ? card.theme.strokeFocus : "#58A6FF") : card._stroke
                }
                delegate: ItemDelegate {
                    id: option
                    required property var modelData
                    required property int index
                    width: languageBox.width
                    highlighted: languageBox.highlightedIndex === index
                    contentItem: Text {
                        text: card.page.languageLabel(option.modelData)
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        color: card._text
                        elide: Text.ElideRight
                    }
                    background: Rectangle {
                        color: option.highlighted ? (card.theme ? card.theme.surfaceHover : "#30363D") : "transparent"
                    }
                }
                popup.background: Rectangle {
                    radius: card.theme ? card.theme.radiusSm : 8
                    color: card.theme ? card.theme.surface : "#1C2128"
                    border.width: 1
                    border.color: card._stroke
                }
            }
        }

        Divider { theme: card.theme }

        SettingRow {
            theme: card.theme
            label: qsTranslate("SettingsPage", "Accent Color")
            description: qsTranslate("SettingsPage", "Customize the app highlight color (buttons, accents, clubs/check).")
            Components.SecondaryButton {
                objectName: "accentResetButton"
                theme: card.theme
                width: Math.max(90, implicitWidth)
                height: 32
                text: qsTranslate("SettingsPage", "Reset")
                enabled: card.theme ? card.theme.useAccentOverride : false
                onClicked: card.page.applyAccentHex("")
            }
        }

        Row {
            spacing: 8
            Repeater {
                model: card.page.accentSwatches
                Rectangle {
                    id: swatch
                    required property var modelData
                    objectName: "accentSwatch_" + modelData.hex
                    readonly property bool current: Qt.colorEqual(card.page.currentAccent, modelData.hex)
                    width: 28
                    height: 28
                    radius: card.theme ? card.theme.radiusXs : 4
                    color: modelData.hex
                    border.width: 2
                    border.color: current ? (card.theme ? card.theme.strokeFocus : "#58A6FF") : card._stroke

                    MouseArea {
                        id: swatchArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: card.page.applyAccentHex(swatch.modelData.hex)
                    }

                    Components.PlainToolTip {
                        theme: card.theme
                        delay: 300
                        visible: swatchArea.containsMouse
                        text: qsTranslate("SettingsPage", "%1 (%2)").arg(swatch.modelData.label).arg(swatch.modelData.hex)
                    }
                }
            }
        }
    }
}
