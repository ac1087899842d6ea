import QtQuick
import QtTest
import Pellaris

// The solve page against a scripted controller: what the progress display
// shows in each phase, the clock, and what a start sends.
Item {
    id: root
    width: 1400
    height: 900

    Component { id: pageComponent; SolvePage { anchors.fill: parent } }

    TestCase {
        name: "SolvePage"
        when: windowShown

        function makePage(props) {
            var stub = harness.createStandIn("appController")
            stub.systemThreadCount = 8
            var page = createTemporaryObject(pageComponent, root, Object.assign({ controller: stub }, props || {}))
            return { page: page, stub: stub }
        }

        function find(page, name) {
            var item = findChild(page, name)
            verify(item !== null, name)
            return item
        }

        // The page's own one-second clock never fires during a test: the
        // tests tick it by hand, so no figure depends on the machine's speed.
        function makeHandClockedPage(props) {
            var t = makePage(props)
            t.page.elapsedTimer.interval = 1000000000
            return t
        }

        function tileValue(page, name) {
            return findChild(find(page, name), "statValue").text
        }

        // One row per phase: the controller's pair of running flag and
        // status text (with progress and results), and what the page reads.
        function test_phases_data() {
            return [
                { tag: "idle", running: false, status: "Ready", results: 0,
                  line: "Ready", badge: "Ready", iteration: 0, ring: 0, tile: "—" },
                { tag: "idle, no status", running: false, status: "", results: 0,
                  line: "Ready to solve", badge: "Ready", iteration: 0, ring: 0, tile: "—" },
                { tag: "starting", running: true, status: "Starting...", results: 0,
                  line: "Starting solver…", badge: "Running", iteration: 0, ring: 0, tile: "Measuring..." },
                { tag: "initialising", running: true, status: "Init: building game object...", results: 0,
                  line: "Init: building game object...", badge: "Running", iteration: 0, ring: 0, tile: "Measuring..." },
                { tag: "before the first measurement", running: true, status: "Iter 30 | exploitability≈0.0000",
                  results: 0, line: "Iteration 30 | exploitability=∞", badge: "Running", iteration: 30, ring: 0.4,
                  tile: "Measuring..." },
                { tag: "measured", running: true, status: "Iter 60 | exploitability≈37.5000", results: 0,
                  line: "Iteration 60 | exploitability=0.38", badge: "Running", iteration: 60, ring: 0.8, tile: "0.38" },
                { tag: "negative figure", running: true, status: "Iter 60 | exploitability≈-2.0000", results: 0,
                  line: "Iteration 60 | exploitability=—", badge: "Running", iteration: 60, ring: 0.8,
                  tile: "Measuring..." },
                { tag: "cancelling", running: true, status: "Cancelling...", progress: 0.02, results: 0,
                  line: "Iteration 40 | exploitability=∞", badge: "Running", iteration: 40, ring: 40 / 75,
                  tile: "Measuring..." },
                { tag: "done", running: false, status: " Done ", results: 75, final: 0.375,
                  line: "Done", badge: "Ready", iteration: 75, ring: 1, tile: "0.38" },
                { tag: "failed", running: false, status: "Error: Flop cards must be unique", results: 0,
                  line: "Error: Flop cards must be unique", badge: "Ready", iteration: 0, ring: 0, tile: "—" }
            ]
        }

        function test_phases(data) {
            var t = makePage({ maxIterations: 2000, targetExploitability: 1 })
            t.stub.progress = data.progress === undefined ? 0 : data.progress
            t.stub.resultIterations = data.results
            t.stub.resultExploitability = data.final === undefined ? 0 : data.final
            t.stub.statusText = data.status
            t.stub.running = data.running
            compare(find(t.page, "statusLine").text, data.line)
            compare(find(t.page, "sectionBadge").visible, true)
            compare(t.page.stateBadge, data.badge)
            compare(t.page.currentIteration, data.iteration)
            fuzzyCompare(t.page.progressWheelValue, data.ring, 1e-9)
            compare(tileValue(t.page, "exploitabilityTile"), data.tile)
        }

        // The last iteration is held while the results are built, and the
        // ring is full once they are there.
        function test_finalizingHoldsTheLastIteration() {
            var t = makePage({ maxIterations: 2000, targetExploitability: 0.5 })
            t.stub.running = true
            t.stub.statusText = "Iter 100 | exploitability≈12.0000"
            t.stub.statusText = "Finalizing: computing results..."
            compare(t.page.currentIteration, 100)
            compare(t.page.stateBadge, "Finalizing")
            verify(find(t.page, "finalizingNote").visible)
            compare(find(t.page, "statusLine").text, "Finalizing…")
            fuzzyCompare(t.page.progressWheelValue, 100 / 125, 1e-9)
            t.stub.running = false
            compare(t.page._lastIterFromStatusText, 0)
        }

        // The live figure and the final one are both chips: no jump by a
        // factor of 100 when the run ends.
        function test_exploitabilityKeepsItsScaleAcrossTheEnd_data() {
            return [
                { tag: "above a chip", live: "Iter 200 | exploitability≈137.2500", final: 1.3725 },
                { tag: "below a chip", live: "Iter 200 | exploitability≈37.5000", final: 0.375 },
                { tag: "hundredths", live: "Iter 200 | exploitability≈2.0000", final: 0.02 }
            ]
        }

        function test_exploitabilityKeepsItsScaleAcrossTheEnd(data) {
            var t = makePage({ maxIterations: 200 })
            t.stub.running = true
            t.stub.statusText = data.live
            var during = t.page.currentExploitabilityValue
            var duringTile = tileValue(t.page, "exploitabilityTile")
            t.stub.resultIterations = 200
            t.stub.resultExploitability = data.final
            t.stub.statusText = "Done"
            t.stub.running = false
            var after = t.page.currentExploitabilityValue
            verify(Math.abs(Math.log(during / after) / Math.LN10) < 0.5, during + " then " + after)
            compare(tileValue(t.page, "exploitabilityTile"), duringTile)
        }

        // A run that stops at its target shows the iterations it ran, not
        // its cap; a cancelled one keeps what it was started with.
        function test_runRowShowsIterationsRun_data() {
            return [
                { tag: "stopped at its target", results: 150, status: "Done", row: "Completed", iterations: "150" },
                { tag: "ran to its cap", results: 400, status: "Done", row: "Completed", iterations: "400" },
                { tag: "cancelled", results: 0, status: "Cancelled", row: "Cancelled", iterations: "400" }
            ]
        }

        function test_runRowShowsIterationsRun(data) {
            var t = makePage({ maxIterations: 400 })
            t.page.threadCount = 2
            t.stub.running = true
            compare(t.page.runHistoryModel.count, 1)
            t.stub.resultIterations = data.results
            t.stub.statusText = data.status
            t.stub.running = false
            var row = t.page.runHistoryModel.get(0)
            compare(row.status, data.row)
            var summary = t.page._runSummary(row)
            compare(summary.split(" • ")[0], "Iterations " + data.iterations)
            compare(summary.split(" • ")[2], "Threads 2")
        }

        function test_clockTicks() {
            var t = makeHandClockedPage({ maxIterations: 2000 })
            t.stub.running = true
            t.stub.statusText = "Iter 500 | exploitability≈1.0000"
            for (var i = 0; i < 10; ++i)
                t.page._tick()
            compare(t.page.elapsedTime, "00:10")
            compare(t.page.iterationsPerSec, 50)
            compare(t.page.estimatedRemaining, "00:30")
            compare(tileValue(t.page, "speedTile"), "50")
            t.stub.running = false
            compare(t.page.elapsedTimer.seconds, 0)
            compare(t.page.estimatedRemaining, "00:00")
            compare(t.page.elapsedTime, "00:10")
        }

        // A fast run after a slow one shows its own figures: nothing of the
        // slow run's clock, speed or remaining time survives its start, and
        // a run shorter than the clock's first tick still gets its time and
        // speed.
        function test_fastRunAfterSlowRun() {
            var t = makeHandClockedPage({ maxIterations: 2000, targetExploitability: 0.5, startingPot: 100 })
            t.stub.running = true
            t.stub.statusText = "Iter 500 | exploitability≈4.0000"
            for (var i = 0; i < 22; ++i)
                t.page._tick()
            t.stub.resultIterations = 500
            t.stub.statusText = "Done"
            t.stub.running = false
            compare(tileValue(t.page, "elapsedTile"), "00:22")
            compare(tileValue(t.page, "speedTile"), "23")

            t.stub.resultIterations = 0
            t.stub.statusText = "Starting..."
            t.stub.running = true
            compare(tileValue(t.page, "elapsedTile"), "00:00")
            compare(tileValue(t.page, "speedTile"), "—")
            compare(tileValue(t.page, "remainingTile"), "--:--")
            t.stub.statusText = "Iter 6 | exploitability≈90.0000"
            t.stub.resultIterations = 6
            t.stub.statusText = "Done"
            t.stub.running = false
            // The same run with fixed times: 6 iterations in 1.2 s, over
            // before the clock's first tick.
            var t0 = 1000000
            t.page._beginRun(t0)
            t.page._endRun(t0 + 1200, 6)
            compare(tileValue(t.page, "elapsedTile"), "00:01")
            compare(tileValue(t.page, "speedTile"), "5.0")
        }

        // Remaining counts toward the target once two measurements show the
        // fall, else toward the limit, and says which.
        function test_remainingSaysWhatItCountsToward() {
            var t = makeHandClockedPage({ maxIterations: 2000, targetExploitability: 0.5, startingPot: 100 })
            t.stub.running = true
            // Target 0.5% of a 100-chip pot: 0.5 chips, 50 in the text's hundredths.
            t.stub.statusText = "Iter 100 | exploitability≈400.0000"
            for (var i = 0; i < 10; ++i)
                t.page._tick()
            compare(findChild(find(t.page, "remainingTile"), "statUnit").text, "to limit")
            compare(tileValue(t.page, "remainingTile"), "03:10")
            t.stub.statusText = "Iter 200 | exploitability≈200.0000"
            for (var j = 0; j < 10; ++j)
                t.page._tick()
            // 4 chips at 100, 2 at 200: 0.5 at 800. 200 iterations in 20 s,
            // 600 to go: 60 s.
            compare(findChild(find(t.page, "remainingTile"), "statUnit").text, "to target")
            compare(tileValue(t.page, "remainingTile"), "01:00")
            t.stub.running = false
            compare(findChild(find(t.page, "remainingTile"), "statUnit").visible, false)
        }

        // A count from a bigger machine, as a loaded project may carry, is
        // never sent as it is.
        function test_startSendsAThreadCountTheMachineHas() {
            var t = makePage({ threadCount: 64, startingPot: 18, targetExploitability: 0.5 })
            t.stub._answer("startSolveWithConfig", function () { t.stub.running = true })
            compare(t.page.threadCount, 8)
            t.page.threadCount = 64
            mouseClick(find(t.page, "startSolveButton"))
            var sent = t.stub._callsTo("startSolveWithConfig")
            compare(sent.length, 1)
            compare(sent[0][0].thread_count, 8)
            compare(sent[0][0].target_exploitability, 0.09)
            compare(Object.keys(sent[0][0]).length, 42)
            var row = t.page.runHistoryModel.get(0)
            compare(row.status, "Running")
            var summary = t.page._runSummary(row)
            verify(/Target 0\.5% \(≈ 0\.09\) • Threads 8$/.test(summary), summary)
        }

        function test_cancelMarksTheRowAtOnce() {
            var t = makePage()
            t.stub._answer("startSolveWithConfig", function () { t.stub.running = true })
            t.page.startSolveFromPage()
            mouseClick(find(t.page, "cancelSolveButton"))
            compare(t.stub._callsTo("cancelSolve").length, 1)
            compare(t.page.runHistoryModel.get(0).status, "Cancelled")
            // A run that still ends with results keeps the user's word.
            t.stub.resultIterations = 10
            t.stub.running = false
            compare(t.page.runHistoryModel.get(0).status, "Cancelled")
            compare(t.page._activeRunId, -1)
        }

        // Clear during a run drops the running row; the run's end then
        // changes nothing, and the run ids go on counting.
        function test_clearDuringARun() {
            var t = makePage()
            t.stub._answer("startSolveWithConfig", function () { t.stub.running = true })
            t.page.startSolveFromPage()
            mouseClick(find(t.page, "clearRunsButton"))
            compare(t.page.runHistoryModel.count, 0)
            t.stub.running = false
            compare(t.page.runHistoryModel.count, 0)
            t.page.startSolveFromPage()
            compare(t.page.runHistoryModel.get(0).runId, 2)
        }

        function test_noControllerDisablesTheButtons() {
            var page = createTemporaryObject(pageComponent, root)
            verify(!find(page, "startSolveButton").enabled)
            verify(!find(page, "cancelSolveButton").enabled)
            verify(!find(page, "viewResultsButton").enabled)
            compare(find(page, "statusLine").text, "Ready to solve")
            page.startSolveFromPage()
            compare(page.runHistoryModel.count, 0)
        }

        function test_summaryAndOptions() {
            var t = makePage({ startingPot: 18, effectiveStack: 91, targetExploitability: 0.5, rakePercent: 5,
                               rakeCap: 3, oopFlopBetSizesText: "33", ipRiverBetSizesText: "75, 150",
                               oopTurnRaiseSizesText: "100", ipFlopRaiseSizesText: "2.5x",
                               oopTurnDontDonk: true, ipAddAllInIfJamLtEnabled: true, ipAddAllInIfJamLtPct: 37.5 })
            var summary = find(t.page, "configSummary")
            var texts = []
            for (var i = 0; i < summary.children.length; ++i)
                if (summary.children[i].text !== undefined)
                    texts.push(summary.children[i].text)
            // A figure keeps to the word beside it (a no-break space).
            compare(texts, ["Street", "FLOP", "Pot / Stack", "18 / 91", "Target", "0.5% (= 0.09)",
                            "Rake", "5% (cap\u00A03)", "Bet sizes",
                            "Flop · OOP bet\u00A033 / raise — · IP bet — / raise\u00A02.5x\n"
                            + "Turn · OOP bet — / raise\u00A0100 · IP bet — / raise —\n"
                            + "River · OOP bet — / raise — · IP bet\u00A075, 150 / raise —"])
            // A turn spot lists the turn and the river only; nothing is cut.
            t.page.startingStreet = "turn"
            var sizes = null
            for (var k = 0; k < summary.children.length; ++k)
                if (String(summary.children[k].text).indexOf("Turn · ") === 0)
                    sizes = summary.children[k]
            verify(sizes, "the sizes line")
            compare(sizes.text.split("\n").length, 2)
            compare(sizes.truncated, false)
            compare(sizes.elide, Text.ElideNone)
            compare(t.page._enabledOptionLines(), ["OOP: don't donk on turn", "IP: add all-in if jam < 37.5% pot"])

            // In ICM: no rake, and the stacks the solve is sent.
            t.page.startingStreet = "flop"
            t.page.utilityModel = "icm"
            t.page.oopStack = 150.7
            t.page.ipStack = 99.2
            texts = []
            for (var j = 0; j < summary.children.length; ++j)
                if (summary.children[j].text !== undefined)
                    texts.push(summary.children[j].text)
            compare(texts.slice(0, 10), ["Street", "FLOP", "Pot / Stack", "18 / 99", "Stacks", "OOP\u00A0150 · IP\u00A099",
                                         "Target", "0.5% (= 0.09)", "Rake", "none (ICM)"])
        }
    }
}
