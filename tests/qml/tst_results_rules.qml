import QtQuick
import QtTest
import "../../qml/components/resultsRules.js" as Rules
import "../../qml/components/numberText.js" as NumberText
import "../../qml/components/actionBar.js" as Bar

// The results page's rules that draw nothing: suit twins on the path,
// colours and EVs of actions, node figures and the hand-detail filters.
TestCase {
    name: "ResultsRules"

    function step(chance, name, override) {
        return { chance: chance, actionName: name, override: override || "" }
    }

    function test_boardAndSuitMap_data() {
        return [
            { tag: "plain path", steps: [step(false, "Check"), step(true, "2c")], board: "AhKs7h2c",
              map: { s: "s", h: "h", d: "d", c: "c" } },
            { tag: "turn shown as 2d", steps: [step(true, "2c", "2d"), step(false, "Bet 50%")],
              board: "AhKs7h2d", map: { s: "s", h: "h", d: "c", c: "d" } },
            { tag: "override of another rank ignored", steps: [step(true, "2c", "3d")], board: "AhKs7h3d",
              map: { s: "s", h: "h", d: "d", c: "c" } },
            { tag: "undecided chance level", steps: [step(true, "", "2d")], board: "AhKs7h",
              map: { s: "s", h: "h", d: "d", c: "c" } },
            { tag: "two swaps compose", steps: [step(true, "2c", "2d"), step(true, "5h", "5c")],
              board: "AhKs7h2d5c", map: { s: "s", h: "d", d: "c", c: "h" } }
        ]
    }

    function test_boardAndSuitMap(data) {
        compare(Rules.boardFromSteps("Ah Ks 7h", data.steps), data.board)
        compare(Rules.suitMapFromSteps(data.steps), data.map)
    }

    // Flop Ah Ks 7h: the turn lists 2c but not 2d.
    function test_chanceOffers_data() {
        var offer = Rules.pickerOffer([{ name: "2c" }, { name: "2s" }, { name: "3h" }], ["Ah", "Ks", "7h"],
                                      Rules.identitySuitMap())
        return [
            { tag: "listed card", card: "2c", board: "AhKs7h", offer: offer, expected: 0 },
            { tag: "absent-suit twin", card: "2d", board: "AhKs7h", offer: offer, expected: 0 },
            { tag: "present suit has no twin", card: "2h", board: "AhKs7h", offer: offer, expected: -1 },
            { tag: "board card", card: "Ah", board: "AhKs7h", offer: offer, expected: -1 },
            { tag: "three suits present", card: "2d",
              board: "AhKs7c", offer: Rules.pickerOffer([{ name: "2c" }], ["Ah", "Ks", "7c"], Rules.identitySuitMap()),
              expected: -1 },
            // After the turn was shown as 2d for 2c, the engine's 2d reads as 2c.
            { tag: "river under a swapped map", card: "2c", board: "AhKs7h2d",
              offer: Rules.pickerOffer([{ name: "2d" }, { name: "2h" }], ["Ah", "Ks", "7h", "2d"],
                                       Rules.suitMapFromSteps([step(true, "2c", "2d")])),
              expected: 0 }
        ]
    }

    function test_chanceOffers(data) {
        var used = Rules.boardCards(data.board)
        compare(Rules.chanceIndexForSelection(data.card, data.offer.indexByCard, used, data.board), data.expected)
    }

    function test_shownBoardCardNeverOffered() {
        var map = Rules.suitMapFromSteps([step(true, "2c", "2d")])
        var offer = Rules.pickerOffer([{ name: "2d" }, { name: "2h" }], ["Ah", "Ks", "7h", "2d"], map)
        compare(Object.keys(offer.indexByCard).sort(), ["2c", "2h"])
        compare(Rules.engineCard("2c", map), "2d")
    }

    function test_betColoursRankedBySize() {
        var out = Rules.colorizeBetRaise([
            { name: "Check", actionType: "check" }, { name: "Bet 150%", actionType: "bet 150%" },
            { name: "Bet 33%", actionType: "bet 33%" }, { name: "Bet 75%", actionType: "bet 75%" },
            { name: "Raise 2.5%", actionType: "raise 2.5%" }], true)
        compare(out[0].color, undefined)
        compare([out[2].color, out[3].color, out[1].color], Rules.BET_PALETTE_DARK.slice(0, 3))
        compare(out[4].color, Rules.RAISE_PALETTE_DARK[0])
        var six = [10, 20, 30, 40, 50, 60].map(function (p) { return { name: "Bet " + p + "%", actionType: "bet" } })
        var light = Rules.colorizeBetRaise(six, false)
        compare(light[5].color, light[0].color)
    }

    function test_evsAroundFold_data() {
        return [
            { tag: "from fold", evs: [1.5, 2.0, 0.5], expected: [0, 0.5, -1.0] },
            { tag: "fold not finite", evs: [NaN, 2.0, 0.5], expected: [NaN, 2.0, 0.5] }
        ]
    }

    function test_evsAroundFold(data) {
        var names = ["Fold", "Call", "Raise 100%"], types = ["fold", "call", "raise 100%"]
        var actions = data.evs.map(function (ev, i) { return { name: names[i], actionType: types[i], ev: ev } })
        var out = Rules.normalizeEvsAroundFold(actions)
        for (var i = 0; i < out.length; ++i) {
            if (isNaN(data.expected[i]))
                verify(isNaN(out[i].ev))
            else
                fuzzyCompare(out[i].ev, data.expected[i], 1e-12)
        }
        var lines = Rules.comboEvLines(actions, [1.0, 1.4, 0.2], 0)
        compare(lines.map(function (l) { return l.text }), ["0.00", "0.40", "\u22120.80"])
        compare(lines[2].key, "Raise 100%")
    }

    function test_nodeFigures_data() {
        return [
            { tag: "facing a bet", meta: { player: "IP", pot: 10, effectiveStack: 100, investedOop: 5, investedIp: 0 },
              toCall: 5, spr: 10, odds: "33.3%" },
            { tag: "nothing to call", meta: { player: "OOP", pot: 20, effectiveStack: 50, investedOop: 10, investedIp: 10 },
              toCall: 0, spr: 2, odds: "—" },
            { tag: "terminal", meta: { player: "", pot: 20, effectiveStack: 50 }, toCall: 0, spr: 0, odds: "—" },
            { tag: "empty pot", meta: { player: "OOP", pot: 0, effectiveStack: 50 }, toCall: 0, spr: NaN, odds: "—" }
        ]
    }

    function test_nodeFigures(data) {
        compare(Rules.toCallAmount(data.meta), data.toCall)
        compare(Rules.fmtAmt2(Rules.spr(data.meta)), Rules.fmtAmt2(data.spr))
        compare(Rules.fmtPercent1(Rules.potOdds(data.meta)), data.odds)
    }

    // A chance node shows the street that follows: both seats matched, the
    // seat that acts first after the deal named.
    function test_chanceNodeFigures() {
        var chance = { nodeType: "chance", player: "", pot: 250, effectiveStack: 250, investedOop: 125,
                       investedIp: 125 }
        var shown = Rules.figureMeta(chance, "OOP")
        compare(Rules.fmtAmt2(Rules.stackRemaining(shown)), "125.00")
        compare(Rules.fmtAmt2(Rules.spr(shown)), "0.50")
        compare(Rules.toCallAmount(shown), 0)
        compare(chance.player, "")
        compare(Rules.figureMeta({ nodeType: "decision", player: "IP" }, "OOP").player, "IP")
    }

    // Every figure's text: finite numbers always print as numbers, a negative
    // one after the minus sign U+2212, -0 and what rounds to 0 without a sign,
    // no number prints the dash.
    function test_numberText_data() {
        return [
            { tag: "0", v: 0, two: "0.00", pct: "0.0%" },
            { tag: "-0", v: -0, two: "0.00", pct: "0.0%" },
            { tag: "1e-9", v: 1e-9, two: "0.00", pct: "0.0%" },
            { tag: "-1e-9", v: -1e-9, two: "0.00", pct: "0.0%" },
            { tag: "1e-300", v: 1e-300, two: "0.00", pct: "0.0%" },
            { tag: "-0.004", v: -0.004, two: "0.00", pct: "\u22120.4%" },
            { tag: "-0.005", v: -0.005, two: "\u22120.01", pct: "\u22120.5%" },
            { tag: "1.005", v: 1.005, two: "1.01", pct: "100.5%" },
            { tag: "71.42857", v: 500 / 7, two: "71.43", pct: "7142.9%" },
            { tag: "1e12", v: 1e12, two: "1000000000000.00", pct: "100000000000000.0%" },
            { tag: "NaN", v: NaN, two: "—", pct: "—" },
            { tag: "infinity", v: Infinity, two: "—", pct: "—" },
            { tag: "-infinity", v: -Infinity, two: "—", pct: "—" },
            { tag: "null", v: null, two: "—", pct: "—" },
            { tag: "undefined", v: undefined, two: "—", pct: "—" },
            { tag: "text", v: "0.125", two: "0.13", pct: "12.5%" }
        ]
    }

    function test_numberText(data) {
        compare(NumberText.fixed(data.v, 2), data.two)
        compare(Rules.fmtAmt2(data.v), data.two)
        compare(NumberText.percentText(data.v, 1), data.pct)
        compare(Rules.fmtPercent1(data.v), data.pct)
    }

    function test_signedAndCombos() {
        compare([NumberText.signed(500 / 7, 2), NumberText.signed(-1e-9, 2), NumberText.signed(-2.5, 2),
                 NumberText.signed(NaN, 2)], ["+71.43", "0.00", "\u22122.50", "—"])
        compare([NumberText.combos(3), NumberText.combos(4.5), NumberText.combos(2.9999999),
                 NumberText.combos(1e-9), NumberText.combos(NaN)], ["3", "4.5", "3", "0", "—"])
    }

    // A figure never parts from the word beside it at a line break; other
    // blanks stay as they are.
    function test_keepFiguresWhole_data() {
        return [
            { tag: "loss", text: "Wrong \u2014 best: Check (EV \u22120.496)",
              want: "Wrong \u2014 best: Check (EV\u00A0\u22120.496)" },
            { tag: "units", text: "Bet 125% \u00B7 2.5 combos \u00B7 64 MB",
              want: "Bet\u00A0125% \u00B7 2.5\u00A0combos \u00B7 64\u00A0MB" },
            { tag: "Cyrillic", text: "\u0411\u0435\u0442 25%", want: "\u0411\u0435\u0442\u00A025%" },
            { tag: "labels, wide gap", text: "Won: 12.00   Rake: 0.00", want: "Won:\u00A012.00   Rake:\u00A00.00" },
            { tag: "label, no figure", text: "Gain\u00A0: \u2014   Rake\u00A0: \u22120.90",
              want: "Gain\u00A0:\u00A0\u2014   Rake\u00A0:\u00A0\u22120.90" },
            { tag: "no figure", text: "Check \u00B7 Call", want: "Check \u00B7 Call" },
            { tag: "seats", text: "OOP: Check \u00B7 IP: Bet 75% \u00B7 SHIP: x",
              want: "OOP:\u00A0Check \u00B7 IP:\u00A0Bet\u00A075% \u00B7 SHIP: x" },
            { tag: "none", text: undefined, want: "" }
        ]
    }

    function test_keepFiguresWhole(data) {
        compare(NumberText.keepFiguresWhole(data.text), data.want)
    }

    // Percentages of one list add to exactly 100.
    function test_largestRemainder_data() {
        return [
            { tag: "thirds", values: [1, 1, 1], d: 0, expected: [34, 33, 33] },
            { tag: "thirds, one decimal", values: [1, 1, 1], d: 1, expected: [33.4, 33.3, 33.3] },
            { tag: "combos 4.5 / 4.5", values: [4.5, 4.5], d: 0, expected: [50, 50] },
            { tag: "largest remainder wins", values: [0.584, 0.416], d: 0, expected: [58, 42] },
            { tag: "a tie goes to the earlier", values: [0.585, 0.415], d: 0, expected: [59, 41] },
            { tag: "four actions", values: [0.1249, 0.1249, 0.2502, 0.5], d: 0, expected: [13, 12, 25, 50] },
            { tag: "tiny share", values: [0.996, 0.004], d: 0, expected: [100, 0] },
            { tag: "negatives and NaN count 0", values: [-1, NaN, 2, 2], d: 0, expected: [0, 0, 50, 50] },
            { tag: "nothing", values: [0, 0], d: 0, expected: [NaN, NaN] },
            { tag: "empty", values: [], d: 0, expected: [] }
        ]
    }

    function test_largestRemainder(data) {
        var out = NumberText.largestRemainder(data.values, data.d)
        compare(out.length, data.expected.length)
        var sum = 0
        for (var i = 0; i < out.length; ++i) {
            if (isNaN(data.expected[i]))
                verify(isNaN(out[i]))
            else
                fuzzyCompare(out[i], data.expected[i], 1e-9)
            sum += isFinite(out[i]) ? out[i] : 0
        }
        if (isFinite(out[0]))
            fuzzyCompare(sum, 100, 1e-9)
        var bar = Bar.percents(data.values.map(function (v) { return { frequency: v } }), data.d)
        compare(bar.length, out.length)
    }

    function test_rake_data() {
        return [
            { tag: "capped", pct: 5, cap: 3, expected: "3.00" },
            { tag: "no cap", pct: 5, cap: 0, expected: "5.00" },
            { tag: "no rake", pct: 0, cap: 3, expected: "0.00" }
        ]
    }

    function test_rake(data) {
        compare(Rules.fmtAmt2(Rules.rakeTaken(100, data.pct, data.cap)), data.expected)
    }

    function test_search_data() {
        var combos = [["Ah", "Kh"], ["Ac", "Kd"], ["Qs", "Qd"], ["Jc", "Jd"], ["Jh", "Js"], ["Ts", "9s"], ["6d", "5d"]]
        return [
            { tag: "AK", search: "AK", combos: combos, expected: ["AhKh", "AcKd"] },
            { tag: "ka", search: "ka", combos: combos, expected: ["AhKh", "AcKd"] },
            { tag: "AKs, QQ", search: "AKs, QQ", combos: combos, expected: ["AhKh", "QsQd"] },
            { tag: "jcjd", search: "jcjd", combos: combos, expected: ["JcJd"] },
            { tag: "JdJc", search: "JdJc", combos: combos, expected: ["JcJd"] },
            { tag: "56s", search: "56s", combos: combos, expected: ["6d5d"] },
            { tag: "AKx", search: "AKx", combos: combos, expected: [] },
            { tag: "AKQJ", search: "AKQJ", combos: combos, expected: [] }
        ]
    }

    function test_search(data) {
        var rows = data.combos.map(function (c) { return { c1: c[0], c2: c[1], weight: 1 } })
        var out = Rules.visibleCombos(rows, { search: data.search })
        compare(out.map(function (r) { return r.c1 + r.c2 }), data.expected)
    }

    function test_filters() {
        var rows = [
            { c1: "Ts", c2: "9s", weight: 1, buckets: ["draw"] },
            { c1: "Th", c2: "9h", weight: 1e-9, buckets: ["draw"] },
            { c1: "Ad", c2: "Ac", weight: 0.5, buckets: ["set"] }]
        compare(Rules.visibleCombos(rows, {}), rows)
        compare(Rules.visibleCombos(rows, { noise: true }).length, 2)
        compare(Rules.visibleCombos(rows, { handClass: "T9s" }).length, 2)
        compare(Rules.visibleCombos(rows, { bucket: "set" }), [rows[2]])
        compare(Rules.visibleCombos(rows, { noise: true, handClass: "T9s" }), [rows[0]])
        compare(Rules.handClassFromCards("9s", "Ts"), "T9s")
        compare(Rules.handClassFromCards("2c", "Ad"), "A2o")
    }

    function test_treeBlocks() {
        var actions = [{ name: "Fold", actionType: "fold", frequency: 0.2, childIndex: 5 },
                       { name: "Call", actionType: "call", frequency: 0.8, childIndex: 6 }]
        var levels = [
            { nodeIndex: 0, selectedActionIndex: 1, meta: { nodeType: "decision", player: "OOP", pot: 10 },
              actions: actions, childMetas: [{ pot: 10 }, { pot: 20, hasChildren: true }] },
            { nodeIndex: 6, selectedActionIndex: 0, meta: { nodeType: "chance", chanceDeal: "river", pot: 20 },
              actions: [{ name: "2c" }], override: "2d" },
            { nodeIndex: 9, selectedActionIndex: -1, meta: { nodeType: "decision", player: "OOP", pot: 20 },
              actions: actions, childMetas: [] }]
        var blocks = Rules.treeBlocks(levels)
        compare(blocks[0].items.length, 1)
        compare(blocks[0].items[0].pot, 20)
        compare([blocks[1].deal, blocks[1].card], ["River", "2d"])
        compare([blocks[2].showBanner, blocks[2].optionCount, blocks[2].items.length], [true, 2, 2])
        verify(!blocks[0].showBanner)
    }
}
