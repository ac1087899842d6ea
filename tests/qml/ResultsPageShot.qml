import QtQuick
import QtQuick.Window
import Pellaris

// Test-only window for screenshots of the results page: the shell with the
// real controller solves Quick Solve's flop spot, then shows its results.
//   --iterations=N    iteration limit (default 20)
//   --threads=N       thread count (default 4)
//   --river           walk check-check through a turn and a river card
//                     (each chosen through its suit twin where there is one)
//   --picker          leave the river card picker open
//   --locks           node-lock mode at the root with a few classes locked
//                     to check and the mixed inputs open
//   --scroll          scroll the strategy view to its end (the lock panel)
//   --walk=A,B,...    take these actions from the root ("deal": a chance card)
//   --bucket=NAME     with --walk: filter the hand details by this bucket
//   --scroll=PX       with --walk: scroll the strategy view down by PX
//   --distributions   the distributions dialog, hovered
//   --statistics      the statistics dialog over a dozen recorded hands
//   --play=STAGE      play a hand as OOP (fixed seed, hero checks or calls)
//                     and stop at STAGE: prompt, bubble, river or end;
//                     log: five hands, the third ending on the worst
//                     first choice, that hand selected (--select=N: row N)
//   --role=SEAT       with --play: play as OOP (default), IP or BOTH
//   --again           with --play=log: then deal one more hand, to its
//                     first prompt, with the selected hand's details open
//   --drill           with --play=prompt: a drill at the prompt's node,
//                     one wrong answer given
//   --set=KEY:JSON    set a project value before the solve, e.g.
//                     --set=oopRiverBetSizesText:"25, 50, 75, 125" (repeatable)
//   --changed         then change the board's third card on the set-up
//                     (the results keep the solved board and say so)
//   --full            fill the whole screen (default: at most 1440x900)
//   --light           light palette
//   --lang=CODE       interface language, e.g. --lang=de
Window {
    id: window
    width: _option("full") !== "" ? Screen.desktopAvailableWidth : Math.min(1440, Screen.desktopAvailableWidth)
    height: _option("full") !== "" ? Screen.desktopAvailableHeight : Math.min(900, Screen.desktopAvailableHeight)
    visible: true
    color: shell.theme.bg0
    title: "Results page"

    readonly property var args: Qt.application.arguments

    function _option(name) {
        for (var i = 0; i < args.length; ++i) {
            var a = String(args[i])
            if (a === "--" + name)
                return "1"
            if (a.indexOf("--" + name + "=") === 0)
                return a.substring(name.length + 3)
        }
        return ""
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

    AppShell {
        id: shell
        anchors.fill: parent
        // qmllint disable unqualified
        controller: appController
        // qmllint enable unqualified
    }

    Connections {
        target: shell.controller
        function onRunningChanged() {
            if (!shell.controller.running && shell.controller.resultIterations > 0)
                Qt.callLater(window._showResults)
        }
    }

    function _actionIndex(page, name) {
        var actions = page._actionsForNode(page.currentNodeIndex)
        for (var i = 0; i < actions.length; ++i) {
            if (actions[i].name === name)
                return i
        }
        return -1
    }

    // Deals the first card of `ranks` whose suit-twin offer exists, else any.
    function _deal(page, ranks, suits) {
        var level = page.treeLevels.count - 1
        page.openChancePicker(level, page.currentNodeIndex)
        for (var r = 0; r < ranks.length; ++r) {
            for (var s = 0; s < suits.length; ++s) {
                var card = ranks[r] + suits[s]
                var idx = page._chanceCardIndexForSelection(card)
                if (idx >= 0) {
                    page.chooseChanceCard(idx, card)
                    return
                }
            }
        }
    }

    function _passiveChoice(page) {
        var actions = page._actionListAtPlayNode()
        for (var i = 0; i < actions.length; ++i) {
            if (actions[i].name === "Check" || actions[i].name === "Call")
                return i
        }
        return 0
    }

    // The action with the lowest EV for the hero's cards at the play node.
    function _worstChoice(page) {
        var actions = page._actionListAtPlayNode()
        var worst = 0, worstEv = Infinity
        for (var i = 0; i < actions.length; ++i) {
            var info = page._suboptimalEvInfoAtNode(page._playNode, page.playNodeMeta.player, i)
            if (info.ok && info.chosenEv < worstEv) {
                worst = i
                worstEv = info.chosenEv
            }
        }
        return worst
    }

    function _playLog(page) {
        for (var hand = 0; hand < 5; ++hand) {
            if (hand > 0)
                page._resetToRootAndRestartHand()
            page.playStopOnSuboptimalAction = hand === 2
            for (var n = 0; n < 60 && !page.playHandComplete; ++n) {
                if (page.playAwaitingUserAction)
                    page.playChooseAction(hand === 2 ? _worstChoice(page) : _passiveChoice(page))
                else
                    page.playTick()
            }
        }
        page.userSelectPlayLog(_option("select") !== "" ? Number(_option("select")) : 2)
        if (_option("again") === "")
            return
        page.playStopOnSuboptimalAction = false
        page._resetToRootAndRestartHand()
        for (var k = 0; k < 4 && !page.playAwaitingUserAction; ++k)
            page.playTick()
    }

    function _play(page, stage) {
        page.playMode = true
        page.playRandomSeed = 11
        page.playStepDelayMs = 600000
        page.playStopOnSuboptimalAction = false
        page.startPlaySession(_option("role") !== "" ? _option("role") : "OOP")
        page.playTick()
        if (!page.playAwaitingUserAction)
            page.playTick()
        if (stage === "log")
            return _playLog(page)
        if (stage === "prompt") {
            if (_option("drill") !== "") {
                page.startDrillSpot()
                drillPage = page
            }
            return
        }
        for (var n = 0; n < 40 && !page.playHandComplete; ++n) {
            if (stage === "bubble" && page.playLastActionText !== "")
                return
            if (stage === "river" && page.playBoardText.length === 10 && page.playAwaitingUserAction)
                return
            if (page.playAwaitingUserAction)
                page.playChooseAction(_passiveChoice(page))
            else
                page.playTick()
        }
    }

    function _showResults() {
        shell.navIndex = 3
        var page = _find(shell, "resultsPage")
        if (_option("changed") !== "")
            shell.boardText = shell.boardText.substring(0, 4) + "5d"
        if (_option("locks") !== "")
            return _lockSome(page)
        if (_option("distributions") !== "") {
            page.openDistributions()
            page._distHoverT = 0.3
            return
        }
        if (_option("statistics") !== "")
            return _showStatistics(page)
        if (_option("play") !== "") {
            _play(page, _option("play"))
            return
        }
        if (_option("walk") !== "")
            return _walk(page, _option("walk").split(","))
        if (_option("river") === "")
            return
        var level = function () { return page.treeLevels.count - 1 }
        page.selectActionAtLevel(level(), _actionIndex(page, "Check"))
        page.selectActionAtLevel(level(), _actionIndex(page, "Check"))
        _deal(page, ["5"], ["h", "c"])
        page.selectActionAtLevel(level(), _actionIndex(page, "Check"))
        page.selectActionAtLevel(level(), _actionIndex(page, "Check"))
        if (_option("picker") !== "") {
            page.openChancePicker(level(), page.currentNodeIndex)
            return
        }
        _deal(page, ["K"], ["c", "h"])
    }

    // Takes the named actions from the root ("deal" deals a chance card),
    // then applies --bucket=NAME (a bucket filter) when given.
    function _walk(page, names) {
        for (var i = 0; i < names.length; ++i) {
            if (names[i] === "deal")
                _deal(page, ["5", "K", "8"], ["h", "c", "d", "s"])
            else
                page.selectActionAtLevel(page.treeLevels.count - 1, _actionIndex(page, names[i]))
        }
        if (_option("bucket") !== "")
            page.toggleBucketFilter(_option("bucket"))
        var flick = _find(page, "strategyFlick")
        if (_option("scroll") !== "")
            Qt.callLater(function () { flick.contentY = Math.min(Number(_option("scroll")), flick.contentHeight - flick.height) })
    }

    function _lockSome(page) {
        page.nodeLockMode = true
        page.selectNodeLockAction(_actionIndex(page, "Check"))
        var hands = ["AA", "KK", "AKs", "AQs", "AJs", "KQs"]
        for (var i = 0; i < hands.length; ++i)
            page.applyNodeLockToHand(page.currentNodeIndex, hands[i])
        page.setNodeLockMixedMode(true)
        page._applyMixedEdit(page.nodeLockActionList.length, 0, "0.6")
        page.applyNodeLockToHand(page.currentNodeIndex, "QQ")
        var flick = _find(page, "strategyFlick")
        if (_option("scroll") !== "")
            Qt.callLater(function () { flick.contentY = Math.max(0, flick.contentHeight - flick.height) })
    }

    function _showStatistics(page) {
        var c = shell.controller
        c.clearPlayVsSolutionStats()
        var actual = [1.2, -0.8, 2.5, 0.4, -1.6, 3.1, 0.0, -0.5, 1.8, -2.2, 0.9, 1.1]
        var lost = [0.0, 0.6, 0.0, 0.3, 0.0, 0.0, 0.4, 0.9, 0.0, 0.7, 0.0, 0.2]
        for (var i = 0; i < actual.length; ++i)
            c.recordPlayVsSolutionHandDetailed(lost[i] > 0, lost[i], actual[i], actual[i] + lost[i])
        page.openPlayStatistics()
        page._playStatsHoverT = 0.62
    }

    Component.onCompleted: {
        // qmllint disable unqualified
        if (_option("lang"))
            languageManager.setLanguage(_option("lang"))
        // qmllint enable unqualified
        Qt.callLater(_setUp)
    }

    function _setUp() {
        if (_option("light") !== "")
            shell.theme.dark = false
        shell.resetToDefaults()
        shell.maxIterations = _option("iterations") !== "" ? Number(_option("iterations")) : 20
        shell.threadCount = _option("threads") !== "" ? Number(_option("threads")) : 4
        for (var i = 0; i < args.length; ++i) {
            var a = String(args[i])
            if (a.indexOf("--set=") === 0) {
                var pair = a.substring(6)
                var colon = pair.indexOf(":")
                shell[pair.substring(0, colon)] = JSON.parse(pair.substring(colon + 1))
            }
        }
        shell.navIndex = 2
        solvePage = _find(shell, "solvePage")
    }

    property var solvePage: null
    property var drillPage: null

    // Answers each drill hand wrongly, so the feedback is always on screen.
    Timer {
        interval: 300
        repeat: true
        running: window.drillPage !== null
        onTriggered: {
            if (window.drillPage.playAwaitingUserAction)
                window.drillPage._handleDrillChoice(window._worstChoice(window.drillPage))
        }
    }
    property bool started: false

    // Starts once the shell's memory estimate lets the spot be solved.
    Timer {
        interval: 100
        repeat: true
        running: !window.started
        onTriggered: {
            if (window.solvePage && window.solvePage.canSolve && !shell.controller.running) {
                window.started = true
                window._find(window.solvePage, "startSolveButton").clicked()
            }
        }
    }
}
