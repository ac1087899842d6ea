import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../theme" as ThemePack

// The frame both chart dialogs of the results page share: title, heading
// row, separator, status lines, the chart and "Close".
Popup {
    id: dialog

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    property string title: ""
    property string heading: ""
    property alias chart: chartItem
    // Items placed right of the heading and under the separator.
    property alias headerExtra: headerExtraRow.data
    property alias statusLines: statusColumn.data

    signal hoverMoved(real t)

    parent: page
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    width: Math.min(page.width * 0.92, 980)
    height: Math.min(page.height * 0.86, 680)
    x: Math.round((page.width - width) / 2)
    y: Math.round((page.height - height) / 2)
    padding: 0

    background: Rectangle {
        radius: dialog._theme ? dialog._theme.radiusMd : 12
        color: dialog._theme ? dialog._theme.bg0 : "#080B12"
        border.color: dialog._theme ? dialog._theme.stroke : "#30363D"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 10
        Item { Layout.preferredHeight: 4 }
        Text {
            Layout.leftMargin: 14
            text: dialog.title
            textFormat: Text.PlainText
            font.pixelSize: 16
            font.bold: true
            color: dialog._theme ? dialog._theme.text : "#F0F6FC"
        }
        RowLayout {
            Layout.leftMargin: 14
            Layout.rightMargin: 14
            Layout.fillWidth: true
            Text {
                Layout.fillWidth: true
                text: dialog.heading
                textFormat: Text.PlainText
                font.pixelSize: 14
                font.bold: true
                color: dialog._theme ? dialog._theme.text : "#F0F6FC"
            }
            RowLayout {
                id: headerExtraRow
                spacing: 8
            }
        }
        Rectangle {
            Layout.leftMargin: 14
            Layout.rightMargin: 14
            Layout.fillWidth: true
            implicitHeight: 1
            color: dialog._theme ? dialog._theme.withOpacity(dialog._theme.stroke, 0.5) : "#8030363D"
        }
        ColumnLayout {
            id: statusColumn
            Layout.leftMargin: 14
            Layout.rightMargin: 14
            Layout.fillWidth: true
            visible: visibleChildren.length > 0
            spacing: 4
        }
        ResultsLineChart {
            id: chartItem
            objectName: "chart"
            Layout.leftMargin: 14
            Layout.rightMargin: 14
            Layout.fillWidth: true
            Layout.fillHeight: true
            theme: dialog._theme
            onHoverMoved: function (t) { dialog.hoverMoved(t) }
        }
        SecondaryButton {
            objectName: "closeButton"
            Layout.rightMargin: 14
            Layout.bottomMargin: 14
            Layout.alignment: Qt.AlignRight
            Layout.preferredWidth: implicitWidth * 2
            theme: dialog._theme
            font.pixelSize: 12
            text: qsTranslate("ResultsPage", "Close")
            onClicked: dialog.close()
        }
    }
}
