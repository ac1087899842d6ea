import QtQuick
import QtTest
import Pellaris

// The results page, its hands and Play stay on the spot that was solved
// when the set-up changes afterwards, say so, and a project saved then
// opens again the same way; the real controller on a small river spot.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "ResultsSpotReal"
        when: windowShown

        readonly property string solvedBoard: "Ks7d2c5h9s"
        readonly property var solvedRanges: ({ oopRangeText: "AA, KK, QQ, JJ, AK, KQ, 76s, 43s",
                                               ipRangeText: "AA, 99, 77, AK, KJ, QJ, T8s, 86s" })

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        // A shell whose small river spot (5% rake, cap 3) has been solved.
        function solvedShell() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToNewProject()
            shell.applyProjectState({
                boardText: solvedBoard, startingPot: 22.8, effectiveStack: 88.9,
                maxIterations: 20, targetExploitability: 0, threadCount: 1, rakePercent: 5, rakeCap: 3
            })
            shell.applyProjectState(solvedRanges)
            ;["oop", "ip"].forEach(function (seat) {
                ;["Flop", "Turn", "River"].forEach(function (street) {
                    shell[seat + street + "BetSizesText"] = "33, 75"
                    shell[seat + street + "RaiseSizesText"] = "100"
                })
            })
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
            shell.navIndex = 3
            waitForItemPolished(shell.pages.resultsPage)
            return shell
        }

        // The page reads the solved spot: board, rake, hands and Play.
        function checkSolvedSpot(page, changed) {
            compare(page.boardText, solvedBoard)
            compare(page.gameVariant, "holdem")
            compare(child(page, "rakeValue").text, "1.14")
            var notice = child(page, "spotNotice")
            compare(notice.visible, changed)
            if (changed)
                verify(notice.text.indexOf("K\u26607\u26662\u26635\u26659\u2660") >= 0, notice.text)
            tryVerify(function () { return !page._handCombosLoading && page.currentHandCombos.length > 0 })
            page.currentHandCombos.forEach(function (combo) {
                verify(solvedBoard.indexOf(combo.c1) < 0 && solvedBoard.indexOf(combo.c2) < 0, combo.c1 + combo.c2)
            })

            page.playRandomSeed = 11
            page.playMode = true
            page.startPlaySession("BOTH")
            compare(page.playBoardText, solvedBoard)
            ;[page.oopCard1, page.oopCard2, page.ipCard1, page.ipCard2].forEach(function (card) {
                verify(card !== "" && solvedBoard.indexOf(card) < 0, card)
            })
            page.resetPlaySession()
            page.playMode = false
        }

        function test_setupChangedAfterTheSolve_data() {
            return [
                { tag: "board", set: { boardText: "Ks7d2c5h8h" } },
                { tag: "variant", set: { gameVariant: "shortdeck" } },
                { tag: "rake", set: { rakePercent: 4 } }
            ]
        }

        function test_setupChangedAfterTheSolve(data) {
            var shell = solvedShell()
            var page = shell.pages.resultsPage
            checkSolvedSpot(page, false)

            shell.applyProjectState(data.set)
            verify(shell.setupDiffersFromResults)
            checkSolvedSpot(page, true)

            var url = harness.temporaryFileUrl("changed-" + data.tag + ".pellarisproj")
            var setup = shell.exportProjectState()
            verify(appController.saveProject(url, setup))
            shell.resetToNewProject()
            verify(child(shell, "homePage").openProjectFrom(url))
            compare(shell.navIndex, 3)
            Object.keys(data.set).forEach(function (key) { compare(shell[key], setup[key]) })
            compare(appController.resultSpot, { gameVariant: "holdem", boardText: solvedBoard, utilityModel: "cash",
                                                 rakePercent: 5, rakeCap: 3 }, JSON.stringify(appController.resultSpot))
            checkSolvedSpot(page, true)

            // The set-up back as it was solved (a variant switch brings
            // that variant's ranges): nothing to say.
            shell.applyProjectState({ gameVariant: "holdem", boardText: solvedBoard, rakePercent: 5 })
            shell.applyProjectState(solvedRanges)
            verify(!shell.setupDiffersFromResults)
            verify(!child(page, "spotNotice").visible)
        }
    }
}
