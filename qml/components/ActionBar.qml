pragma ComponentBehavior: Bound
import QtQuick
import "actionBar.js" as Bar
import "numberText.js" as NumberText
import "../theme" as ThemePack

// How often each action of a decision is taken: one bar cut into coloured
// segments proportional to the frequencies, with an optional line of text
// per action underneath.
Item {
    id: bar

    property ThemePack.Theme theme
    property var actions: []
    property bool showLabels: true
    property bool interactive: false
    property int selectedAction: -1

    readonly property real _totalFreq: Bar.totalFreq(actions)
    readonly property int _count: actions ? actions.length : 0
    // The printed percentages, rounded together so that they add to 100.
    readonly property var _percents: Bar.percents(actions, 0)

    signal actionClicked(int index, string name)
    signal actionHovered(int index, string name, real frequency)

    // The labels share a row while each shows whole; else they take as
    // many rows as they need, never cut where a row can hold one.
    readonly property real _widestLabel: {
        var widest = 0
        for (var i = 0; i < _count; ++i)
            widest = Math.max(widest, labelMetrics.advanceWidth(_labelText(actions[i], i)))
        return Math.ceil(widest) + 19
    }
    readonly property int _labelsPerRow: Bar.labelsPerRow(width, _count, _widestLabel)
    readonly property int _labelRows: _labelsPerRow > 0 ? Math.ceil(_count / _labelsPerRow) : 1

    implicitWidth: 300
    implicitHeight: showLabels ? 24 + 20 * _labelRows - 4 : 24

    FontMetrics {
        id: labelMetrics
        font.pixelSize: 11
    }

    function _rawFreq(entry: var): real {
        return Bar.rawFreq(entry)
    }

    function _normFreq(entry: var): real {
        return Bar.normFreq(entry, _totalFreq)
    }

    function indexAtX(px: real): int {
        return Bar.indexAtX(actions, canvas.width, px)
    }

    function _hoverAt(px) {
        var idx = indexAtX(px)
        if (idx >= 0)
            actionHovered(idx, _nameOf(idx), _normFreq(actions[idx]))
    }

    function _nameOf(idx: int): string {
        var entry = actions[idx]
        return entry && entry.name !== undefined && entry.name !== null ? String(entry.name) : ""
    }

    // The bar takes `color` and `actionType` whenever the key is there.
    function _canvasColor(entry) {
        if (!entry)
            return theme ? theme.surface2 : "#21262D"
        if (entry.color !== undefined)
            return entry.color
        if (!theme)
            return "#888"
        return theme.actionColor(entry.actionType !== undefined ? entry.actionType : entry.name)
    }

    // The swatch takes each only when it is non-empty.
    function _swatchColor(entry) {
        if (entry && entry.color !== undefined && entry.color !== null && String(entry.color) !== "")
            return entry.color
        if (!theme)
            return "#888"
        var type = entry && entry.actionType !== undefined && entry.actionType !== null ? String(entry.actionType) : ""
        return theme.actionColor(type !== "" ? type : (entry ? entry.name : undefined))
    }

    function _labelText(entry, index) {
        var dash = qsTr("—")
        var combos = entry && Bar.isFiniteNumber(entry.combos)
            ? Bar.combosWords(entry.combos) : dash
        var equity = entry && Bar.isFiniteNumber(entry.equity)
            ? qsTr("%1% equity").arg(NumberText.fixed(entry.equity * 100, 1)) : dash
        var ev = entry && Bar.isFiniteNumber(entry.ev) ? qsTr("%1 EV").arg(NumberText.fixed(entry.ev, 2)) : dash
        var name = entry ? Bar.actionLabel(entry.name, entry.actionType) : ""
        var p = _percents[index]
        return qsTr("%1 · %2 · %3 · %4 · %5").arg(name).arg(isFinite(p) ? NumberText.fixed(p, 0) + "%" : dash)
            .arg(combos).arg(equity).arg(ev)
    }

    // The canvas keeps its pixels until asked: repaint on a new palette or
    // accent too, not only on new actions.
    readonly property string _themeKey: theme ? String(theme.dark) + String(theme.accent) : ""
    onActionsChanged: canvas.requestPaint()
    on_ThemeKeyChanged: canvas.requestPaint()

    Column {
        anchors.fill: parent
        spacing: 4

        Rectangle {
            id: track
            objectName: "track"
            width: parent.width
            height: bar.showLabels ? 20 : parent.height
            radius: bar.theme ? bar.theme.radiusSm : 8
            color: bar.theme ? bar.theme.surface2 : "#21262D"

            Canvas {
                id: canvas
                anchors.fill: parent
                antialiasing: true
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()
                onPaint: bar._paint(getContext("2d"), width, height)
            }

            MouseArea {
                id: trackPointer
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton
                cursorShape: bar.interactive ? Qt.PointingHandCursor : Qt.ArrowCursor
                // Entering is the first move over the bar.
                onEntered: bar._hoverAt(trackPointer.mouseX)
                onPositionChanged: function (mouse) { bar._hoverAt(mouse.x) }
                onClicked: function (mouse) {
                    if (!bar.interactive)
                        return
                    var idx = bar.indexAtX(mouse.x)
                    if (idx >= 0)
                        bar.actionClicked(idx, bar._nameOf(idx))
                }
            }
        }

        Grid {
            id: labelLine
            objectName: "labelLine"
            visible: bar.showLabels
            width: parent.width
            height: 20 * bar._labelRows - 4
            clip: true
            columns: Math.max(1, bar._labelsPerRow)
            columnSpacing: 32
            rowSpacing: 4

            Repeater {
                model: bar.showLabels ? bar._count : 0

                Row {
                    id: block
                    required property int index
                    readonly property var entry: bar.actions[index]
                    objectName: "labelBlock" + index
                    width: Bar.blockWidth(labelLine.width, bar._labelsPerRow)
                    spacing: 8

                    Rectangle {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 10
                        height: 10
                        radius: 2
                        color: bar._swatchColor(block.entry)
                    }
                    Text {
                        id: labelText
                        objectName: "labelText"
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.max(0, block.width - 18)
                        text: bar._labelText(block.entry, block.index)
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        maximumLineCount: 1
                        wrapMode: Text.NoWrap
                        font.pixelSize: 11
                        color: bar.theme ? bar.theme.textMuted : "#8B949E"

                        // A cut label reads whole in its tool tip.
                        HoverHandler { id: labelHover }
                        PlainToolTip {
                            theme: bar.theme
                            visible: labelHover.hovered && labelText.truncated
                            text: labelText.text
                        }
                    }
                }
            }
        }
    }

    function _roundedPath(ctx, x, w, h, r, left, right) {
        var rl = left ? r : 0, rr = right ? r : 0
        ctx.beginPath()
        ctx.moveTo(x + rl, 0)
        ctx.lineTo(x + w - rr, 0)
        if (rr > 0) ctx.arcTo(x + w, 0, x + w, rr, rr)
        else ctx.lineTo(x + w, 0)
        ctx.lineTo(x + w, h - rr)
        if (rr > 0) ctx.arcTo(x + w, h, x + w - rr, h, rr)
        else ctx.lineTo(x + w, h)
        ctx.lineTo(x + rl, h)
        if (rl > 0) ctx.arcTo(x, h, x, h - rl, rl)
        else ctx.lineTo(x, h)
        ctx.lineTo(x, rl)
        if (rl > 0) ctx.arcTo(x, 0, x + rl, 0, rl)
        ctx.closePath()
    }

    function _paint(ctx, width, height) {
        ctx.reset()
        var n = _count
        if (n === 0 || width <= 0 || height <= 0)
            return
        var freqs = new Array(n)
        for (var i = 0; i < n; ++i)
            freqs[i] = _normFreq(actions[i])
        var ends = Bar.visibleEnds(freqs, width)
        if (ends.first < 0)
            return
        var rMax = Math.min(theme ? theme.radiusSm : 8, height / 2)
        ctx.font = "bold 10px sans-serif"
        ctx.textAlign = "center"
        ctx.textBaseline = "middle"
        var x = 0
        for (var k = 0; k < n; ++k) {
            var f = freqs[k]
            if (f <= 0)
                continue
            var w = f * width
            var r = Math.min(rMax, w / 2)
            _roundedPath(ctx, x, w, height, r, k === ends.first, k === ends.last)
            ctx.fillStyle = _canvasColor(actions[k])
            ctx.fill()
            var p = _percents[k]
            if (w > 35 && p > 0) {
                var text = p + "%"
                if (ctx.measureText(text).width + 8 <= w) {
                    ctx.fillStyle = "rgba(255,255,255,0.92)"
                    ctx.fillText(text, x + w / 2, height / 2)
                }
            }
            x += w
        }
    }
}
