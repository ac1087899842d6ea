pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "numberText.js" as NumberText
import "../theme" as ThemePack

// Hand-strength buckets of the acting seat at the node; a click filters the
// matrix and the hand details by the bucket.
Card {
    id: panel
    objectName: "bucketsCard"

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property var _rows: page.currentHandBuckets || []

    theme: _theme

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            Text {
                Layout.fillWidth: true
                text: qsTranslate("ResultsPage", "Buckets")
                textFormat: Text.PlainText
                font.pixelSize: 14
                font.bold: true
                color: panel._theme ? panel._theme.text : "#F0F6FC"
            }
            Text {
                objectName: "bucketsShown"
                text: qsTranslate("ResultsPage", "%1 shown").arg(panel._rows.length)
                textFormat: Text.PlainText
                font.pixelSize: 11
                color: panel._theme ? panel._theme.textMuted : "#8B949E"
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            radius: panel._theme ? panel._theme.radiusSm : 8
            color: "transparent"
            border.color: panel._theme ? panel._theme.stroke : "#30363D"

            ListView {
                id: bucketList
                objectName: "bucketList"
                anchors.fill: parent
                anchors.margins: 6
                clip: true
                spacing: 6
                boundsBehavior: Flickable.StopAtBounds
                model: panel._rows
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

                delegate: Rectangle {
                    id: row
                    required property var modelData
                    objectName: "bucket_" + modelData.name
                    width: bucketList.width
                    height: Math.max(52, nameColumn.implicitHeight + 16)
                    radius: panel._theme ? panel._theme.radiusXs : 4
                    color: modelData.name === panel.page.selectedBucket
                           ? (panel._theme ? panel._theme.surface3 : "#2D333B")
                           : (panel._theme ? panel._theme.surface2 : "#21262D")

                    RowLayout {
                        anchors.fill: parent
                        anchors.margins: 8
                        spacing: 8
                        ColumnLayout {
                            id: nameColumn
                            Layout.fillWidth: true
                            spacing: 2
                            // Long names take up to three lines rather than
                            // a cut; a name cut even so shows whole on hover.
                            Text {
                                id: bucketName
                                Layout.fillWidth: true
                                text: qsTranslate("HandBuckets", String(row.modelData.name))
                                textFormat: Text.PlainText
                                wrapMode: Text.WordWrap
                                maximumLineCount: 3
                                elide: Text.ElideRight
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                                color: panel._theme ? panel._theme.text : "#F0F6FC"
                            }
                            Text {
                                text: isFinite(row.modelData.combos)
                                      ? NumberText.fixed(row.modelData.combos, 1) + qsTranslate("ResultsPage", " combos") : ""
                                textFormat: Text.PlainText
                                font.pixelSize: 11
                                color: panel._theme ? panel._theme.textMuted : "#8B949E"
                            }
                        }
                        ActionBar {
                            Layout.preferredWidth: Math.min(110, row.width * 0.45)
                            Layout.preferredHeight: 16
                            theme: panel._theme
                            showLabels: false
                            actions: panel.page._handActionsForProbs(row.modelData.actionProbs || [])
                        }
                    }
                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: panel.page.toggleBucketFilter(row.modelData.name)
                    }
                    // The row's width is fixed; a cut name shows in full here.
                    PlainToolTip {
                        theme: panel._theme
                        visible: rowArea.containsMouse && bucketName.truncated
                        delay: 400
                        text: bucketName.text
                    }
                }
            }
        }
    }
}
