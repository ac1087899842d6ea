import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// The results page follows the result the controller holds, whatever its
// iteration count: two projects solved to the same count, opened in turn
// from the home page, each show their own figures in every view, and what
// a view cannot show is said in the language of the moment.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "ResultsHeldReal"
        when: windowShown

        // Two river spots of one board and one count that differ in pot,
        // ranges and sizes, so every view differs between them.
        function spotA() { return Spots.tinyRiverSpot(50) }
        function spotC() {
            var cfg = Spots.tinyRiverSpot(50)
            cfg.starting_pot = 30
            cfg.oop_range = "QQ,JJ,AK,KQ,43s"
            cfg.ip_range = "KK,99,77,AQ,QJ,T8s"
            for (var key in cfg) {
                if (/_bet_sizes$/.test(key))
                    cfg[key] = "50"
            }
            return cfg
        }

        // A shell on the home page, its board the spots' board.
        function homeShell() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            var home = findChild(shell, "homePage")
            waitForItemPolished(home)
            shell.resetToDefaults()
            shell.boardText = spotA().board
            return { shell: shell, home: home }
        }

        function solve(cfg) {
            appController.startSolveWithConfig(cfg)
            tryVerify(function () { return !appController.running }, 60000)
            compare(appController.resultIterations, 50, appController.statusText)
        }

        function solveAndSave(home, cfg, name) {
            solve(cfg)
            var url = harness.temporaryFileUrl(name + ".pellarisproj")
            verify(home.saveProjectTo(url))
            return url
        }

        function settle(page) {
            tryVerify(function () { return !page._handCombosLoading }, 30000)
            waitForItemPolished(page)
        }

        function pick(rows, keys) {
            return (rows || []).map(function (r) {
                return keys.map(function (k) { return r[k] })
            })
        }

        // What each view shows at the page's node against the controller's
        // answers for that node.
        function compareViews(page, where) {
            settle(page)
            var node = page.currentNodeIndex
            // A node the file does not keep shows the tree's rows in the bar.
            var stats = appController.nodeActionStats(node)
            ;[["bar", findChild(page, "actionFrequenciesBar").actions,
               stats.length > 0 ? stats : appController.nodeActions(node), ["name", "frequency", "combos"]],
              ["lock panel", findChild(page, "nodeLockPanel")._actions, appController.nodeActions(node), ["name"]],
              ["buckets", findChild(page, "bucketList").model, appController.nodeHandBuckets(node), ["name", "combos"]],
              ["hand details", page.currentHandCombos, appController.nodeHandCombos(node), ["c1", "c2", "weight"]]
            ].forEach(function (v) { compare(pick(v[1], v[3]), pick(v[2], v[3]), where + " " + v[0]) })
            var reach = appController.nodeHandStrategyReach169(node, "")
            var matrix = findChild(page, "strategyMatrix")
            compare(matrix.weights, reach.weights || {}, where + " matrix heights")
            compare(matrix.actionProbs, reach.actionProbs || {}, where + " matrix mix")
            compare(findChild(page, "potValue").text, appController.nodeMeta(node).pot.toFixed(2), where + " node info")

            page.openDistributions()
            tryVerify(function () { return !page._distPayload.pending }, 30000)
            var dist = appController.nodeHandDistributions169(node)
            compare([page._distPayload.error, page._distPayload.oopHands], [dist.error, dist.oopHands], where + " distributions")
            findChild(page, "distributionsDialog").close()
        }

        function clickCheck(page) {
            wait(0)
            var names = appController.nodeActions(0).map(function (a) { return a.name })
            var item = findChild(page, "treeAction_0_" + names.indexOf("Check"))
            verify(item, "tree action Check")
            waitForItemPolished(page)
            mouseClick(item)
            verify(page.currentNodeIndex > 0)
        }

        function test_openedProjectsOfOneCountShowTheirOwnFigures() {
            var at = homeShell(), shell = at.shell, home = at.home
            var urlA = solveAndSave(home, spotA(), "spot-a")
            var urlC = solveAndSave(home, spotC(), "spot-c")
            var solvePage = findChild(shell, "solvePage")
            verify(solvePage.iterationsPerSec > 0)

            var order = [urlC, urlA, urlC]
            for (var i = 0; i < order.length; ++i) {
                verify(home.openProjectFrom(order[i]))
                // The last run's speed is not the opened project's.
                compare([solvePage.iterationsPerSec, solvePage.estimatedRemaining], [0, "--:--"])
                compare(shell.navIndex, 3)
                var page = findChild(shell, "resultsPage")
                compare(page.currentNodeIndex, 0)
                compareViews(page, "open " + i + ", root:")
                clickCheck(page)
                compareViews(page, "open " + i + ", after a check:")
                page.resetTreeToRoot()
            }

            // A reason the controller gave in one language reads in the next
            // one once the language changes, the dialog still open.
            page.openDistributions()
            var chart = findChild(findChild(page, "distributionsDialog").contentItem, "chart")
            var reason = "Distributions unavailable (no live solve state)."
            tryVerify(function () { return chart.plot.message === reason }, 30000, chart.plot.message)
            languageManager.setLanguage("de")
            var german = qsTranslate("AppController", reason)
            verify(german !== reason)
            compare(chart.plot.message, german)
            languageManager.setLanguage("en")
            compare(chart.plot.message, reason)
        }

        function cleanup() { languageManager.setLanguage("en") }

        // A node the file keeps only as the read-ahead left it (its hands,
        // figures and buckets, no strategy) draws, once opened, the matrix
        // the live solve drew there.
        function test_keptNodeDrawsTheLiveMatrix() {
            var at = homeShell(), shell = at.shell, home = at.home
            solve(spotA())
            var bet = appController.nodeActions(0).filter(function (a) { return a.name === "Bet 75%" })[0]
            var node = bet.childIndex
            // What the read-ahead reads of the node, whether or not it is
            // done by now.
            appController.nodeHandCombos(node)
            appController.nodeActionStats(node)
            appController.nodeHandBuckets(node)
            var url = harness.temporaryFileUrl("read-ahead.pellarisproj")
            verify(home.saveProjectTo(url))

            function matrixAtBet() {
                var page = findChild(shell, "resultsPage")
                page.resetTreeToRoot()
                var names = appController.nodeActions(0).map(function (a) { return a.name })
                page.selectActionAtLevel(0, names.indexOf("Bet 75%"))
                compare(page.currentNodeIndex, node)
                settle(page)
                var m = findChild(page, "strategyMatrix")
                return { weights: m.weights, colors: m.colors, probs: m.actionProbs }
            }
            shell.navigation.showPage(3)
            var live = matrixAtBet()
            verify(Object.keys(live.weights).length > 0)
            verify(home.openProjectFrom(url))
            compare(matrixAtBet(), live, "cell heights, colours and mix")
        }
    }
}
