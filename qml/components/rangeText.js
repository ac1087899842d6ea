.pragma library
// The range editor's grammar (`parseRangeText`): percentages, pairs, "JJ+",
// two-rank shorthands and "hand:weight" tokens. Unknown tokens pass through
// as keys of their own (they match no matrix cell); the maps have no
// prototype, so a token such as "__proto__" or "constructor" is a key like
// any other. The set-up page reads its ranges by the solver's own reader
// (the controller's readRangeText); from here it takes only `percentOf` and
// `writeWeighted`.

.import "handMatrix.js" as Matrix

var PERCENT_FORM = /^(\d+(?:\.\d+)?)\s*%$/

// The whole text as a percentage ("50%", "12.5 %"), or null. Not trimmed:
// a blank before or after makes it an ordinary token.
function percentOf(text) {
    var m = PERCENT_FORM.exec(String(text))
    return m ? Number(m[1]) / 100 : null
}

// Tokens between runs of commas and white space, empty ones dropped.
function tokens(text) {
    return String(text === undefined || text === null ? "" : text).split(/[,\s]+/)
        .filter(function (t) { return t !== "" })
}

function _gridWeights(ranks, weight) {
    var weights = Object.create(null)
    var n = ranks.length
    for (var row = 0; row < n; ++row)
        for (var col = 0; col < n; ++col)
            weights[Matrix.handAt(ranks, row, col)] = weight
    return weights
}

function clampWeight(weight) {
    var w = Number(weight)
    if (!isFinite(w))
        return 1
    return Math.max(0, Math.min(1, w))
}

// Weight as written into range text: clamped to [0, 1] (not a number → 1),
// rounded to three decimals; full weight is the bare label, anything else
// "label:w" without trailing zeros (0.999 stays "label:0.999").
function writeWeighted(label, weight) {
    var thousandths = Math.round(clampWeight(weight) * 1000)
    if (thousandths >= 1000)
        return label
    var text = (thousandths / 1000).toFixed(3).replace(/0+$/, "").replace(/\.$/, "")
    return label + ":" + text
}

// Every pair from the aces down to `rank`; `unknown` alone when the rank is
// not in the list.
function _pairsDownTo(ranks, rank, unknown) {
    var stop = ranks.indexOf(rank.toUpperCase())
    if (stop < 0)
        return [unknown]
    var pairs = []
    for (var i = 0; i <= stop; ++i)
        pairs.push(ranks[i] + ranks[i])
    return pairs
}

function expandEditorHand(hand, ranks) {
    var h = String(hand)
    if (h.length === 2) {
        var a = h.charAt(0).toUpperCase(), b = h.charAt(1).toUpperCase()
        return a === b ? [a + b] : [a + b + "s", a + b + "o"]
    }
    if (h.length === 3 && h.charAt(2) === "+" && h.charAt(0) === h.charAt(1))
        return _pairsDownTo(ranks, h.charAt(0), h)
    if (h.length === 3)
        return [h.substring(0, 2).toUpperCase() + h.charAt(2).toLowerCase()]
    return [h]
}

function parseRangeText(text, ranks) {
    var weights = Object.create(null)
    if (text === undefined || text === null || String(text).trim() === "")
        return weights
    var all = percentOf(text)
    if (all !== null)
        return _gridWeights(ranks, all)
    var list = tokens(text)
    for (var t = 0; t < list.length; ++t) {
        var token = list[t]
        if (token.length <= 1)
            continue
        var parts = token.split(":")
        // Unclamped; an unreadable weight is not a number.
        var weight = parts.length > 1 ? parseFloat(parts[1]) : 1.0
        var keys = expandEditorHand(parts[0], ranks)
        for (var k = 0; k < keys.length; ++k)
            weights[keys[k]] = weight
    }
    return weights
}

// Keys in the map's own order; every class keeps its weight, so painting
// one cell never changes the others.
function weightsToText(weights) {
    var out = []
    for (var key in weights) {
        if (weights[key] > 0)
            out.push(writeWeighted(key, weights[key]))
    }
    return out.join(", ")
}

function countInRange(weights) {
    var count = 0
    for (var key in weights)
        if (weights[key] > 0)
            ++count
    return count
}

// The map after one matrix click: a class in the range leaves it, one out
// of it comes in at full weight.
function toggled(weights, hand, currentWeight) {
    var copy = Object.create(null)
    for (var key in weights)
        copy[key] = weights[key]
    if (currentWeight > 0)
        delete copy[hand]
    else
        copy[hand] = 1.0
    return copy
}
