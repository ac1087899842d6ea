pragma ComponentBehavior: Bound
import QtQuick
import "handMatrix.js" as M
import "../theme" as ThemePack

// The starting-hand classes of one range as a square grid (13×13, or 9×9
// in short deck): each cell shows its class, its weight and, at a solved
// node, the mix of actions the class takes. Gestures are reported through
// signals; the matrix never changes its own inputs.
Item {
    id: matrix

    property ThemePack.Theme theme
    property var weights: ({})
    property var colors: ({})
    property var ranks: M.HOLDEM_RANKS
    property string weightDisplayMode: "horizontalSpan"
    property var actionTypes: []
    property var actionProbs: ({})
    // Optional: one colour per entry of actionTypes (sized bets and raises
    // drawn in the colours their action rows carry).
    property var actionColors: []
    // Classes shown with a lock mark (class label -> true).
    property var lockedHands: ({})
    property bool editable: false
    property bool selectable: false
    property bool dragSelectable: false
    property bool showLabels: true
    property real cellSize: 32
    property real cellSpacing: 2
    property bool autoFitToWidth: false
    property real minCellSize: 28
    property real maxCellSize: 64

    readonly property int rankCount: M.rankCount(ranks)
    readonly property real effectiveCellSize: autoFitToWidth
        ? M.fitCellSize(width, rankCount, cellSpacing, cellSize, minCellSize, maxCellSize) : cellSize
    readonly property real effectiveMatrixSize: effectiveCellSize * rankCount + cellSpacing * (rankCount - 1)

    // Gesture state
    property int _hoverIndex: -1
    property bool _dragActive: false
    property bool _dragDesiredOn: false
    property int _dragLastIndex: -1
    property bool _dragSelectActive: false
    property int _dragSelectLastIndex: -1
    property bool _dragSelectDidEmit: false

    // Looked up once per set of actions, not once per cell.
    readonly property var _actionColors: {
        var types = actionTypes || []
        // Colours given by the caller for the same keys win over the theme's.
        if (actionColors && actionColors.length === types.length && types.length > 0)
            return actionColors
        var out = []
        for (var i = 0; i < types.length; ++i)
            out.push(theme ? theme.actionColor(types[i]) : "#888")
        return out
    }
    // Action colours at 0.85 opacity, blended once over each of the three
    // cell backgrounds. Opaque segments can lie over a base in the last
    // action's colour (which takes whatever the others leave), so a new mix
    // moves one rectangle fewer per cell.
    readonly property var _mixColors: ({
        pair: M.blendAll(_actionColors, theme ? theme.surface3 : "#2D333B", 0.85),
        suited: M.blendAll(_actionColors, theme ? theme.surface2 : "#21262D", 0.85),
        offsuit: M.blendAll(_actionColors, theme ? theme.surface : "#1C2128", 0.85)
    })
    readonly property color _accent: theme ? theme.accent : Qt.rgba(0.247, 0.725, 0.314, 1)

    signal handClicked(string hand, real currentWeight)
    signal handPainted(string hand, bool desiredOn, real currentWeight)
    signal handDragged(string hand, real currentWeight)
    signal handHovered(string hand, real weight)

    // Sized from the configured cell, never the fitted one, so a layout that
    // reads it does not feed back into the fit.
    implicitWidth: (cellSize + cellSpacing) * rankCount - cellSpacing
    implicitHeight: autoFitToWidth ? effectiveMatrixSize : implicitWidth

    function handAt(row, col) {
        return M.handAt(ranks, row, col)
    }

    function weightFor(hand) {
        return weights && M.has(weights, hand) ? weights[hand] : 0
    }

    function colorFor(hand, weight) {
        if (colors && M.has(colors, hand))
            return colors[hand]
        if (!(weight > 0))
            return "transparent"
        return Qt.rgba(_accent.r, _accent.g, _accent.b, weight * 0.8)
    }

    function isLocked(hand) {
        return !!lockedHands && M.has(lockedHands, hand) && !!lockedHands[hand]
    }

    function probsFor(hand) {
        return actionProbs && M.has(actionProbs, hand) ? actionProbs[hand] : []
    }

    function clamp01(v) {
        return M.clamp01(v)
    }

    function cumProb(probs, idx) {
        return M.cumProb(probs, idx)
    }

    function indexAt(x, y) {
        return M.indexAt(x, y, effectiveCellSize, cellSpacing, rankCount)
    }

    function _handAtIndex(idx) {
        return handAt(Math.floor(idx / rankCount), idx % rankCount)
    }

    function _emitHoverAtIndex(idx) {
        if (idx >= 0) {
            var hand = _handAtIndex(idx)
            handHovered(hand, weightFor(hand))
        }
    }

    function _maybePaintAtIndex(idx) {
        if (!_dragActive || idx < 0 || idx === _dragLastIndex)
            return
        _dragLastIndex = idx
        var hand = _handAtIndex(idx)
        var weight = weightFor(hand)
        var on = weight > 0
        if (_dragDesiredOn !== on)
            handPainted(hand, _dragDesiredOn, weight)
    }

    function _maybeDragSelectAtIndex(idx) {
        if (!_dragSelectActive || idx < 0 || idx === _dragSelectLastIndex)
            return
        _dragSelectLastIndex = idx
        _dragSelectDidEmit = true
        var hand = _handAtIndex(idx)
        handDragged(hand, weightFor(hand))
    }

    function _pointerMoved(x, y) {
        var idx = indexAt(x, y)
        if (idx !== _hoverIndex) {
            _hoverIndex = idx
            _emitHoverAtIndex(idx)
        }
        _maybePaintAtIndex(idx)
        _maybeDragSelectAtIndex(idx)
    }

    function _pointerPressed(x, y) {
        // A press to paint takes the focus first, so that a field beside
        // the matrix finishes its edit (the click weight) before a cell is
        // painted with it.
        if (editable)
            forceActiveFocus(Qt.MouseFocusReason)
        var idx = indexAt(x, y)
        _hoverIndex = idx
        _emitHoverAtIndex(idx)
        if (idx < 0)
            return
        var w = weightFor(_handAtIndex(idx))
        if (editable) {
            _dragActive = true
            _dragLastIndex = -1
            _dragDesiredOn = !(w > 0)
            _maybePaintAtIndex(idx)
        } else if (selectable && dragSelectable) {
            _dragSelectActive = true
            _dragSelectLastIndex = -1
            _dragSelectDidEmit = false
            _maybeDragSelectAtIndex(idx)
        }
    }

    function _endGestures() {
        _dragActive = false
        _dragLastIndex = -1
        _dragSelectActive = false
        _dragSelectLastIndex = -1
    }

    function _pointerClicked(x, y) {
        if (dragSelectable && _dragSelectDidEmit)
            return
        if (editable || !selectable)
            return
        var idx = indexAt(x, y)
        if (idx >= 0) {
            var hand = _handAtIndex(idx)
            handClicked(hand, weightFor(hand))
        }
    }

    Item {
        id: grid
        objectName: "grid"
        // Centred; a component narrower than the grid lets it overflow
        // equally on both sides.
        x: Math.round((matrix.width - width) / 2)
        y: Math.round((matrix.height - height) / 2)
        width: matrix.effectiveMatrixSize
        height: matrix.effectiveMatrixSize

        Repeater {
            model: matrix.rankCount * matrix.rankCount

            HandMatrixCell {
                required property int index
                matrix: matrix
                cellIndex: index
            }
        }

        // One area for the whole grid: cells are found by arithmetic, not by
        // per-cell handlers.
        MouseArea {
            id: pointer
            objectName: "pointer"
            anchors.fill: parent
            z: 10
            hoverEnabled: true
            preventStealing: true
            acceptedButtons: matrix.editable || matrix.selectable ? Qt.LeftButton : Qt.NoButton
            cursorShape: matrix.editable || matrix.selectable ? Qt.PointingHandCursor : Qt.ArrowCursor
            onPositionChanged: function (mouse) { matrix._pointerMoved(mouse.x, mouse.y) }
            onExited: matrix._hoverIndex = -1
            onPressed: function (mouse) { matrix._pointerPressed(mouse.x, mouse.y) }
            onReleased: matrix._endGestures()
            onCanceled: matrix._endGestures()
            onClicked: function (mouse) { matrix._pointerClicked(mouse.x, mouse.y) }
        }
    }
}
