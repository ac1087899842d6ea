import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// The solve page driving the real controller on a small river spot: run
// rows follow how each solve really ends.
Item {
    id: root
    width: 1400
    height: 900

    Component { id: pageComponent; SolvePage { anchors.fill: parent } }

    TestCase {
        name: "SolvePageRealController"
        when: windowShown

        function makePage(iterations, extra) {
            var props = Spots.tinyRiverPageInputs(iterations)
            props.controller = appController
            Object.assign(props, extra || {})
            var page = createTemporaryObject(pageComponent, root, props)
            waitForItemPolished(page)
            return page
        }

        function find(page, name) {
            var item = findChild(page, name)
            verify(item !== null, name)
            return item
        }

        function waitUntilIdle() {
            tryVerify(function () { return !appController.running }, 60000)
        }

        function topRow(page) {
            return page.runHistoryModel.get(0)
        }

        function test_solveCompletesWithTwoThreads() {
            if (appController.systemThreadCount < 2)
                skip("needs a machine with two threads")
            var page = makePage(50)
            var combo = find(page, "threadCountCombo")
            var two = page._threadChoiceModel.indexOf("2")
            combo.activated(two)
            compare(page.threadCount, 2)
            // On a machine of two threads, two is the machine's count and
            // reads as "Max".
            if (appController.systemThreadCount === 2) {
                compare(combo.currentIndex, 0)
                compare(combo.displayText, "Max, 2 threads")
            } else {
                compare(combo.currentIndex, two)
                compare(combo.displayText, "2 threads")
            }

            mouseClick(find(page, "startSolveButton"))
            verify(appController.running, appController.statusText)
            compare(topRow(page).status, "Running")
            compare(page._runSummary(topRow(page)), "Iterations 50 • Target 0% (≈ 0) • Threads 2")
            compare(find(page, "startSolveButton").text, "Solving...")
            verify(!find(page, "viewResultsButton").enabled)

            waitUntilIdle()
            compare(topRow(page).status, "Completed")
            compare(appController.resultIterations, 50)
            verify(find(page, "viewResultsButton").enabled)
            compare(find(page, "statusLine").text, "Done")
            compare(page.progressWheelValue, 1)
            var spy = createTemporaryObject(spyComponent, root, { target: page })
            mouseClick(find(page, "viewResultsButton"))
            compare(spy.count, 1)
        }

        function test_cancelEndsCancelled() {
            // Far more iterations than the test waits for.
            var page = makePage(10000000)
            mouseClick(find(page, "startSolveButton"))
            verify(appController.running)
            mouseClick(find(page, "cancelSolveButton"))
            compare(topRow(page).status, "Cancelled")
            waitUntilIdle()
            compare(appController.statusText, "Cancelled")
            compare(topRow(page).status, "Cancelled")
            verify(!find(page, "viewResultsButton").enabled)
        }

        function test_refusedStartFails() {
            var page = makePage(50, { boardText: "" })
            mouseClick(find(page, "startSolveButton"))
            verify(!appController.running)
            compare(appController.statusText, "Not ready: enter a valid board first")
            compare(topRow(page).status, "Failed")
            compare(page._activeRunId, -1)
            verify(find(page, "startSolveButton").enabled)
        }

        // A spot the engine refuses is refused at the start, with the
        // engine's reason (the estimate reads it as the solve would), and its
        // row ends "Failed", not "Completed".
        function test_engineErrorFails() {
            var page = makePage(50, { boardText: "KsKs2c5h9s" })
            mouseClick(find(page, "startSolveButton"))
            waitUntilIdle()
            compare(appController.statusText, "Not ready: Flop cards must be unique")
            verify(!appController.running)
            compare(topRow(page).status, "Failed")
        }

        function test_elevenRunsKeepTen() {
            var page = makePage(5)
            var first = page._nextRunId
            for (var i = 0; i < 11; ++i) {
                mouseClick(find(page, "startSolveButton"))
                waitUntilIdle()
            }
            compare(page.runHistoryModel.count, 10)
            compare(topRow(page).runId, first + 10)
            compare(page.runHistoryModel.get(9).runId, first + 1)
            for (var r = 0; r < 10; ++r)
                compare(page.runHistoryModel.get(r).status, "Completed")
            compare(find(page, "runList").height, 180)
        }
    }

    Component { id: spyComponent; SignalSpy { signalName: "goToResults" } }
}
