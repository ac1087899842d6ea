import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// Playing hands of a solved turn spot against the real controller, with a
// fixed seed so each hand replays the same way.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: pageComponent; ResultsPage { anchors.fill: parent } }
    Component { id: homeComponent; HomePage { anchors.fill: parent } }
    Component { id: themeComponent; Theme {} }

    TestCase {
        name: "PlayReal"
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

        function turnSpot() { return Spots.tinyTurnSpot(30) }

        function indexOf(page, names) {
            var actions = page._actionListAtPlayNode()
            for (var i = 0; i < actions.length; ++i) {
                if (names.indexOf(actions[i].name) >= 0)
                    return i
            }
            fail("none of " + names + " at node " + page._playNode)
        }

        // Steps the hand by hand until `done`, the hero checking or calling.
        function playPassive(page, done) {
            for (var n = 0; n < 40 && !done(); ++n) {
                if (page.playAwaitingUserAction)
                    page.playChooseAction(indexOf(page, ["Check", "Call"]))
                else
                    page.playTick()
            }
            verify(done(), "the hand did not get there")
        }

        function atRiverDeal(page) {
            return function () { return page.playNodeMeta.nodeType === "chance" && page.playNodeMeta.chanceDeal === "river" }
        }

        function test_oopHandRunsToTerminalThroughRiverDeal() {
            var page = playPage(turnSpot(), "turn", 5)
            page.playStopOnSuboptimalAction = false
            mouseClick(findChild(page, "playAsOop"))
            compare(page.oopCard1.length, 2)
            compare(page.ipCard1.length, 2)
            // IP's cards are face down, OOP's up.
            tryCompare(page, "playAwaitingUserAction", true)
            for (var n = 0; n < 12 && !page.playHandComplete; ++n) {
                tryVerify(function () { return page.playAwaitingUserAction || page.playHandComplete }, 5000)
                if (page.playAwaitingUserAction)
                    mouseClick(findChild(page, "playAction" + indexOf(page, ["Check", "Call"])))
            }
            tryCompare(page, "playHandComplete", true, 5000)
            compare(page.playBoardText.length, 10)
            compare(page.playHandLog.count, 1)
            var e = page.playHandLog.get(0)
            compare(e.endedReason, "terminal")
            compare(e.isMistake, false)
            compare(e.board, page.playBoardText)
            verify(e.line.indexOf("Chance: " + page.playBoardText.substr(8, 2)) > 0, e.line)
            compare(e.line, page._playLineFromTree())
            compare(page.playSelectedLogIndex, 0)
        }

        function test_worstRootChoiceIsLoggedAsMistake() {
            var page = playPage(turnSpot(), "turn")
            var before = appController.playVsSolutionStats().totalHands
            var home = createTemporaryObject(homeComponent, root, { controller: appController,
                                                                    theme: page.theme, visible: false })
            page.startPlaySession("OOP")
            page.playTick()
            verify(page.playAwaitingUserAction)
            var actions = page._actionListAtPlayNode()
            var worst = 0, worstInfo = null
            for (var i = 0; i < actions.length; ++i) {
                var info = page._suboptimalEvInfoAtNode(page._playNode, "OOP", i)
                verify(info.ok)
                if (!worstInfo || info.chosenEv < worstInfo.chosenEv) {
                    worst = i
                    worstInfo = info
                }
            }
            verify(worstInfo.evLoss > 0.01 * Math.abs(worstInfo.bestEv))
            var prompt = findChild(page, "playActionPrompt")
            verify(prompt.visible)
            mouseClick(findChild(page, "playAction" + worst))
            verify(page.playHandComplete)
            verify(!prompt.visible)
            verify(findChild(page, "anotherHand").visible)
            compare(page.playHandLog.count, 1)
            var e = page.playHandLog.get(0)
            compare(e.endedReason, "suboptimal")
            compare(e.isMistake, true)
            compare(e.mistakeActor, "OOP")
            compare(e.mistakeAction, actions[worst].name)
            compare(e.correctAction, actions[worstInfo.bestIndex].name)
            fuzzyCompare(e.evLoss, worstInfo.evLoss, 1e-9)
            fuzzyCompare(e.handActualEv, worstInfo.chosenEv, 1e-9)
            compare(e.line, "OOP: " + actions[worst].name)
            // The hand stops at the root: nothing was taken.
            compare(page._playNode, 0)
            compare(appController.playVsSolutionStats().totalHands, before + 1)
            compare(home.playVsSolutionStats.totalHands, before + 1)
            compare(home.playVsSolutionStats.totalMistakes >= 1, true)
            // Another hand starts at the root with new cards and no bubble.
            mouseClick(findChild(page, "anotherHand"))
            verify(!page.playHandComplete)
            compare(page.playActionLine, "")
            compare(page.playHandLog.count, 1)
        }

        function test_foldHandIsPerfectWithFoldWinner() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("BOTH")
            page.playTick()
            page.playChooseAction(indexOf(page, ["Bet 75%"]))
            page.playTick()
            verify(page.playAwaitingUserAction, "both seats are the user's")
            compare(page.playLastActionText, "")
            page.playChooseAction(indexOf(page, ["Fold"]))
            page.playTick()
            verify(page.playHandComplete)
            var e = page.playHandLog.get(0)
            compare(e.line, "OOP: Bet 75% \u2192 IP: Fold")
            compare(e.isMistake, false)
            verify(isNaN(e.evLoss))
            var d = page.playSelectedDetails
            compare(d.winner, "OOP")
            fuzzyCompare(d.wonAmount, e.pot - e.investedOop, 1e-9)
            compare(d.flopActions, ["OOP: Bet 75%", "IP: Fold"])
        }

        function test_bestForIpDealsRiverAtOnce() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("OOP")
            playPassive(page, atRiverDeal(page))
            var chanceNode = page._playNode
            var holes = [page.oopCard1, page.oopCard2, page.ipCard1, page.ipCard2]
            page._openPlaySettingsDialogFromItem(findChild(page, "playSettingsButton"))
            var button = findChild(findChild(page, "playSettingsDialog").contentItem, "riverSetting_ip")
            tryCompare(button, "visible", true)
            mouseClick(button)
            compare(page.playRiverCardSetting, "ip")
            findChild(page, "playSettingsDialog").close()
            compare(page.playBoardText.length, 10)
            var river = page.playBoardText.substr(8, 2)
            verify(holes.indexOf(river) < 0)
            // The card is among the five best for IP of the free cards.
            var scored = []
            var actions = appController.nodeActions(chanceNode)
            for (var i = 0; i < actions.length; ++i) {
                if (holes.indexOf(actions[i].name) < 0 && page.playBoardText.substr(0, 8).indexOf(actions[i].name) < 0)
                    scored.push(appController.nodeEv(actions[i].childIndex, "IP"))
            }
            scored.sort(function (a, b) { return b - a })
            var dealt = actions.filter(function (a) { return a.name === river })[0]
            verify(appController.nodeEv(dealt.childIndex, "IP") >= scored[Math.min(4, scored.length - 1)])
            compare(page.playActionLine, page._playLineFromTree())
            page.playTick()
            verify(page.playAwaitingUserAction || page.playLastActionActor === "IP")
        }

        function test_redealThroughTableSlotContinuesHand() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("OOP")
            playPassive(page, function () { return page.playBoardText.length === 10 })
            var oldRiver = page.playBoardText.substr(8, 2)
            var slot = findChild(findChild(page, "playBoard"), "slot4")
            verify(slot)
            mouseClick(slot)
            var picker = findChild(page, "chancePicker")
            tryCompare(picker, "opened", true)
            // The hole cards are never offered.
            compare(page._chanceCardIndexForSelection(page.oopCard1), -1)
            compare(page._chanceCardIndexForSelection(page.ipCard2), -1)
            var newRiver = ""
            var ranks = ["2", "3", "4", "5", "6", "8", "9", "T", "J", "Q"]
            for (var r = 0; r < ranks.length && newRiver === ""; ++r) {
                var t = ranks[r] + "d"
                if (t !== oldRiver && page._chanceCardIndexForSelection(t) >= 0)
                    newRiver = t
            }
            verify(newRiver !== "")
            var card = findChild(picker.contentItem, "chanceCard_" + newRiver)
            verify(card)
            mouseClick(card)
            compare(page.playBoardText, page.boardText + newRiver)
            compare(page.playActionLine, page._playLineFromTree())
            verify(page.playActionLine.indexOf("Chance: " + newRiver) > 0)
            compare(page.playActionLine.indexOf("Chance: " + oldRiver), -1)
            compare(page._playNode, page.currentNodeIndex)
            playPassive(page, function () { return page.playHandComplete })
            var e = page.playHandLog.get(0)
            compare(e.board, page.boardText + newRiver)
            compare(e.line, page._playLineFromTree())
            compare(e.line.split("Chance: ").length, 2)
        }

        function test_closingPickerWithoutChoiceResumes() {
            var page = playPage(turnSpot(), "turn", 5)
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("IP")
            page.playStepDelayMs = 600000
            playPassive(page, function () { return page.playBoardText.length === 10 })
            page.playStepDelayMs = 5
            page.playBoardSlotClicked(4)
            var picker = findChild(page, "chancePicker")
            tryCompare(picker, "opened", true)
            picker.close()
            tryVerify(function () { return page.playHandComplete || page.playAwaitingUserAction
                                           || findChild(page, "playTickTimer").running }, 2000)
        }

        function test_shortDeckPickerDisablesLowRanks() {
            var cfg = Spots.tinyTurnSpot(20)
            cfg.variant = "shortdeck"
            cfg.board = "AhKs7h6h"
            cfg.oop_range = "AA,KK,QQ,AK,KQ,T9s"
            cfg.ip_range = "99,77,AQ,KJ,QJ,86s"
            var page = playPage(cfg, "shortdeck")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("OOP")
            playPassive(page, atRiverDeal(page))
            page.playTick()
            compare(page.playBoardText.length, 10)
            page.playBoardSlotClicked(4)
            var picker = findChild(page, "chancePicker")
            tryCompare(picker, "opened", true)
            var ranks = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]
            var suits = ["s", "h", "d", "c"]
            for (var r = 0; r < ranks.length; ++r) {
                for (var s = 0; s < suits.length; ++s) {
                    var card = findChild(picker.contentItem, "chanceCard_" + ranks[r] + suits[s])
                    if (r >= 9)
                        verify(card.disabled, card.cardText)
                }
            }
            // Some higher card is still offered.
            verify(ranks.slice(0, 9).some(function (rk) {
                return suits.some(function (st) { return !findChild(picker.contentItem, "chanceCard_" + rk + st).disabled })
            }))
            picker.close()
        }
    }
}
