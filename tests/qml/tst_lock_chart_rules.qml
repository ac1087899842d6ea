import QtQuick
import QtTest
import "../../qml/components/nodeLockRules.js" as Locks
import "../../qml/components/chartSeries.js" as Charts

// Mixed-lock inputs, lock previews and the series of the two charts.
TestCase {
    name: "LockChartRules"

    function test_mixedEdit_data() {
        return [
            { tag: "three, first to 0.5", texts: ["0.33", "0.33", "0.33"], e: 0, x: "0.5", out: ["0.50", "0.33", "0.17"] },
            { tag: "last edited: the one before is the sink", texts: ["0.50", "0.33", "0.17"], e: 2, x: "0.4",
              out: ["0.50", "0.10", "0.40"] },
            { tag: "capped by the fixed share", texts: ["0.50", "0.33", "0.17"], e: 0, x: "0.9", out: ["0.67", "0.33", "0.00"] },
            { tag: "one action stays whole", texts: ["1.00"], e: 0, x: "0.2", out: ["1.00"] },
            { tag: "two, 0.7", texts: ["0.50", "0.50"], e: 0, x: " 0.7 ", out: ["0.70", "0.30"] },
            { tag: "above 1 clamps", texts: ["0.50", "0.50"], e: 0, x: "1.5", out: ["1.00", "0.00"] },
            { tag: "negative clamps", texts: ["0.50", "0.50"], e: 0, x: "-3", out: ["0.00", "1.00"] },
            { tag: "empty reads 0", texts: ["0.50", "0.50"], e: 0, x: "", out: ["0.00", "1.00"] },
            { tag: "unreadable stored text rewritten", texts: ["x", "0.333", "0.2"], e: 2, x: "0.2",
              out: ["0.00", "0.80", "0.20"] },
            { tag: "not a number ignored", texts: ["0.50", "0.50"], e: 0, x: "abc", out: null },
            { tag: "index out of range ignored", texts: ["0.50", "0.50"], e: 2, x: "0.1", out: null }
        ]
    }

    function test_mixedEdit(data) {
        compare(Locks.applyMixedEdit(data.texts, data.texts.length, data.e, data.x), data.out)
    }

    function test_initAndProbs() {
        compare(Locks.initMixedTexts(3), ["0.33", "0.33", "0.33"])
        compare(Locks.initMixedTexts(0), [])
        compare(Locks.mixedProbs(["0.50", "0.25", "abc"], 3), [2 / 3, 1 / 3, 0])
        compare(Locks.mixedProbs(["0", "-1"], 2), [0.5, 0.5])
    }

    function test_preview_data() {
        return [
            { tag: "probabilities normalised", lock: { actionProbs: [2, 0, 2] }, n: 3, out: [0.5, 0, 0.5] },
            { tag: "single action spreads the rest", lock: { actionIndex: 1, actionProb: 0.7 }, n: 3, out: [0.15, 0.7, 0.15] },
            { tag: "wrong length, no index", lock: { actionProbs: [1, 0] }, n: 3, out: null },
            { tag: "all zero is uniform", lock: { actionProbs: [0, 0] }, n: 2, out: [0.5, 0.5] }
        ]
    }

    function test_preview(data) {
        var got = Locks.previewProbs(data.lock, data.n)
        if (data.out === null) {
            compare(got, null)
            return
        }
        for (var i = 0; i < data.out.length; ++i)
            fuzzyCompare(got[i], data.out[i], 1e-9)
    }

    function test_chosenLocks() {
        var rows = [{ hand: "AA", chosen: true, actionProbs: [1, 0] },
                    { hand: "KK", chosen: false, actionProbs: [0.5, 0.5] },
                    { hand: "__proto__", chosen: true, actionProbs: [0, 1] },
                    { hand: "", chosen: true }]
        var chosen = Locks.chosenLocks(rows)
        compare(Object.keys(chosen).sort(), ["AA", "__proto__"])
        compare(chosen.AA.actionProbs, [1, 0])
        compare(Object.keys(Locks.lockedClasses(chosen)).length, 2)
        compare(Object.keys(Locks.chosenLocks(null)).length, 0)
        compare(Locks.withLocks({ KK: [0.2, 0.8] }, chosen, 2).KK, [0.2, 0.8])
    }

    function test_distributionSeries() {
        var s = Charts.distributionSeries({
            oopHands: ["K9o", "A5s", "", "QQ"], equityOop: [0.4, 0.4, 0.9, NaN],
            ipHands: ["AA"], equityIp: [0.8, 0.1]
        }, true)
        compare(s.oopHands, ["A5s", "K9o"])
        compare(s.nIp, 1)
        compare(s.nMax, 2)
    }

    function test_statsSeriesAndRange() {
        var s = Charts.statsSeries([{ optimalEv: 1.0, actualEv: 1.0 }, { optimalEv: 2.0, actualEv: 0.5 }, { actualEv: "x" }])
        compare(s.optimal, [1, 3, 3])
        compare(s.actual, [1, 1.5, 1.5])
        var two = Charts.statsSeries([{ optimalEv: 1.0, actualEv: 1.0 }, { optimalEv: 2.0, actualEv: 0.5 }])
        var grid = Charts.gridValues(Charts.valueRange([two.optimal, two.actual], [-1, 1]))
        compare(grid.map(function (v) { return v.toFixed(2) }), ["3.16", "2.58", "2.00", "1.42", "0.84"])
        compare(Charts.valueRange([[2, 2], [2]], [0, 1]), { min: 0, max: 1 })
        compare(Charts.hoverIndex(1, 2), 1)
        compare(Charts.hoverIndex(0.5, 0), -1)
    }
}
