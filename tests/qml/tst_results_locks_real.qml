import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// Node locking, the distributions and the play-statistics charts of the
// results page over the real controller on the small river spot.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: pageComponent; ResultsPage { anchors.fill: parent } }
    Component { id: themeComponent; Theme {} }

    TestCase {
        name: "ResultsLocksReal"
        when: windowShown

        function makePage() {
            appController.startSolveWithConfig(Spots.tinyRiverSpot(40))
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
            var page = createTemporaryObject(pageComponent, root, {
                controller: appController, boardText: "Ks7d2c5h9s",
                theme: createTemporaryObject(themeComponent, root)
            })
            waitForItemPolished(page)
            return page
        }

        function click(page, name) {
            var item = findChild(page, name)
            verify(item, name)
            verify(item.visible, name + " visible")
            mouseClick(item)
        }

        function actionIndex(nodeIndex, name) {
            var actions = appController.nodeActions(nodeIndex)
            for (var i = 0; i < actions.length; ++i) {
                if (actions[i].name === name)
                    return i
            }
            return -1
        }

        function cellCentre(page, hand) {
            var m = findChild(page, "strategyMatrix")
            var cell = findChild(m, "cell_" + hand)
            var grid = findChild(m, "grid")
            return { m: m, x: grid.x + cell.x + cell.width / 2, y: grid.y + cell.y + cell.height / 2 }
        }

        function dragOver(page, hands) {
            var first = cellCentre(page, hands[0])
            mousePress(first.m, first.x, first.y)
            for (var i = 1; i < hands.length; ++i) {
                var c = cellCentre(page, hands[i])
                mouseMove(c.m, c.x, c.y)
            }
            var last = cellCentre(page, hands[hands.length - 1])
            mouseRelease(last.m, last.x, last.y)
        }

        function lockedProbs(node, hand) {
            var rows = appController.nodeLocks(node)
            for (var i = 0; i < rows.length; ++i) {
                if (rows[i].hand === hand)
                    return rows[i].actionProbs
            }
            return null
        }

        // The matrix's lock mark shows on exactly the classes of `hands`.
        function compareLockMarks(page, hands, others) {
            var m = findChild(page, "strategyMatrix")
            var all = hands.concat(others)
            for (var i = 0; i < all.length; ++i) {
                var mark = findChild(findChild(m, "cell_" + all[i]), "lockMark")
                verify(mark, all[i])
                compare(mark.visible, i < hands.length, all[i] + " lock mark")
            }
        }

        function lockCheckAtRoot(page, hands) {
            click(page, "nodeLockModeButton")
            click(page, "nodeLockAction_" + actionIndex(0, "Check"))
            dragOver(page, hands)
        }

        function test_checkDragPreviewsPureChecks() {
            var page = makePage()
            var check = actionIndex(0, "Check")
            var count = appController.nodeActions(0).length
            // No action chosen yet: a press locks nothing.
            click(page, "nodeLockModeButton")
            dragOver(page, ["AA"])
            compare(appController.nodeLocks(0).length, 0)
            compareLockMarks(page, [], ["AA", "AKs"])
            click(page, "nodeLockAction_" + check)
            dragOver(page, ["AA", "AKs", "AQs"])
            var hands = ["AA", "AKs", "AQs"]
            for (var i = 0; i < hands.length; ++i) {
                var probs = page.handActionProbs[hands[i]]
                compare(probs.length, count, hands[i])
                for (var a = 0; a < count; ++a)
                    compare(probs[a], a === check ? 1 : 0, hands[i] + " action " + a)
            }
            for (var h = 0; h < hands.length; ++h)
                compare(lockedProbs(0, hands[h]), page.handActionProbs[hands[h]], hands[h])
            verify(page.treeBlocks[0].locked)
            compareLockMarks(page, hands, ["KK", "AJs", "72o"])
            // The marks belong to the node: another node shows none.
            var other = -1
            for (var n = 1; n < appController.treeNodeCount() && other < 0; ++n) {
                if (appController.nodeMeta(n).nodeType === "decision")
                    other = n
            }
            page.currentNodeIndex = other
            compareLockMarks(page, [], hands)
            page.currentNodeIndex = 0
            compareLockMarks(page, hands, ["KK"])
        }

        function test_mixedThreeActions() {
            var page = makePage()
            var node = -1
            for (var n = 0; n < appController.treeNodeCount() && node < 0; ++n) {
                if (appController.nodeMeta(n).nodeType === "decision" && appController.nodeActions(n).length === 3)
                    node = n
            }
            verify(node >= 0, "a node with three actions")
            page.currentNodeIndex = node
            click(page, "nodeLockModeButton")
            click(page, "nodeLockMixed")
            compare(page.nodeLockMixedFreqTexts, ["0.33", "0.33", "0.33"])
            var field = findChild(page, "nodeLockFreq_0")
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_Period)
            keyClick(Qt.Key_5)
            keyClick(Qt.Key_Return)
            compare(page.nodeLockMixedFreqTexts, ["0.50", "0.33", "0.17"])
            compare(findChild(page, "nodeLockFreq_2").text, "0.17")
        }

        function test_resolveKeepsLocksThenStandardModeDropsThem() {
            var page = makePage()
            var check = actionIndex(0, "Check")
            var toSolve = createTemporaryObject(signalSpyComponent, root, { target: page, signalName: "goToSolve" })
            lockCheckAtRoot(page, ["AA", "AKs"])
            // Only the classes locked by hand carry the mark, although the
            // controller pins the node's other classes too.
            compareLockMarks(page, ["AA", "AKs"], ["KK", "AQs"])
            verify(appController.nodeLocks(0).length > 2)
            click(page, "nodeLockResolve")
            compare(toSolve.count, 1)
            tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
            var probs = appController.nodeHandStrategy(0).actionProbs
            var hands = ["AA", "AKs"]
            for (var i = 0; i < hands.length; ++i) {
                for (var a = 0; a < probs[hands[i]].length; ++a)
                    fuzzyCompare(probs[hands[i]][a], a === check ? 1 : 0, 1e-4)
            }
            // The controller still holds them: the tree shows the mark.
            verify(lockedProbs(0, "AA") !== null)
            verify(page.treeBlocks[0].locked)
            click(page, "nodeLockModeButton")
            click(page, "standardModeButton")
            compare(appController.nodeLocks(0).length, 0)
            verify(!page.treeBlocks[0].locked)
            compareLockMarks(page, [], ["AA", "AKs"])
        }

        function test_lockMarksSurviveTheResolve() {
            var page = makePage()
            lockCheckAtRoot(page, ["AA", "AKs"])
            click(page, "nodeLockResolve")
            tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
            page.currentNodeIndex = 0
            page.refreshHandMatrix()
            compareLockMarks(page, ["AA", "AKs"], ["KK", "AQs"])
            verify(page.treeBlocks[0].locked)
        }

        function test_distributionsComputeThenDraw() {
            var page = makePage()
            click(page, "distributionsButton")
            var dialog = findChild(page, "distributionsDialog")
            var chart = findChild(dialog.contentItem, "chart")
            verify(page._distPayload.pending)
            verify(dialog._pending)
            compare(chart.plot.message, "Computing…")
            // An answer for another node leaves the dialog as it is.
            var before = page._distPayload
            appController.handDistributions169Ready(page.currentNodeIndex + 1)
            verify(page._distPayload === before)
            tryVerify(function () { return page._distPayload.ok }, 20000)
            tryCompare(chart, "drawnCurves", 2)
            verify(!findChild(dialog.contentItem, "distComputing").visible)
        }

        function test_statisticsDrawsTwoCurves() {
            var page = makePage()
            appController.clearPlayVsSolutionStats()
            appController.recordPlayVsSolutionHandDetailed(false, 0, 1.0, 1.0)
            page.openPlayStatistics()
            var dialog = findChild(page, "playStatsDialog")
            tryVerify(function () { return dialog.opened })
            var chart = findChild(dialog.contentItem, "chart")
            tryCompare(chart, "drawnMessage", "No data")
            appController.recordPlayVsSolutionHandDetailed(true, 1.5, 0.5, 2.0)
            page.repaintPlayStatistics()
            tryCompare(chart, "drawnCurves", 2)
            page._playStatsHoverT = 1
            var lines = findChild(chart, "chartTooltip").lines.map(function (l) { return l.text })
            compare(lines, ["Hand 2", "Optimal: 3.00", "Actual: 1.50", "Hand EV: 2.00 (opt) / 0.50 (act)"])
            // A loss is written with the minus sign.
            appController.recordPlayVsSolutionHandDetailed(true, 2.5, -2.0, 0.5)
            page.repaintPlayStatistics()
            lines = findChild(chart, "chartTooltip").lines.map(function (l) { return l.text })
            compare(lines, ["Hand 3", "Optimal: 3.50", "Actual: \u22120.50", "Hand EV: 0.50 (opt) / \u22122.00 (act)"])
        }

        // The grid labels of the statistics chart: round steps around the
        // data, each label whole and with its sign.
        function test_statisticsAxisLabels_data() {
            return [
                { tag: "thousands", hands: [[100, -1900], [300, 300], [400, 400]],
                  labels: ["1000", "500", "0", "\u2212500", "\u22121000", "\u22121500", "\u22122000"] },
                { tag: "small", hands: [[1.0, 1.0], [2.0, 0.5]],
                  labels: ["3.5", "3.0", "2.5", "2.0", "1.5", "1.0", "0.5"] }
            ]
        }

        function test_statisticsAxisLabels(row) {
            var page = makePage()
            appController.clearPlayVsSolutionStats()
            row.hands.forEach(function (h) {
                appController.recordPlayVsSolutionHandDetailed(h[1] < h[0], h[0] - h[1], h[1], h[0])
            })
            page.openPlayStatistics()
            var dialog = findChild(page, "playStatsDialog")
            tryVerify(function () { return dialog.opened })
            var chart = findChild(dialog.contentItem, "chart")
            tryCompare(chart, "drawnCurves", 2)
            compare(chart.drawnLabels, row.labels)
            verify(chart.drawnLabelRoom >= 0, "a label runs past the chart's left edge")
            dialog.close()
        }
    }

    Component { id: signalSpyComponent; SignalSpy {} }
}
