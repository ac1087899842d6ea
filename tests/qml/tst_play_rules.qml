import QtQuick
import QtTest
import "../../qml/components/playRules.js" as PlayRules
import "../../qml/components/chartSeries.js" as Charts
import "../../qml/components/numberText.js" as NumberText

// The play's pure rules: seeded draws, dealing, the mistake test and the
// hand records.
TestCase {
    name: "PlayRules"

    // A source that replays fixed numbers.
    function replay(values) {
        var i = 0
        return function () { return values[i++ % values.length] }
    }

    function test_seededSourceRepeats() {
        var a = PlayRules.makeRandom(42), b = PlayRules.makeRandom(42), c = PlayRules.makeRandom(43)
        var sa = [], sb = [], sc = []
        for (var i = 0; i < 5; ++i) {
            sa.push(a())
            sb.push(b())
            sc.push(c())
        }
        compare(sa, sb)
        verify(JSON.stringify(sa) !== JSON.stringify(sc))
        verify(sa.every(function (x) { return x >= 0 && x < 1 }))
    }

    function test_weightedIndex_data() {
        return [
            { tag: "first", weights: [1, 3], r: 0.2, want: 0 },
            { tag: "boundary goes to the earlier", weights: [1, 3], r: 0.25, want: 0 },
            { tag: "second", weights: [1, 3], r: 0.26, want: 1 },
            { tag: "zero weights skipped", weights: [0, 2, 0, 2], r: 0.9, want: 3 },
            { tag: "none", weights: [0, 0], r: 0.5, want: -1 },
            { tag: "empty", weights: [], r: 0.5, want: -1 }
        ]
    }

    function test_weightedIndex(row) {
        compare(PlayRules.weightedIndex(row.weights, replay([row.r])), row.want)
    }

    function test_eligibleCombos() {
        var rows = [
            { c1: "ah", c2: "KD", weight: 0.5 },
            { c1: "Ah", c2: "Ah", weight: 1 },
            { c1: "Qs", c2: "Jc", weight: 1 },       // Jc is on the board
            { c1: "Ts", c2: "9s", weight: 0 },
            { c1: "8s", c2: "7s", weight: NaN },
            { c1: "6s", c2: "", weight: 1 },
            { c1: "5s", c2: "4s", weight: 2 }
        ]
        compare(PlayRules.eligibleCombos(rows, PlayRules.usedMap(["jc"])),
                [{ c1: "Ah", c2: "Kd", weight: 0.5 }, { c1: "5s", c2: "4s", weight: 2 }])
    }

    // Every combination of the two ranks, suited or offsuit as asked, with
    // no card of `board`.
    function combosOf(high, low, suited, board, weight) {
        var suits = "cdhs", out = []
        for (var i = 0; i < 4; ++i) {
            for (var j = high === low ? i + 1 : 0; j < 4; ++j) {
                var c1 = high + suits[i], c2 = low + suits[j]
                if (high !== low && (i === j) !== suited || board.indexOf(c1) >= 0 || board.indexOf(c2) >= 0)
                    continue
                out.push({ c1: c1, c2: c2, weight: weight })
            }
        }
        return out
    }

    // A table deals the pair of hands at once: on Ks 7d 2c 5h 9s, AA meets
    // 27 AKo hands and QQ 54, so OOP holds AA one time in three.
    function test_pairsAreDealtAsATableDealsThem() {
        var board = ["Ks", "7d", "2c", "5h", "9s"]
        var oop = combosOf("A", "A", false, board, 1).concat(combosOf("Q", "Q", false, board, 1))
        var ip = combosOf("A", "K", false, board, 1)
        compare(ip.length, 9)
        var weights = PlayRules.pairedWeights(oop, ip)
        var aces = 0, all = 0
        for (var i = 0; i < oop.length; ++i) {
            all += weights[i]
            aces += oop[i].c1.charAt(0) === "A" ? weights[i] : 0
        }
        compare([aces, all], [27, 81])

        var rand = PlayRules.makeRandom(5), n = 3000, dealtAces = 0
        for (var d = 0; d < n; ++d) {
            var used = PlayRules.usedMap(board)
            var first = PlayRules.pickPairedCombo(oop, ip, used, rand)
            used[first.c1] = used[first.c2] = true
            var second = PlayRules.pickWeightedCombo(PlayRules.eligibleCombos(ip, used), rand)
            verify(second !== null, first.c1 + first.c2 + " meets no AKo")
            dealtAces += first.c1.charAt(0) === "A" ? 1 : 0
        }
        var sd = Math.sqrt(n * (1 / 3) * (2 / 3))
        verify(Math.abs(dealtAces - n / 3) <= 3 * sd, dealtAces + " of " + n)
    }

    // Reach at a node replaces the range weight when the rows carry it.
    function test_dealCombosTakeTheReach() {
        compare(PlayRules.dealCombos([{ c1: "Ah", c2: "Kd", weight: 1, reach: 0.25 },
                                      { c1: "Qh", c2: "Qd", weight: 0.5 }]),
                [{ c1: "Ah", c2: "Kd", weight: 0.25 }, { c1: "Qh", c2: "Qd", weight: 0.5 }])
    }

    function test_actionDraws_data() {
        var actions = [{ name: "Ah", frequency: 0.5 }, { name: "Kd", frequency: 0.5 }, { name: "Qc", frequency: 0 }]
        return [
            { tag: "used card skipped", fn: "pickWeightedActionIndex", actions: actions, used: { Ah: true }, r: 0.0, want: 1 },
            { tag: "no frequency", fn: "pickWeightedActionIndex", actions: [{ name: "Qc", frequency: 0 }], used: {}, r: 0.3, want: -1 },
            // Chance nodes keep no frequencies: free cards are drawn evenly.
            { tag: "free card, uniform", fn: "pickFreeCardIndex", actions: actions, used: { Ah: true }, r: 0.9, want: 2 },
            { tag: "free card, all used", fn: "pickFreeCardIndex", actions: actions, used: { Ah: true, Kd: true, Qc: true }, r: 0.1, want: -1 }
        ]
    }

    function test_actionDraws(row) {
        compare(PlayRules[row.fn](row.actions, row.used, replay([row.r])), row.want)
    }

    function test_mistake_data() {
        return [
            { tag: "best action", best: 10, chosen: 10, want: false },
            { tag: "within 1 %", best: 10, chosen: 9.95, want: false },
            { tag: "beyond 1 %", best: 10, chosen: 9.8, want: true },
            { tag: "100 vs 99.5", best: 100, chosen: 99.5, want: false },
            { tag: "near zero", best: 0, chosen: -0.005, want: true },
            { tag: "exactly the tolerance", best: 100, chosen: 99, want: false }
        ]
    }

    function test_mistake(row) {
        var info = PlayRules.evInfo([row.best, row.chosen], 1)
        verify(info.ok)
        compare(info.bestIndex, row.best >= row.chosen ? 0 : 1)
        compare(PlayRules.isMistake(info, 1e-6, 0.01), row.want)
    }

    // The feedback is worded in the interface language.
    function test_drillFeedback_data() {
        return [
            { tag: "correct", code: "en", wrong: false, best: "Bet 50%", loss: NaN, want: "Correct" },
            { tag: "wrong with loss", code: "en", wrong: true, best: "Bet 50%", loss: 0.5, want: "Wrong \u2014 best: Bet 50% (EV \u22120.500)" },
            { tag: "wrong, no name or loss", code: "en", wrong: true, best: "", loss: NaN, want: "Wrong \u2014 best: \u2014" },
            { tag: "German, correct", code: "de", wrong: false, best: "", loss: NaN, want: "Richtig" },
            { tag: "Russian, wrong with loss", code: "ru", wrong: true, best: "Ставка 50%", loss: 4.4671,
              want: "Неверно \u2014 лучше: Ставка 50% (EV \u22124.467)" },
            { tag: "Polish, wrong without loss", code: "pl", wrong: true, best: "Czek", loss: NaN, want: "\u0179le \u2014 najlepiej: Czek" }
        ]
    }

    function test_drillFeedback(row) {
        languageManager.setLanguage(row.code)
        var text = PlayRules.drillFeedbackText(row.wrong, row.best, row.loss)
        languageManager.setLanguage("en")
        compare(text, row.want)
    }

    function test_evInfo_data() {
        return [
            { tag: "first of equal best", evs: [2, 5, 5], index: 2, ok: true, bestIndex: 1, loss: 0 },
            { tag: "non-finite chosen", evs: [2, NaN], index: 1, ok: false },
            { tag: "index outside", evs: [2], index: 3, ok: false },
            { tag: "skips non-finite", evs: [NaN, 1, 3], index: 1, ok: true, bestIndex: 2, loss: 2 }
        ]
    }

    function test_evInfo(row) {
        var info = PlayRules.evInfo(row.evs, row.index)
        compare(info.ok, row.ok)
        if (row.ok) {
            compare(info.bestIndex, row.bestIndex)
            compare(info.evLoss, row.loss)
        }
    }

    function test_lineAndEntry() {
        var line = PlayRules.appendStep("", "OOP", "Check")
        line = PlayRules.appendStep(line, "Chance", "5d")
        compare(line, "OOP: Check \u2192 Chance: 5d")
        compare(PlayRules.lineFromSteps([{ actor: "OOP", name: "Check" }, { actor: "Chance", name: "5d" }]), line)
        var e = PlayRules.logEntry({ board: "AhKs7h" }, { evLoss: 0.4 })
        compare(e.isMistake, true)
        compare(e.chosenActionIndex, -1)
        compare(PlayRules.logEntry({}, { evLoss: NaN }).isMistake, false)
    }

    function test_handDetails_data() {
        var sd = function () { return "TIE" }
        var arrow = " \u2192 "
        return [
            // A five-card board with one dealt card started on the turn.
            { tag: "fold decides over showdown",
              entry: { board: "AhKs7h2h5d", oop: "AsAd", ip: "9c9d", pot: 40, investedOop: 20, investedIp: 20,
                       line: "OOP: Check \u2192 Chance: 5d \u2192 OOP: Bet 75% \u2192 IP: Fold", rake: 1.5 },
              showdown: sd, winner: "OOP", won: 20, river: "5d", rake: 1.5,
              flop: [], turn: ["OOP: Check"], riverSteps: ["OOP: Bet 75%", "IP: Fold"] },
            { tag: "showdown on a river start", entry: { board: "AhKs7h2h5d", oop: "AsAd", ip: "9c9d", pot: 30, investedOop: 15,
                                        investedIp: 15, line: "OOP: Check \u2192 IP: Check" },
              showdown: sd, winner: "TIE", won: 0, river: "5d", rake: 0, flop: [], turn: [],
              riverSteps: ["OOP: Check", "IP: Check"] },
            { tag: "flop start, two dealt cards",
              entry: { board: "AhKs7h2h5d", oop: "AsAd", ip: "9c9d", pot: 30, investedOop: 15, investedIp: 15,
                       line: ["OOP: Check", "IP: Check", "Chance: 2h", "OOP: Check", "IP: Check", "Chance: 5d",
                              "OOP: Check", "IP: Check"].join(arrow) },
              showdown: sd, winner: "TIE", won: 0, river: "5d", rake: 0, flop: ["OOP: Check", "IP: Check"],
              turn: ["OOP: Check", "IP: Check"], riverSteps: ["OOP: Check", "IP: Check"] },
            { tag: "turn start stopped on a mistake before the river",
              entry: { board: "AhKs7h2h", oop: "AsAd", ip: "9c9d", pot: 40, investedOop: 20, investedIp: 0,
                       line: "OOP: Bet 75% \u2192 IP: Fold", endedReason: "suboptimal", evLoss: 2.5, rake: 1 },
              showdown: sd, winner: "\u2014", won: NaN, river: "", rake: 0, flop: [], turn: ["OOP: Bet 75%", "IP: Fold"],
              riverSteps: [], stopped: true },
            { tag: "empty", entry: {}, showdown: sd, winner: "\u2014", won: NaN, river: "", rake: 0, flop: [], turn: [],
              riverSteps: [] }
        ]
    }

    // A step shows its action in the interface's words; a step without a
    // seat stands as it is.
    function test_stepWords_data() {
        return [
            { tag: "seat and sized action", step: "IP: Bet 75%", want: "IP: <Bet 75%>" },
            { tag: "blanks around", step: " OOP:  Check ", want: "OOP: <Check>" },
            { tag: "no seat", step: "Check", want: "Check" }
        ]
    }

    function test_stepWords(row) {
        compare(PlayRules.stepWords(row.step, function (act) { return "<" + act + ">" }), row.want)
    }

    function test_handDetails(row) {
        var d = PlayRules.handDetails(row.entry, row.showdown)
        compare(d.winner, row.winner)
        if (isNaN(row.won))
            verify(isNaN(d.wonAmount))
        else
            compare(d.wonAmount, row.won)
        compare(d.riverCard, row.river)
        compare(d.rakeTaken, row.rake)
        compare(d.flopActions, row.flop)
        compare(d.turnActions, row.turn)
        compare(d.riverActions, row.riverSteps)
        compare(d.stoppedOnMistake, !!row.stopped)
    }

    // Chart axes open out to round steps that cover the data closely.
    function test_roundRange_data() {
        return [
            { tag: "hundreds", range: { min: 250.99, max: 337.11 }, want: { min: 240, max: 340, step: 20 } },
            { tag: "small", range: { min: 0.84, max: 3.16 }, want: { min: 0.5, max: 3.5, step: 0.5 } },
            { tag: "negative", range: { min: -7.3, max: 1.2 }, want: { min: -8, max: 2, step: 2 } },
            { tag: "thousands", range: { min: -1981, max: 881 }, want: { min: -2000, max: 1000, step: 500 } },
            { tag: "flat stays", range: { min: 2, max: 2 }, want: { min: 2, max: 2 } }
        ]
    }

    function test_roundRange(row) {
        var r = Charts.roundRange(row.range)
        fuzzyCompare(r.min, row.want.min, 1e-9)
        fuzzyCompare(r.max, row.want.max, 1e-9)
        compare(r.step, row.want.step)
        verify(r.min <= row.range.min && r.max >= row.range.max)
    }

    // Labels of a round axis, with the decimals the step needs and the sign.
    function test_roundAxisLabels() {
        var axis = Charts.roundAxis([[-1900, -1600, -1200], [100, 400, 800]], [-1, 1])
        var d = Charts.stepDecimals(axis.step)
        compare(Charts.gridValues(axis).map(function (v) { return NumberText.fixed(v, d) }),
                ["1000", "500", "0", "\u2212500", "\u22121000", "\u22121500", "\u22122000"])
        compare(Charts.stepDecimals(2.5), 1)
        compare(Charts.stepDecimals(0.25), 2)
    }
}
