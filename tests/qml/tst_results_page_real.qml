import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// The results page over the real controller on small turn and river spots:
// walking the tree, chance cards and their suit twins, figures, strategy
// and the hand-detail filters.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: pageComponent; ResultsPage { anchors.fill: parent } }
    Component { id: themeComponent; Theme {} }

    TestCase {
        name: "ResultsPageReal"
        when: windowShown

        property string solvedSpot: ""

        function solve(cfg, key) {
            if (solvedSpot === key)
                return
            appController.startSolveWithConfig(cfg)
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
            solvedSpot = key
        }

        function makePage(cfg, key) {
            solve(cfg, key)
            var page = createTemporaryObject(pageComponent, root, {
                controller: appController, boardText: cfg.board,
                theme: createTemporaryObject(themeComponent, root)
            })
            waitForItemPolished(page)
            return page
        }

        function riverPage() { return makePage(Spots.tinyRiverSpot(40), "river") }
        function turnPage() { return makePage(Spots.tinyTurnSpot(30), "turn") }

        function actionIndex(page, nodeIndex, name) {
            var actions = appController.nodeActions(nodeIndex)
            for (var i = 0; i < actions.length; ++i) {
                if (actions[i].name === name)
                    return i
            }
            fail("no action " + name + " at node " + nodeIndex)
        }

        function clickTreeAction(page, level, name) {
            // Let the replaced tree delegates go before looking one up.
            wait(0)
            var node = page.treeLevels.get(level).nodeIndex
            var item = findChild(page, "treeAction_" + level + "_" + actionIndex(page, node, name))
            verify(item, "tree action " + name)
            waitForItemPolished(page)
            mouseClick(item)
        }

        function test_checkOpensIpLevel() {
            var page = riverPage()
            compare(page.treeLevels.count, 1)
            clickTreeAction(page, 0, "Check")
            compare(page.treeLevels.count, 2)
            compare(page.selectedPlayer, "IP")
            compare(page.currentMeta.player, "IP")
            compare(page.currentNodeIndex, page.treeLevels.get(1).nodeIndex)
        }

        function test_foldKeepsLevelAndEarlierClickTrims() {
            var page = riverPage()
            clickTreeAction(page, 0, "Bet 33%")
            var facing = page.currentNodeIndex
            compare(page.selectedPlayer, "IP")
            clickTreeAction(page, 1, "Fold")
            compare(page.treeLevels.count, 2)
            compare(page.currentNodeIndex, facing)
            compare(page.treeBlocks[1].items.length, 1)
            compare(page.treeBlocks[1].items[0].name, "Fold")
            // The root's chosen action: back to one undecided level.
            clickTreeAction(page, 0, "Bet 33%")
            compare(page.treeLevels.count, 1)
            compare(page.treeLevels.get(0).selectedActionIndex, -1)
            compare(page.currentNodeIndex, 0)
            compare(page.treeBlocks[0].items.length, appController.nodeActions(0).length)
        }

        function test_nodeFigures() {
            var page = riverPage()
            clickTreeAction(page, 0, "Bet 75%")
            var meta = appController.nodeMeta(page.currentNodeIndex)
            var call = meta.investedOop - meta.investedIp
            verify(call > 0)
            compare(findChild(page, "potValue").text, meta.pot.toFixed(2))
            compare(findChild(page, "toCallValue").text, call.toFixed(2))
            compare(findChild(page, "sprValue").text, ((meta.effectiveStack - meta.investedIp) / meta.pot).toFixed(2))
            compare(findChild(page, "potOddsValue").text, (Math.round(call / (meta.pot + call) * 1000) / 10).toFixed(1) + "%")
            compare(findChild(page, "rakeValue").text, "0.00")
        }

        function barTexts(page) {
            var bar = findChild(page, "actionFrequenciesBar")
            waitForItemPolished(bar)
            var texts = []
            for (var i = 0; i < bar.actions.length; ++i)
                texts.push(findChild(findChild(bar, "labelBlock" + i), "labelText").text)
            return texts
        }

        // "name · pct% · n combos · eq% equity · ev EV": the head exact, the
        // equity within 0.2% and the EV within tol of the hand-solved values.
        function compareBarText(text, head, equity, ev, tol) {
            var m = /^(.*) · (-?[\d.]+)% equity · (-?[\d.]+) EV$/.exec(text)
            verify(m, text)
            compare(m[1], head)
            verify(Math.abs(Number(m[2]) - equity) <= 0.2, text)
            verify(Math.abs(Number(m[3]) - ev) <= tol, text)
        }

        // The hand-solved river game (see the controller's river figures
        // test): every figure on the bar, the tree and the node card.
        function test_handSolvedRiverFigures() {
            var page = makePage(Spots.handSolvedRiverSpot(), "hand-solved river")
            var root = barTexts(page)
            compareBarText(root[0], "Check · 36% · 2.5 combos", 0, 0, 0.5)
            compareBarText(root[1], "All-in · 64% · 4.5 combos", 66.67, 100, 0.5)
            var tree = [findChild(page, "treeAction_0_0"), findChild(page, "treeAction_0_1")]
            compare([findChild(tree[0], "freqText").text, findChild(tree[1], "freqText").text],
                    ["Freq: 36%", "Freq: 64%"])
            compare(findChild(page, "sprValue").text, "1.00")
            compare(findChild(page, "stackValue").text, "100.00")

            clickTreeAction(page, 0, "All-In")
            compare(page.selectedPlayer, "IP")
            var facing = barTexts(page)
            // Calling and folding are worth the same: relative to fold, 0.
            compareBarText(facing[0], "Fold · 50% · 4.5 combos", 33.33, 0, 0)
            compareBarText(facing[1], "Call · 50% · 4.5 combos", 33.33, 0, 0.5)
            compare(findChild(page, "potValue").text, "200.00")
            compare(findChild(page, "toCallValue").text, "100.00")
            compare(findChild(page, "potOddsValue").text, "33.3%")
            compare(findChild(page, "stackValue").text, "100.00")
            for (var i = 0; i < page.currentHandBuckets.length; ++i)
                verify(page.currentHandBuckets[i].combos <= 9 + 1e-9)
            verify((root.join() + facing.join()).indexOf("NaN") < 0)
        }

        // Nodes no pair of hands reaches, in the hand-solved river game with
        // a 75 % bet beside the all-in: OOP never bets 75 %, so neither the
        // node after it (IP with AQo) nor the one after IP's all-in there
        // (OOP's hands) has figures of its own, and no hand has any either.
        function test_unreachedNodesShowDashes() {
            var cfg = Spots.handSolvedRiverSpot()
            var seats = ["oop", "ip"], streets = ["flop", "turn", "river"]
            for (var i = 0; i < seats.length; ++i) {
                for (var j = 0; j < streets.length; ++j) {
                    cfg[seats[i] + "_" + streets[j] + "_bet_sizes"] = "75, a"
                    cfg[seats[i] + "_" + streets[j] + "_raise_sizes"] = "a"
                }
            }
            var page = makePage(cfg, "hand-solved river with 75%")
            var path = ["Bet 75%", "All-In"]
            for (var level = 0; level < path.length; ++level) {
                clickTreeAction(page, level, path[level])
                var node = page.currentNodeIndex
                var actor = page.selectedPlayer
                verify(isNaN(appController.nodeEv(node, actor)), path[level] + " is reached")
                tryVerify(function () { return !page._handCombosLoading && page.currentHandCombos.length > 0 }, 30000)
                var rows = page.currentHandCombos
                for (var r = 0; r < rows.length; ++r) {
                    var texts = page.comboEvLines(rows[r]).map(function (l) { return l.text })
                    compare(texts, page.currentActions.map(function () { return "\u2014" }),
                            path[level] + " " + rows[r].c1 + rows[r].c2)
                    verify(page.comboActionsForProbs(rows[r].actionProbs).every(function (a) { return isNaN(a.frequency) }))
                    var evs = appController.nodePocketActionEvs(node, actor, rows[r].c1, rows[r].c2)
                    verify(evs.length > 0 && evs.every(function (v) { return isNaN(v) }))
                }
            }
        }

        function test_barEvsFromFoldAndBetColours() {
            var page = riverPage()
            var stats = appController.nodeActionStats(0)
            var bets = page.currentActions.filter(function (a) { return a.actionType.indexOf("bet") === 0 })
            verify(bets.length >= 2)
            // Smallest size first in the palette.
            compare(bets[0].color, "#818CF8")
            compare(bets[1].color, "#A78BFA")
            clickTreeAction(page, 0, "Bet 33%")
            stats = appController.nodeActionStats(page.currentNodeIndex)
            var bar = page.actionFrequenciesActions
            compare(bar[0].name, "Fold")
            compare(bar[0].ev, 0)
            fuzzyCompare(bar[1].ev, stats[1].ev - stats[0].ev, 1e-9)
            compare(findChild(page, "actionFrequenciesBar").actions, bar)
            verify(Object.keys(page.handWeights).length > 0)
            compare(page.handActionTypeList.length, stats.length)
        }

        function test_handFiltersClearOnNodeChange() {
            var page = riverPage()
            tryVerify(function () { return !page._handCombosLoading && page.currentHandCombos.length > 0 }, 30000)
            var all = page.visibleHandCombos.length
            page.handSearchText = "AK"
            verify(page.visibleHandCombos.length > 0)
            verify(page.visibleHandCombos.every(function (c) {
                return page._handClassFromCards(c.c1, c.c2).indexOf("AK") === 0 }))
            page.handSearchText = "jcjd"
            compare(page.visibleHandCombos.length, 1)
            compare([page.visibleHandCombos[0].c1, page.visibleHandCombos[0].c2].sort().join(""), "JcJd")
            page.handSearchText = ""
            var matrix = findChild(page, "strategyMatrix")
            page.toggleHandFilter("76s")
            tryCompare(findChild(page, "handFilterText"), "text", "Filter: 76s")
            verify(page.visibleHandCombos.length > 0 && page.visibleHandCombos.length <= 4)
            page.toggleHandFilter("76s")
            compare(page.visibleHandCombos.length, all)
            function reached() {
                return Object.keys(page.handWeights).filter(function (k) { return page.handWeights[k] > 0 }).length
            }
            var reachedAll = reached()
            var bucket = page.currentHandBuckets[0].name
            page.toggleBucketFilter(bucket)
            verify(page.visibleHandCombos.length < all)
            verify(page.visibleHandCombos.every(function (c) { return c.buckets.indexOf(bucket) >= 0 }))
            verify(reached() < reachedAll, "classes outside the bucket are greyed")
            page.toggleHandFilter("AA")
            page.handSearchText = "KK"
            clickTreeAction(page, 0, "Check")
            compare(page.selectedBucket, "")
            compare(page.selectedHandClass, "")
            compare(page.handSearchText, "")
        }

        function test_matrixClickFilters() {
            var page = riverPage()
            var matrix = findChild(page, "strategyMatrix")
            waitForItemPolished(matrix)
            matrix.handClicked("T9s", 0)
            compare(page.selectedHandClass, "T9s")
            compare(findChild(page, "handFilterText").text, "Filter: T9s")
        }

        function test_chancePickerSuitTwin() {
            var page = turnPage()
            clickTreeAction(page, 0, "Check")
            clickTreeAction(page, 1, "Check")
            compare(page.treeLevels.count, 3)
            var chanceNode = page.treeLevels.get(2).nodeIndex
            compare(appController.nodeMeta(chanceNode).nodeType, "chance")
            var chanceItem = findChild(page, "chanceNode_2")
            verify(chanceItem)
            waitForItemPolished(page)
            mouseClick(chanceItem)
            var picker = findChild(page, "chancePicker")
            tryCompare(picker, "opened", true)
            compare(page.chancePickerTitle, "Choose Turn Card".replace("Turn", "River"))
            // The engine lists 3c but not 3d: 3d stands for 3c.
            var names = appController.nodeActions(chanceNode).map(function (a) { return a.name })
            verify(names.indexOf("3c") >= 0 && names.indexOf("3d") < 0, names.join(","))
            var twin = names.indexOf("3c")
            compare(page._chanceCardIndexForSelection("3d"), twin)
            compare(page._chanceCardIndexForSelection("Ah"), -1)
            var card3d = findChild(picker.contentItem, "chanceCard_3d")
            verify(!card3d.disabled)
            verify(findChild(picker.contentItem, "chanceCard_7h").disabled)
            waitForItemPolished(picker.contentItem)
            mouseClick(card3d)
            tryCompare(picker, "opened", false)
            compare(page.treeBoardText, "AhKs7h2h3d")
            compare(page.treeBlocks[2].card, "3d")
            compare(findChild(page, "strategyBoard").boardText, "AhKs7h2h3d")
            var shownNode = page.currentNodeIndex
            compare(shownNode, appController.nodeActions(chanceNode)[twin].childIndex)
            var shownProbs = page.handActionProbs
            // The engine's own 3c gives the same strategy.
            page.navigateToBreadcrumb(2)
            page.openChancePicker(2, chanceNode)
            page.chooseChanceCard(twin, "3c")
            compare(page.currentNodeIndex, shownNode)
            compare(page.treeBoardText, "AhKs7h2h3c")
            compare(JSON.stringify(page.handActionProbs), JSON.stringify(shownProbs))
            // Combos under the shown suits: a club combo reads as diamonds.
            page.navigateToBreadcrumb(2)
            page.openChancePicker(2, chanceNode)
            page.chooseChanceCard(twin, "3d")
            tryVerify(function () { return !page._handCombosLoading }, 30000)
            var swap = { c: "d", d: "c", h: "h", s: "s" }
            verify(page._loadedHandCombos.length > 0)
            for (var i = 0; i < page._loadedHandCombos.length; ++i) {
                var engine = page._loadedHandCombos[i], shown = page.currentHandCombos[i]
                compare(shown.c1, engine.c1.charAt(0) + swap[engine.c1.charAt(1)])
                compare(shown.c2, engine.c2.charAt(0) + swap[engine.c2.charAt(1)])
            }
        }

        function test_newResultsReturnToRootWithoutOverride() {
            var page = turnPage()
            clickTreeAction(page, 0, "Check")
            clickTreeAction(page, 1, "Check")
            var chanceNode = page.treeLevels.get(2).nodeIndex
            page.openChancePicker(2, chanceNode)
            page.chooseChanceCard(page._chanceCardIndexForSelection("3d"), "3d")
            verify(Object.keys(page.chanceCardDisplayOverrideByNode).length === 1)
            solvedSpot = ""
            solve(Spots.tinyTurnSpot(20), "turn")
            compare(page.treeLevels.count, 1)
            compare(page.currentNodeIndex, 0)
            compare(Object.keys(page.chanceCardDisplayOverrideByNode).length, 0)
            compare(page.treeBoardText, "AhKs7h2h")
            // A card chosen without a display text drops the override.
            clickTreeAction(page, 0, "Check")
            clickTreeAction(page, 1, "Check")
            page.openChancePicker(2, chanceNode)
            page.chooseChanceCard(page._chanceCardIndexForSelection("3d"), "3d")
            page.navigateToBreadcrumb(2)
            page.openChancePicker(2, chanceNode)
            page.chooseChanceCard(page._chanceCardIndexForSelection("3d"), "")
            compare(page.treeBoardText, "AhKs7h2h3c")
            compare(page.chanceCardDisplayOverrideByNode[String(chanceNode)], "3c")
        }

        // After a project is opened, a node whose answers the file holds
        // shows its hands as before; one it does not hold says so where the
        // hands would be, and the distributions give the controller's
        // reason. Runs last: the held result is the file's afterwards.
        function test_zz_reopenedNodesSayWhatTheFileHolds() {
            var page = turnPage()
            var url = harness.temporaryFileUrl("kept-nodes.pellarisproj")
            verify(appController.saveProject(url, {}))
            solvedSpot = ""
            verify(appController.loadProject(url).ok)
            var note = findChild(page, "noCombosText")
            tryVerify(function () { return !page._handCombosLoading && page.currentHandCombos.length > 0 }, 30000)
            verify(!page._nodeNotKept)
            verify(!note.visible)

            // A river node: nobody read it before the save (the read-ahead
            // stops at the deal).
            clickTreeAction(page, 0, "Check")
            clickTreeAction(page, 1, "Check")
            var chanceNode = page.treeLevels.get(2).nodeIndex
            compare(appController.nodeMeta(chanceNode).nodeType, "chance")
            page.openChancePicker(2, chanceNode)
            var names = appController.nodeActions(chanceNode).map(function (a) { return a.name })
            page.chooseChanceCard(names.indexOf("3c"), "3c")
            compare(appController.nodeMeta(page.currentNodeIndex).nodeType, "decision")
            tryVerify(function () { return !page._handCombosLoading }, 30000)
            verify(page._nodeNotKept)
            verify(note.visible)
            compare(note.text, "Not kept in this project: solve the spot again to see this node")

            page.openDistributions()
            var chart = findChild(findChild(page, "distributionsDialog").contentItem, "chart")
            tryVerify(function () { return chart.plot.message === "Distributions unavailable (no live solve state)." }, 30000,
                      chart.plot.message)
            findChild(page, "distributionsDialog").close()

            // Back at the root, the kept hands show again.
            page.resetTreeToRoot()
            tryVerify(function () { return !page._handCombosLoading && page.currentHandCombos.length > 0 }, 30000)
            verify(!note.visible)
        }
    }
}
