.pragma library
// The numeric fields of the set-up page: what each accepts, how a finished
// edit becomes a value, and how a value is shown. The decimal separator is a
// point in every language, so the input rule is a pattern, never a
// locale-following number validator.

var RULES = {
    chips: { decimals: 2, min: 0.01, max: 100000, fallback: 100 },
    // The solve refuses an effective stack under one chip.
    stack: { decimals: 2, min: 1, max: 100000, fallback: 100 },
    seatStack: { decimals: 2, min: 1, max: 1000000000, fallback: 100 },
    rakePercent: { decimals: 3, min: 0, max: 100, fallback: 0 },
    rakeCap: { decimals: 2, min: 0, max: 1000000, fallback: 0 },
    target: { decimals: 6, min: 0, max: 100, fallback: 0.1 },
    jamThreshold: { decimals: 3, min: 0, max: 1000, fallback: 0 },
    clickWeight: { decimals: 3, min: 0, max: 100, fallback: 100 }
}

// What may be typed at all: digits and one point, in every field. A point
// or a decimal the rule does not take is typed and then refused with its
// reason; a validator that swallowed the keystroke would turn "800.7" into
// 8007 without a word.
function pattern(rule) {
    return "^[0-9]*(\\.[0-9]*)?$"
}

// What may finish editing: digits, and for decimals one point with at most
// the rule's number of decimals.
function _finishPattern(rule) {
    return rule.integer ? "^[0-9]+$" : "^([0-9]+(\\.[0-9]{0," + rule.decimals + "})?|\\.[0-9]{1," + rule.decimals + "})$"
}

function _parse(rule, text) {
    var s = String(text).trim()
    return rule.integer ? parseInt(s, 10) : (s === "" ? NaN : Number(s))
}

// Why the text cannot finish editing: "" when it can, else "empty",
// "number" (no number), "whole" (a point in a whole-number field),
// "decimals" (more decimals than the rule takes) or "range".
function refusal(rule, text) {
    var s = String(text === undefined || text === null ? "" : text)
    if (s.trim() === "")
        return "empty"
    if (!new RegExp(pattern(rule)).test(s) || s === ".")
        return "number"
    if (!new RegExp(_finishPattern(rule)).test(s))
        return rule.integer ? "whole" : "decimals"
    var v = _parse(rule, s)
    if (!(isFinite(v) && v >= rule.min && v <= rule.max))
        return "range"
    return ""
}

// Input that may finish editing: typed by the rule and inside its range.
function isAcceptable(rule, text) {
    return refusal(rule, text) === ""
}

// The value a finished edit writes: parsed, the fallback when it does not
// parse, clamped to the range.
function commit(rule, text) {
    var v = _parse(rule, text === undefined || text === null ? "" : text)
    if (!isFinite(v))
        return rule.fallback
    return Math.min(rule.max, Math.max(rule.min, v))
}

// A value in its shortest form; blank when it is no number or below the
// rule's minimum (a blank project's zeros), so the field shows its
// placeholder rather than a value it would refuse.
function display(rule, value) {
    var v = Number(value)
    if (value === null || value === undefined || value === "" || !isFinite(v) || v < rule.min)
        return ""
    return String(rule.integer ? Math.floor(v) : v)
}
