import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "homeStats.js" as HomeStats

// Cumulative solves per day since the first solve (solid) and the running
// average run time (dashed, scaled so its peak meets the top of the axis).
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property var _history: page.solveHistoryDaily || []
    readonly property int _days: _history.length
    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property color _runtimeColor: theme ? theme.accentMuted : Qt.lighter(_accent, 1.25)
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"

    function _dateOf(i) {
        var day = i >= 0 && i < _days ? _history[i] : null
        return day && day.date !== undefined ? String(day.date) : ""
    }

    function tooltipText(i) {
        if (i < 0 || i >= _days)
            return ""
        var r = page._cumulativeAvgRuntimeSec[i]
        return qsTranslate("HomePage", "%1\nDaily: %2\nTotal: %3\nAvg runtime: %4")
            .arg(_dateOf(i))
            .arg(HomeStats.count(_history[i].solves))
            .arg(HomeStats.count(page._cumulativeSolves[i]))
            .arg(isFinite(r) ? qsTranslate("HomePage", "%1s").arg(r.toFixed(1)) : "—")
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "trend-up"
            title: qsTranslate("HomePage", "Solves over time")
            note: qsTranslate("HomePage", "Daily")
        }

        Rectangle {
            id: plot
            objectName: "solveChartPlot"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 280
            radius: card.theme ? card.theme.radiusSm : 8
            color: card.theme ? card.theme.surface2 : "#21262D"
            border.width: 1
            border.color: card.theme ? card.theme.stroke : "#30363D"

            readonly property real plotW: Math.max(1, width - 38)
            readonly property real plotH: Math.max(1, height - 26)

            Canvas {
                id: canvas
                objectName: "solveChartCanvas"
                anchors.fill: parent

                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    var x0 = 30, y0 = 8, w = plot.plotW, h = plot.plotH
                    var c = card.page._cumulativeSolves, r = card.page._cumulativeAvgRuntimeSec
                    var n = c.length
                    var maxY = card.page._maxCumulativeSolves, maxRt = card.page._maxAvgRuntimeSec
                    ctx.lineWidth = 1
                    ctx.strokeStyle = card.theme ? card.theme.stroke : "#30363D"
                    ctx.beginPath()
                    ctx.moveTo(x0 + 0.5, y0)
                    ctx.lineTo(x0 + 0.5, y0 + h + 0.5)
                    ctx.lineTo(x0 + w, y0 + h + 0.5)
                    ctx.stroke()
                    if (n === 0)
                        return
                    var stepX = n === 1 ? 0 : w / (n - 1)
                    var scaleY = h / maxY
                    ctx.lineWidth = 2
                    ctx.lineJoin = "round"
                    ctx.strokeStyle = card._accent
                    ctx.beginPath()
                    for (var i = 0; i < n; ++i) {
                        var y = y0 + h - c[i] * scaleY
                        if (i === 0) ctx.moveTo(x0 + i * stepX, y)
                        else ctx.lineTo(x0 + i * stepX, y)
                    }
                    ctx.stroke()
                    // A single day is a line of no length: mark it, so the
                    // chart does not look empty after the first solves.
                    if (n === 1) {
                        ctx.fillStyle = card._accent
                        ctx.beginPath()
                        ctx.arc(x0, y0 + h - c[0] * scaleY, 3, 0, 2 * Math.PI)
                        ctx.fill()
                    }
                    var rtY = function (v) { return y0 + h - (v / maxRt * maxY) * scaleY }
                    ctx.strokeStyle = card._runtimeColor
                    ctx.setLineDash([4, 3])
                    ctx.beginPath()
                    var started = false
                    for (var j = 0; j < n; ++j) {
                        if (!isFinite(r[j]))
                            continue
                        if (!started) { ctx.moveTo(x0 + j * stepX, rtY(r[j])); started = true }
                        else ctx.lineTo(x0 + j * stepX, rtY(r[j]))
                    }
                    if (started)
                        ctx.stroke()
                    ctx.setLineDash([])
                    var k = card.page.hoverIndex
                    if (k >= 0 && k < n) {
                        ctx.fillStyle = card._accent
                        ctx.beginPath()
                        ctx.arc(x0 + k * stepX, y0 + h - c[k] * scaleY, 3, 0, 2 * Math.PI)
                        ctx.fill()
                        if (isFinite(r[k])) {
                            ctx.fillStyle = card._runtimeColor
                            ctx.beginPath()
                            ctx.arc(x0 + k * stepX, rtY(r[k]), 3, 0, 2 * Math.PI)
                            ctx.fill()
                        }
                    }
                }

                Connections {
                    target: card.page
                    function on_SeriesChanged() { canvas.requestPaint() }
                    function onHoverIndexChanged() { canvas.requestPaint() }
                }
                Connections {
                    target: card
                    function on_AccentChanged() { canvas.requestPaint() }
                    function on_RuntimeColorChanged() { canvas.requestPaint() }
                }
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()
            }

            Text {
                objectName: "chartEmptyText"
                anchors.centerIn: parent
                visible: card._days === 0
                text: qsTranslate("HomePage", "No solves yet")
                textFormat: Text.PlainText
                font.pixelSize: 12
                color: card._muted
            }

            Text {
                objectName: "chartAxisBottom"
                x: 8
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                text: "0"
                font.pixelSize: 10
                color: card._muted
            }

            Text {
                objectName: "chartAxisTop"
                x: 8
                y: 6
                text: String(card.page._maxCumulativeSolves)
                font.pixelSize: 10
                color: card._muted
            }

            Text {
                objectName: "chartFirstDate"
                x: 30
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 2
                width: Math.max(0, plot.width / 2 - 30)
                text: card._days > 0 ? card._dateOf(0) : ""
                textFormat: Text.PlainText
                font.pixelSize: 9
                color: card._muted
                elide: Text.ElideRight
            }

            Text {
                objectName: "chartLastDate"
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 2
                width: Math.max(0, plot.width / 2 - 16)
                horizontalAlignment: Text.AlignRight
                text: card._days > 0 ? card._dateOf(card._days - 1) : ""
                textFormat: Text.PlainText
                font.pixelSize: 9
                color: card._muted
                elide: Text.ElideLeft
            }

            MouseArea {
                id: hoverArea
                objectName: "solveChartHover"
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
                onPositionChanged: (mouse) => {
                    if (card._days > 0)
                        card.page.hoverIndex = HomeStats.hoverIndexAt(mouse.x, plot.plotW, card._days)
                }
                onExited: card.page.hoverIndex = -1
            }

            Components.PlainToolTip {
                objectName: "solveChartToolTip"
                theme: card.theme
                delay: 150
                visible: hoverArea.containsMouse && card.page.hoverIndex >= 0 && card._days > 0
                x: Math.min(plot.width - width, Math.max(0, hoverArea.mouseX + 12))
                y: Math.max(0, hoverArea.mouseY - height - 8)
                text: card.tooltipText(card.page.hoverIndex)
            }
        }
    }
}
