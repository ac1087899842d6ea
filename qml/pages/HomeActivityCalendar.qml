pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "homeStats.js" as HomeStats
import "../components/numberText.js" as NumberText

// One square per day of the last six months, a column per week (Monday on
// top), coloured by the day's solves.
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property var _cells: page.solveActivityGrid || []
    readonly property int _weeks: Math.max(1, Math.floor(_cells.length / 7))
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property int _labelColumn: 34
    readonly property int _labelGap: 12
    property int hoveredCell: -1

    function tooltipText(k: int): string {
        var c = k >= 0 && k < _cells.length ? _cells[k] : null
        if (!c || c.isPadding === true)
            return ""
        var iters = Number(c.avgIterations), expl = Number(c.avgExploitability)
        // A day without a solve has no average.
        var solved = Number(c.solves) > 0
        return [qsTranslate("HomePage", "%1%2").arg(String(c.date)).arg(c.isFuture === true ? qsTranslate("HomePage", " (future)") : ""),
                qsTranslate("HomePage", "Solves: %1").arg(HomeStats.count(c.solves)),
                qsTranslate("HomePage", "Avg iters: %1").arg(NumberText.fixed(solved ? (isFinite(iters) ? iters : 0) : NaN, 0)),
                qsTranslate("HomePage", "Avg expl: %1").arg(NumberText.fixed(solved ? (isFinite(expl) ? expl : 0) : NaN, 4))].join("\n")
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "calendar"
            title: qsTranslate("HomePage", "Solve Activity")
            note: qsTranslate("HomePage", "Last 6 months")
        }

        Item {
            id: area
            Layout.fillWidth: true
            Layout.fillHeight: true
            implicitHeight: monthRow.height + 4 + grid.height
            implicitWidth: card._labelColumn + card._labelGap + 14 * card._weeks

            readonly property real gridWidth: Math.max(0, width - card._labelColumn - card._labelGap)
            readonly property int cellSide: Math.max(14, Math.floor(gridWidth / card._weeks))

            Item {
                id: monthRow
                objectName: "calendarMonths"
                x: card._labelColumn + card._labelGap
                width: area.gridWidth
                height: 14

                Repeater {
                    model: card._weeks
                    Text {
                        required property int index
                        x: index * area.cellSide + 2
                        text: card.page.monthLabelForWeek(index)
                        textFormat: Text.PlainText
                        font.pixelSize: 10
                        color: card._muted
                    }
                }
            }

            Column {
                y: grid.y
                width: card._labelColumn
                Repeater {
                    model: [qsTranslate("HomePage", "Mon"), qsTranslate("HomePage", "Tue"), qsTranslate("HomePage", "Wed"), qsTranslate("HomePage", "Thu"), qsTranslate("HomePage", "Fri"), qsTranslate("HomePage", "Sat"), qsTranslate("HomePage", "Sun")]
                    Text {
                        required property string modelData
                        width: card._labelColumn
                        height: area.cellSide
                        verticalAlignment: Text.AlignVCenter
                        text: modelData
                        textFormat: Text.PlainText
                        font.pixelSize: 10
                        color: card._muted
                    }
                }
            }

            Item {
                id: grid
                objectName: "calendarGrid"
                x: card._labelColumn + card._labelGap
                y: monthRow.height + 4
                width: area.gridWidth
                height: 7 * area.cellSide
                clip: true

                Repeater {
                    model: card._cells.length
                    Item {
                        id: cell
                        required property int index
                        readonly property var data_: card._cells[index]
                        readonly property bool padding: !data_ || data_.isPadding === true
                        objectName: padding ? "calendarPadding" : "calendarDay_" + String(data_.date)
                        x: Math.floor(index / 7) * area.cellSide
                        y: (index % 7) * area.cellSide
                        width: area.cellSide
                        height: area.cellSide

                        Rectangle {
                            objectName: "calendarSquare"
                            anchors.centerIn: parent
                            visible: !cell.padding
                            width: Math.max(10, area.cellSide - 2)
                            height: width
                            radius: 3
                            opacity: !cell.padding && cell.data_.isFuture === true ? 0.45 : 1.0
                            color: cell.padding ? "transparent" : card.page.cellColor(cell.data_.solves)
                            border.width: 1
                            border.color: cell.padding ? "transparent" : card.page.cellBorderColor(cell.data_.solves)
                        }

                        MouseArea {
                            anchors.fill: parent
                            enabled: !cell.padding
                            hoverEnabled: true
                            acceptedButtons: Qt.NoButton
                            onEntered: card.hoveredCell = cell.index
                            onExited: if (card.hoveredCell === cell.index) card.hoveredCell = -1
                        }
                    }
                }
            }

            Components.PlainToolTip {
                objectName: "calendarToolTip"
                theme: card.theme
                delay: 150
                visible: card.hoveredCell >= 0
                // Beside its cell: right of it while it fits in the card,
                // else left of it.
                readonly property real _cellX: grid.x + Math.floor(Math.max(0, card.hoveredCell) / 7) * area.cellSide
                x: _cellX + area.cellSide + 4 + width <= area.width ? _cellX + area.cellSide + 4
                                                                      : Math.max(0, _cellX - width - 4)
                y: grid.y + (Math.max(0, card.hoveredCell) % 7) * area.cellSide
                text: card.tooltipText(card.hoveredCell)
            }
        }
    }
}
