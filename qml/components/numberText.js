.pragma library
// Every figure the UI prints goes through here: always a point as the
// decimal separator whatever the locale, the minus sign (U+2212) before a
// negative figure, a dash for what is not a finite number, never "-0".

var DASH = "\u2014"
var MINUS = "\u2212"

// The number a value stands for, NaN for what is no number (null, missing,
// empty or non-numeric text, bools, objects).
function _number(value) {
    if (typeof value === "number")
        return value
    if (typeof value === "string" && value.trim() !== "")
        return Number(value)
    return NaN
}

function isNumber(value) {
    return isFinite(_number(value))
}

// Fixed decimals rounded half away from zero; the sign is the number's own
// and a value that rounds to zero prints without one. The shift goes through
// the exponent of the shortest decimal text, so 1.005 rounds as written (to
// 1.01) rather than as its binary neighbour, and 1e-9 or 1e-300 round to 0.
function fixed(value, decimals) {
    var v = _number(value)
    if (!isFinite(v))
        return DASH
    var d = decimals > 0 ? Math.min(15, Math.floor(decimals)) : 0
    var a = Math.abs(v)
    var text
    var zero = false
    if (a * Math.pow(10, d) >= 1e20) {
        text = a.toFixed(d)
    } else {
        var parts = a.toExponential().split("e")
        var shifted = Math.round(Number(parts[0] + "e" + (Number(parts[1]) + d)))
        zero = shifted === 0
        text = Number(shifted + "e-" + d).toFixed(d)
    }
    return v < 0 && !zero ? MINUS + text : text
}

// A signed figure: "+" before a positive one.
function signed(value, decimals) {
    var text = fixed(value, decimals)
    return text !== DASH && text.charAt(0) !== MINUS && Number(text) !== 0 ? "+" + text : text
}

// A share 0..1 as a whole percentage, halves rounded up; NaN for no number.
function percent(share) {
    var v = _number(share)
    if (!isFinite(v))
        return NaN
    return Math.floor(Number((v * 100).toPrecision(12)) + 0.5)
}

// A share 0..1 as "12.5%" with the given decimals; the dash for no number.
function percentText(share, decimals) {
    var v = _number(share)
    if (!isFinite(v))
        return DASH
    return fixed(Number((v * 100).toPrecision(12)), decimals) + "%"
}

// A count of combos: whole when it is within 1e-6 of a whole number, else
// one decimal.
function combos(count) {
    var v = _number(count)
    if (!isFinite(v))
        return DASH
    return Math.abs(v - Math.round(v)) <= 1e-6 ? fixed(Math.round(v), 0) : fixed(v, 1)
}

// Percentages of one list that add to exactly 100 at the given decimals
// (largest remainder: each share is rounded down, and the units left go to
// the largest remainders, the earlier entry first on a tie). Entries that
// are not positive finite numbers count as 0; NaN for each when nothing
// counts.
function largestRemainder(values, decimals) {
    var n = values ? values.length : 0
    var d = decimals > 0 ? Math.min(6, Math.floor(decimals)) : 0
    var units = 100 * Math.pow(10, d)
    var weights = []
    var total = 0
    for (var i = 0; i < n; ++i) {
        var w = _number(values[i])
        w = isFinite(w) && w > 0 ? w : 0
        weights.push(w)
        total += w
    }
    var out = []
    if (!(total > 0) || !isFinite(total)) {
        for (var k = 0; k < n; ++k)
            out.push(NaN)
        return out
    }
    var floors = []
    var order = []
    var given = 0
    for (var j = 0; j < n; ++j) {
        var exact = weights[j] / total * units
        var f = Math.floor(exact + 1e-9)
        floors.push(f)
        order.push({ index: j, rest: exact - f })
        given += f
    }
    order.sort(function (a, b) { return b.rest - a.rest || a.index - b.index })
    for (var r = 0; r < order.length && given < units; ++r, ++given)
        floors[order[r].index] += 1
    for (var m = 0; m < n; ++m)
        out.push(floors[m] / Math.pow(10, d))
    return out
}

// The texts of largestRemainder: "33.3%" and so on, the dash when nothing
// counts.
function percentTexts(values, decimals) {
    return largestRemainder(values, decimals).map(function (p) {
        return isFinite(p) ? fixed(p, decimals) + "%" : DASH
    })
}

// A text with its figures kept whole at a line break: the blank between a
// figure and the word just before or after it ("EV −0.496", "2.5 combos",
// "12 MB", "Hand 3"), and between a label and its figure ("Rake: 0.90",
// "Won: —"), and between a seat and its action ("OOP: Check"), becomes a
// no-break space. Wrapping texts that show figures or seat steps pass
// through here.
var _LETTER = "A-Za-z\u00C0-\u024F\u0370-\u03FF\u0400-\u04FF"
var _FIGURE_THEN_WORD = new RegExp("([0-9%]) (?=[%" + _LETTER + "])", "g")
var _WORD_THEN_FIGURE = new RegExp("([" + _LETTER + "]) (?=[+\u2212-]?[0-9])", "g")
var _LABEL_THEN_FIGURE = new RegExp("(:) (?=[+\u2212-]?[0-9]|" + DASH + ")", "g")
var _SEAT_THEN_ACTION = /\b((?:OOP|IP):) (?=\S)/g

function keepFiguresWhole(text) {
    return String(text === undefined || text === null ? "" : text)
        .replace(_FIGURE_THEN_WORD, "$1\u00A0")
        .replace(_WORD_THEN_FIGURE, "$1\u00A0")
        .replace(_LABEL_THEN_FIGURE, "$1\u00A0")
        .replace(_SEAT_THEN_ACTION, "$1\u00A0")
}
