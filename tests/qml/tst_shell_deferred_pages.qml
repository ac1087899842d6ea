import QtQuick
import QtTest
import Pellaris

// The window's shell makes only the page on show at once: the others come
// right after start, or at once when one is shown first, and each is wired to
// the shell's state as it comes.
Item {
    id: root
    width: 1000
    height: 700

    Component { id: shellComponent; AppShell { anchors.fill: parent; deferHiddenPages: true } }

    TestCase {
        name: "ShellDeferredPages"
        when: windowShown

        property var stub: null

        readonly property var hiddenPages: ["projectPage", "solvePage", "resultsPage", "settingsPage"]

        function makeShell() {
            stub = harness.createStandIn("appController", root)
            stub.systemThreadCount = 8
            stub.running = false
            return createTemporaryObject(shellComponent, root, { controller: stub })
        }

        function madePages(shell) {
            return hiddenPages.filter(function (name) { return shell.pages[name] !== null })
        }

        function test_onlyTheShownPageAtStart() {
            var shell = makeShell()
            verify(findChild(shell, "homePage") !== null)
            compare(madePages(shell), [])
            compare(findChild(shell, "projectPage"), null)
            tryVerify(function () { return madePages(shell).length === hiddenPages.length },
                      5000, "the hidden pages are made in the background")
            hiddenPages.forEach(function (name) { compare(findChild(shell, name), shell.pages[name], name) })
            compare(shell.navIndex, 0, "making them shows none")
        }

        // Shown before the pass that makes the hidden pages, or once it began: the
        // page is there as soon as the index moves.
        function test_shownPageIsMadeAtOnce_data() {
            var rows = []
            hiddenPages.forEach(function (name, i) {
                rows.push({ tag: name + " before the pass", page: name, index: i + 1, waitForPass: false })
                rows.push({ tag: name + " once the pass began", page: name, index: i + 1, waitForPass: true })
            })
            return rows
        }

        function test_shownPageIsMadeAtOnce(data) {
            var shell = makeShell()
            if (data.waitForPass)
                tryVerify(function () { return shell.pages._madePages > 0 }, 5000)
            shell.navIndex = data.index
            verify(shell.pages[data.page] !== null)
            compare(shell.pages[data.page].visible, true)
        }

        function test_importRangeFromHomeMakesTheSetUpPage() {
            var shell = makeShell()
            findChild(shell, "homePage").importRange()
            compare(shell.navIndex, 1)
            var setup = shell.pages.projectPage
            verify(setup !== null)
            compare(setup.boardText, shell.boardText)
        }

        // The set-up page made in the background draws its range columns'
        // coloured seat dots at its first showing, with no relayout after.
        function test_firstShowingDrawsSeatDots() {
            var shell = makeShell()
            tryVerify(function () { return madePages(shell).length === hiddenPages.length }, 5000)
            findChild(shell, "homePage").quickSolve()
            var page = shell.pages.projectPage
            var flick = findChild(page, "setupFlickable")
            waitForItemPolished(page)
            flick.contentY = Math.max(0, flick.contentHeight - flick.height)
            waitForItemPolished(page)
            var picture = grabImage(root)
            ;["oop", "ip"].forEach(function (seat) {
                var dot = findChild(page, seat + "SeatDot")
                compare([dot.width, dot.height], [10, 10], seat)
                var centre = dot.mapToItem(root, dot.width / 2, dot.height / 2)
                var shown = picture.pixel(Math.floor(centre.x), Math.floor(centre.y))
                verify(Qt.colorEqual(shown, dot.color), seat + ": " + shown + " at " + centre.x + "," + centre.y)
            })
        }

        // A page made after the shell follows the state, writes back, and
        // is re-bound by a sync, as one made with the shell.
        function test_lateSetUpAndSolvePagesAreWired_data() {
            return [{ tag: "made in the background", show: false }, { tag: "made by showing it", show: true }]
        }

        function test_lateSetUpAndSolvePagesAreWired(data) {
            var shell = makeShell()
            shell.resetToNewProject()
            shell.boardText = "Kh7c2d"
            shell.threadCount = 4
            if (data.show) {
                shell.navIndex = 1
                shell.navIndex = 2
            }
            tryVerify(function () { return madePages(shell).length === hiddenPages.length }, 5000)
            var setup = shell.pages.projectPage
            var solve = shell.pages.solvePage
            compare([setup.boardText, solve.boardText], ["Kh7c2d", "Kh7c2d"])
            compare(solve.threadCount, 4)
            setup.boardText = "AhKh"
            compare(shell.boardText, "AhKh", "written back")
            shell.resetToNewProject()
            compare([setup.boardText, solve.boardText], ["", ""])
            shell.applyProjectState({ threadCount: 5 })
            shell.syncPagesFromRoot()
            compare(solve.threadCount, 5)
            compare(shell.projectRecommendedWidth, setup.recommendedWindowWidth, "the window's width follows")
        }
    }
}
