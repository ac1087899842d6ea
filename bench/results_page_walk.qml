import QtQuick
import QtQuick.Window
import Pellaris

// How quickly the results page answers a click in the game tree: solves the
// reference flop spot once, then walks `--steps` nodes through the tree
// panel's own click handlers and times each click until the action bar and
// the matrix hold the new node and a frame has been drawn. Prints one line
// per step and a summary line, then quits.
//   --iterations=N   iterations of the solve (default 30)
//   --threads=N      solver threads (default: all)
//   --steps=N        clicks to time (default 50)
//   --settle=MS      pause between the results and the first click (default 500)
//   --profile=1      first time the page's own steps on cached nodes
//   --distributions=1  instead of the walk, time the root's distributions
//                    from opening the dialog to the answer, and the longest
//                    pause of a 16 ms timer and of frames meanwhile
Window {
    id: window
    width: 1440
    height: 900
    visible: true

    readonly property var args: Qt.application.arguments
    function _option(name, fallback) {
        for (var i = 0; i < args.length; ++i) {
            var a = String(args[i])
            if (a.indexOf("--" + name + "=") === 0)
                return Number(a.substring(name.length + 3))
        }
        return fallback
    }

    // qmllint disable unqualified
    readonly property var controller: appController
    // qmllint enable unqualified

    Theme { id: theme }

    ResultsPage {
        id: page
        anchors.fill: parent
        theme: theme
        controller: window.controller
        boardText: "QsJh2h"
    }

    function _find(item, name) {
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = _find(item.children[i], name)
            if (found)
                return found
        }
        return null
    }

    // The reference flop spot: a 3-bet pot on QsJh2h.
    function spotF() {
        var cfg = {
            board: "QsJh2h", starting_street: "flop", starting_pot: 180, effective_stack: 910,
            oop_range: "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,JTo:0.25,T8s+,T7s:0.45,"
                       + "97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,"
                       + "43s:0.5,42s:0.45,32s:0.45",
            ip_range: "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,85s:0.5,75s+,"
                      + "74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s",
            max_iterations: _option("iterations", 30), target_exploitability: 0,
            thread_count: _option("threads", controller.systemThreadCount)
        }
        var sizes = { flop: ["52%", "45%"], turn: ["55%", "45%"], river: ["70%", "45%"] }
        for (var street in sizes) {
            for (var seat of ["oop", "ip"]) {
                cfg[seat + "_" + street + "_bet_sizes"] = sizes[street][0]
                cfg[seat + "_" + street + "_raise_sizes"] = sizes[street][1]
            }
        }
        return cfg
    }

    property int step: 0
    property var times: []
    property real clickedAt: 0
    property real syncMs: 0
    property bool waitingFrame: false
    property real solveStarted: 0

    Component.onCompleted: {
        solveStarted = Date.now()
        controller.startSolveWithConfig(spotF())
    }

    Connections {
        target: window.controller
        function onRunningChanged() {
            if (window.controller.running)
                return
            console.log("solved in " + ((Date.now() - window.solveStarted) / 1000).toFixed(1) + " s, "
                        + window.controller.resultIterations + " iterations, " + window.controller.statusText)
            settleTimer.interval = window._option("settle", 500)
            settleTimer.start()
        }
    }

    // Lets the page take in the results before the first click.
    Timer {
        id: settleTimer
        interval: 500
        onTriggered: {
            if (window._option("distributions", 0) > 0)
                return window.timeDistributions()
            if (window._option("profile", 0) > 0)
                window.profile()
            window.nextClick()
        }
    }
    Timer { id: gapTimer; interval: 30; onTriggered: window.nextClick() }

    // The next click of the walk: down the tree by rotating choices, chance
    // cards through the picker, back to an earlier level at the leaves.
    function nextClick() {
        if (step >= _option("steps", 50))
            return finish()
        var last = page.treeLevels.count - 1
        var block = page.treeBlocks[last]
        var nodeBefore = page.currentNodeIndex
        clickedAt = Date.now()
        if (block.chance) {
            page.openChancePicker(last, block.nodeIndex)
            var offer = page.chancePickerAvailableCardIndices
            var idx = offer[(step * 7) % offer.length]
            page.chooseChanceCard(idx, "")
        } else {
            var items = block.items.filter(function (it) { return it.hasChildren })
            if (items.length === 0 || last >= 8) {
                _find(page, "treeAction_" + (step % Math.max(1, last)) + "_" + page.treeBlocks[step % Math.max(1, last)].items[0].actionIndex).clicked()
            } else {
                var pick = items[step % items.length]
                _find(page, "treeAction_" + last + "_" + pick.actionIndex).clicked()
            }
        }
        // Bindings are lazy: reading what the bar and the matrix show makes
        // them settle now, then the frame that draws them ends the step.
        var bar = _find(page, "actionFrequenciesBar")
        var matrix = _find(page, "strategyMatrix")
        var filled = bar.actions.length + Object.keys(matrix.weights).length
        syncMs = Date.now() - clickedAt
        if (page.currentNodeIndex === nodeBefore)
            console.log("step " + step + " did not move (" + filled + ")")
        waitingFrame = true
        window.update()
    }

    property real distOpenedAt: 0
    property real distLastTick: 0
    property real distLastFrame: 0
    property real distTimerGap: 0
    property real distFrameGap: 0

    function timeDistributions() {
        distOpenedAt = Date.now()
        distLastTick = distOpenedAt
        distLastFrame = distOpenedAt
        page.openDistributions()
        console.log("first answer after " + (Date.now() - distOpenedAt) + " ms: "
                    + (page._distPayload.pending ? "pending" : page._distPayload.error))
        distTicker.start()
    }

    // Ticks while the controller computes; a long pause would be a UI stall.
    Timer {
        id: distTicker
        interval: 16
        repeat: true
        onTriggered: {
            var now = Date.now()
            window.distTimerGap = Math.max(window.distTimerGap, now - window.distLastTick)
            window.distLastTick = now
            window.update()
            if (!page._distPayload.ok)
                return
            stop()
            console.log("distributions-summary answer-ms " + (now - window.distOpenedAt) + " oop "
                        + page._distPayload.oopHands.length + " ip " + page._distPayload.ipHands.length
                        + " longest-timer-gap-ms " + window.distTimerGap + " longest-frame-gap-ms " + window.distFrameGap)
            Qt.quit()
        }
    }

    onFrameSwapped: {
        if (distTicker.running) {
            var now = Date.now()
            distFrameGap = Math.max(distFrameGap, now - distLastFrame)
            distLastFrame = now
        }
        if (!waitingFrame)
            return
        waitingFrame = false
        var ms = Date.now() - clickedAt
        times.push(ms)
        console.log("step " + step + " node " + page.currentNodeIndex + " level " + (page.treeLevels.count - 1)
                    + " " + ms + " ms (click handling " + syncMs + " ms)")
        step += 1
        gapTimer.start()
    }

    function _timed(label, fn) {
        var t = Date.now()
        fn()
        return label + " " + (Date.now() - t)
    }

    // Where a click's time goes: the page's own steps on cached nodes.
    function profile() {
        var c = controller
        page.selectActionAtLevel(0, 0)
        page.selectActionAtLevel(1, 0)
        var n = page.currentNodeIndex
        c.nodeActionStats(n); c.nodeHandStrategyReach169(n, ""); c.nodeHandBuckets(n)
        var reps = 10
        function each(label, fn) {
            var t = Date.now()
            for (var i = 0; i < reps; ++i)
                fn()
            return label + " " + ((Date.now() - t) / reps).toFixed(1)
        }
        console.log("page steps, ms each: " + [
            each("meta", function () { c.nodeMeta(n) }),
            each("actions", function () { c.nodeActions(n) }),
            each("stats", function () { c.nodeActionStats(n) }),
            each("strategy", function () { c.nodeHandStrategy(n) }),
            each("reach", function () { c.nodeHandStrategyReach169(n, "") }),
            each("buckets", function () { c.nodeHandBuckets(n) }),
            each("combos", function () { c.nodeHandCombos(n) }),
            each("levelRows", function () { page._levelRows(true) }),
            each("rebuild", function () { page.rebuildBreadcrumbs() }),
            each("matrix", function () { page.refreshHandMatrix() }),
            each("actionList", function () { page._currentActionList(n) }),
            each("back+forth", function () { page.navigateToBreadcrumb(1); page.selectActionAtLevel(1, 0) }),
            each("nodeToggle", function () { page.currentNodeIndex = 1; page.currentNodeIndex = n }),
            each("rebuild2", function () { page.rebuildBreadcrumbs() }),
            each("pathOnly", function () { page.treeLevels.remove(2, 1); page.treeLevels.append({ nodeIndex: n, selectedActionIndex: -1 }) })].join(", "))
        _find(page, "comboList").model = []
        console.log("without combo rows: " + each("nodeToggle", function () { page.currentNodeIndex = 1; page.currentNodeIndex = n }))
        _find(page, "bucketList").model = []
        console.log("without bucket rows: " + each("nodeToggle", function () { page.currentNodeIndex = 1; page.currentNodeIndex = n }))
        page.resetTreeToRoot()
    }

    function finish() {
        var sorted = times.slice().sort(function (a, b) { return a - b })
        var n = sorted.length
        var median = n % 2 ? sorted[(n - 1) / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2
        console.log("walk-summary steps " + n + " median-ms " + median + " worst-ms " + sorted[n - 1])
        Qt.quit()
    }
}
