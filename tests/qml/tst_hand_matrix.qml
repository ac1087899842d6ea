import QtQuick
import QtTest
import Pellaris
import "../../qml/components/rangeText.js" as RangeText

// A visible root, so that presses and moves reach the matrix.
Item {
    id: root
    width: 700
    height: 700

    Theme { id: theme }

    readonly property var shortDeck: ["A", "K", "Q", "J", "T", "9", "8", "7", "6"]

    Component { id: matrixComponent; HandMatrix {} }
    Component { id: editorComponent; RangeEditor {} }
    Component { id: spy; SignalSpy {} }

    TestCase {
        name: "HandMatrix"
        when: windowShown

        function makeMatrix(props) {
            var m = createTemporaryObject(matrixComponent, root, Object.assign({ theme: theme }, props || {}))
            waitForItemPolished(m)
            return m
        }

        function spyOn(target, signalName) {
            return createTemporaryObject(spy, root, { target: target, signalName: signalName })
        }

        // Centre of a class's cell, in the matrix's coordinates.
        function centreOf(m, hand) {
            var cell = findChild(m, "cell_" + hand)
            var grid = findChild(m, "grid")
            return { x: grid.x + cell.x + cell.width / 2, y: grid.y + cell.y + cell.height / 2 }
        }

        function test_cellPositions_data() {
            return [
                { tag: "AA", hand: "AA", row: 0, col: 0 },
                { tag: "22", hand: "22", row: 12, col: 12 },
                { tag: "AKs", hand: "AKs", row: 0, col: 1 },
                { tag: "AKo", hand: "AKo", row: 1, col: 0 },
                { tag: "32s", hand: "32s", row: 11, col: 12 },
                { tag: "32o", hand: "32o", row: 12, col: 11 },
                { tag: "short AA", ranks: root.shortDeck, hand: "AA", row: 0, col: 0 },
                { tag: "short 66", ranks: root.shortDeck, hand: "66", row: 8, col: 8 },
                { tag: "short A6s", ranks: root.shortDeck, hand: "A6s", row: 0, col: 8 },
                { tag: "short A6o", ranks: root.shortDeck, hand: "A6o", row: 8, col: 0 }
            ]
        }

        function test_cellPositions(data) {
            var m = makeMatrix(data.ranks ? { ranks: data.ranks } : {})
            var cell = findChild(m, "cell_" + data.hand)
            verify(cell, data.hand + " drawn")
            compare(cell.x, data.col * 34)
            compare(cell.y, data.row * 34)
            compare(m.handAt(data.row, data.col), data.hand)
        }

        function test_sizes_data() {
            return [
                { tag: "hold'em", ranks: undefined, n: 13, edge: 440 },
                { tag: "short deck", ranks: root.shortDeck, n: 9, edge: 304 }
            ]
        }

        function test_sizes(data) {
            var m = makeMatrix(data.ranks ? { ranks: data.ranks } : {})
            compare(m.rankCount, data.n)
            compare(m.implicitWidth, data.edge)
            compare(m.implicitHeight, data.edge)
            compare(m.effectiveMatrixSize, data.edge)
            compare(findChild(m, "cell_" + m.handAt(data.n - 1, data.n - 1)).x, (data.n - 1) * 34)
        }

        function test_autoFit_data() {
            return [
                { tag: "600 wide", width: 600, cell: 44, edge: 596, gridX: 2 },
                { tag: "300 wide: held at the minimum", width: 300, cell: 28, edge: 388, gridX: -44 },
                { tag: "0 wide: overflows both sides", width: 0, cell: 28, edge: 388, gridX: -194 },
                { tag: "2000 wide: held at the maximum", width: 2000, cell: 64, edge: 856, gridX: 572 }
            ]
        }

        function test_autoFit(data) {
            var m = makeMatrix({ autoFitToWidth: true, width: data.width, height: 400 })
            compare(m.effectiveCellSize, data.cell)
            compare(m.effectiveMatrixSize, data.edge)
            compare(m.implicitHeight, data.edge)
            compare(m.implicitWidth, 440)          // from the configured cell only
            compare(findChild(m, "grid").x, data.gridX)
        }

        function test_indexAt_data() {
            return [
                { tag: "top-left cell", x: 0, y: 0, index: 0 },
                { tag: "right edge belongs to the cell", x: 32, y: 5, index: 0 },
                { tag: "gap to the right", x: 33, y: 5, index: -1 },
                { tag: "gap below", x: 5, y: 33, index: -1 },
                { tag: "second column", x: 34, y: 0, index: 1 },
                { tag: "bottom-right cell", x: 439, y: 439, index: 168 },
                { tag: "past the grid", x: 450, y: 5, index: -1 },
                { tag: "negative", x: -1, y: 5, index: -1 },
                { tag: "not finite", x: NaN, y: 5, index: -1 }
            ]
        }

        function test_indexAt(data) {
            compare(makeMatrix().indexAt(data.x, data.y), data.index)
        }

        function test_dragFromEmptyCellOnlyAdds() {
            var m = makeMatrix({ editable: true, weights: { "AJs": 1 } })
            var painted = spyOn(m, "handPainted")
            var aa = centreOf(m, "AA"), aks = centreOf(m, "AKs"), aqs = centreOf(m, "AQs"), ajs = centreOf(m, "AJs")
            mousePress(m, aa.x, aa.y)
            mouseMove(m, aks.x, aks.y)
            mouseMove(m, aks.x + 17, aks.y)        // the gap: ignored
            mouseMove(m, aks.x, aks.y)             // back to the same cell: not again
            mouseMove(m, aqs.x, aqs.y)
            mouseMove(m, ajs.x, ajs.y)             // already in the range
            mouseRelease(m, ajs.x, ajs.y)
            compare(painted.count, 3)
            var expected = ["AA", "AKs", "AQs"]
            for (var i = 0; i < 3; ++i) {
                compare(painted.signalArguments[i][0], expected[i])
                compare(painted.signalArguments[i][1], true)
                compare(painted.signalArguments[i][2], 0)
            }
        }

        function test_dragFromFilledCellOnlyRemoves() {
            var m = makeMatrix({ editable: true, weights: { "AA": 0.5, "AQs": 1 } })
            var painted = spyOn(m, "handPainted")
            var aa = centreOf(m, "AA"), aqs = centreOf(m, "AQs")
            mousePress(m, aa.x, aa.y)
            mouseMove(m, aqs.x, aqs.y)             // passes over AKs (empty) on the way
            mouseRelease(m, aqs.x, aqs.y)
            compare(painted.count, 2)
            compare([].slice.call(painted.signalArguments[0]), ["AA", false, 0.5])
            compare([].slice.call(painted.signalArguments[1]), ["AQs", false, 1])
        }

        function test_pressInGapStartsNothing() {
            var m = makeMatrix({ editable: true })
            var painted = spyOn(m, "handPainted"), hovered = spyOn(m, "handHovered")
            var aa = centreOf(m, "AA"), aqs = centreOf(m, "AQs")
            mousePress(m, aa.x + 17, aa.y)         // between AA and AKs
            compare(hovered.count, 0)
            mouseMove(m, aqs.x, aqs.y)
            mouseRelease(m, aqs.x, aqs.y)
            compare(painted.count, 0)
        }

        function test_clickModes_data() {
            return [
                { tag: "selectable: release cell is reported", props: { selectable: true }, clicked: ["AQs"], dragged: [] },
                { tag: "editable: never clicks", props: { editable: true, selectable: true }, clicked: [], dragged: [] },
                { tag: "drag-select: reports each cell, no click", props: { selectable: true, dragSelectable: true },
                  clicked: [], dragged: ["AKs", "AQs"] },
                { tag: "inert", props: {}, clicked: [], dragged: [] }
            ]
        }

        function test_clickModes(data) {
            var m = makeMatrix(data.props)
            var clicked = spyOn(m, "handClicked"), dragged = spyOn(m, "handDragged")
            var aks = centreOf(m, "AKs"), aqs = centreOf(m, "AQs")
            mousePress(m, aks.x, aks.y)
            mouseMove(m, aqs.x, aqs.y)
            mouseRelease(m, aqs.x, aqs.y)
            compare(clicked.count, data.clicked.length)
            for (var i = 0; i < data.clicked.length; ++i)
                compare(clicked.signalArguments[i][0], data.clicked[i])
            compare(dragged.count, data.dragged.length)
            for (var j = 0; j < data.dragged.length; ++j)
                compare(dragged.signalArguments[j][0], data.dragged[j])
        }

        function test_fills_data() {
            return [
                { tag: "mixed split", props: { actionTypes: ["check", "bet"], actionProbs: { "AKs": [0.3, 0.5] } },
                  weight: 1, mask: [32, 32], segments: [[0, 9.6]] },
                { tag: "over-full mix cut at the edge", props: { actionTypes: ["check", "bet", "allin"], actionProbs: { "AKs": [0.75, 0.5, 0.2] } },
                  weight: 1, mask: [32, 32], segments: [[0, 24], [24, 8]] },
                { tag: "mix under a half weight", props: { actionTypes: ["check", "bet"], actionProbs: { "AKs": [0.5, 0.5] } },
                  weight: 0.5, mask: [16, 32], segments: [[0, 8]] },
                { tag: "lengths differ: plain fill", props: { actionTypes: ["check", "bet", "allin"], actionProbs: { "AKs": [0.3, 0.7] } },
                  weight: 1, mask: [32, 32], segments: null },
                { tag: "vertical quarter", props: { weightDisplayMode: "verticalFill" },
                  weight: 0.25, mask: [32, 8], segments: null },
                { tag: "horizontal quarter", props: {}, weight: 0.25, mask: [8, 32], segments: null },
                { tag: "not a number", props: {}, weight: "x", mask: null, segments: null }
            ]
        }

        function test_fills(data) {
            var m = makeMatrix(Object.assign({ weights: { "AKs": data.weight } }, data.props))
            var cell = findChild(m, "cell_AKs"), mask = findChild(cell, "mask")
            compare(mask.visible, data.mask !== null)
            if (data.mask === null)
                return
            compare([mask.width, mask.height], data.mask)
            compare(findChild(cell, "plainFill").visible, data.segments === null)
            if (data.segments === null)
                return
            // The last action is the base under the others: it shows wherever
            // they leave room.
            var base = findChild(cell, "segmentBase")
            verify(base.visible)
            compare([base.width, base.height], data.mask)
            for (var i = 0; i < data.segments.length; ++i) {
                var seg = findChild(cell, "segment" + i)
                verify(seg.visible)
                fuzzyCompare(seg.x, data.segments[i][0], 1e-9)
                fuzzyCompare(seg.width, data.segments[i][1], 1e-9)
            }
            verify(!findChild(cell, "segment" + data.segments.length), "the last action has no segment of its own")
        }

        // The results page hands over a node's longer action list before
        // its mix: no cell reads a segment its mix lacks, and the new mix
        // draws once it comes.
        function test_moreActionsBeforeTheirMix() {
            failOnWarning(/./)
            var types = ["check", "bet", "raise", "allin"]
            var m = makeMatrix({ weights: { "AKs": 1, "72o": 1 }, actionTypes: types.slice(0, 2),
                                 actionProbs: { "AKs": [0.5, 0.5], "72o": [0.5, 0.5] } })
            m.actionColors = types.map(function (t) { return theme.actionColor(t) })
            m.actionTypes = types
            m.actionProbs = { "AKs": [0.25, 0.25, 0.25, 0.25], "72o": [0.25, 0.25, 0.25, 0.25] }
            waitForRendering(m)
            var cell = findChild(m, "cell_AKs")
            for (var s = 0; s < 3; ++s)
                compare([findChild(cell, "segment" + s).x, findChild(cell, "segment" + s).width], [8 * s, 8])
        }

        // A segment looks like its action colour at 0.85 opacity over the
        // cell's background.
        function test_segmentColours() {
            var m = makeMatrix({ weights: { "AKs": 1 }, actionTypes: ["check", "bet"], actionProbs: { "AKs": [0.5, 0.5] } })
            var cell = findChild(m, "cell_AKs")
            var expected = [theme.actionCheck, theme.actionBet]
            var drawn = [findChild(cell, "segment0").color, findChild(cell, "segmentBase").color]
            for (var i = 0; i < 2; ++i) {
                fuzzyCompare(drawn[i].r, expected[i].r * 0.85 + theme.surface2.r * 0.15, 0.004)
                fuzzyCompare(drawn[i].g, expected[i].g * 0.85 + theme.surface2.g * 0.15, 0.004)
                fuzzyCompare(drawn[i].b, expected[i].b * 0.85 + theme.surface2.b * 0.15, 0.004)
                compare(drawn[i].a, 1)
            }
        }
    }

    TestCase {
        name: "RangeEditor"
        when: windowShown

        function test_parse_data() {
            return [
                { tag: "percentage", text: "50%", key: "72o", weight: 0.5, count: 169 },
                { tag: "percentage unclamped", text: "150%", key: "AA", weight: 1.5, count: 169 },
                { tag: "leading blank: a key of its own", text: " 50%", key: "50%", weight: 1, count: 1 },
                { tag: "weights", text: "AA:0.5, KK", key: "AA", weight: 0.5, count: 2 },
                { tag: "zero weight kept, not counted", text: "AA:0", key: "AA", weight: 0, count: 0 },
                { tag: "later token wins", text: "AA, KK AA:0.25", key: "AA", weight: 0.25, count: 2 },
                { tag: "pairs upward", text: "JJ+", key: "QQ", weight: 1, count: 4 },
                { tag: "two ranks", text: "AK", key: "AKo", weight: 1, count: 2 },
                { tag: "lower case", text: "aks", key: "AKs", weight: 1, count: 1 },
                { tag: "one character ignored", text: "A, 99-22, A5s+", key: "99-22", weight: 1, count: 2 }
            ]
        }

        function test_parse(data) {
            var w = RangeText.parseRangeText(data.text, ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"])
            compare(w[data.key], data.weight)
            compare(RangeText.countInRange(w), data.count)
        }

        function test_paintKeepsOtherWeights_data() {
            return [
                { tag: "adding", hand: "AKs", text: "AA:0.5, KK, QQ:0.125", expected: "AA:0.5, KK, QQ:0.125, AKs" },
                { tag: "removing", hand: "KK", text: "AA:0.5, KK", expected: "AA:0.5" },
                { tag: "over-full weight written bare", hand: "QQ", text: "AA:1.5", expected: "AA, QQ" }
            ]
        }

        function test_paintKeepsOtherWeights(data) {
            var editor = createTemporaryObject(editorComponent, root, { theme: theme, rangeText: data.text })
            var changed = createTemporaryObject(spy, root, { target: editor, signalName: "rangeChanged" })
            var m = findChild(editor, "matrix")
            waitForItemPolished(editor)
            var cell = findChild(m, "cell_" + data.hand)
            mouseClick(cell)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], data.expected)
        }

        function test_presetsAndCount() {
            var editor = createTemporaryObject(editorComponent, root, { rangeText: "50%" })
            var changed = createTemporaryObject(spy, root, { target: editor, signalName: "rangeChanged" })
            compare(findChild(editor, "handCount").text, "169 hands")
            waitForItemPolished(editor)
            mouseClick(findChild(editor, "preset_clear"))
            compare(changed.signalArguments[0][0], "")
            editor.rangeText = ""
            compare(findChild(editor, "handCount").text, "0 hands")
        }
    }
}
