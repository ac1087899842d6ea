import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import "../components" as Components

// The runtime framework's licence and the way to the licence texts.
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property color _info: theme ? theme.info : "#58A6FF"
    // The path of a file no program could open, shown for the user to copy.
    property string unopenedPath: ""

    function _open(missed) {
        unopenedPath = missed ? String(missed) : ""
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "scroll"
            title: qsTranslate("SettingsPage", "Licenses")
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 56
            radius: card.theme ? card.theme.radiusSm : 8
            color: card.theme ? card.theme.surface2 : "#21262D"
            border.width: 1
            border.color: card.theme ? card.theme.strokeLight : "#21262D"

            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                spacing: 12

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2
                    Text {
                        text: qsTranslate("SettingsPage", "Qt Framework")
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                        color: card.theme ? card.theme.text : "#F0F6FC"
                    }
                    Text {
                        text: qsTranslate("SettingsPage", "Runtime (dynamic linking)")
                        textFormat: Text.PlainText
                        font.pixelSize: 11
                        color: card.theme ? card.theme.textFaint : "#6E7681"
                    }
                }

                Components.Chip {
                    Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
                    theme: card.theme
                    text: qsTranslate("SettingsPage", "LGPL v3")
                    tint: Qt.rgba(card._info.r, card._info.g, card._info.b, 0.15)
                    stroke: card._info
                    textColor: card._info
                }
            }
        }

        Text {
            Layout.fillWidth: true
            text: qsTranslate("SettingsPage", "Third-party notices and license texts are included in the 'licenses' folder next to the executable.")
            textFormat: Text.PlainText
            font.pixelSize: 11
            color: card.theme ? card.theme.textFaint : "#6E7681"
            wrapMode: Text.Wrap
        }

        Row {
            spacing: 12
            Components.SecondaryButton {
                objectName: "openLicensesButton"
                theme: card.theme
                text: qsTranslate("SettingsPage", "Open licenses folder")
                iconName: "folder-open"
                onClicked: if (card.page.controller) card._open(card.page.controller.openLicensesFolder())
            }
            Components.SecondaryButton {
                objectName: "openNoticesButton"
                theme: card.theme
                text: qsTranslate("SettingsPage", "Open notices")
                iconName: "file-text"
                onClicked: if (card.page.controller) card._open(card.page.controller.openThirdPartyNotices())
            }
        }

        Text {
            objectName: "unopenedPathNote"
            Layout.fillWidth: true
            visible: card.unopenedPath !== ""
            text: qsTranslate("SettingsPage", "No program could open it here. Its location:")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: card.theme ? card.theme.textMuted : "#8B949E"
            wrapMode: Text.Wrap
        }

        RowLayout {
            Layout.fillWidth: true
            visible: card.unopenedPath !== ""
            spacing: 8

            TextField {
                id: pathField
                objectName: "unopenedPathField"
                Layout.fillWidth: true
                readOnly: true
                selectByMouse: true
                text: card.unopenedPath
                font.pixelSize: 12
                font.family: card.theme ? card.theme.fontMono : "monospace"
                color: card.theme ? card.theme.text : "#F0F6FC"
                background: Rectangle {
                    radius: 6
                    color: card.theme ? card.theme.surface2 : "#21262D"
                    border.width: 1
                    border.color: card.theme ? card.theme.strokeLight : "#30363D"
                }
            }

            Components.SecondaryButton {
                objectName: "copyPathButton"
                theme: card.theme
                text: qsTranslate("SettingsPage", "Copy")
                iconName: "clipboard"
                onClicked: {
                    pathField.selectAll()
                    pathField.copy()
                    pathField.deselect()
                }
            }
        }
    }
}
