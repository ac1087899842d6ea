pragma ComponentBehavior: Bound
import QtQuick
import "chartSeries.js" as Charts
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack

// A framed line chart with grid, legend, hover line and a tooltip box.
// `plot` describes what to draw: {message} for an empty chart, else
// {curves: [{values, color, dashed}], legend: [{label, color}],
//  range: {min, max, step}, label: function (value) → text}. The plot
// starts right of its widest grid label, so every label shows whole.
// `tooltipLines` are the tooltip's [{text, color, size, bold}]; none hides it.
Rectangle {
    id: chart

    property ThemePack.Theme theme
    property var plot: ({ message: "" })
    property var tooltipLines: []
    property real hoverT: -1
    // What the last paint drew, for the eye and for tests: the curves, the
    // message, the grid labels from the top down and the room left of the
    // widest one (below 0 would cut it).
    property int drawnCurves: 0
    property string drawnMessage: ""
    property var drawnLabels: []
    property real drawnLabelRoom: 0

    signal hoverMoved(real t)

    // The plot's left edge, moved right for wide grid labels.
    property real _left: 52
    readonly property real _top: 14

    color: theme ? theme.surface : "#1C2128"
    border.color: theme ? theme.withOpacity(theme.stroke, 0.6) : "#9930363D"
    radius: theme ? theme.radiusSm : 8
    clip: true

    function repaint() {
        canvas.requestPaint()
    }

    onPlotChanged: repaint()
    onHoverTChanged: repaint()

    Canvas {
        id: canvas
        anchors.fill: parent
        anchors.margins: 10
        renderTarget: Canvas.Image

        readonly property real pw: Math.max(1, width - chart._left - 16)
        readonly property real ph: Math.max(1, height - 48)

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.clearRect(0, 0, width, height)
            var plot = chart.plot || {}
            var muted = ThemeRules.roleColor(chart.theme, "textMuted", "#8B949E")
            if (!plot.curves) {
                chart.drawnCurves = 0
                chart.drawnLabels = []
                chart.drawnMessage = plot.message || ""
                ctx.fillStyle = muted
                ctx.font = "12px sans-serif"
                ctx.textAlign = "center"
                ctx.textBaseline = "middle"
                ctx.fillText(chart.drawnMessage, width / 2, height / 2)
                return
            }
            var range = plot.range
            var grid = Charts.gridValues(range)
            var labels = grid.map(function (v) { return plot.label(v) })
            ctx.font = "11px sans-serif"
            var widest = 0
            for (var w = 0; w < labels.length; ++w)
                widest = Math.max(widest, ctx.measureText(labels[w]).width)
            chart._left = Math.max(52, Math.ceil(widest) + 8 + 4)
            chart.drawnLabels = labels
            chart.drawnLabelRoom = chart._left - 8 - widest
            var left = chart._left, top = chart._top, bottom = top + ph
            var pw = Math.max(1, width - left - 16)
            var stroke = ThemeRules.roleColor(chart.theme, "stroke", "#30363D")
            var span = range.max - range.min
            function yOf(v) { return bottom - (v - range.min) / span * ph }

            ctx.globalAlpha = 0.22
            ctx.strokeStyle = stroke
            ctx.lineWidth = 1
            for (var k = 0; k < grid.length; ++k) {
                var gy = Math.round(yOf(grid[k])) + 0.5
                ctx.beginPath()
                ctx.moveTo(left, gy)
                ctx.lineTo(left + pw, gy)
                ctx.stroke()
            }
            ctx.globalAlpha = 0.55
            ctx.beginPath()
            ctx.moveTo(left + 0.5, top)
            ctx.lineTo(left + 0.5, bottom)
            ctx.lineTo(left + pw, bottom + 0.5)
            ctx.stroke()
            ctx.globalAlpha = 1
            ctx.fillStyle = muted
            ctx.textAlign = "right"
            ctx.textBaseline = "middle"
            for (var g = 0; g < grid.length; ++g)
                ctx.fillText(labels[g], left - 8, yOf(grid[g]))

            var drawn = 0
            for (var c = 0; c < plot.curves.length; ++c) {
                var curve = plot.curves[c]
                var n = curve.values.length
                if (n < 2)
                    continue
                ctx.strokeStyle = curve.color
                ctx.lineWidth = 2
                ctx.setLineDash(curve.dashed ? [6, 4] : [])
                ctx.beginPath()
                var started = false
                for (var i = 0; i < n; ++i) {
                    var v = curve.values[i]
                    if (!isFinite(v))
                        continue
                    var px = left + i * pw / (n - 1), py = yOf(v)
                    if (started)
                        ctx.lineTo(px, py)
                    else
                        ctx.moveTo(px, py)
                    started = true
                }
                ctx.stroke()
                ctx.setLineDash([])
                drawn += 1
            }
            chart.drawnCurves = drawn
            chart.drawnMessage = ""

            // Legend, right-aligned to the plot.
            ctx.font = "12px sans-serif"
            ctx.textAlign = "left"
            ctx.textBaseline = "top"
            var legend = plot.legend || []
            var widths = legend.map(function (e) { return 12 + 6 + ctx.measureText(e.label).width })
            var total = widths.reduce(function (a, b) { return a + b }, 0) + 18 * Math.max(0, legend.length - 1)
            var lx = Math.max(left, left + pw - total)
            for (var e = 0; e < legend.length; ++e) {
                ctx.fillStyle = legend[e].color
                ctx.fillRect(lx, top + 4, 12, 3)
                ctx.fillStyle = muted
                ctx.fillText(legend[e].label, lx + 18, top)
                lx += widths[e] + 18
            }

            if (chart.hoverT >= 0 && chart.hoverT <= 1) {
                var hx = Math.round(left + chart.hoverT * pw) + 0.5
                ctx.globalAlpha = 0.65
                ctx.strokeStyle = muted
                ctx.lineWidth = 1
                ctx.beginPath()
                ctx.moveTo(hx, top)
                ctx.lineTo(hx, bottom)
                ctx.stroke()
                ctx.globalAlpha = 1
            }
        }

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton
            onPositionChanged: function (mouse) {
                if (!chart.plot || !chart.plot.curves)
                    return
                var x = Math.min(chart._left + canvas.pw, Math.max(chart._left, mouse.x))
                var t = (x - chart._left) / canvas.pw
                if (Math.abs(t - chart.hoverT) > 1e-6)
                    chart.hoverMoved(t)
            }
            onExited: chart.hoverMoved(-1)
        }
    }

    Rectangle {
        id: tipBox
        objectName: "chartTooltip"
        readonly property var lines: chart.tooltipLines || []
        visible: lines.length > 0
        // Under the legend row, so the legend stays readable while hovering.
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 10 + chart._top + 18
        anchors.rightMargin: 10 + 16
        width: tipColumn.implicitWidth + 16
        height: tipColumn.implicitHeight + 12
        color: chart.theme ? chart.theme.surface : "#1C2128"
        border.color: chart.theme ? chart.theme.stroke : "#30363D"
        radius: chart.theme ? chart.theme.radiusSm : 8
        Column {
            id: tipColumn
            x: 8
            y: 6
            spacing: 2
            Repeater {
                model: tipBox.lines
                Text {
                    required property var modelData
                    text: modelData.text
                    textFormat: Text.PlainText
                    font.pixelSize: modelData.size || 11
                    font.weight: modelData.bold ? Font.DemiBold : Font.Normal
                    color: modelData.color || (chart.theme ? chart.theme.text : "#F0F6FC")
                }
            }
        }
    }
}
