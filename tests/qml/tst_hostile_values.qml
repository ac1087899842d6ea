import QtQuick
import QtTest
import "../../qml/components/rangeText.js" as RangeText
import "../../qml/components/projectPresets.js" as Presets
import "../../qml/pages/settingsProfiles.js" as Profiles

// Values from users, stores and files that could fool a plain object used
// as a dictionary, or that lie outside what their field allows.
TestCase {
    name: "HostileValues"

    readonly property var holdem: "AKQJT98765432".split("")

    // Names of Object.prototype members are read by the range editor like
    // any unknown token: a key of their own that matches no cell. (The set-up
    // page reads ranges by the solver's reader; its rows are in RangeRules.)
    function test_prototypeNamesInRangeText_data() {
        return ["__proto__", "constructor", "hasOwnProperty", "toString"].map(function (token) {
            return { tag: token, token: token }
        })
    }

    function test_prototypeNamesInRangeText(data) {
        var text = "AA, " + data.token + ", KK:0.5"
        var editor = RangeText.parseRangeText(text, holdem)
        compare(RangeText.countInRange(editor), 3)
        compare(RangeText.weightsToText(RangeText.toggled(editor, data.token, 1)), "AA, KK:0.5")
    }

    // The first value a profile may not bring, with its name; null when all fit.
    function test_profileValueRefused_data() {
        return [
            { tag: "overflowing pot", data: { starting_pot: "1e309" }, key: "starting_pot", text: "1e309" },
            { tag: "NaN pot", data: { starting_pot: "NaN" }, key: "starting_pot", text: "NaN" },
            { tag: "list for pot", data: { starting_pot: [{}] }, key: "starting_pot", text: "[{}]" },
            { tag: "blank stack", data: { effective_stack: " " }, key: "effective_stack", text: " " },
            { tag: "negative pot", data: { starting_pot: -5 }, key: "starting_pot", text: "-5" },
            { tag: "blank page's pot", data: { starting_pot: 0, effective_stack: "0" }, key: null },
            { tag: "rake over 100", data: { starting_pot: 10, rake_percent: 101 }, key: "rake_percent", text: "101" },
            { tag: "negative cap", data: { rake_cap: -1 }, key: "rake_cap", text: "-1" },
            { tag: "fractional iterations", data: { max_iterations: 2.5 }, key: "max_iterations", text: "2.5" },
            { tag: "negative iterations", data: { max_iterations: -1 }, key: "max_iterations", text: "-1" },
            { tag: "jam flag for a number", data: { ip_add_all_in_jam_threshold_pct: true },
              key: "ip_add_all_in_jam_threshold_pct", text: "true" },
            { tag: "older target in chips", data: { target_exploitability: -3 }, key: "target_exploitability", text: "-3" },
            { tag: "numbers as text fit", data: { starting_pot: "12.5", max_iterations: "300", rake_cap: 3 }, key: null },
            { tag: "decimal comma fits", data: { starting_pot: "12,5", max_iterations: "300,0" }, key: null },
            { tag: "older target converted", data: { starting_pot: 180, target_exploitability: 0.9 }, key: null },
            { tag: "older target beyond 100 %", data: { starting_pot: 0.01, target_exploitability: 50 },
              key: "target_exploitability", text: "50" },
            { tag: "exponent as text", data: { rake_cap: "1e3" }, key: "rake_cap", text: "1e3" },
            { tag: "nothing stored", data: {}, key: null },
            { tag: "thousands in a stack", data: { oop_stack: "10,000" }, key: "oop_stack", text: "10,000" },
            { tag: "stack under one chip", data: { effective_stack: 0.5 }, key: "effective_stack", text: "0.5" },
            { tag: "a utility model that is none", data: { utility_model: "banana" }, key: "utility_model", text: "banana" },
            { tag: "a switch that is a word", data: { oop_flop_add_all_in: "no" }, key: "oop_flop_add_all_in", text: "no" },
            { tag: "a jam switch that is a number", data: { ip_add_all_in_jam_threshold_enabled: 2 },
              key: "ip_add_all_in_jam_threshold_enabled", text: "2" },
            { tag: "switches read as written", data: { oop_flop_add_all_in: "false", oop_turn_add_all_in: 0,
                                                       oop_river_dont_donk: "TRUE" }, key: null }
        ]
    }

    function test_profileValueRefused(data) {
        var problem = Profiles.snapshotProblem(data.data)
        if (data.key === null)
            compare(problem, null)
        else
            compare(problem, { key: data.key, text: data.text })
    }

    // A project map's numbers outside their field's range are left out,
    // each named; the others apply.
    function test_projectValueRefused_data() {
        return [
            { tag: "fraction of a thread", key: "threadCount", value: 0.1 },
            { tag: "negative threads as text", key: "threadCount", value: "-50" },
            { tag: "negative iterations", key: "maxIterations", value: -1 },
            { tag: "overflowing pot", key: "startingPot", value: "1e309" },
            { tag: "rake over 100", key: "rakePercent", value: 100.5 },
            { tag: "negative jam", key: "ipAddAllInIfJamLtPct", value: -1 },
            { tag: "threads fit", key: "threadCount", value: "4", want: 4 },
            { tag: "utility model that is none", key: "utilityModel", value: "banana" },
            { tag: "thousands in a seat stack", key: "oopStack", value: "25.000" },
            { tag: "board longer than five cards", key: "boardText", value: "Ks7d2c         " },
            { tag: "variant in capitals", key: "gameVariant", value: " ShortDeck ", want: "shortdeck" },
            { tag: "switch as text", key: "ipRiverAddAllIn", value: "false", want: false },
            { tag: "pot fits", key: "startingPot", value: 12.5, want: 12.5 }
        ]
    }

    function test_projectValueRefused(data) {
        var map = { boardText: "AhKd2c" }
        map[data.key] = data.value
        var converted = Presets.convertKey(data.key, data.value)
        var refused = Presets.refusedKeys(map)
        if (data.want === undefined) {
            compare(converted.ok, false)
            compare(refused.map(function (r) { return r.key }), [data.key])
            compare(refused[0].text, typeof data.value === "string" ? data.value : JSON.stringify(data.value))
        } else {
            compare(converted, { ok: true, value: data.want })
            compare(refused, [])
        }
    }
}
