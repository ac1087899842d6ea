import QtQuick
import QtQuick.Layouts
import "../theme" as ThemePack

// A pill-shaped tag with a label, an optional glyph and an optional remove
// button; with `clickable` it is a small button.
Rectangle {
    id: chip

    property ThemePack.Theme theme
    property string text: ""
    property color tint: theme ? theme.surface2 : "#21262D"
    property color stroke: theme ? theme.stroke : "#30363D"
    property color textColor: theme ? theme.text : "#F0F6FC"
    property string iconText: ""
    property bool removable: false
    property bool clickable: false

    signal clicked()
    signal removeClicked()

    readonly property bool _hot: clickable && chipArea.containsMouse

    implicitWidth: row.implicitWidth + 16
    implicitHeight: 28
    height: 28
    radius: theme ? theme.radiusFull : 9999
    border.width: 1
    border.color: stroke
    clip: true
    color: _hot ? Qt.lighter(tint, 1.1) : tint
    Behavior on color { ColorAnimation { duration: 100 } }

    scale: _hot ? 1.05 : 1.0
    Behavior on scale { NumberAnimation { duration: 80 } }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6

        Text {
            Layout.alignment: Qt.AlignVCenter
            visible: chip.iconText !== ""
            text: chip.iconText
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: chip.textColor
        }

        Text {
            objectName: "chipLabel"
            Layout.alignment: Qt.AlignVCenter
            Layout.fillWidth: true
            text: chip.text
            textFormat: Text.PlainText
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: chip.textColor
            wrapMode: Text.NoWrap
            maximumLineCount: 1
            elide: Text.ElideRight
        }

        Rectangle {
            objectName: "removeButton"
            Layout.alignment: Qt.AlignVCenter
            visible: chip.removable
            implicitWidth: 16
            implicitHeight: 16
            radius: 8
            color: removeArea.containsMouse ? (chip.theme ? chip.theme.danger : "#F85149") : "transparent"

            Text {
                anchors.centerIn: parent
                text: "×"
                font.pixelSize: 12
                font.bold: true
                color: removeArea.containsMouse ? "white" : (chip.theme ? chip.theme.textMuted : "#8B949E")
            }

            MouseArea {
                id: removeArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: chip.removeClicked()
            }
        }
    }

    // Disabled on a removable chip, so that only the remove button answers.
    MouseArea {
        id: chipArea
        anchors.fill: parent
        enabled: chip.clickable && !chip.removable
        hoverEnabled: chip.clickable
        cursorShape: chip.clickable ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: if (chip.clickable) chip.clicked()
    }
}
