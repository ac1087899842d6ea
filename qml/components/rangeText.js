.pragma library
// Range text grammars. The set-up page's grammar (`expandHand`,
// `parseRangeWeights`, `toggleHand`) knows
// ranges such as "99-22", "A5s-A2s", "JJ+" and "A8s+"; the range editor's
// smaller one (`parseRangeText`) knows percentages, pairs, "JJ+", two-rank
// shorthands and "hand:weight" tokens. Unknown tokens pass through as keys
// of their own (they match no matrix cell); the maps have no prototype, so
// a token such as "__proto__" or "constructor" is a key like any other.

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

// A weight as read after ":": the leading number, 1 when there is none.
function _readWeight(text) {
    var w = parseFloat(text)
    return isFinite(w) ? w : 1
}

function clampWeight(weight) {
    var w = Number(weight)
    if (!isFinite(w))
        return 1
    return Math.max(0, Math.min(1, w))
}

// Weight as written into range text: clamped to [0, 1] (not a number → 1);
// 0.999 and above is the bare label, anything else "label:w" with at most
// three decimals.
function writeWeighted(label, weight) {
    var w = clampWeight(weight)
    if (w >= 0.999)
        return label
    var text = (Math.round(w * 1000) / 1000).toFixed(3).replace(/0+$/, "").replace(/\.$/, "")
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

// ---- The set-up page's grammar ----

function _isPair(s) {
    return s.length === 2 && s.charAt(0).toUpperCase() === s.charAt(1).toUpperCase()
}

function _rankIndex(ranks, ch) {
    return ranks.indexOf(ch.toUpperCase())
}

// Indices from `from` to `to`, both included, stepping towards `to`.
function _walk(from, to) {
    var out = []
    var step = from <= to ? 1 : -1
    for (var i = from; ; i += step) {
        out.push(i)
        if (i === to)
            return out
    }
}

// "99-22", "22-99" and "A5s-A2s" in the written direction; a range that
// cannot be read gives its first bound as written, and a token that is no
// range at all gives null.
function _dashRange(h, ranks) {
    var bounds = h.split("-")
    if (bounds.length !== 2)
        return null
    var a = bounds[0], b = bounds[1]
    if (_isPair(a) && _isPair(b)) {
        var from = _rankIndex(ranks, a.charAt(0)), to = _rankIndex(ranks, b.charAt(0))
        if (from < 0 || to < 0)
            return [a]
        return _walk(from, to).map(function (i) { return ranks[i] + ranks[i] })
    }
    if (a.length !== 3 || b.length !== 3)
        return null
    if (a.charAt(0).toUpperCase() !== b.charAt(0).toUpperCase()
            || a.charAt(2).toLowerCase() !== b.charAt(2).toLowerCase())
        return [a]
    var lo = _rankIndex(ranks, a.charAt(1)), hi = _rankIndex(ranks, b.charAt(1))
    if (lo < 0 || hi < 0)
        return [a]
    var first = a.charAt(0).toUpperCase(), suffix = a.charAt(2).toLowerCase()
    return _walk(lo, hi).map(function (i) { return first + ranks[i] + suffix })
}

// "JJ+" from the aces down to the pair; "A8s+" from the named class up to
// the class just below the first rank.
function _plusRange(base, ranks) {
    if (base.length === 2 && _isPair(base))
        return _pairsDownTo(ranks, base.charAt(0), base)
    if (base.length !== 3)
        return [base]
    var top = _rankIndex(ranks, base.charAt(0)), kicker = _rankIndex(ranks, base.charAt(1))
    if (top < 0 || kicker < 0)
        return [base]
    var out = []
    for (var k = kicker; k > top; --k)
        out.push(ranks[top] + ranks[k] + base.charAt(2).toLowerCase())
    return out
}

// The hand classes one token (without its weight) names; a token the
// grammar does not know names itself.
function expandHand(hand, ranks) {
    var h = String(hand === undefined || hand === null ? "" : hand)
    if (h.indexOf("-") >= 0) {
        var range = _dashRange(h, ranks)
        if (range !== null)
            return range
    }
    if (h.length > 0 && h.charAt(h.length - 1) === "+")
        return _plusRange(h.slice(0, -1), ranks)
    if (h.length === 2) {
        var a = h.charAt(0).toUpperCase(), b = h.charAt(1).toUpperCase()
        return a === b ? [a + b] : [a + b + "s", a + b + "o"]
    }
    if (h.length === 3)
        return [h.substring(0, 2).toUpperCase() + h.charAt(2).toLowerCase()]
    return [h]
}

// Hand class -> weight in [0, 1]; a later token overwrites an earlier one.
// A percentage gives every class of the grid that weight, unclamped.
function parseRangeWeights(text, ranks) {
    if (text === undefined || text === null || String(text).trim() === "")
        return Object.create(null)
    var all = percentOf(text)
    if (all !== null)
        return _gridWeights(ranks, all)
    var weights = Object.create(null)
    tokens(text).forEach(function (token) {
        if (token.length < 2)
            return
        var parts = token.split(":")
        var weight = clampWeight(parts.length > 1 ? _readWeight(parts[1]) : 1)
        expandHand(parts[0], ranks).forEach(function (label) { weights[label] = weight })
    })
    return weights
}

// The range text after one matrix cell was painted. Switching on appends
// the class with `addWeight`; switching off drops every token that covers
// the class, with the token's other classes. A percentage is cleared whole
// or replaced by the one class.
function toggleHand(text, hand, currentWeight, addWeight, ranks) {
    var added = writeWeighted(hand, addWeight)
    if (percentOf(text === undefined || text === null ? "" : text) !== null)
        return currentWeight > 0 ? "" : added
    var list = tokens(text)
    if (currentWeight > 0) {
        var painted = Object.create(null)
        expandHand(hand, ranks).forEach(function (label) { painted[label] = true })
        list = list.filter(function (token) {
            return !expandHand(token.split(":")[0], ranks).some(function (label) { return painted[label] === true })
        })
    } else {
        list.push(added)
    }
    return list.join(", ")
}
