import QtQuick
import QtTest
import "../../qml/pages/solveProgress.js" as Progress

// The solve page's arithmetic: what it reads out of status texts, how far
// the ring and the window bar fill, clocks, thread choices, run endings.
TestCase {
    name: "SolveProgressRules"

    function test_parseIteration_data() {
        return [
            { tag: "iteration text", text: "Iter 120 | exploitability≈1.2500", want: 120 },
            { tag: "several blanks", text: "Iter   7", want: 7 },
            { tag: "inside a text", text: "step: Iter 3 of 9", want: 3 },
            { tag: "word, not a tag", text: "Iteration 5", want: 0 },
            { tag: "other stage", text: "Init: starting solver...", want: 0 },
            { tag: "empty", text: "", want: 0 }
        ]
    }

    function test_parseIteration(data) {
        compare(Progress.parseIteration(data.text), data.want)
    }

    function test_parseExploitability_data() {
        return [
            { tag: "fraction", text: "Iter 60 | exploitability≈37.5000", want: 37.5 },
            { tag: "placeholder zero", text: "Iter 3 | exploitability≈0.0000", want: 0 },
            { tag: "negative", text: "Iter 60 | exploitability≈-1.5000", want: NaN },
            { tag: "infinite", text: "Iter 60 | exploitability≈inf", want: NaN },
            { tag: "plain equals", text: "exploitability=1.5", want: NaN },
            { tag: "no figure", text: "Finalizing: computing results...", want: NaN },
            { tag: "empty", text: "", want: NaN }
        ]
    }

    function test_parseExploitability(data) {
        var got = Progress.parseExploitability(data.text)
        if (isNaN(data.want))
            verify(isNaN(got), String(got))
        else
            compare(got, data.want)
    }

    // The text carries hundredths of a chip; the page shows chips, and the
    // solver's 0 before its first measurement is no figure.
    function test_liveExploitabilityChips_data() {
        return [
            { tag: "hundredths", figure: 37.5, want: 0.375 },
            { tag: "placeholder", figure: 0, want: NaN },
            { tag: "none", figure: NaN, want: NaN }
        ]
    }

    function test_liveExploitabilityChips(data) {
        var got = Progress.liveExploitabilityChips(data.figure)
        if (isNaN(data.want))
            verify(isNaN(got), String(got))
        else
            fuzzyCompare(got, data.want, 1e-12)
    }

    function test_ringCapacity_data() {
        return [
            { tag: "target 1%", limit: 2000, target: 1, want: 75 },
            { tag: "target 0.99%", limit: 2000, target: 0.99, want: 125 },
            { tag: "target 0.5%", limit: 2000, target: 0.5, want: 125 },
            { tag: "target 0.49%", limit: 2000, target: 0.49, want: 300 },
            { tag: "target 0.1%", limit: 2000, target: 0.1, want: 300 },
            { tag: "target 0.05%", limit: 2000, target: 0.05, want: 2000 },
            { tag: "target 0", limit: 2000, target: 0, want: 2000 },
            { tag: "no target", limit: 2000, target: NaN, want: 2000 },
            { tag: "limit below the cap", limit: 60, target: 2, want: 60 },
            { tag: "limit 0", limit: 0, target: 1, want: 1 }
        ]
    }

    function test_ringCapacity(data) {
        compare(Progress.ringCapacity(data.limit, data.target), data.want)
    }

    function test_windowValue_data() {
        return [
            { tag: "none", iteration: 0, want: 0 },
            { tag: "not a number", iteration: NaN, want: 0 },
            { tag: "first", iteration: 1, want: 1 },
            { tag: "23", iteration: 23, want: 3 },
            { tag: "30", iteration: 30, want: 10 },
            { tag: "31", iteration: 31, want: 1 }
        ]
    }

    function test_windowValue(data) {
        compare(Progress.windowValue(data.iteration), data.want)
    }

    function test_clockText_data() {
        return [
            { tag: "start", seconds: 0, want: "00:00" },
            { tag: "seconds", seconds: 5, want: "00:05" },
            { tag: "an hour", seconds: 3725, want: "62:05" },
            { tag: "three digits", seconds: 6000, want: "100:00" }
        ]
    }

    function test_clockText(data) {
        compare(Progress.clockText(data.seconds), data.want)
    }

    function test_remainingSeconds_data() {
        return [
            { tag: "500 of 2000 at 50/s", limit: 2000, iteration: 500, speed: 50, want: 30 },
            { tag: "no speed", limit: 2000, iteration: 500, speed: 0, want: 0 },
            { tag: "past the limit", limit: 100, iteration: 120, speed: 10, want: 0 },
            { tag: "a part of a second reads one", limit: 850, iteration: 849, speed: 50, want: 1 }
        ]
    }

    function test_remainingSeconds(data) {
        compare(Progress.remainingSeconds(data.limit, data.iteration, data.speed), data.want)
    }

    // Measurements falling as a power of the iteration count: the run ends
    // at the first measurement (every 50th iteration) where the fitted curve
    // reaches the target, if before the limit, and never before the next
    // measurement while the last one is above the target.
    function test_expectedEnd_data() {
        return [
            { tag: "between measurements", limit: 2000, target: 0.6,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 700, toTarget: true } },
            { tag: "curve reached, target not", limit: 2000, target: 0.5, iteration: 830,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 850, toTarget: true } },
            { tag: "at a measurement past the curve", limit: 2000, target: 0.5, iteration: 850,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 900, toTarget: true } },
            { tag: "next measurement past the limit", limit: 980, target: 0.5, iteration: 960,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 980, toTarget: false } },
            { tag: "halved per doubling, target 0.5", limit: 2000, target: 0.5,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 800, toTarget: true } },
            { tag: "square-root fall", limit: 2000, target: 0.5,
              earlier: { iteration: 100, value: 2 }, later: { iteration: 400, value: 1 },
              want: { iteration: 1600, toTarget: true } },
            { tag: "reached only past the limit", limit: 2000, target: 0.1,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 2000, toTarget: false } },
            { tag: "already below the target", limit: 2000, target: 0.5,
              earlier: { iteration: 100, value: 0.8 }, later: { iteration: 200, value: 0.4 },
              want: { iteration: 200, toTarget: true } },
            { tag: "rising", limit: 2000, target: 0.5,
              earlier: { iteration: 100, value: 1 }, later: { iteration: 200, value: 2 },
              want: { iteration: 2000, toTarget: false } },
            { tag: "one measurement", limit: 2000, target: 0.5,
              earlier: null, later: { iteration: 200, value: 2 },
              want: { iteration: 2000, toTarget: false } },
            { tag: "no target", limit: 2000, target: 0,
              earlier: { iteration: 100, value: 4 }, later: { iteration: 200, value: 2 },
              want: { iteration: 2000, toTarget: false } }
        ]
    }

    function test_expectedEnd(data) {
        compare(Progress.expectedEnd(data.limit, data.target, data.earlier, data.later, data.iteration || 0), data.want)
    }

    function test_speedText_data() {
        return [
            { tag: "none", speed: 0, want: "—" },
            { tag: "slow", speed: 0.04, want: "0.04" },
            { tag: "one decimal", speed: 1.25, want: "1.3" },
            { tag: "just under ten", speed: 9.94, want: "9.9" },
            { tag: "rounds to ten", speed: 9.96, want: "10" },
            { tag: "whole", speed: 123.4, want: "123" }
        ]
    }

    function test_speedText(data) {
        compare(Progress.speedText(data.speed), data.want)
    }

    function test_exploitabilityText_data() {
        return [
            { tag: "first iteration", iteration: 1, value: 0.5, want: "∞" },
            { tag: "iteration 50", iteration: 50, value: 0.5, want: "∞" },
            { tag: "iteration 51", iteration: 51, value: 0.125, want: "0.13" },
            { tag: "not measured", iteration: 51, value: NaN, want: "—" },
            { tag: "no iteration", iteration: 0, value: 1.5, want: "1.50" }
        ]
    }

    function test_exploitabilityText(data) {
        compare(Progress.exploitabilityText(data.iteration, data.value), data.want)
    }

    function test_threadChoices_data() {
        return [
            { tag: "1", max: 1, want: ["Max", "1"] },
            { tag: "8", max: 8, want: ["Max", "1", "2", "4", "8"] },
            { tag: "12", max: 12, want: ["Max", "1", "2", "4", "8", "12"] },
            { tag: "256", max: 256, want: ["Max", "1", "2", "4", "8", "16", "32", "64", "128", "256"] },
            { tag: "unknown", max: 0, want: ["Max", "1"] }
        ]
    }

    function test_threadChoices(data) {
        compare(Progress.threadChoices(data.max), data.want)
    }

    function test_currentThreadChoice_data() {
        var twelve = ["Max", "1", "2", "4", "8", "12"]
        return [
            { tag: "the machine's count", threads: 12, want: 0 },
            { tag: "a power of two", threads: 4, want: 3 },
            { tag: "fraction rounded down", threads: 4.7, want: 3 },
            { tag: "not offered", threads: 3, want: 0 },
            { tag: "bigger machine", threads: 64, want: 0 },
            { tag: "none", threads: 0, want: 1 }
        ].map(function (row) { row.choices = twelve; return row })
    }

    function test_currentThreadChoice(data) {
        compare(Progress.currentThreadChoice(data.choices, data.threads, 12), data.want)
    }

    function test_usableThreadCount_data() {
        return [
            { tag: "fits", threads: 2, want: 2 },
            { tag: "bigger machine", threads: 64, want: 8 },
            { tag: "zero", threads: 0, want: 8 },
            { tag: "not a number", threads: NaN, want: 8 }
        ]
    }

    function test_usableThreadCount(data) {
        compare(Progress.usableThreadCount(data.threads, 8), data.want)
    }

    // Only a solve that left results behind completed.
    function test_runEndStatus_data() {
        return [
            { tag: "results", iterations: 50, status: "Done", want: "Completed" },
            { tag: "a limit of no iteration", iterations: 0, status: "Done", want: "Completed" },
            { tag: "cancelled", iterations: 0, status: "Cancelled", want: "Cancelled" },
            { tag: "cancelled, blanks", iterations: 0, status: " Cancelled ", want: "Cancelled" },
            { tag: "error", iterations: 0, status: "Error: Flop cards must be unique", want: "Failed" },
            { tag: "cleared", iterations: 0, status: "Ready", want: "Failed" },
            { tag: "no status", iterations: 0, status: undefined, want: "Failed" }
        ]
    }

    function test_runEndStatus(data) {
        compare(Progress.runEndStatus(data.iterations, data.status), data.want)
    }

    // The controller's own words arrive translated; the solve thread's do not.
    function test_controllerWordsInAnotherLanguage() {
        languageManager.setLanguage("de")
        try {
            var cancelled = qsTranslate("AppController", "Cancelled")
            var starting = qsTranslate("AppController", "Starting...")
            verify(cancelled !== "Cancelled" && starting !== "Starting...")
            compare([Progress.runEndStatus(0, cancelled), Progress.runEndStatus(0, "Cancelled")],
                    ["Cancelled", "Cancelled"])
            compare([Progress.isStartingText(starting), Progress.isStartingText("Starting..."),
                     Progress.isStartingText("Init: starting solver...")], [true, true, false])
        } finally {
            languageManager.setLanguage("en")
        }
    }

    function test_shortText_data() {
        return [
            { tag: "half", value: 12.5, want: "12.5" },
            { tag: "target amount", value: 18 * 0.5 / 100, want: "0.09" },
            { tag: "binary noise", value: 0.1 * 3, want: "0.3" }
        ]
    }

    function test_shortText(data) {
        compare(Progress.shortText(data.value), data.want)
    }
}
