.pragma library
// The numbers a user or a store gives the set-up: what each field accepts,
// how a text or a stored value becomes a number, and how a value is shown.
// Every source (a field, a profile, a project) is read by `read`, so a value
// is taken as it was meant or refused with its reason, never changed.
//
// A number is written with digits and at most one decimal separator, a
// point or a comma in every language ("4,5" is 4.5); blanks around it do
// not matter. A sign, an exponent, a letter, a blank inside or a second
// separator is refused, never dropped. A separator followed by exactly
// three digits after a whole part other than 0 ("10,000", "2.500") may be
// a thousands separator as well as a decimal one: it is refused, since
// either reading could be the wrong one. Whole-number fields take no
// separator at all; counts take "40.0" as 40.
//
// The controller reads the texts of a solve-configuration map by the same
// rule (readNumber and readCount in solve_config_map.cpp, readChipList in
// number_refusals.cpp).

// The most chips the solve holds (hundredths in 32 bits).
var MAX_CHIPS = 21474836.46

var RULES = {
    chips: { decimals: 2, min: 0.01, max: 100000, fallback: 100 },
    // The solve refuses an effective stack under one chip.
    stack: { decimals: 2, min: 1, max: 100000, fallback: 100 },
    // Seat stacks are whole chips: the solve counts them so, and holds at
    // most MAX_CHIPS of them.
    seatStack: { integer: true, min: 1, max: Math.floor(MAX_CHIPS), fallback: 100 },
    rakePercent: { decimals: 3, min: 0, max: 100, fallback: 0 },
    rakeCap: { decimals: 2, min: 0, max: 1000000, fallback: 0 },
    target: { decimals: 6, min: 0, max: 100, fallback: 0.1 },
    jamThreshold: { decimals: 3, min: 0, max: 1000, fallback: 0 },
    // The weight a painted cell gets, in percent: the range text writes a
    // weight as a fraction with three decimals, so a tenth of a percent is
    // the finest step it keeps ("12.5" paints "AA:0.125"), and the least
    // weight that paints a cell at all (0 would write "AA:0" and leave the
    // cell empty).
    clickWeight: { decimals: 1, min: 0.1, max: 100, fallback: 100 },
    // Counts: a whole number ("40.0" reads as 40, "2.5" is refused).
    iterations: { integer: true, zeroFraction: true, min: 0, max: 2147483647, fallback: 0 },
    threads: { integer: true, zeroFraction: true, min: 1, max: 4096, fallback: 1 },
    // An entry of the ICM payouts or other stacks: chips above 0, up to
    // what the solve holds.
    icmEntry: { decimals: 2, min: 0.01, max: MAX_CHIPS, fallback: 0 }
}

// The same rule with 0 let in besides its range: pots and stacks of a blank
// project, which load and are then not ready to solve.
function fromZero(rule) {
    return { decimals: rule.decimals, integer: rule.integer, zeroFraction: rule.zeroFraction, orZero: true,
             min: rule.min, max: rule.max, fallback: rule.fallback }
}

// Blanks around a text: the white space Qt's trimmed() removes, so that
// the page and the controller read the same text alike (U+FEFF is no
// blank to either).
var _BLANKS = "[\\t\\n\\v\\f\\r \\u0085\\u00a0\\u1680\\u2000-\\u200a\\u2028\\u2029\\u202f\\u205f\\u3000]"
var _EDGE_BLANKS = new RegExp("^" + _BLANKS + "+|" + _BLANKS + "+$", "g")

function trimmed(text) {
    return String(text).replace(_EDGE_BLANKS, "")
}

// The two numbers an ambiguous text stands for, as texts in plain digits:
// [as decimals, as thousands] ("10,000" -> ["10", "10000"], "4.120" ->
// ["4.12", "4120"]); null when it is not ambiguous. See the rule above.
function readings(text) {
    var m = /^([0-9]*)[.,]([0-9]{3})$/.exec(trimmed(text === undefined || text === null ? "" : text))
    if (!m || !/[1-9]/.test(m[1]))
        return null
    var whole = m[1].replace(/^0+/, "")
    var fraction = m[2].replace(/0+$/, "")
    return [fraction === "" ? whole : whole + "." + fraction, whole + m[2]]
}

// The text of a value as the reader judges it: a number as its shortest
// decimal text, a text as it is; anything else (null, a flag, a list) has
// none.
function _textOf(value) {
    if (typeof value === "number")
        return isFinite(value) ? String(value) : null
    return typeof value === "string" ? value : null
}

// Why a text is no number in the written form, "" when it is one: "empty",
// "sign", "exponent", "separator" (a second one) or "number" (any other
// character, or a separator without a digit).
function _formProblem(s) {
    if (s === "")
        return "empty"
    if (/^[0-9]*[.,]?[0-9]*$/.test(s))
        return /[0-9]/.test(s) ? "" : "number"
    if (/[+\-\u2212]/.test(s) && /^[+\-\u2212][0-9.,]*$/.test(s))
        return "sign"
    if (/^[0-9.,]*[0-9][eE][+\-]?[0-9]+$/.test(s))
        return "exponent"
    if (/^[0-9.,]+$/.test(s))
        return "separator"
    return "number"
}

// A text or a stored value read by the rule: { ok, value, code }. `code` is
// "" when it reads, else why not: one of _formProblem's, "ambiguous" (see
// readings), "whole" (a fraction, or in a whole-number field any
// separator), "decimals" (more than the rule takes) or "range".
function read(rule, value) {
    var raw = _textOf(value)
    if (raw === null)
        return { ok: false, value: NaN, code: value === undefined || value === null || value === "" ? "empty" : "number" }
    var s = trimmed(raw)
    // A stored number too small or too large to be written in plain digits
    // has more decimals than any field takes, or lies outside every range.
    if (typeof value === "number" && /e/.test(s))
        return { ok: false, value: NaN, code: Math.abs(value) < 1 ? "decimals" : "range" }
    var form = _formProblem(s)
    if (form !== "")
        return { ok: false, value: NaN, code: form }
    // A stored number is written by the program itself, never with a
    // thousands separator.
    if (typeof value !== "number" && readings(s) !== null)
        return { ok: false, value: NaN, code: "ambiguous" }
    var text = s.replace(",", ".")
    var point = text.indexOf(".")
    // Trailing zeros add no decimal: "4.1250" is 4.125.
    var fraction = point < 0 ? "" : text.slice(point + 1).replace(/0+$/, "")
    if (rule.integer && point >= 0 && (/[1-9]/.test(fraction) || !rule.zeroFraction))
        return { ok: false, value: NaN, code: "whole" }
    if (!rule.integer && fraction.length > rule.decimals)
        return { ok: false, value: NaN, code: "decimals" }
    var v = Number(text === "." ? NaN : (point === 0 ? "0" + text : text))
    if (!(isFinite(v) && ((v >= rule.min && v <= rule.max) || (rule.orZero === true && v === 0))))
        return { ok: false, value: NaN, code: "range" }
    return { ok: true, value: v, code: "" }
}

// Why the text cannot finish editing; "" when it can (see read).
function refusal(rule, text) {
    return read(rule, text === undefined || text === null ? "" : String(text)).code
}

function isAcceptable(rule, text) {
    return refusal(rule, text) === ""
}

// The value a finished edit writes: the number read, else the rule's
// fallback for what is no number and the nearest bound for what lies
// outside the range. The field writes only what it accepts; this is the
// rule for the rest.
function commit(rule, text) {
    var s = trimmed(text === undefined || text === null ? "" : text).replace(",", ".")
    if (_formProblem(s) !== "")
        return rule.fallback
    var v = Number(s === "." ? NaN : s)
    if (!isFinite(v))
        return rule.fallback
    if (rule.integer)
        v = Math.floor(v)
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

// An ICM list (payouts, other stacks): { ok, values, entry, code }. Entries
// are separated by commas, blanks around them and empty ones do not count;
// each is read by the ICM entry rule. A comma between a digit and exactly
// three digits with no blank on either side ("10,000", "1,500.5") may be a
// thousands separator as well as a list comma: refused with code
// "thousands". `entry` is the first refused entry as typed, `code` why.
function readChipList(text) {
    var pieces = String(text === undefined || text === null ? "" : text).split(",")
    var values = []
    for (var i = 0; i < pieces.length; ++i) {
        var entry = trimmed(pieces[i])
        if (i + 1 < pieces.length && /[0-9]$/.test(pieces[i]) && /^[0-9]/.test(pieces[i + 1])
                && /^[0-9]{3}(\.[0-9]*)?$/.test(trimmed(pieces[i + 1])))
            return { ok: false, values: [], entry: entry + "," + trimmed(pieces[i + 1]), code: "thousands" }
        if (entry === "")
            continue
        var r = read(RULES.icmEntry, entry)
        if (!r.ok)
            return { ok: false, values: [], entry: entry, code: r.code }
        values.push(r.value)
    }
    return { ok: true, values: values, entry: "", code: "" }
}

// A number a reason writes ("4.125", a bound), with the language's decimal
// comma when the user typed a comma in `typed` and `decimalPoint` (the
// language's, Qt.locale().decimalPoint) is one; else as it is. The
// controller's numberAsTyped is the same rule.
function asTyped(number, typed, decimalPoint) {
    var text = String(number)
    return String(typed).indexOf(",") >= 0 && decimalPoint === "," ? text.replace(".", ",") : text
}

// What a refusal of an ambiguous text (see readings) says: both numbers as
// the reason writes them, and only the ways of writing one that the rule
// then takes, each as the field takes it: `thousands` (the number without
// the separator) when that is taken, else ""; `decimals` for the decimal
// reading, its own digits ("300" for "300.000") or, where those are the
// ambiguous text again, the typed text with a zero added ("4,1250"), when
// taken, else "". null when the text is not ambiguous.
function ambiguity(rule, text, decimalPoint) {
    var both = readings(text)
    if (both === null)
        return null
    var asDecimals = asTyped(both[0], text, decimalPoint)
    var longer = trimmed(text) + "0"
    var decimals = read(rule, asDecimals).ok ? asDecimals : (read(rule, longer).ok ? longer : "")
    return { asDecimals: asDecimals, asThousands: both[1],
             thousands: read(rule, both[1]).ok ? both[1] : "", decimals: decimals }
}
