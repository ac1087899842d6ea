import QtQuick
import QtTest
import "../../qml/pages/boardSlots.js" as BoardSlots
import "../../qml/pages/numericFields.js" as NumericFields
import "../../qml/pages/settingsProfiles.js" as Profiles
import "../../qml/components/solveRules.js" as SolveRules

// The set-up page's rules that draw nothing: board slots, numeric input,
// settings profiles, the pot and stack fields a solve needs.
TestCase {
    name: "SetupRules"

    readonly property string holdem: "AKQJT98765432"
    readonly property string shortDeck: "AKQJT9876"

    function test_boardEdits_data() {
        return [
            { tag: "turn first", board: "", op: "set", index: 3, card: "Kd", want: "______Kd" },
            { tag: "third flop card first", board: "", op: "set", index: 2, card: "Kd", want: "____Kd" },
            { tag: "then the first", board: "____Kd", op: "set", index: 0, card: "Ah", want: "Ah__Kd" },
            { tag: "replace keeps later slots", board: "AhKdQc2s", op: "set", index: 1, card: "Jc", want: "AhJcQc2s" },
            { tag: "case kept elsewhere", board: "ahkdqc", op: "set", index: 3, card: "2s", want: "ahkdqc2s" },
            { tag: "trailing character dropped", board: "AhKdQc2", op: "set", index: 3, card: "9h", want: "AhKdQc9h" },
            { tag: "river with turn empty", board: "AhKd7c", op: "set", index: 4, card: "2s", want: "AhKd7c__2s" },
            { tag: "clear turn", board: "AhKdQc2s9h", op: "clear", index: 3, want: "AhKdQc" },
            { tag: "clear second flop card", board: "AhKdQc2s9h", op: "clear", index: 1, want: "Ah" },
            { tag: "clear first flop card", board: "AhKdQc2s9h", op: "clear", index: 0, want: "" },
            { tag: "clear keeps earlier gap", board: "Ah__Kd2s", op: "clear", index: 3, want: "Ah__Kd" },
            { tag: "slot out of range", board: "AhKdQc", op: "set", index: 7, card: "2s", want: "AhKdQc" },
            { tag: "short deck drops the deuce and the five", board: "AhKd5c2dTs", op: "deck", want: "AhKd____Ts" },
            { tag: "short deck drops the last cards", board: "AhKdQc5c2d", op: "deck", want: "AhKdQc" },
            { tag: "short deck keeps its cards", board: "Ah6d9c", op: "deck", want: "Ah6d9c" }
        ]
    }

    function test_boardEdits(data) {
        var got = data.op === "set" ? BoardSlots.withCardAt(data.board, data.index, data.card)
                : data.op === "deck" ? BoardSlots.withoutCardsOutside(data.board, "AKQJT9876")
                                    : BoardSlots.clearedFrom(data.board, data.index)
        compare(got, data.want)
    }

    function test_boardReading_data() {
        return [
            { tag: "four characters", board: "AhKd", ranks: holdem, valid: false, street: "flop", used: ["Ah", "Kd"] },
            { tag: "flop", board: "AhKdQc", ranks: holdem, valid: true, street: "flop", used: ["Ah", "Kd", "Qc"] },
            { tag: "gap", board: "AhKd__Qc", ranks: holdem, valid: false, street: "flop", used: ["Ah", "Kd", "Qc"] },
            { tag: "river", board: "AhKdQc2s9h", ranks: holdem, valid: true, street: "river",
              used: ["Ah", "Kd", "Qc", "2s", "9h"] },
            { tag: "short deck drops 5 and 2", board: "Ah5d2c", ranks: shortDeck, valid: false, street: "flop", used: ["Ah"] },
            { tag: "duplicate", board: "AhAhKd", ranks: holdem, valid: true, street: "flop", used: ["Ah", "Ah", "Kd"] },
            { tag: "mixed case", board: "ahKDqc", ranks: holdem, valid: true, street: "flop", used: ["Ah", "Kd", "Qc"] },
            { tag: "blanks", board: " Ah Kd Qc 2s ", ranks: holdem, valid: true, street: "turn", used: ["Ah", "Kd", "Qc", "2s"] }
        ]
    }

    function test_boardReading(data) {
        compare(BoardSlots.isValid(data.board, data.ranks), data.valid)
        compare(BoardSlots.street(data.board, data.ranks), data.street)
        compare(BoardSlots.usedCards(data.board, data.ranks), data.used)
    }

    function test_numericInput_data() {
        var R = NumericFields.RULES
        return [
            { tag: "pot 0 below range", rule: R.chips, text: "0", ok: false },
            { tag: "pot above range", rule: R.chips, text: "100001", ok: false },
            { tag: "pot 3 decimals", rule: R.chips, text: "1.125", ok: false },
            { tag: "pot 0.01", rule: R.chips, text: "0.01", ok: true, value: 0.01 },
            { tag: "rake 4.125 could be thousands", rule: R.rakePercent, text: "4.125", ok: false },
            { tag: "rake 4.1250", rule: R.rakePercent, text: "4.1250", ok: true, value: 4.125 },
            { tag: "thousands in a seat stack", rule: R.seatStack, text: "10,000", ok: false },
            { tag: "any separator in a seat stack", rule: R.seatStack, text: "10,0", ok: false },
            { tag: "seat stack beyond the solve", rule: R.seatStack, text: "21474837", ok: false },
            { tag: "thousands in the target", rule: R.target, text: "1,000", ok: false },
            { tag: "zero whole part is no thousands", rule: R.chips, text: "0,500", ok: true, value: 0.5 },
            // Counts as the controller's readCount reads them.
            { tag: "count 40.0", rule: R.iterations, text: "40.0", ok: true, value: 40 },
            { tag: "count past a double", rule: R.threads, text: "4096.0000000000001", ok: false },
            { tag: "count 5.999...", rule: R.iterations, text: "5.99999999999999999999", ok: false },
            { tag: "count after U+FEFF", rule: R.iterations, text: "\uFEFF40", ok: false },
            { tag: "count 1,000", rule: R.iterations, text: "1,000", ok: false },
            { tag: "rake 4 decimals", rule: R.rakePercent, text: "4.1255", ok: false },
            { tag: "decimal comma", rule: R.rakePercent, text: "4,5", ok: true, value: 4.5 },
            { tag: "empty", rule: R.rakePercent, text: "", ok: false },
            { tag: "negative", rule: R.jamThreshold, text: "-1", ok: false },
            { tag: "jam 1000", rule: R.jamThreshold, text: "1000", ok: true, value: 1000 },
            { tag: "rake cap 0", rule: R.rakeCap, text: "0", ok: true, value: 0 },
            { tag: "seat stack is whole chips", rule: R.seatStack, text: "12.5", ok: false },
            { tag: "effective stack under one chip", rule: R.stack, text: "0.5", ok: false },
            { tag: "rake cap with cents", rule: R.rakeCap, text: "2.5", ok: true, value: 2.5 },
            { tag: "rake cap 3 decimals", rule: R.rakeCap, text: "2.555", ok: false },
            { tag: "stack 0", rule: R.seatStack, text: "0", ok: false },
            { tag: "target 6 decimals", rule: R.target, text: "0.000001", ok: true, value: 0.000001 }
        ]
    }

    function test_numericInput(data) {
        compare(NumericFields.isAcceptable(data.rule, data.text), data.ok)
        if (data.ok)
            compare(NumericFields.commit(data.rule, data.text), data.value)
    }

    function test_numericCommitAndShow_data() {
        var R = NumericFields.RULES
        return [
            { tag: "unparsable pot falls back", rule: R.chips, text: "abc", value: 100 },
            { tag: "pot clamped up", rule: R.chips, text: "0", value: 0.01 },
            { tag: "unparsable cap falls back", rule: R.rakeCap, text: "12x", value: 0 },
            { tag: "stack clamped", rule: R.seatStack, text: "5000000000", value: 21474836 },
            { tag: "unparsable target", rule: R.target, text: ".", value: 0.1 }
        ]
    }

    function test_numericCommitAndShow(data) {
        compare(NumericFields.commit(data.rule, data.text), data.value)
    }

    function test_display_data() {
        var R = NumericFields.RULES
        return [
            { tag: "shortest 100", rule: R.chips, value: 100, text: "100" },
            { tag: "shortest 0.1", rule: R.target, value: 0.1, text: "0.1" },
            { tag: "seat stack shown without a fraction", rule: R.seatStack, value: 1500.75, text: "1500" },
            { tag: "stack not a number", rule: R.seatStack, value: "x", text: "" },
            { tag: "blank project's stack is blank", rule: R.seatStack, value: 0, text: "" },
            { tag: "no cap shows 0", rule: R.rakeCap, value: 0, text: "0" }
        ]
    }

    function test_display(data) {
        compare(NumericFields.display(data.rule, data.value), data.text)
    }

    function test_uniqueName_data() {
        var names = function (list) { return list.map(function (n) { return { name: n } }) }
        return [
            { tag: "free", list: names(["Other"]), name: "Deep stack", want: "Deep stack" },
            { tag: "second", list: names(["Deep stack"]), name: "Deep stack", want: "Deep stack (2)" },
            { tag: "third", list: names(["Deep", "Deep (2)"]), name: " Deep ", want: "Deep (3)" },
            { tag: "gap refilled", list: names(["Deep", "Deep (3)"]), name: "Deep", want: "Deep (2)" },
            { tag: "case matters", list: names(["deep"]), name: "Deep", want: "Deep" },
            { tag: "blank", list: [], name: "   ", want: "" },
            { tag: "name of a prototype member", list: [], name: "constructor", want: "constructor" }
        ]
    }

    function test_uniqueName(data) {
        compare(Profiles.uniqueName(data.list, data.name), data.want)
    }

    function test_readStored_data() {
        return [
            { tag: "blank", text: "  ", ok: true, names: [] },
            // A list cut off keeps its cut-off tail as text, and loads the
            // complete entries before it.
            { tag: "not JSON", text: "[{\"name\": \"Deep\"", ok: true, names: [] },
            { tag: "cut off after an entry", text: "[{\"name\": \"Deep\"}, {\"name\": \"Sh", ok: true, names: ["Deep"] },
            { tag: "not a list", text: "{\"name\": \"Deep\"}", ok: false, names: [] },
            { tag: "cleaned", ok: true, names: ["Deep", "Short"],
              text: JSON.stringify([null, 0, "", { name: "  " }, { id: "a", name: " Deep ", extra: 1 }, { name: "Short" }]) }
        ]
    }

    function test_readStored(data) {
        var made = 0
        var got = Profiles.readStored(data.text, function () { return "new" + (++made) })
        compare(got.ok, data.ok)
        compare(got.profiles.map(function (p) { return p.name }), data.names)
        if (data.tag === "cleaned") {
            compare(got.profiles[0], { id: "a", name: "Deep", createdAt: "", data: {} })
            compare(got.profiles[1].id, "new1")
        }
    }

    function _applied(data, currentPot) {
        var out = {}
        Profiles.assignmentsFor(data, currentPot).forEach(function (a) { out[a[0]] = a[1] })
        return out
    }

    function test_legacyProfiles_data() {
        return [
            { tag: "target in chips with the profile's pot", data: { target_exploitability: 0.9, starting_pot: 180 },
              pot: 100, key: "targetExploitability", want: 0.5 },
            { tag: "target in chips without a usable pot", data: { target_exploitability: 0.9 },
              pot: 0, key: "targetExploitability", want: 0.9 },
            { tag: "percent wins", data: { target_exploitability: 0.9, target_exploitability_pct: 0.2 },
              pot: 100, key: "targetExploitability", want: 0.2 },
            { tag: "one jam rule for both", data: { add_all_in_jam_threshold_enabled: true, add_all_in_jam_threshold_pct: 25 },
              pot: 100, key: "jam", want: [true, true, 25, 25] },
            { tag: "no jam keys", data: {}, pot: 100, key: "jam", want: [undefined, undefined, undefined, undefined] },
            { tag: "a switch written false", data: { oop_flop_add_all_in: "false" }, pot: 100, key: "oopFlopAddAllIn", want: false },
            { tag: "a switch written 0", data: { oop_flop_dont_donk: 0 }, pot: 100, key: "oopFlopDontDonk", want: false },
            { tag: "a switch that is no switch", data: { oop_flop_add_all_in: "no" }, pot: 100, key: "oopFlopAddAllIn",
              want: undefined }
        ]
    }

    function test_legacyProfiles(data) {
        var got = _applied(data.data, data.pot)
        if (data.key === "jam")
            compare([got.oopAddAllInIfJamLtEnabled, got.ipAddAllInIfJamLtEnabled,
                     got.oopAddAllInIfJamLtPct, got.ipAddAllInIfJamLtPct], data.want)
        else
            compare(got[data.key], data.want)
    }

    // A profile leaves what it does not carry alone, sizings included.
    function test_missingKeys() {
        var got = _applied({ max_iterations: 300 }, 100)
        verify(!("oopFlopBetSizesText" in got))
        verify(!("oopRiverDontDonk" in got))
        compare(got.maxIterations, 300)
        verify(!("startingPot" in got))
        verify(!("utilityModel" in got))
        compare(Profiles.assignmentsFor(null, 100), [])
        compare(Profiles.assignmentsFor("text", 100), [])
    }

    // A profile is read by the rules a project is read by: a value of
    // another type or outside its choices leaves its field alone and is
    // listed as not loaded.
    function test_profileValuesReadAsProjectValues_data() {
        return [
            { tag: "utility model as a map", key: "utility_model", value: { a: 1 }, prop: "utilityModel" },
            { tag: "utility model null", key: "utility_model", value: null, prop: "utilityModel" },
            { tag: "utility model as a list", key: "utility_model", value: [], prop: "utilityModel" },
            { tag: "bet sizes as a list", key: "oop_flop_bet_sizes", value: [33, 75], prop: "oopFlopBetSizesText" },
            { tag: "payouts as a list", key: "icm_payouts", value: [50, 30], prop: "icmPayoutsText" },
            { tag: "other stacks as a map", key: "icm_other_stacks", value: { a: 1 }, prop: "icmOtherStacksText" },
            { tag: "street as a number", key: "starting_street", value: 1, prop: "startingStreet" },
            { tag: "raise sizes null", key: "ip_river_raise_sizes", value: null, prop: "ipRiverRaiseSizesText" }
        ]
    }

    function test_profileValuesReadAsProjectValues(data) {
        var snapshot = { utility_model: "icm", icm_payouts: "70, 30", oop_flop_bet_sizes: "11, 22" }
        snapshot[data.key] = data.value
        var read = Profiles.readSnapshot(snapshot, 100)
        var props = read.assignments.map(function (a) { return a[0] })
        verify(props.indexOf(data.prop) < 0, JSON.stringify(read.assignments))
        compare(read.refused.map(function (r) { return r.key }), [data.key])
    }

    // Advice in a refusal names only a writing the field then takes.
    function test_ambiguousAdvice_data() {
        var R = NumericFields.RULES
        return [
            { tag: "pot 4.125", rule: R.chips, text: "4.125", thousands: "4125", decimals: "" },
            { tag: "rake 1,000", rule: R.rakePercent, text: "1,000", thousands: "", decimals: "1" },
            { tag: "rake 10,000", rule: R.rakePercent, text: "10,000", thousands: "", decimals: "10" },
            { tag: "target 10,000", rule: R.target, text: "10,000", thousands: "", decimals: "10" },
            { tag: "target 4,125", rule: R.target, text: "4,125", thousands: "", decimals: "4,1250" },
            { tag: "pot 100,001", rule: R.chips, text: "100,001", thousands: "", decimals: "" },
            { tag: "stack 300.000", rule: R.stack, text: "300.000", thousands: "", decimals: "300" },
            { tag: "seat stack 1,000", rule: R.seatStack, text: "1,000", thousands: "1000", decimals: "1" },
            { tag: "seat stack 4,120", rule: R.seatStack, text: "4,120", thousands: "4120", decimals: "" },
            { tag: "count 40.000", rule: R.threads, text: "40.000", thousands: "", decimals: "40" },
            { tag: "plain digits", rule: R.chips, text: "123456789012345678901.000", thousands: "", decimals: "",
              asThousands: "123456789012345678901000" }
        ]
    }

    function test_ambiguousAdvice(data) {
        var a = NumericFields.ambiguity(data.rule, data.text, ".")
        compare(a.thousands, data.thousands)
        compare(a.decimals, data.decimals)
        if (data.asThousands !== undefined)
            compare(a.asThousands, data.asThousands)
        ;[a.thousands, a.decimals].forEach(function (advised) {
            if (advised !== "")
                verify(NumericFields.read(data.rule, advised).ok, advised)
        })
        // With the language's decimal comma the decimal reading keeps the
        // comma typed.
        compare(NumericFields.ambiguity(data.rule, data.text, ",").asDecimals,
                data.text.indexOf(",") >= 0 ? a.asDecimals.replace(".", ",") : a.asDecimals)
    }

    function test_chipLists_data() {
        return [
            { tag: "good", text: " 50.5, 30,20 , ,10", values: [50.5, 30, 20, 10], entry: "", code: "" },
            { tag: "zero", text: "60, 0", values: [], entry: "0", code: "range" },
            { tag: "thousands comma", text: "60, 10,000", values: [], entry: "10,000", code: "thousands" },
            { tag: "thousands comma with decimals", text: "1,500.5", values: [], entry: "1,500.5", code: "thousands" },
            { tag: "three digits after a blank", text: "10, 500", values: [10, 500], entry: "", code: "" },
            { tag: "thousands point", text: "10.000", values: [], entry: "10.000", code: "ambiguous" },
            { tag: "decimals", text: "0.125", values: [], entry: "0.125", code: "decimals" },
            { tag: "too large", text: "21474836.47", values: [], entry: "21474836.47", code: "range" }
        ]
    }

    // The page's list rule; the controller's refuses the same entries
    // (refusal_texts_test and the real set-up tests).
    function test_chipLists(data) {
        var read = NumericFields.readChipList(data.text)
        compare([read.ok, read.values, read.entry, read.code], [data.code === "", data.values, data.entry, data.code])
    }

    function test_missingUtilityInputs_data() {
        var icm = { utilityModel: "icm", startingPot: 10, oopStack: 50, ipStack: 40,
                    icmPayoutsText: "50, 30, 20", icmOtherStacksText: "30" }
        function with_(base, changes) {
            var out = Object.assign({}, base)
            return Object.assign(out, changes)
        }
        return [
            { tag: "cash complete", state: { startingPot: 10, effectiveStack: 90 }, want: [] },
            { tag: "cash without pot or stack", state: { startingPot: 0, effectiveStack: "" },
              want: ["startingPot", "effectiveStack"] },
            { tag: "ICM complete", state: icm, want: [] },
            { tag: "ICM needs no effective stack", state: with_(icm, { effectiveStack: 0 }), want: [] },
            { tag: "ICM seat stacks", state: with_(icm, { oopStack: 0, ipStack: -1 }), want: ["oopStack", "ipStack"] },
            { tag: "ICM more places than players", state: with_(icm, { icmOtherStacksText: "" }),
              want: ["icmPayouts", "icmOtherStacks"] },
            { tag: "ICM unreadable payouts", state: with_(icm, { icmPayoutsText: "50, x" }), want: ["icmPayouts"] },
            { tag: "ICM no payouts", state: with_(icm, { icmPayoutsText: "" }), want: ["icmPayouts"] },
            { tag: "ICM payout beyond the solve", state: with_(icm, { icmPayoutsText: "50, 30, 21474836.47" }),
              want: ["icmPayouts"] },
            { tag: "ICM other stack beyond the solve", state: with_(icm, { icmOtherStacksText: "1e9" }),
              want: ["icmOtherStacks"] },
            { tag: "ICM thousands in a list", state: with_(icm, { icmOtherStacksText: "10.000" }),
              want: ["icmOtherStacks"] },
            { tag: "ICM payouts with cents", state: with_(icm, { icmPayoutsText: "50.5, 30, 19.5" }), want: [] }
        ]
    }

    function test_missingUtilityInputs(data) {
        compare(SolveRules.missingUtilityInputs(data.state), data.want)
        compare(SolveRules.hasUtilitySolveInputs(data.state), data.want.length === 0)
    }

    function test_newId() {
        compare(Profiles.newId(36 * 36, 0.5), "n_100_i")
        verify(/^n_[0-9a-z]+_[0-9a-z]{1,6}$/.test(Profiles.newId(Date.now(), Math.random())))
    }
}
