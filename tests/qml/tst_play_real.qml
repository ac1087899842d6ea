import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots
import "../../qml/components/playRules.js" as PlayRules

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
            return openPlayPage(cfg, delayMs)
        }

        function openPlayPage(cfg, delayMs) {
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

        // The action with the lowest (or highest) EV for the actor's cards
        // at the play node.
        function extremeChoice(page, actor, lowest) {
            var actions = page._actionListAtPlayNode()
            var pick = -1, pickEv = NaN
            for (var i = 0; i < actions.length; ++i) {
                var info = page._suboptimalEvInfoAtNode(page._playNode, actor, i)
                verify(info.ok)
                if (pick < 0 || (lowest ? info.chosenEv < pickEv : info.chosenEv > pickEv)) {
                    pick = i
                    pickEv = info.chosenEv
                }
            }
            return pick
        }

        function handKey(e) {
            return e.board + "|" + e.oop + "|" + e.ip + "|" + e.line
        }

        function atRiverDeal(page) {
            return function () { return page.playNodeMeta.nodeType === "chance" && page.playNodeMeta.chanceDeal === "river" }
        }

        // A project saved after a solve and opened again: its results
        // without the solution behind them.
        function openSaved(name) {
            var url = harness.temporaryFileUrl(name)
            verify(appController.saveProject(url, {}))
            verify(appController.loadProject(url).ok)
            solvedSpot = ""
        }

        function totalHands() { return appController.playVsSolutionStats().totalHands }

        // Saved without playing: no root ranges stored, so nothing is dealt,
        // graded or counted, and the table says why (also on a page that
        // was in play mode when the project was opened).
        function test_openedProjectWithoutStoredRangesDealsNothing() {
            solvedSpot = ""
            solve(turnSpot(), "turn")
            var url = harness.temporaryFileUrl("unplayed.pellarisproj")
            verify(appController.saveProject(url, {}))
            var page = openPlayPage(turnSpot())
            verify(page.playCanDeal)
            verify(appController.loadProject(url).ok)
            solvedSpot = ""
            var before = totalHands()
            verify(!page.playCanDeal)
            verify(findChild(page, "playSolveAgainNote").visible)
            verify(!findChild(page, "playAsOop").enabled)
            verify(!findChild(page, "playAsBoth").visible)
            page.startPlaySession("BOTH")
            compare(page.oopCard1 + page.ipCard1, "")
            verify(page.playHandComplete && !page.playAwaitingUserAction)
            page.playTick()
            compare(page.playHandLog.count, 0)
            compare(totalHands(), before)
            verify(findChild(page, "playSolveAgainNote").visible)
        }

        // An opened project ends the hand in progress, uncounted; one saved
        // after a hand was dealt deals again from its stored root ranges, and
        // a hand stops, uncounted, at the first of the user's decisions whose
        // figures the file does not hold.
        function test_openedProjectEndsTheHandAndGradesOnlyStoredFigures() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("OOP")
            page.playTick()
            verify(page.playAwaitingUserAction)
            var before = totalHands()
            openSaved("played.pellarisproj")
            verify(!page.playSessionStarted)
            compare(page.oopCard1 + page.oopCard2 + page.ipCard1 + page.ipCard2 + page.playBoardText, "")
            compare(page.playHandLog.count, 0)
            compare(totalHands(), before)

            verify(page.playCanDeal)
            page.startPlaySession("OOP")
            compare(page.oopCard1.length, 2)
            page.playTick()
            verify(page.playAwaitingUserAction, "the root's figures are stored")
            for (var n = 0; n < 20 && !page.playHandComplete; ++n) {
                if (page.playAwaitingUserAction)
                    page.playChooseAction(indexOf(page, ["Check", "Call"]))
                else
                    page.playTick()
            }
            verify(page.playHandComplete && page.playNeedsSolve)
            verify(findChild(page, "playSolveAgainNote").visible)
            compare(page.playHandLog.count, 0)
            compare(totalHands(), before)
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
                tryVerify(function () { return page.playAwaitingUserAction || page.playHandComplete }, 20000)
                if (page.playAwaitingUserAction)
                    mouseClick(findChild(page, "playAction" + indexOf(page, ["Check", "Call"])))
            }
            tryCompare(page, "playHandComplete", true, 20000)
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
            var worst = extremeChoice(page, "OOP", true)
            var worstInfo = page._suboptimalEvInfoAtNode(page._playNode, "OOP", worst)
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
            // The row and the details panel show the loss and both actions.
            waitForRendering(page)
            compare(findChild(findChild(page, "handLogRow0"), "handLogFooter").text, "EV \u2212" + e.evLoss.toFixed(3))
            // A label keeps its figure, and an action its size, on one line.
            var spaced = function (name) { return findChild(page, name).text.replace(/\u00A0/g, " ") }
            compare(findChild(page, "detailsEvLost").text, "EV lost:\u00A0" + e.evLoss.toFixed(3))
            compare(spaced("detailsIncorrect"), "Incorrect: " + e.mistakeAction)
            compare(spaced("detailsCorrect"), "Correct: " + e.correctAction)
            // It never came to a fold or a showdown.
            compare(findChild(page, "detailsWinner").text, "Stopped on a mistake")
            verify(!findChild(page, "detailsWon").visible)
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

        function test_buttonsKeepTheirPlaceFromHandToHand_data() {
            return [{ tag: "1540x1000", w: 1540, h: 1000 }, { tag: "1280x720", w: 1280, h: 720 }]
        }

        // Hand after hand, the hero's first choices and "Another hand" stand
        // where the last click found them, while the details of the hand
        // before show two action rows a street or three, and in the first
        // hand, before any details show.
        function test_buttonsKeepTheirPlaceFromHandToHand(data) {
            root.width = data.w
            root.height = data.h
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            // Its hands' details show 2, 2, 3, 2, 3 and 3 rows of actions.
            page.playRandomSeed = 3
            var place = function (item) {
                verify(item && item.visible)
                var p = item.mapToItem(root, 0, 0)
                return [p.x, p.y, item.width, item.height].map(Math.round).join(" ")
            }
            var buttons = function () {
                var out = []
                for (var i = 0; i < page._actionListAtPlayNode().length; ++i)
                    out.push(place(findChild(page, "playAction" + i)))
                return out.join(", ")
            }
            var hands = []
            page.startPlaySession("OOP")
            for (var hand = 0; hand < 6; ++hand) {
                if (hand > 0)
                    page._resetToRootAndRestartHand()
                for (var n = 0; n < 10 && !page.playAwaitingUserAction; ++n)
                    page.playTick()
                compare(page._playNode, 0)
                waitForRendering(page)
                var prompt = buttons()
                page.playChooseAction(indexOf(page, ["Check", "Call"]))
                playPassive(page, function () { return page.playHandComplete })
                waitForRendering(page)
                var d = page.playSelectedDetails
                // Three rows a street show without scrolling.
                var flick = findChild(page, "detailsFlick")
                verify(flick.contentHeight <= flick.height, flick.contentHeight + " in " + flick.height)
                hands.push({ prompt: prompt, another: place(findChild(page, "anotherHand")),
                             rows: Math.max(d.flopActions.length, d.turnActions.length, d.riverActions.length) })
            }
            var rows = hands.map(function (h) { return h.rows })
            verify(rows.indexOf(2) >= 0 && rows.indexOf(3) >= 0, rows)
            for (var i = 1; i < hands.length; ++i) {
                compare(hands[i].another, hands[0].another, "hand " + i + " with " + rows[i] + " rows")
                compare(hands[i].prompt, hands[0].prompt, "hand " + i + " after " + rows[i - 1] + " rows")
            }
            root.width = 1540
            root.height = 1000
        }

        // The river on which blockers decide the rates: Ks 7d 2c 5h 9s, OOP
        // AA and QQ against IP's AKo.
        function blockedRiverSpot() {
            var cfg = Spots.tinyRiverSpot(200)
            cfg.oop_range = "AA, QQ"
            cfg.ip_range = "AKo"
            return cfg
        }

        // AA's share of the pairs of hands the two seats' lists make at a
        // node, each pair weighted by the product of the hands' reach there.
        function acesShare(node) {
            var oop = appController.nodeSeatHandCombos(node, "OOP")
            var ip = appController.nodeSeatHandCombos(node, "IP")
            var aces = 0, all = 0
            for (var o = 0; o < oop.length; ++o) {
                for (var i = 0; i < ip.length; ++i) {
                    var cards = [oop[o].c1, oop[o].c2, ip[i].c1, ip[i].c2]
                    if (cards.some(function (c, k) { return cards.indexOf(c) !== k }))
                        continue
                    var w = oop[o].reach * ip[i].reach
                    all += w
                    aces += oop[o].c1.charAt(0) === "A" ? w : 0
                }
            }
            return aces / all
        }

        // `deal` gives a pair {oop, ip} of hands; n deals of it hold AA within
        // three standard deviations of `share`, and no two cards of a pair
        // are the same.
        function verifyAcesDealt(n, deal, share, what) {
            var aces = 0
            for (var d = 0; d < n; ++d) {
                var pair = deal()
                var cards = [pair.oop.c1, pair.oop.c2, pair.ip.c1, pair.ip.c2]
                verify(cards.every(function (c, k) { return c !== "" && cards.indexOf(c) === k }),
                       what + ": " + cards.join(" "))
                aces += pair.oop.c1.charAt(0) === "A" ? 1 : 0
            }
            var sd = Math.sqrt(n * share * (1 - share))
            verify(Math.abs(aces - n * share) <= 3 * sd,
                   what + ": AA " + aces + " of " + n + ", expected " + (n * share).toFixed(1) + " \u00b1 " + sd.toFixed(1))
        }

        // 3,000 pairs drawn by the page's rule from the seats' lists at a
        // node, then a few hundred dealt onto the table (each deal there
        // updates the whole table, which takes its time).
        function verifyDealsAtNode(page, node, share, dealOnTable, what) {
            var rand = PlayRules.makeRandom(3)
            verifyAcesDealt(3000, function () {
                var oop = page._dealCombosAtNode(node, "OOP"), ip = page._dealCombosAtNode(node, "IP")
                var first = PlayRules.pickPairedCombo(oop, ip, {}, rand)
                var used = PlayRules.usedMap([first.c1, first.c2])
                return { oop: first, ip: PlayRules.pickWeightedCombo(PlayRules.eligibleCombos(ip, used), rand) }
            }, share, what)
            verifyAcesDealt(150, function () {
                dealOnTable()
                return { oop: { c1: page.oopCard1, c2: page.oopCard2 }, ip: { c1: page.ipCard1, c2: page.ipCard2 } }
            }, share, what + " on the table")
        }

        // Hands are dealt as a pair, at the rate a table deals them: AA meets
        // 27 AKo hands and QQ 54, so OOP holds AA one time in three. A drill
        // after OOP's bet deals at the rate the bet's line reaches the node.
        function test_handsAreDealtAsPairs() {
            var page = playPage(blockedRiverSpot(), "blocked river")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("BOTH")
            fuzzyCompare(acesShare(0), 1 / 3, 1e-9)
            verifyDealsAtNode(page, 0, 1 / 3, function () { page._restartHandAtRoot() }, "root")

            var root = appController.nodeHandCombos(0)
            var actions = appController.nodeActions(0)
            var bet = -1
            for (var a = 0; a < actions.length; ++a) {
                if (actions[a].name.indexOf("Bet") === 0 && (bet < 0 || actions[a].frequency > actions[bet].frequency))
                    bet = a
            }
            page.playTick()
            verify(page.playAwaitingUserAction)
            page.playChooseAction(bet)
            var node = page._playNode
            compare(node, actions[bet].childIndex)
            // OOP reaches the node with each hand's share of the bet.
            var reach = {}
            appController.nodeSeatHandCombos(node, "OOP").forEach(function (r) { reach[r.c1 + r.c2] = r.reach })
            root.forEach(function (r) {
                fuzzyCompare(reach[r.c1 + r.c2] || reach[r.c2 + r.c1], r.weight * r.actionProbs[bet], 1e-6)
            })
            var share = acesShare(node)
            verify(share > 0 && share < 1, "AA's share after the bet: " + share)
            page.startDrillSpot()
            verify(page.playDrillMode)
            verifyDealsAtNode(page, node, share, function () { verify(page._dealDrillHand()) }, "drill")
        }

        function test_drillDealsGradesAndStops() {
            var page = playPage(turnSpot(), "turn")
            var recorded = appController.playVsSolutionStats().totalHands
            page.startPlaySession("OOP")
            page.playTick()
            var node = page._playNode
            var actions = page._actionListAtPlayNode()
            var drillButton = findChild(page, "drillButton")
            var handCards = page.oopCard1 + page.oopCard2 + page.ipCard1 + page.ipCard2
            mouseClick(drillButton)
            verify(page.playDrillMode)
            compare(page.playDrillActor, "OOP")
            compare(drillButton.text, "Stop drill")
            verify(!findChild(page, "boardHint").visible)
            // No re-deal can move the hand while answers are graded here.
            verify(!findChild(findChild(page, "playSettingsDialog").contentItem, "turnSetting_random").enabled)
            var prompt = findChild(page, "playActionPrompt")
            var deals = {}, sawWrong = false
            for (var round = 0; round < 4; ++round) {
                verify(prompt.visible)
                deals[page.oopCard1 + page.oopCard2 + page.ipCard1 + page.ipCard2] = true
                var choice = extremeChoice(page, "OOP", round !== 1)
                var info = page._suboptimalEvInfoAtNode(node, "OOP", choice)
                var wrong = info.evLoss > Math.max(1e-6, 0.01 * Math.max(Math.abs(info.bestEv), Math.abs(info.chosenEv)))
                sawWrong = sawWrong || wrong
                mouseClick(findChild(page, "playAction" + choice))
                verify(!prompt.visible)
                compare(page.playDrillFeedbackText, wrong ? "Wrong \u2014 best: " + actions[info.bestIndex].name
                                                            + " (EV \u2212" + info.evLoss.toFixed(3) + ")" : "Correct")
                verify(findChild(page, "drillToast").visible)
                // The answer stays on screen a moment: the next deal and the
                // feedback's end wait on their timers, not on the click.
                verify(!page.playAwaitingUserAction)
                verify(findChild(page, "drillNextTimer").running)
                verify(findChild(page, "drillFeedbackTimer").running)
                tryCompare(page, "playAwaitingUserAction", true, 10000)
                compare(page._playNode, node)
                tryCompare(page, "playDrillFeedbackText", "", 10000)
            }
            verify(sawWrong)
            verify(Object.keys(deals).length > 1, "a new hand per answer")
            compare(page.playHandLog.count, 0)
            compare(appController.playVsSolutionStats().totalHands, recorded)
            // Stopping brings the hand back at the same node, as it was.
            mouseClick(drillButton)
            verify(!page.playDrillMode)
            compare(drillButton.text, "Drill spot")
            tryCompare(page, "playAwaitingUserAction", true)
            compare(page._playNode, node)
            compare(page.oopCard1 + page.oopCard2 + page.ipCard1 + page.ipCard2, handCards)
            verify(prompt.visible)
            verify(findChild(findChild(page, "playSettingsDialog").contentItem, "turnSetting_random").enabled)
        }

        function test_drilledHandKeepsItsWholeLine() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("BOTH")
            page.playTick()
            page.playChooseAction(indexOf(page, ["Check"]))
            page.playTick()
            var handCards = page.oopCard1 + page.oopCard2 + page.ipCard1 + page.ipCard2
            page.startDrillSpot()
            verify(page.playDrillMode)
            page.playChooseAction(0)
            tryCompare(page, "playAwaitingUserAction", true, 10000)
            page.playChooseAction(0)
            page.stopDrillSpot()
            compare(page.playActionLine, "OOP: Check")
            compare(page.oopCard1 + page.oopCard2 + page.ipCard1 + page.ipCard2, handCards)
            playPassive(page, function () { return page.playHandComplete })
            var e = page.playHandLog.get(0)
            compare(e.line.indexOf("OOP: Check \u2192 IP: "), 0)
            compare(e.line, page._playLineFromTree())
            compare(e.oop + e.ip, page.playShownCard(handCards.substr(0, 2)) + page.playShownCard(handCards.substr(2, 2))
                                  + page.playShownCard(handCards.substr(4, 2)) + page.playShownCard(handCards.substr(6, 2)))
        }

        function test_drillEndsWithTheSession_data() {
            return [
                { tag: "play mode left and entered", end: function (page) { page.playMode = false; page.playMode = true } },
                { tag: "session reset", end: function (page) { page.resetPlaySession() } },
                { tag: "new results", end: function (page) { appController.resultsChanged() } }
            ]
        }

        function test_drillEndsWithTheSession(row) {
            var page = playPage(turnSpot(), "turn")
            page.startPlaySession("OOP")
            page.playTick()
            page.startDrillSpot()
            page.playChooseAction(0)
            verify(findChild(page, "drillNextTimer").running)
            row.end(page)
            compare(page.playDrillMode, false)
            compare(page.playDrillNodeIndex, -1)
            compare(page.playDrillFeedbackText, "")
            verify(!findChild(page, "drillNextTimer").running && !findChild(page, "drillFeedbackTimer").running)
            wait(600)
            compare(page.playDrillMode, false)
            verify(!findChild(page, "drillToast").visible)
        }

        function test_logRowsNewestFirstPinAndFollow() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("OOP")
            var played = []
            var playOne = function () {
                if (page.playHandComplete)
                    page._resetToRootAndRestartHand()
                playPassive(page, function () { return page.playHandComplete })
                played.unshift(handKey({ board: page.playBoardText, line: page.playActionLine,
                                         oop: page.playShownCard(page.oopCard1) + page.playShownCard(page.oopCard2),
                                         ip: page.playShownCard(page.ipCard1) + page.playShownCard(page.ipCard2) }))
            }
            for (var n = 0; n < 3; ++n)
                playOne()
            waitForRendering(page)
            compare(findChild(page, "handLogCount").text, "3 hands")
            compare([0, 1, 2].map(function (i) { return handKey(page.playHandLog.get(i)) }), played)
            mouseClick(findChild(page, "handLogRow2"))
            compare(page.playFollowLatestHandDetails, false)
            var pinned = played[2]
            playOne()
            playOne()
            compare(page.playSelectedLogIndex, 4)
            compare(handKey(page.playSelectedLog), pinned)
            compare(handKey(page.playHandLog.get(4)), pinned)
            waitForRendering(page)
            compare(findChild(page, "handLogRow4").border.width, 2)
            mouseClick(findChild(page, "handLogRow0"))
            compare(page.playFollowLatestHandDetails, true)
            playOne()
            compare(page.playSelectedLogIndex, 0)
            compare(handKey(page.playSelectedLog), played[0])
            // Leaving play mode keeps the log and the selected hand's details.
            page.playMode = false
            page.playMode = true
            compare(page.playHandLog.count, 6)
            compare(handKey(page.playSelectedLog), played[0])
            verify(findChild(page, "playHandDetails").visible)
            // Held below its content, the panel scrolls up to the streets'
            // last actions instead of cutting them off.
            var details = findChild(page, "playHandDetails")
            details.maximumHeight = 90
            waitForRendering(page)
            var flick = findChild(details, "detailsFlick")
            verify(flick.contentHeight > flick.height)
            verify(flick.interactive)
            verify(findChild(details, "detailsVerticalBar").size < 1)
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
            compare(d.flopActions, [])
            compare(d.turnActions, ["OOP: Bet 75%", "IP: Fold"])
            compare(d.riverActions, [])
            compare(d.flopBoard, page.boardText.substr(0, 6))
            compare(d.turnCard, page.boardText.substr(6, 2))
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
                                           || findChild(page, "playTickTimer").running }, 10000)
        }

        // A river chosen through its suit twin leaves the cards in hand as
        // dealt; the engine's rows are read for the cards the twin maps to.
        function test_suitTwinRiverKeepsTheHandAndMapsLookups() {
            var page = playPage(turnSpot(), "turn")
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("BOTH")
            playPassive(page, atRiverDeal(page))
            var chanceNode = page._playNode
            page.ipCard1 = "Qs"
            page.ipCard2 = "Js"
            page.oopCard1 = "Th"
            page.oopCard2 = "9h"
            page.playBoardSlotClicked(4)
            tryCompare(findChild(page, "chancePicker"), "opened", true)
            // A nine shown in one of the two absent suits that the engine
            // deals as the nine of the other.
            var shown = "", engine = ""
            var actions = appController.nodeActions(chanceNode)
            for (var suit of ["c", "d"]) {
                var idx = page._chanceCardIndexForSelection("9" + suit)
                if (idx >= 0 && actions[idx].name !== "9" + suit) {
                    shown = "9" + suit
                    engine = actions[idx].name
                }
            }
            verify(shown !== "", "no twin among the nines")
            // OOP holds the suit the engine deals, which the twin frees.
            page.oopCard1 = "T" + engine.charAt(1)
            page.oopCard2 = "9" + engine.charAt(1)
            page.chooseChanceCard(page._chanceCardIndexForSelection(shown), shown)
            compare(page.playBoardText.substr(8, 2), shown)
            compare(page.oopCard1 + page.oopCard2, "T" + engine.charAt(1) + "9" + engine.charAt(1))
            compare(page.playShownCard(page.oopCard1) + page.playShownCard(page.oopCard2), page.oopCard1 + page.oopCard2)
            tryVerify(function () { return page.playAwaitingUserAction }, 10000)
            var row = page._playComboRow(page._playNode, "OOP")
            verify(row !== null, "the engine's row of the mapped cards")
            compare([row.c1, row.c2].sort(), ["T" + shown.charAt(1), "9" + shown.charAt(1)].sort())
            var info = page._suboptimalEvInfoAtNode(page._playNode, "OOP", 0)
            verify(info.ok)
            fuzzyCompare(info.chosenEv, row.actionEvs[0], 1e-9)
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
