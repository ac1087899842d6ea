import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// The opponent against the real controller: on a river spot whose hands
// play differently, each hand acts by its own solved strategy. A fixed seed
// replays every hand the same way.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: pageComponent; ResultsPage { anchors.fill: parent } }
    Component { id: themeComponent; Theme {} }

    TestCase {
        name: "PlayOpponentReal"
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

        // A page in play mode; steps wait for playTick() unless a delay is given.
        function playPage(cfg, key, delayMs) {
            solve(cfg, key)
            var page = createTemporaryObject(pageComponent, root, {
                controller: appController, boardText: cfg.board, gameVariant: cfg.variant || "holdem",
                theme: createTemporaryObject(themeComponent, root), playRandomSeed: 7
            })
            page.playMode = true
            page.playStepDelayMs = delayMs === undefined ? 600000 : delayMs
            // The table takes the strategy's place once the layout settles.
            waitForRendering(page)
            waitForItemPolished(page)
            return page
        }

        // A river spot where each seat may only check or move all in, and
        // OOP's two hands play differently: the set of kings bets for value,
        // 65s (no pair) bluffs some of the time. 5 % rake, cap 10.
        function allInRiverSpot() {
            var cfg = Spots.tinyRiverSpot(400)
            cfg.board = "KsQd7h4c2s"
            cfg.oop_range = "KK,65s"
            cfg.ip_range = "AQo"
            cfg.rake_percent = 5
            cfg.rake_cap = 10
            var seats = ["oop", "ip"], streets = ["flop", "turn", "river"]
            for (var i = 0; i < seats.length; ++i) {
                for (var j = 0; j < streets.length; ++j) {
                    cfg[seats[i] + "_" + streets[j] + "_bet_sizes"] = "a"
                    cfg[seats[i] + "_" + streets[j] + "_raise_sizes"] = "a"
                }
            }
            return cfg
        }

        function actionIndexNamed(node, name) {
            var actions = appController.nodeActions(node)
            for (var i = 0; i < actions.length; ++i) {
                if (actions[i].name === name)
                    return i
            }
            return -1
        }

        // The solved strategy of every combination at a node, by its cards.
        function comboStrategies(node) {
            var rows = appController.nodeHandCombos(node)
            var out = {}
            for (var i = 0; i < rows.length; ++i)
                out[rows[i].c1 + rows[i].c2] = out[rows[i].c2 + rows[i].c1] = rows[i].actionProbs
            return out
        }

        // Tallies of a seat's choices hand by hand against what its
        // combination's solved frequency makes likely: the count of `act`
        // must lie within four standard deviations of the expected count.
        function tally() {
            return { hands: 0, count: 0, expected: 0, variance: 0 }
        }

        function addHand(t, p, took) {
            t.hands += 1
            t.count += took ? 1 : 0
            t.expected += p
            t.variance += p * (1 - p)
        }

        function verifyWithinFourSd(t, what) {
            verify(t.hands > 20, what + ": only " + t.hands + " hands")
            var sd = Math.sqrt(t.variance)
            verify(Math.abs(t.count - t.expected) <= 4 * sd,
                   what + ": " + t.count + " of " + t.hands + ", expected " + t.expected.toFixed(1) + " \u00b1 " + sd.toFixed(2))
        }

        function test_opponentPlaysItsOwnCombosStrategy() {
            var page = playPage(allInRiverSpot(), "allin")
            page.playStopOnSuboptimalAction = false
            var bet = actionIndexNamed(0, "All-In")
            var check = actionIndexNamed(0, "Check")
            verify(check >= 0 && bet >= 0 && bet !== check)
            var oop = comboStrategies(0)
            // The solution itself separates the two hands.
            var kkRows = appController.nodeHandCombos(0).filter(function (r) { return r.c1.charAt(0) === "K" })
            verify(kkRows.length === 3)
            kkRows.forEach(function (r) { verify(r.actionProbs[bet] > 0.999, "KK bets " + r.actionProbs[bet]) })
            var overall = appController.nodeActions(0)[bet].frequency
            verify(overall < 0.95, "the node's mix " + overall)

            // Playing IP: OOP acts at the root by its cards.
            page.startPlaySession("IP")
            var kk = tally(), bluff = tally()
            for (var h = 0; h < 200; ++h) {
                if (h > 0)
                    page._resetToRootAndRestartHand()
                compare(page._playNode, 0)
                page.playTick()
                var took = page.treeLevels.get(0).selectedActionIndex
                verify(took === bet || took === check)
                var cards = page.oopCard1 + page.oopCard2
                addHand(page.oopCard1.charAt(0) === "K" ? kk : bluff, oop[cards][bet], took === bet)
            }
            compare(kk.count, kk.hands)
            verifyWithinFourSd(kk, "KK bets")
            verify(bluff.expected > 0.05 * bluff.hands && bluff.expected < 0.95 * bluff.hands,
                   "65s mixes: " + bluff.expected + " of " + bluff.hands)
            verifyWithinFourSd(bluff, "65s bets")

            // Playing OOP and moving all in: IP answers by AQo's strategy.
            page.resetPlaySession()
            page.startPlaySession("OOP")
            var facing = appController.nodeActions(0)[bet].childIndex
            var ip = comboStrategies(facing)
            var call = actionIndexNamed(facing, "Call")
            verify(call >= 0)
            var calls = tally()
            for (var k = 0; k < 100; ++k) {
                page._resetToRootAndRestartHand()
                page.playTick()
                page.playChooseAction(bet)
                compare(page._playNode, facing)
                page.playTick()
                var answer = page.treeLevels.get(1).selectedActionIndex
                addHand(calls, ip[page.ipCard1 + page.ipCard2][call], answer === call)
            }
            verifyWithinFourSd(calls, "AQo calls")
        }

        // A river start lists every action under the river; a fold after
        // an all-in is raked on the matched pot only, as the engine pays it.
        function test_riverStartFoldDetailsAndRake() {
            var page = playPage(allInRiverSpot(), "allin")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("BOTH")
            var bet = actionIndexNamed(0, "All-In")
            page.playTick()
            waitForRendering(page)
            // Every card of a river start is the solved board's own.
            verify(!findChild(page, "boardHint").visible)
            verify(!findChild(page, "playBoard").editable)
            compare(findChild(page, "playRoleText").text, "Role: both seats")
            page.playChooseAction(bet)
            page.playTick()
            page.playChooseAction(actionIndexNamed(page._playNode, "Fold"))
            var fold = page._playNode
            page.playTick()
            verify(page.playHandComplete)
            var e = page.playHandLog.get(0)
            var d = page.playSelectedDetails
            compare(d.flopActions, [])
            compare(d.turnActions, [])
            compare(d.riverActions, e.line.split(" \u2192 "))
            compare(d.riverActions.length, 2)
            compare(d.flopBoard, "KsQd7h")
            compare(d.turnCard, "4c")
            compare(d.riverCard, "2s")
            compare(d.winner, "OOP")
            // 5 % of the 22.8 both contested; the uncalled all-in goes back.
            fuzzyCompare(d.rakeTaken, 1.14, 1e-6)
            var meta = appController.nodeMeta(fold)
            var contested = 22.8 + 2 * Math.min(meta.investedOop, meta.investedIp)
            var paidOut = appController.nodeEv(fold, "OOP") + appController.nodeEv(fold, "IP")
            fuzzyCompare(d.rakeTaken, contested - paidOut, 1e-3)
            waitForRendering(page)
            compare(findChild(page, "detailsWinner").text, "Winner: OOP")
            // Each label stays with its figure at a line break.
            compare(findChild(page, "detailsWon").text, "Won:\u00A0" + Number(e.pot - e.investedOop).toFixed(2) + "   Rake:\u00A01.14")
            // No one is to act once the hand is over.
            compare(findChild(page, "actingPill").parent.opacity, 0)
            compare(findChild(page, "handLogCount").text, "1 hand")
        }
    }
}
