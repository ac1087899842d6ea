.pragma library
// The range editor's small range grammar: percentages, pairs, "JJ+",
// two-rank shorthands and "hand:weight" tokens. Unknown tokens pass through
// as keys of their own (they count, but match no matrix cell).

.import "handMatrix.js" as Matrix

// Weight as written into range text: clamped to [0, 1] (not a number → 1);
// 0.999 and above is the bare label, anything else "label:w" with at most
// three decimals.
function writeWeighted(label, weight) {
    var w = Number(weight)
    if (!isFinite(w))
        w = 1
    w = Math.max(0, Math.min(1, w))
    if (w >= 0.999)
        return label
    var text = (Math.round(w * 1000) / 1000).toFixed(3).replace(/0+$/, "").replace(/\.$/, "")
    return label + ":" + text
}

function expandHand(hand, ranks) {
    var h = String(hand)
    if (h.length === 2) {
        var a = h.charAt(0).toUpperCase(), b = h.charAt(1).toUpperCase()
        return a === b ? [a + b] : [a + b + "s", a + b + "o"]
    }
    if (h.length === 3 && h.charAt(2) === "+" && h.charAt(0) === h.charAt(1)) {
        var r = h.charAt(0).toUpperCase()
        var stop = ranks.indexOf(r)
        if (stop < 0)
            return [h]
        var pairs = []
        for (var i = 0; i <= stop; ++i)
            pairs.push(ranks[i] + ranks[i])
        return pairs
    }
    if (h.length === 3)
        return [h.substring(0, 2).toUpperCase() + h.charAt(2).toLowerCase()]
    return [h]
}

function parseRangeText(text, ranks) {
    var weights = {}
    if (text === undefined || text === null || String(text).trim() === "")
        return weights
    var s = String(text)
    var percent = /^(\d+(?:\.\d+)?)\s*%$/.exec(s)
    if (percent) {
        var all = Number(percent[1]) / 100
        var n = ranks.length
        for (var row = 0; row < n; ++row)
            for (var col = 0; col < n; ++col)
                weights[Matrix.handAt(ranks, row, col)] = all
        return weights
    }
    var tokens = s.split(/[,\s]+/)
    for (var t = 0; t < tokens.length; ++t) {
        var token = tokens[t]
        if (token.length <= 1)
            continue
        var parts = token.split(":")
        var weight = 1.0
        if (parts.length > 1) {
            weight = parseFloat(parts[1])
        }
        var keys = expandHand(parts[0], ranks)
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
    var copy = {}
    for (var key in weights)
        copy[key] = weights[key]
    if (currentWeight > 0)
        delete copy[hand]
    else
        copy[hand] = 1.0
    return copy
}
