import QtQuick
import "../theme" as ThemePack

// A page title with an optional status pill and an optional subtitle.
Item {
    id: header

    property ThemePack.Theme theme
    property string title: ""
    property string subtitle: ""
    property string badge: ""
    property color badgeColor: theme ? theme.accent : "#3FB950"

    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 4

        Row {
            spacing: 12

            Text {
                objectName: "sectionTitle"
                anchors.verticalCenter: parent.verticalCenter
                text: header.title
                textFormat: Text.PlainText
                font.pixelSize: 20
                font.bold: true
                color: header.theme ? header.theme.text : "#F0F6FC"
                maximumLineCount: 1
            }

            Rectangle {
                objectName: "sectionBadge"
                anchors.verticalCenter: parent.verticalCenter
                visible: header.badge !== ""
                height: 22
                width: badgeText.implicitWidth + 14
                radius: header.theme ? header.theme.radiusFull : 9999
                color: Qt.rgba(header.badgeColor.r, header.badgeColor.g, header.badgeColor.b, 0.15)
                border.width: 1
                border.color: header.badgeColor

                Text {
                    id: badgeText
                    anchors.centerIn: parent
                    text: header.badge
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    color: header.badgeColor
                }
            }
        }

        Text {
            objectName: "sectionSubtitle"
            width: column.width
            visible: header.subtitle !== ""
            text: header.subtitle
            textFormat: Text.PlainText
            font.pixelSize: 13
            color: header.theme ? header.theme.textMuted : "#8B949E"
            wrapMode: Text.WordWrap
            lineHeight: 1.4
        }
    }
}
