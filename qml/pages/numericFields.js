.pragma library
// The numeric fields of the set-up page: what each accepts, how a finished
// edit becomes a value, and how a value is shown. The decimal separator is a
// point in every language, so the input rule is a pattern, never a
// locale-following number validator.

var RULES = {
    chips: { decimals: 2, min: 0.01, max: 100000, fallback: 100 },
    seatStack: { integer: true, min: 1, max: 1000000000, fallback: 100 },
    rakePercent: { decimals: 3, min: 0, max: 100, fallback: 0 },
    rakeCap: { integer: true, min: 0, max: 1000000, fallback: 0 },
    target: { decimals: 6, min: 0, max: 100, fallback: 0.1 },
    jamThreshold: { decimals: 3, min: 0, max: 1000, fallback: 0 },
    clickWeight: { decimals: 3, min: 0, max: 100, fallback: 100 }
}

// What may be typed at all: digits, and for decimals one point with at most
// the rule's number of decimals.
function pattern(rule) {
    return rule.integer ? "^[0-9]*$" : "^[0-9]*(\\.[0-9]{0," + rule.decimals + "})?$"
}

function _parse(rule, text) {
    var s = String(text).trim()
    return rule.integer ? parseInt(s, 10) : (s === "" ? NaN : Number(s))
}

// Input that may finish editing: typed by the rule and inside its range.
function isAcceptable(rule, text) {
    var s = String(text === undefined || text === null ? "" : text)
    if (!new RegExp(pattern(rule)).test(s))
        return false
    var v = _parse(rule, s)
    return isFinite(v) && v >= rule.min && v <= rule.max
}

// The value a finished edit writes: parsed, the fallback when it does not
// parse, clamped to the range.
function commit(rule, text) {
    var v = _parse(rule, text === undefined || text === null ? "" : text)
    if (!isFinite(v))
        return rule.fallback
    return Math.min(rule.max, Math.max(rule.min, v))
}

// Integers floored (0 when not a number); decimals in their shortest form.
function display(rule, value) {
    var v = Number(value)
    if (rule.integer)
        return String(isFinite(v) ? Math.floor(v) : 0)
    return String(v)
}
