import QtQuick
import QtTest
import Pellaris

// The home page with a scripted controller: where its buttons lead, the play
// statistics and their clearing, and the project file dialogs.
Item {
    id: root
    width: 1400
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "HomePage"
        when: windowShown

        property var stub: null

        function makeShell() {
            stub = harness.createStandIn("appController", root)
            var shell = createTemporaryObject(shellComponent, root, { controller: stub })
            var home = findChild(shell, "homePage")
            home.controller = stub
            waitForItemPolished(home)
            return shell
        }

        function click(parent, name) {
            var item = findChild(parent, name)
            verify(item, name)
            verify(item.visible, name + " visible")
            mouseClick(item)
        }

        function test_startButtons_data() {
            return [
                { tag: "hero New Solve", button: "heroNewSolveButton", preset: "new", clears: 1 },
                { tag: "quick action New Solve", button: "quickAction_newSolve", preset: "new", clears: 1 },
                { tag: "Quick Solve", button: "quickAction_quickSolve", preset: "quick", clears: 1 },
                { tag: "Import Range without a project", button: "quickAction_importRange", preset: "new", clears: 1 }
            ]
        }

        function test_startButtons(data) {
            var shell = makeShell()
            var before = stub._callsTo("clearResults").length
            click(shell, data.button)
            compare(shell.navIndex, 1)
            verify(shell.hasProject)
            var preset = data.preset === "quick" ? shell.quickSolvePresetForVariant("holdem") : shell.newProjectPreset
            compare(shell.boardText, preset.boardText)
            compare(shell.oopRangeText, preset.oopRangeText)
            compare(stub._callsTo("clearResults").length - before, data.clears)
        }

        function test_importRangeKeepsAnOpenProject() {
            var shell = makeShell()
            click(shell, "quickAction_quickSolve")
            shell.boardText = "Ks7d2c"
            shell.navIndex = 0
            click(shell, "quickAction_importRange")
            compare(shell.navIndex, 1)
            compare(shell.boardText, "Ks7d2c")
        }

        function statText(home, name) {
            return findChild(findChild(home, name), "statValue").text
        }

        function test_playStatistics_data() {
            return [
                { tag: "no hands", stats: {}, hands: "0 / 0", accuracy: "— / —", loss: "— / —" },
                { tag: "hands only in total",
                  stats: { todayHands: 0, totalHands: 3, todayAccuracyPct: 0, totalAccuracyPct: 66.5,
                           todayAvgEvLoss: 0, totalAvgEvLoss: 0.1 },
                  hands: "0 / 3", accuracy: "— / 67", loss: "— / 0.100" },
                { tag: "a non-finite loss",
                  stats: { todayHands: 2, totalHands: 2, todayAccuracyPct: 50, totalAccuracyPct: 50,
                           todayAvgEvLoss: NaN, totalAvgEvLoss: 0.25 },
                  hands: "2 / 2", accuracy: "50 / 50", loss: "— / 0.250" }
            ]
        }

        function test_playStatistics(data) {
            var home = findChild(makeShell(), "homePage")
            stub._answer("playVsSolutionStats", data.stats)
            stub.playVsSolutionStatsChanged()
            compare(statText(home, "playHandsStat"), data.hands)
            compare(statText(home, "playAccuracyStat"), data.accuracy)
            compare(statText(home, "playEvLossStat"), data.loss)
            compare(findChild(findChild(home, "playAccuracyStat"), "statUnit").text, "%")
        }

        function test_clearGoesThroughItsDialog_data() {
            return [
                { tag: "OK clears", button: "messageOkButton", calls: 1, hands: "0 / 0" },
                { tag: "Cancel keeps", button: "messageCancelButton", calls: 0, hands: "4 / 9" }
            ]
        }

        function test_clearGoesThroughItsDialog(data) {
            var home = findChild(makeShell(), "homePage")
            stub._answer("playVsSolutionStats", { todayHands: 4, totalHands: 9 })
            stub._answer("clearPlayVsSolutionStats", function () {
                stub._answer("playVsSolutionStats", {})
                stub.playVsSolutionStatsChanged()
            })
            home.reloadPlayVsSolutionStats()
            click(home, "clearPlayStatsButton")
            var dialog = findChild(home, "clearPlayStatsDialog")
            tryVerify(() => dialog.opened)
            compare(findChild(dialog.contentItem, "messageText").text, "Clear all Play vs. Solution statistics (today + total)?")
            compare(dialog.title, "Clear Play vs. Solution Stats")
            mouseClick(findChild(dialog.footer, data.button))
            tryVerify(() => !dialog.visible)
            compare(stub._callsTo("clearPlayVsSolutionStats").length, data.calls)
            compare(statText(home, "playHandsStat"), data.hands)
        }

        function test_fileDialogs_data() {
            return [
                { tag: "Save", button: "saveProjectButton", dialog: "saveProjectDialog", title: "Save Project" },
                { tag: "Open File", button: "openProjectButton", dialog: "openProjectDialog", title: "Open Project" }
            ]
        }

        function test_fileDialogs(data) {
            var home = findChild(makeShell(), "homePage")
            var dialog = findChild(home, data.dialog)
            compare(dialog.title, data.title)
            compare(dialog.nameFilters, ["Pellaris Project (*.pellarisproj)", "JSON (*.json)", "All Files (*)"])
            click(home, data.button)
            tryVerify(() => dialog.visible)
            dialog.reject()
            tryVerify(() => !dialog.visible)
            compare(stub._callsTo("saveProject").length + stub._callsTo("loadProject").length, 0)
        }

        function test_systemFigures() {
            var home = findChild(makeShell(), "homePage")
            stub.systemThreadCount = 16
            stub.systemMemoryText = "16 GB"
            stub.systemAvailableMemoryText = ""
            compare(findChild(home, "threadsValue").text, "16 available")
            compare(findChild(home, "memoryValue").text, "16 GB (— free)")
            stub.systemAvailableMemoryText = "5.3 GB"
            compare(findChild(home, "memoryValue").text, "16 GB (5.3 GB free)")
        }
    }
}
