import QtQuick
import QtTest
import Pellaris

// The top bar's tabs, tooltips and status chip, and the sidebar, against a
// scripted controller.
Item {
    id: root
    width: 1200
    height: 400

    Theme { id: darkTheme }

    Component { id: barComponent; TopBar { width: root.width; theme: darkTheme } }
    Component { id: sidebarComponent; Sidebar { height: 500 } }
    Component { id: spyComponent; SignalSpy {} }
    Component { id: solvePageComponent; SolvePage { width: 1200; height: 800; theme: darkTheme } }

    TestCase {
        name: "TopBar"
        when: windowShown

        property var stub: null

        function makeBar(props) {
            stub = harness.createStandIn("appController", root)
            stub.running = false
            stub.resultIterations = 0
            stub.progress = 0
            var all = { controller: stub }
            for (var k in props)
                all[k] = props[k]
            var bar = createTemporaryObject(barComponent, root, all)
            // The tab row lays out on its own polish.
            tryVerify(function () { return findChild(bar, "tab4").x > 0 })
            return bar
        }

        function chip(bar) {
            var percent = findChild(bar, "statusChipPercent")
            return {
                text: findChild(bar, "statusChipText").text,
                percent: percent.visible ? percent.text : "",
                lit: Qt.colorEqual(findChild(bar, "statusChip").border.color, darkTheme.success)
            }
        }

        function test_chip_data() {
            var iter120 = "Iter 120 | exploitability≈0.1234"
            return [
                { tag: "iteration 120, target 0.5", status: [iter120], max: 2000, target: 0.5,
                  want: { text: "Solving", percent: "96%", lit: true } },
                { tag: "iteration 60, target 1.0", status: ["Iter 60 | exploitability≈0.1234"], max: 2000,
                  target: 1.0, want: { text: "Solving", percent: "80%", lit: true } },
                { tag: "iteration 120, target 0.1", status: [iter120], max: 2000, target: 0.1,
                  want: { text: "Solving", percent: "40%", lit: true } },
                { tag: "iteration 120, target 0.05", status: [iter120], max: 2000, target: 0.05,
                  want: { text: "Solving", percent: "6%", lit: true } },
                { tag: "beyond the total", status: ["Iter 900 | exploitability≈0.2000"], max: 2000, target: 0.5,
                  want: { text: "Solving", percent: "100%", lit: true } },
                { tag: "limit 0", status: ["Iter 1 | exploitability≈9.0000"], max: 0, target: 0.5,
                  want: { text: "Solving", percent: "100%", lit: true } },
                { tag: "finalizing keeps the last iteration",
                  status: ["Iter 340 | exploitability≈0.0900", "Finalizing: computing results...",
                           "Finalizing: building result snapshot..."], max: 2000, target: 0.05,
                  want: { text: "Finalizing", percent: "17%", lit: true } },
                { tag: "starting: from progress", status: ["Starting..."], progress: 0.15, max: 400, target: 0.5,
                  want: { text: "Starting", percent: "48%", lit: true } },
                { tag: "the solve thread's init text", status: ["Init: building game object..."], max: 400, target: 0.5,
                  want: { text: "Initializing", percent: "0%", lit: true } },
                { tag: "lower-case iters carry no number", status: ["iters 50"], progress: 0.1, max: 400, target: 0.05,
                  want: { text: "Solving", percent: "10%", lit: true } },
                { tag: "idle, ready to solve", idle: true, canSolve: true, want: { text: "Ready", percent: "", lit: true } },
                { tag: "idle, not ready", idle: true, canSolve: false, want: { text: "Ready", percent: "", lit: false } }
            ]
        }

        function test_chip(data) {
            var bar = makeBar({ maxIterations: data.max || 0, targetExploitability: data.target || 0,
                                canSolve: data.canSolve === true })
            stub.progress = data.progress || 0
            stub.running = !data.idle
            ;(data.status || []).forEach(function (s) { stub.statusText = s })
            compare(chip(bar), data.want)
        }

        // The chip and the solve page's ring read one rule: through a whole
        // run on one controller they never show different figures.
        function test_chipAndSolvePageRingAgree_data() {
            return [
                { tag: "target 0.5", max: 2000, target: 0.5 },
                { tag: "target 1", max: 2000, target: 1 },
                { tag: "target 0.2", max: 250, target: 0.2 },
                { tag: "target 0.05", max: 2000, target: 0.05 }
            ]
        }

        function test_chipAndSolvePageRingAgree(data) {
            var bar = makeBar({ maxIterations: data.max, targetExploitability: data.target })
            var page = createTemporaryObject(solvePageComponent, root, {
                controller: stub, maxIterations: data.max, targetExploitability: data.target })
            var ring = findChild(page, "progressRing")
            stub.running = true
            var steps = [["Starting...", 0.1], ["Init: building game object...", 0.1],
                         ["Iter 1 | exploitability≈0.0000", 0], ["Iter 68 | exploitability≈2.5000", 0],
                         ["Iter 121 | exploitability≈1.5000", 0], ["Iter 260 | exploitability≈0.5000", 0],
                         ["Cancelling...", 0.2], ["Finalizing: computing results...", 0.2]]
            steps.forEach(function (step) {
                stub.progress = step[1]
                stub.statusText = step[0]
                compare(chip(bar).percent, ring.percentText, step[0])
                compare(bar.progressWheelValue, page.progressWheelValue, step[0])
            })
        }

        function test_runEndsReadyWithResults() {
            var bar = makeBar({ maxIterations: 2000, targetExploitability: 0.5, canSolve: false })
            stub.running = true
            stub.statusText = "Iter 340 | exploitability≈0.0900"
            stub.resultIterations = 340
            stub.statusText = "Done"
            stub.running = false
            compare(chip(bar), { text: "Ready", percent: "", lit: false })
            compare([bar._lastIterFromStatusText, bar.currentIteration, bar.progressWheelValue], [0, 340, 1])
            verify(findChild(bar, "tab3").allowed)
        }

        function test_noControllerIsReadyWithoutResults() {
            var bar = makeBar({ canSolve: true })
            bar.controller = null
            compare(chip(bar), { text: "Ready", percent: "", lit: true })
            verify(!findChild(bar, "tab3").allowed)
        }

        // The tabs never run under the chip: a window too narrow for them
        // cuts the row off at the strip's edge.
        function test_tabStripStopsBeforeChip_data() {
            return [
                { tag: "wide", width: 1200, clipped: false },
                { tag: "narrow", width: 420, clipped: true }
            ]
        }

        function test_tabStripStopsBeforeChip(data) {
            var bar = makeBar({})
            bar.width = data.width
            var strip = findChild(bar, "tabStrip")
            tryCompare(strip, "clip", data.clipped)
            var chipLeft = findChild(bar, "statusChip").mapToItem(bar, 0, 0).x
            verify(strip.mapToItem(bar, strip.width, 0).x <= chipLeft)
            compare(findChild(bar, "tab4").mapToItem(bar, 0, 0).x + findChild(bar, "tab4").width > strip.x + strip.width,
                    data.clipped)
        }

        function test_tabs_data() {
            return [
                { tag: "start", props: { projectEnabled: false, canSolve: false }, want: [true, false, false, false, true] },
                { tag: "project, spot not ready", props: { projectEnabled: true, canSolve: false },
                  want: [true, true, false, false, true] },
                { tag: "ready with results", props: { projectEnabled: true, canSolve: true }, results: 10,
                  want: [true, true, true, true, true] },
                { tag: "running on the solve page", props: { projectEnabled: true, canSolve: true, currentPage: 2 },
                  running: true, results: 10, want: [false, false, true, false, false] },
                { tag: "running on another page", props: { projectEnabled: true, canSolve: true, currentPage: 1 },
                  running: true, want: [true, true, true, false, true] }
            ]
        }

        // A click on an enabled tab asks for its page, the current one too; a
        // click on a disabled tab asks nothing.
        function test_tabs(data) {
            var bar = makeBar(data.props)
            stub.resultIterations = data.results || 0
            stub.running = data.running === true
            var spy = createTemporaryObject(spyComponent, root, { target: bar, signalName: "navigate" })
            var enabled = [], asked = []
            for (var i = 0; i < 5; ++i) {
                var tab = findChild(bar, "tab" + i)
                enabled.push(tab.allowed)
                mouseClick(tab)
                asked.push(spy.count > 0 && spy.signalArguments[spy.count - 1][0] === i)
                spy.clear()
            }
            compare(enabled, data.want)
            compare(asked, data.want)
        }

        function test_disabledTabTooltip_data() {
            return [
                { tag: "Setup", tab: 1, props: { projectEnabled: false }, text: "Start a new project (or load one) from Home to enable Setup" },
                { tag: "Solve", tab: 2, props: { canSolve: false }, text: "Fill board, ranges, and sizings to enable Solve" },
                { tag: "Results", tab: 3, props: {}, text: "Run a solve to enable Results" },
                { tag: "Home under the lock", tab: 0, props: { currentPage: 2 }, running: true, text: "" },
                { tag: "enabled Settings", tab: 4, props: {}, text: "" }
            ]
        }

        function test_disabledTabTooltip(data) {
            var bar = makeBar(data.props)
            stub.running = data.running === true
            var tab = findChild(bar, "tab" + data.tab)
            var tip = findChild(tab, "tabTooltip")
            mouseMove(tab, tab.width / 2, tab.height / 2)
            if (data.text === "") {
                wait(400)
                compare(tip.visible, false)
                return
            }
            tryCompare(tip, "visible", true, 10000)
            compare(tip.text, data.text)
            mouseMove(bar, bar.width - 5, 5)
            tryCompare(tip, "visible", false, 10000)
        }
    }

    TestCase {
        name: "Sidebar"
        when: windowShown

        function test_entries_data() {
            return [
                { tag: "Solve current", index: 2, highlighted: [false, false, true, false, false] },
                { tag: "outside the pages", index: 7, highlighted: [false, false, false, false, false] }
            ]
        }

        // Only the current entry has the accent bar and its description;
        // a click reports the entry, the current one too, and moves nothing.
        function test_entries(data) {
            var sidebar = createTemporaryObject(sidebarComponent, root, { currentIndex: data.index })
            var spy = createTemporaryObject(spyComponent, root, { target: sidebar, signalName: "navigate" })
            // The entry column lays out on its own polish.
            tryVerify(function () { return findChild(sidebar, "sidebarEntry4").y > 0 })
            var highlighted = []
            for (var i = 0; i < 5; ++i) {
                var entry = findChild(sidebar, "sidebarEntry" + i)
                highlighted.push(findChild(entry, "accentBar").visible && findChild(entry, "entryDescription").visible)
                mouseClick(entry)
                compare(spy.signalArguments[spy.count - 1][0], i)
            }
            compare(highlighted, data.highlighted)
            compare(sidebar.currentIndex, data.index)
        }

        function test_fallbackColoursWithoutTheme() {
            var sidebar = createTemporaryObject(sidebarComponent, root)
            var stops = findChild(sidebar, "brandTile").gradient.stops
            verify(Qt.colorEqual(stops[0].color, "#3FB950"))
            verify(Qt.colorEqual(stops[1].color, "#238636"))
        }
    }
}
