import QtQuick
import QtQuick.Layouts
import "../theme" as ThemePack

// A tile with one figure: caption in capitals, value with optional unit, and
// an optional trend arrow.
Rectangle {
    id: stat

    property ThemePack.Theme theme
    property string label: ""
    property string value: ""
    property string unit: ""
    property string trend: ""
    property color accentColor: theme ? theme.accent : "#3FB950"
    property bool compact: false

    // The narrowest the tile is drawn, for a row that must stay on one line.
    property real minimumTileWidth: compact ? 120 : 160

    // Wide enough for its caption, which is longer in some languages.
    implicitWidth: Math.max(minimumTileWidth,
                            caption.implicitWidth + 2 * (compact ? 10 : 14) + (compact ? 0 : 10))
    implicitHeight: compact ? 64 : 80
    radius: theme ? theme.radiusMd : 12
    color: theme ? theme.surface : "#1C2128"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: stat.compact ? 10 : 14
        spacing: stat.compact ? 4 : 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 4

            Rectangle {
                objectName: "statDot"
                Layout.alignment: Qt.AlignVCenter
                visible: !stat.compact
                implicitWidth: 6
                implicitHeight: 6
                radius: 3
                color: stat.accentColor
            }

            Text {
                id: caption
                objectName: "statCaption"
                Layout.fillWidth: true
                text: stat.label
                textFormat: Text.PlainText
                font.pixelSize: stat.compact ? 10 : 11
                font.capitalization: Font.AllUppercase
                font.letterSpacing: 0.5
                color: stat.theme ? stat.theme.textMuted : "#8B949E"
                elide: Text.ElideRight
                maximumLineCount: 1
            }

            Text {
                objectName: "statTrend"
                visible: stat.trend !== ""
                text: stat.trend === "up" ? "↑" : stat.trend === "down" ? "↓" : ""
                font.pixelSize: 12
                color: stat.trend === "up" ? (stat.theme ? stat.theme.success : "#3FB950")
                     : stat.trend === "down" ? (stat.theme ? stat.theme.danger : "#F85149")
                     : "transparent"
            }
        }

        RowLayout {
            id: valueRow
            Layout.fillWidth: true
            spacing: 4

            // A long value (a word in some languages) is set smaller rather
            // than running past the tile's edge.
            TextMetrics {
                id: valueMetrics
                text: stat.value
                font.pixelSize: stat.compact ? 18 : 24
                font.bold: true
            }

            Text {
                objectName: "statValue"
                Layout.alignment: Qt.AlignBottom
                // The room the tile itself gives, never the row's layout,
                // which would follow the font chosen here: the tile settles
                // in one pass.
                readonly property real _room: stat.width - 2 * (stat.compact ? 10 : 14)
                                              - (stat.unit !== "" ? unitText.implicitWidth + valueRow.spacing : 0)
                text: stat.value
                textFormat: Text.PlainText
                font.pixelSize: {
                    var size = stat.compact ? 18 : 24
                    var natural = valueMetrics.advanceWidth
                    if (_room <= 0 || natural <= _room)
                        return size
                    return Math.max(10, Math.floor(size * _room / natural))
                }
                font.bold: true
                color: stat.theme ? stat.theme.text : "#F0F6FC"
            }

            Text {
                id: unitText
                objectName: "statUnit"
                Layout.alignment: Qt.AlignBottom
                visible: stat.unit !== ""
                bottomPadding: stat.compact ? 1 : 2
                text: stat.unit
                textFormat: Text.PlainText
                font.pixelSize: stat.compact ? 12 : 14
                color: stat.theme ? stat.theme.textMuted : "#8B949E"
            }

            Item { Layout.fillWidth: true }
        }
    }
}
