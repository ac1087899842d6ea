import QtQuick
import QtTest
import Pellaris
import "../../qml/components/navigationRules.js" as NavRules

// Which page the shell shows: shortcuts and tabs under one rule set, the
// pages' own requests, and where the main window opens.
Item {
    id: root
    width: 1000
    height: 700

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "Navigation"
        when: windowShown

        property var stub: null

        function makeShell() {
            stub = harness.createStandIn("appController", root)
            stub.systemThreadCount = 8
            stub.running = false
            // Ranges are read by the solver's own reader.
            stub._answer("readRangeText", function (text, variant, board) {
                return appController.readRangeText(text, variant, board === undefined ? "" : board)
            })
            return createTemporaryObject(shellComponent, root, { controller: stub })
        }

        // Once the spot's estimate has been asked for.
        function giveMemory(shell) {
            tryCompare(shell.solveMemEstimateTimer, "running", false, 10000)
            stub.solveRequiredMemoryBytes = 1e9
            stub.systemAvailableMemoryBytes = 8e9
        }

        // Quick Solve from Home, then back on Home, so every move is visible.
        function quickSolvedOnHome() {
            var shell = makeShell()
            findChild(shell, "homePage").quickSolve()
            compare(shell.navIndex, 1)
            shell.navIndex = 0
            return shell
        }

        function press(key) {
            keyClick(key, key === Qt.Key_F5 || key === Qt.Key_Escape ? Qt.NoModifier : Qt.ControlModifier)
        }

        function test_shortcuts_data() {
            return [
                { tag: "Ctrl+2 at start", spot: "none", key: Qt.Key_2, want: 0 },
                { tag: "Ctrl+2 after Quick Solve", spot: "quick", key: Qt.Key_2, want: 1 },
                { tag: "Ctrl+3 before the first estimate", spot: "quick", key: Qt.Key_3, want: 0 },
                { tag: "Ctrl+3 with the estimate", spot: "estimated", key: Qt.Key_3, want: 2 },
                { tag: "Ctrl+3 estimated but incomplete", spot: "incomplete", key: Qt.Key_3, want: 0 },
                { tag: "Ctrl+4 without results", spot: "estimated", key: Qt.Key_4, want: 0 },
                { tag: "Ctrl+4 with results", spot: "results", key: Qt.Key_4, want: 3 },
                { tag: "Ctrl+, at start", spot: "none", key: Qt.Key_Comma, want: 4 }
            ]
        }

        function test_shortcuts(data) {
            var shell = data.spot === "none" ? makeShell() : quickSolvedOnHome()
            if (data.spot !== "none" && data.spot !== "quick")
                giveMemory(shell)
            if (data.spot === "incomplete")
                shell.boardText = "Ad"
            if (data.spot === "results")
                stub.resultIterations = 40
            press(data.key)
            compare(shell.navIndex, data.want)
            compare(findChild(shell, "topBar").currentPage, data.want)
        }

        // While a solve runs on the solve page the user stays there; Escape
        // cancels; once the run ends the keys work again.
        function test_solvePageHoldsWhileRunning() {
            var shell = quickSolvedOnHome()
            giveMemory(shell)
            press(Qt.Key_F5)
            compare(shell.navIndex, 2)
            stub.running = true
            stub.statusText = "Iter 12 | exploitability≈1.5000"
            compare(shell.navigation.pageSubtitle, "Iteration 12 | exploitability≈1.5000")
            press(Qt.Key_1)
            press(Qt.Key_Comma)
            findChild(shell, "topBar").navigate(0)
            compare(shell.navIndex, 2)
            press(Qt.Key_Escape)
            compare(stub._callsTo("cancelSolve").length, 1)
            stub.running = false
            compare(shell.navigation.pageSubtitle, "")
            press(Qt.Key_Comma)
            compare(shell.navIndex, 4)
        }

        // Elsewhere a running solve holds nobody and shows no subtitle.
        function test_runningElsewhereFollowsTheUsualRules() {
            var shell = quickSolvedOnHome()
            stub.running = true
            stub.statusText = "Iter 3 | exploitability≈9.0000"
            press(Qt.Key_2)
            compare(shell.navIndex, 1)
            compare(shell.navigation.pageSubtitle, "")
        }

        function test_pageRequests_data() {
            return [
                { tag: "New Solve", page: "homePage", signal: "newProject", args: [], index: 1, board: "" },
                { tag: "Quick Solve", page: "homePage", signal: "quickSolve", args: [], index: 1, board: "AdJd8s" },
                { tag: "Import Range without a project", page: "homePage", signal: "importRange", args: [], index: 1, board: "" },
                { tag: "Import Range keeps the project", project: true, page: "homePage", signal: "importRange", args: [],
                  index: 1, board: "Kh7c2d" },
                { tag: "project with results", page: "homePage", signal: "projectLoaded",
                  args: [{ boardText: "9s8s2h" }, true], index: 3, board: "9s8s2h" },
                { tag: "project without results", page: "homePage", signal: "projectLoaded",
                  args: [{ boardText: "9s8s2h" }, false], index: 1, board: "9s8s2h" },
                { tag: "Continue to Solve", project: true, page: "projectPage", signal: "goToSolve", args: [], index: 2,
                  board: "Kh7c2d" },
                { tag: "View Results", project: true, page: "solvePage", signal: "goToResults", args: [], index: 3,
                  board: "Kh7c2d" },
                { tag: "Re-solve", project: true, page: "resultsPage", signal: "goToSolve", args: [], index: 2,
                  board: "Kh7c2d" }
            ]
        }

        // Page requests move without the tab rules: no results and no
        // estimate are needed here.
        function test_pageRequests(data) {
            var shell = makeShell()
            if (data.project) {
                shell.resetToNewProject()
                shell.boardText = "Kh7c2d"
            }
            var page = findChild(shell, data.page)
            page[data.signal].apply(page, data.args)
            compare(shell.navIndex, data.index)
            compare(shell.hasProject, true)
            compare(shell.boardText, data.board)
            compare(findChild(shell, "projectPage").boardText, data.board, "the set-up page shows the state")
            var chooser = findChild(shell, "importRangeFileDialog")
            if (chooser.visible)
                chooser.reject()
        }

        // While a file dialog or a modal dialog is up, none of the window's
        // keys acts behind it; Escape closes it and cancels nothing. The
        // solve runs on the solve page, where Escape would cancel it.
        function test_keysStandStillBehindDialogs_data() {
            var keys = [Qt.Key_1, Qt.Key_2, Qt.Key_3, Qt.Key_4, Qt.Key_Comma, Qt.Key_F5]
            return [
                { tag: "file dialog", dialog: "importRangeFileDialog", keys: keys },
                { tag: "modal message", dialog: "clearPlayStatsDialog", keys: keys }
            ]
        }

        function test_keysStandStillBehindDialogs(data) {
            var shell = quickSolvedOnHome()
            giveMemory(shell)
            shell.navIndex = 2
            stub.running = true
            var dialog = findChild(shell, data.dialog)
            if (data.dialog === "importRangeFileDialog")
                findChild(shell, "projectPage").openImportRangeDialog("oop")
            else
                findChild(shell, "homePage").confirmClearPlayStats()
            tryVerify(() => dialog.visible)
            stub.running = false
            data.keys.forEach(function (key) {
                press(key)
                compare(shell.navIndex, 2, "key " + key)
            })
            compare(stub._callsTo("startSolveWithConfig").length, 0)
            stub.running = true
            if (data.dialog === "importRangeFileDialog") {
                // Qt's dialog takes its Escape itself: here it is closed for it.
                press(Qt.Key_Escape)
                dialog.reject()
            } else {
                press(Qt.Key_Escape)
            }
            tryVerify(() => !dialog.visible)
            compare(stub._callsTo("cancelSolve").length, 0)
            press(Qt.Key_Escape)
            compare(stub._callsTo("cancelSolve").length, 1, "the keys act again once it is gone")
        }

        function test_setupPageWidthReachesTheShell() {
            var shell = makeShell()
            var wanted = findChild(shell, "projectPage").recommendedWindowWidth
            verify(wanted > 900, wanted)
            compare(shell.projectRecommendedWidth, wanted)
        }

        function test_windowGeometry_data() {
            return [
                { tag: "1920x1040", area: { x: 0, y: 0, width: 1920, height: 1040 },
                  want: { x: 190, y: 26, width: 1540, height: 988, minimumWidth: 1540, minimumHeight: 650 } },
                { tag: "1366x728", area: { x: 0, y: 0, width: 1366, height: 728 },
                  want: { x: 34, y: 18, width: 1297, height: 691, minimumWidth: 1297, minimumHeight: 650 } },
                { tag: "small, offset work area", area: { x: 100, y: 40, width: 900, height: 600 },
                  want: { x: 100, y: 15, width: 900, height: 650, minimumWidth: 855, minimumHeight: 570 } },
                { tag: "wider set-up page", area: { x: 0, y: 0, width: 2560, height: 1400 }, recommended: 1800,
                  want: { x: 380, y: 100, width: 1800, height: 1200, minimumWidth: 1800, minimumHeight: 650 } }
            ]
        }

        function test_windowGeometry(data) {
            compare(NavRules.startGeometry(data.area, data.recommended || 1540), data.want)
        }
    }
}
