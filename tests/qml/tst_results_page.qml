import QtQuick
import QtTest
import Pellaris

// The results page over a scripted controller: no controller at all, and
// the noise filter following the board of the path (a flop spot's turn).
Item {
    id: root
    width: 1400
    height: 900

    Component { id: pageComponent; ResultsPage { anchors.fill: parent } }
    Component { id: solvePageComponent; SolvePage { anchors.fill: parent } }

    TestCase {
        name: "ResultsPage"
        when: windowShown

        function test_withoutController() {
            var page = createTemporaryObject(pageComponent, root, { boardText: "AhKs7h" })
            compare(page.treeLevels.count, 1)
            compare(page.currentActions, [])
            compare(page.treeBlocks[0].items.length, 0)
            compare(findChild(page, "potValue").text, "0.00")
            compare(findChild(page, "potOddsValue").text, "—")
            compare(findChild(findChild(page, "evOopCard"), "statValue").text, "—")
            verify(findChild(page, "noCombosText").visible)
            compare(findChild(page, "bucketsShown").text, "0 shown")
        }

        // The finished solve's exploitability reads the same on the solve
        // page's tile and in the results header (each with its decimals).
        function test_exploitabilityIsOneFigure_data() {
            return [
                { tag: "measured", iterations: 80, value: 0.0123, header: "0.0123", tile: "0.01" },
                { tag: "zero", iterations: 80, value: 0, header: "0.0000", tile: "0.00" },
                { tag: "noise below zero", iterations: 80, value: -2e-7, header: "0.0000", tile: "0.00" },
                { tag: "no results", iterations: 0, value: 0, header: "—", tile: "—" }
            ]
        }

        function test_exploitabilityIsOneFigure(row) {
            var stub = harness.createStandIn("appController")
            stub.resultIterations = row.iterations
            stub.resultExploitability = row.value
            var results = createTemporaryObject(pageComponent, root, { controller: stub })
            var solve = createTemporaryObject(solvePageComponent, root, { controller: stub })
            compare(findChild(findChild(results, "exploitabilityCard"), "statValue").text, row.header)
            compare(findChild(findChild(solve, "exploitabilityTile"), "statValue").text, row.tile)
        }

        // The hand log shows each new hand while the details follow the
        // newest one, also after the user scrolled it; pinned to an older
        // hand, it keeps the user's place.
        function test_handLogFollowsTheNewestRow() {
            var page = createTemporaryObject(pageComponent, root, { controller: scriptedFlop(), boardText: "AhKs7h" })
            page.playMode = true
            var list = findChild(page, "handLogList")
            var add = function () {
                page.playHandLog.insert(0, { board: "AhKs7h", role: "OOP", oop: "QsQd", ip: "JdJc", evLoss: NaN,
                                             isMistake: false, mistakeActor: "" })
                waitForRendering(list)
            }
            for (var i = 0; i < 12; ++i)
                add()
            verify(list.contentHeight > list.height, "the log must scroll")
            list.contentY = list.originY + 200
            add()
            verify(list.atYBeginning, "following: the newest hand is shown")
            page.playFollowLatestHandDetails = false
            list.contentY = list.originY + 200
            var shownFirst = list.indexAt(10, list.contentY + 10)
            add()
            compare(list.indexAt(10, list.contentY + 10), shownFirst + 1, "pinned: the same hand stays in view")
        }

        // Hands logged with no frame drawn between them: each row shows its
        // own entry's cards and tint, in order, and the selection border
        // sits on the hand the details show.
        function test_handLogRowsShowTheirOwnEntries() {
            var page = createTemporaryObject(pageComponent, root, { controller: scriptedFlop(), boardText: "AhKs7h" })
            page.playMode = true
            var list = findChild(page, "handLogList")
            var played = ["JsTd", "AhTd", "KdJh", "8h6h", "AsTh"]
            for (var i = 0; i < played.length; ++i)
                page.playHandLog.insert(0, { board: "AhKs7h", role: "OOP", oop: played[i], ip: "2c2d", evLoss: NaN,
                                             isMistake: played[i] === "KdJh", mistakeActor: "" })
            page.userSelectPlayLog(2)
            waitForRendering(list)
            var shown = [], mistakes = [], bordered = []
            for (var r = 0; r < played.length; ++r) {
                var item = findChild(list, "handLogRow" + r)
                var cards = findChild(item, "handLogHeroCards").children, text = ""
                for (var c = 0; c < cards.length; ++c)
                    text += cards[c].rank !== undefined ? cards[c].rank + cards[c].suit : ""
                shown.push(text)
                mistakes.push(item.mistake)
                if (item.border.width === 2)
                    bordered.push(shown[r])
            }
            compare(shown, played.slice().reverse())
            compare(mistakes, shown.map(function (h) { return h === "KdJh" }))
            compare(bordered, [page.playSelectedLog.oop])
            compare(page.playSelectedLog.oop, "KdJh")
        }

        // Root (flop) → turn card 2c → a decision node whose combos include
        // rounding dust that only the turn board hides.
        function scriptedFlop() {
            var stub = harness.createStandIn("appController")
            stub.resultIterations = 10
            var metas = [
                { nodeType: "decision", player: "OOP", pot: 10, effectiveStack: 100, investedOop: 0, investedIp: 0, hasChildren: true },
                { nodeType: "chance", player: "", chanceDeal: "turn", pot: 10, hasChildren: true },
                { nodeType: "decision", player: "OOP", pot: 10, effectiveStack: 100, investedOop: 0, investedIp: 0, hasChildren: true }]
            var actions = [[{ name: "Check", actionType: "check", frequency: 1, childIndex: 1 }],
                           [{ name: "2c", actionType: "chance", frequency: 1, childIndex: 2 }],
                           [{ name: "Check", actionType: "check", frequency: 1, childIndex: -1 }]]
            stub._answer("treeNodeCount", 3)
            stub._answer("nodeMeta", function (n) { return metas[n] || {} })
            stub._answer("nodeActions", function (n) { return actions[n] || [] })
            stub._answer("nodeHandCombos", function (n) {
                return [{ c1: "Qs", c2: "Qd", weight: 1, ev: 1, actionEvs: [1], buckets: [], actionProbs: [1] },
                        { c1: "Jd", c2: "Jc", weight: 1e-9, ev: 1, actionEvs: [1], buckets: [], actionProbs: [1] }]
            })
            return stub
        }

        function test_noiseFilterFollowsThePathBoard() {
            var stub = scriptedFlop()
            var page = createTemporaryObject(pageComponent, root, { controller: stub, boardText: "AhKs7h" })
            tryVerify(function () { return !page._handCombosLoading })
            compare(page.visibleHandCombos.length, 2)
            page.selectActionAtLevel(0, 0)
            page.openChancePicker(1, 1)
            // 2d is offered for the engine's 2c: diamonds and clubs are absent.
            page.chooseChanceCard(page._chanceCardIndexForSelection("2d"), "2d")
            compare(page.treeBoardText, "AhKs7h2d")
            compare(page.currentNodeIndex, 2)
            tryVerify(function () { return !page._handCombosLoading })
            compare(page.visibleHandCombos.length, 1)
            // Engine cards in the shown suits: Qd reads as Qc.
            compare([page.visibleHandCombos[0].c1, page.visibleHandCombos[0].c2], ["Qs", "Qc"])
        }
    }
}
