import QtQuick
import QtQuick.Layouts
import "../theme" as ThemePack

// The title row of a page's card: an icon in the accent colour, a bold title,
// and at the right end an optional note and whatever items the card adds.
RowLayout {
    id: header

    property ThemePack.Theme theme
    property string iconName: ""
    property string title: ""
    property string note: ""
    default property alias trailing: trailingRow.data

    spacing: 8

    Icon {
        Layout.alignment: Qt.AlignVCenter
        name: header.iconName
        size: 18
        color: header.theme ? header.theme.accent : "#3FB950"
    }

    Text {
        objectName: "cardTitle"
        Layout.alignment: Qt.AlignVCenter
        Layout.fillWidth: true
        text: header.title
        textFormat: Text.PlainText
        font.pixelSize: 16
        font.bold: true
        color: header.theme ? header.theme.text : "#F0F6FC"
        elide: Text.ElideRight
    }

    Text {
        Layout.alignment: Qt.AlignVCenter
        visible: header.note !== ""
        text: header.note
        textFormat: Text.PlainText
        font.pixelSize: 11
        color: header.theme ? header.theme.textMuted : "#8B949E"
    }

    Row {
        id: trailingRow
        Layout.alignment: Qt.AlignVCenter
        spacing: 8
    }
}
