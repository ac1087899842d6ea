import QtQuick
import QtTest
import Pellaris
import "../spots.js" as Spots

// The home page against the real controller and a store of its own: the
// empty figures of a fresh store, what two solves make of them, and project
// files saved, opened and refused. Functions run in the order of their
// names; the first needs the store still empty.
Item {
    id: root
    width: 1400
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "HomePageReal"
        when: windowShown

        function makeShell() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            var home = findChild(shell, "homePage")
            waitForItemPolished(home)
            return shell
        }

        function solveTinySpot() {
            appController.startSolveWithConfig(Spots.tinyRiverSpot(20))
            tryVerify(() => !appController.running, 20000)
            compare(appController.resultIterations, 20, appController.statusText)
        }

        function todayIso() {
            var d = new Date()
            return d.getFullYear() + "-" + String(d.getMonth() + 1).padStart(2, "0") + "-" + String(d.getDate()).padStart(2, "0")
        }

        function text(parent, name) {
            return findChild(parent, name).text
        }

        function test_1_freshStoreIsEmpty() {
            var home = findChild(makeShell(), "homePage")
            verify(findChild(home, "chartEmptyText").visible)
            compare([text(home, "chartAxisBottom"), text(home, "chartAxisTop")], ["0", "1"])
            compare([text(home, "chartFirstDate"), text(home, "chartLastDate")], ["", ""])
            compare([text(home, "totalSolvesValue"), text(home, "solvesThisWeekValue"), text(home, "avgRuntimeValue")],
                    ["0", "0", "—"])
            compare(findChild(findChild(home, "playHandsStat"), "statValue").text, "0 / 0")
            var square = findChild(findChild(home, "calendarDay_" + todayIso()), "calendarSquare")
            compare(square.color, home.theme.surface2)
        }

        function test_2_twoSolvesMakeTodaysSquare() {
            var home = findChild(makeShell(), "homePage")
            solveTinySpot()
            solveTinySpot()
            compare(text(home, "totalSolvesValue"), "2")
            compare(text(home, "solvesThisWeekValue"), "2")
            verify(text(home, "avgRuntimeValue").endsWith("s"), text(home, "avgRuntimeValue"))
            verify(!findChild(home, "chartEmptyText").visible)
            compare(text(home, "chartAxisTop"), "2")
            compare(text(home, "chartLastDate"), todayIso())

            var cell = findChild(home, "calendarDay_" + todayIso())
            compare(findChild(cell, "calendarSquare").color, home.theme.accentMuted)
            mouseMove(cell, cell.width / 2, cell.height / 2)
            var tip = findChild(home, "calendarToolTip")
            tryVerify(() => tip.visible)
            var lines = tip.text.split("\n")
            compare(lines.slice(0, 3), [todayIso(), "Solves: 2", "Avg iters: 20"])
            verify(/^Avg expl: \d+\.\d{4}$/.test(lines[3]), lines[3])
        }

        function test_3_saveThenOpenLandsOnResults() {
            var shell = makeShell()
            var home = findChild(shell, "homePage")
            shell.resetToDefaults()
            shell.boardText = "Ks7d2c5h9s"
            solveTinySpot()
            var typed = harness.temporaryFileUrl("solved")
            verify(home.saveProjectTo(typed))
            verify(appController.fileExists(typed + ".pellarisproj"))
            verify(!findChild(home, "fileErrorDialog").visible)

            shell.resetToNewProject()
            compare(appController.resultIterations, 0)
            compare(shell.boardText, "")
            verify(home.openProjectFrom(typed + ".pellarisproj"))
            compare(shell.navIndex, 3)
            compare(shell.boardText, "Ks7d2c5h9s")
            verify(/^Loaded project \((1 strategy node|\d+ strategy nodes), (1 combo node|\d+ combo nodes)\)$/.test(appController.statusText),
                   appController.statusText)
            compare(appController.resultIterations, 20)
        }

        function test_4_failuresAreShown_data() {
            return [
                { tag: "save into a missing folder", save: true, file: "missing/folder/spot",
                  title: "Save Failed", says: "missing/folder/spot.pellarisproj" },
                { tag: "corrupt file", content: "{ this is not json", file: "corrupt.pellarisproj",
                  title: "Open Failed", says: "This is not a Pellaris project" },
                { tag: "another format", content: "{\"format\": \"other\", \"version\": 1}", file: "other.json",
                  title: "Open Failed", says: "Unrecognized project format" },
                { tag: "markup in the name stays text", content: "", file: "a<br>b.pellarisproj",
                  title: "Open Failed", says: "a<br>b.pellarisproj" }
            ]
        }

        function test_4_failuresAreShown(data) {
            var shell = makeShell()
            var home = findChild(shell, "homePage")
            var loaded = signalSpyComponent.createObject(root, { target: home, signalName: "projectLoaded" })
            var url = harness.temporaryFileUrl(data.file)
            if (data.content !== undefined) {
                var written = appController.saveTextFile(url, data.content)
                verify(written.ok, written.error)
            }
            var ok = data.save ? home.saveProjectTo(url) : home.openProjectFrom(url)
            verify(!ok)
            var dialog = findChild(home, "fileErrorDialog")
            tryVerify(() => dialog.opened)
            compare(dialog.title, data.title)
            var message = findChild(dialog.contentItem, "messageText")
            compare(message.textFormat, Text.PlainText)
            verify(message.text.indexOf(data.says) >= 0, message.text)
            compare(loaded.count, 0)
            compare(shell.navIndex, 0)
            mouseClick(findChild(dialog.footer, "messageOkButton"))
            tryVerify(() => !dialog.visible)
            loaded.destroy()
        }

        // The reason an open failed is worded again when the language
        // changes while it is shown.
        function test_4b_openReasonFollowsTheLanguage() {
            var home = findChild(makeShell(), "homePage")
            var url = harness.temporaryFileUrl("noise.pellarisproj")
            verify(appController.saveTextFile(url, "{ not a project").ok)
            verify(!home.openProjectFrom(url))
            var dialog = findChild(home, "fileErrorDialog")
            tryVerify(() => dialog.opened)
            var message = findChild(dialog.contentItem, "messageText")
            verify(message.text.endsWith("could not be opened:\nThis is not a Pellaris project"), message.text)
            languageManager.setLanguage("de")
            tryVerify(() => message.text.endsWith("\nDies ist kein Pellaris-Projekt"), 5000, message.text)
            languageManager.setLanguage("en")
            tryVerify(() => message.text.endsWith("\nThis is not a Pellaris project"), 5000, message.text)
            mouseClick(findChild(dialog.footer, "messageOkButton"))
            tryVerify(() => !dialog.visible)
        }

        // A project's values outside their fields' ranges are left out and
        // named; the rest of the project opens.
        function test_5_outOfRangeValuesAreNamed() {
            var shell = makeShell()
            var home = findChild(shell, "homePage")
            shell.resetToDefaults()
            var state = shell.exportProjectState()
            state.threadCount = 0.1
            state.maxIterations = "-50"
            state.boardText = "Qs Jh 2h"
            var url = harness.temporaryFileUrl("odd.pellarisproj")
            verify(appController.saveProject(url, state))
            var threads = shell.threadCount, iterations = shell.maxIterations
            shell.resetToNewProject()
            verify(home.openProjectFrom(url))
            compare([shell.boardText, shell.threadCount, shell.maxIterations], ["Qs Jh 2h", threads, iterations])
            var dialog = findChild(home, "fileErrorDialog")
            tryVerify(() => dialog.opened)
            compare(dialog.title, "Some Values Not Loaded")
            var message = findChild(dialog.contentItem, "messageText").text
            verify(message.indexOf("Iterations: \"-50\"\nCPU threads utilized: \"0.1\"") > 0, message)
            mouseClick(findChild(dialog.footer, "messageOkButton"))
            tryVerify(() => !dialog.visible)
        }
    }

    Component { id: signalSpyComponent; SignalSpy {} }
}
