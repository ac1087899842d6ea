.pragma library
.import "projectPresets.js" as Presets
.import "../pages/numericFields.js" as NumericFields
// When a spot may be solved, and the solve-configuration map the controller
// reads. Pure functions over a project state map (the shell's 43 keys), so
// they can be tested without a shell or a controller.

var HOLDEM_RANKS = "AKQJT98765432"
var SHORT_DECK_RANKS = "AKQJT9876"

// A number from a setting; missing values count as 0, anything else that is
// not a number as NaN.
function _number(value) {
    return (value === undefined || value === null) ? 0 : Number(value)
}

function _isPositive(value) {
    var n = _number(value)
    return isFinite(n) && n > 0
}

function _text(value) {
    return (value === undefined || value === null) ? "" : String(value)
}

// Valid card pairs of the text, rank upper-cased and suit lower-cased; a
// trailing single character and pairs that are not cards are dropped.
function normalizeBoardText(raw, rankAlphabet) {
    var out = ""
    for (var i = 0; i + 1 < raw.length; i += 2) {
        var rank = raw.charAt(i).toUpperCase()
        var suit = raw.charAt(i + 1).toLowerCase()
        if (rankAlphabet.indexOf(rank) >= 0 && "shdc".indexOf(suit) >= 0)
            out += rank + suit
    }
    return out
}

// Three, four or five cards of the variant; whitespace is ignored and case
// does not matter. Repeated cards are left to the controller.
function isStrictBoardReady(boardText, rankAlphabet) {
    var raw = _text(boardText).replace(/\s/g, "")
    var normalized = normalizeBoardText(raw, rankAlphabet)
    return normalized.length === raw.length && [6, 8, 10].indexOf(raw.length) >= 0
}

// The twelve bet and raise texts, in the order a reader checks them.
function sizingTextKeys() {
    var keys = []
    Presets.SEATS.forEach(function (seat) {
        Presets.STREETS.forEach(function (street) {
            keys.push(seat + street + "BetSizesText")
            keys.push(seat + street + "RaiseSizesText")
        })
    })
    return keys
}

function hasSizingFilled(state) {
    return sizingTextKeys().every(function (k) { return _text(state[k]).trim() !== "" })
}

// Comma-separated positive numbers: { valid, values }, by the ICM list rule
// (NumericFields.readChipList): one entry it refuses (no number, not above
// 0, more chips than the solve holds, "10.000", "10,000") spoils the list.
function parsePositiveCsvNumbers(text) {
    var read = NumericFields.readChipList(_text(text))
    return { valid: read.ok, values: read.values }
}

function utilityModelOf(state) {
    var model = _text(state.utilityModel).trim().toLowerCase()
    return model === "" ? "cash" : model
}

// Pot and stacks for the chosen utility model; with ICM also payouts that
// the players left in the tournament can cover.
// The pot and stack fields the solve still needs, by name: "startingPot",
// "effectiveStack", "oopStack", "ipStack", "icmPayouts", "icmOtherStacks"
// (the last two also when more places are paid than there are players).
function missingUtilityInputs(state) {
    var missing = []
    if (!_isPositive(state.startingPot))
        missing.push("startingPot")
    if (utilityModelOf(state) !== "icm") {
        if (!_isPositive(state.effectiveStack))
            missing.push("effectiveStack")
        return missing
    }
    if (!_isPositive(state.oopStack))
        missing.push("oopStack")
    if (!_isPositive(state.ipStack))
        missing.push("ipStack")
    var payouts = parsePositiveCsvNumbers(state.icmPayoutsText)
    var others = parsePositiveCsvNumbers(state.icmOtherStacksText)
    var payoutsRead = payouts.valid && payouts.values.length > 0
    var placesCovered = !payoutsRead || !others.valid || 2 + others.values.length >= payouts.values.length
    if (!payoutsRead || !placesCovered)
        missing.push("icmPayouts")
    if (!others.valid || !placesCovered)
        missing.push("icmOtherStacks")
    return missing
}

function hasUtilitySolveInputs(state) {
    return missingUtilityInputs(state).length === 0
}

// Memory: the estimate is known and the free memory, with what the current
// results would give back, is strictly more than it.
function hasEnoughRam(requiredBytes, availableBytes, reclaimableBytes) {
    var required = _number(requiredBytes)
    var available = _number(availableBytes)
    var reclaimable = _number(reclaimableBytes)
    if (!isFinite(required) || !isFinite(available) || required <= 0 || available <= 0)
        return false
    var total = available + (isFinite(reclaimable) && reclaimable > 0 ? reclaimable : 0)
    return total > required
}

// The target as chips: the pot times the percentage.
function targetExploitabilityAmount(startingPot, targetPercent) {
    var pot = _number(startingPot)
    var pct = _number(targetPercent)
    if (!isFinite(pot) || !isFinite(pct) || pot <= 0)
        return 0
    return pot * pct / 100
}

// A seat stack as whole chips, never below 0.
function _stack(value) {
    var n = Math.floor(_number(value))
    return isFinite(n) && n > 0 ? n : 0
}

// The solve-configuration map of a project state: 42 keys.
function solveConfigMap(state) {
    var utility = utilityModelOf(state)
    var oopStack = _stack(state.oopStack)
    var ipStack = _stack(state.ipStack)
    var cfg = {
        variant: state.gameVariant,
        board: state.boardText,
        oop_range: state.oopRangeText,
        ip_range: state.ipRangeText,
        max_iterations: _number(state.maxIterations),
        target_exploitability: targetExploitabilityAmount(state.startingPot, state.targetExploitability),
        starting_pot: _number(state.startingPot),
        effective_stack: utility === "icm" ? Math.max(0, Math.min(oopStack, ipStack)) : _number(state.effectiveStack),
        rake_percent: _number(state.rakePercent),
        rake_cap: _number(state.rakeCap),
        starting_street: state.startingStreet,
        thread_count: _number(state.threadCount),
        utility_model: utility,
        oop_stack: oopStack,
        ip_stack: ipStack,
        icm_payouts: state.icmPayoutsText,
        icm_other_stacks: state.icmOtherStacksText
    }
    Presets.SEATS.forEach(function (seat) {
        Presets.STREETS.forEach(function (street) {
            var from = seat + street
            var to = seat + "_" + street.toLowerCase()
            cfg[to + "_bet_sizes"] = state[from + "BetSizesText"]
            cfg[to + "_raise_sizes"] = state[from + "RaiseSizesText"]
            cfg[to + "_add_all_in"] = state[from + "AddAllIn"]
            if (seat === "oop")
                cfg[to + "_dont_donk"] = state[from + "DontDonk"]
        })
        cfg[seat + "_add_all_in_jam_threshold_enabled"] = state[seat + "AddAllInIfJamLtEnabled"]
        cfg[seat + "_add_all_in_jam_threshold_pct"] = _number(state[seat + "AddAllInIfJamLtPct"])
    })
    return cfg
}
