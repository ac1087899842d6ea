.pragma library
// Node-lock arithmetic of the results page: the mixed-frequency inputs (one
// two-decimal text per action), the vectors a lock hands to the controller,
// and the preview of a lock on the strategy matrix.

function _round2(v) {
    return Math.round(v * 100) / 100
}

function _text2(v) {
    return _round2(v).toFixed(2)
}

// A decimal entry with blanks allowed; empty reads 0, anything else NaN.
function parseEntry(text) {
    var s = String(text === undefined || text === null ? "" : text).trim()
    if (s === "")
        return 0
    if (!/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(s))
        return NaN
    return Number(s)
}

function _storedValue(text) {
    var v = parseEntry(text)
    return isFinite(v) && v > 0 ? v : 0
}

function initMixedTexts(count) {
    var n = Number(count)
    if (!(n > 0))
        return []
    var texts = []
    for (var i = 0; i < n; ++i)
        texts[i] = (1 / n).toFixed(2)
    return texts
}

// One edited frequency; the sink (the last action, or the one before it when
// the last is edited) absorbs the change. Returns null for an ignored edit.
function applyMixedEdit(texts, count, editedIndex, entryText) {
    var n = Number(count)
    var e = Number(editedIndex)
    var x = parseEntry(entryText)
    if (!(n > 0) || !(e >= 0 && e < n) || !isFinite(x))
        return null
    var v = Math.min(1, Math.max(0, x))
    var values = []
    for (var i = 0; i < n; ++i)
        values[i] = texts && i < texts.length ? _storedValue(texts[i]) : 0
    if (n === 1) {
        values[0] = 1
    } else {
        var sink = e === n - 1 ? n - 2 : n - 1
        var fixed = 0
        for (var j = 0; j < n; ++j) {
            if (j !== e && j !== sink)
                fixed += values[j]
        }
        v = Math.min(v, Math.max(0, 1 - fixed))
        values[e] = _round2(v)
        values[sink] = _round2(Math.max(0, 1 - fixed - values[e]))
    }
    return values.map(_text2)
}

function mixedProbs(texts, count) {
    var n = Number(count)
    if (!(n > 0))
        return []
    var values = []
    var sum = 0
    for (var i = 0; i < n; ++i) {
        values[i] = texts && i < texts.length ? _storedValue(texts[i]) : 0
        sum += values[i]
    }
    return values.map(function (v) { return sum > 0 ? v / sum : 1 / n })
}

function pureProbs(count, selected) {
    var probs = []
    for (var i = 0; i < count; ++i)
        probs[i] = i === selected ? 1 : 0
    return probs
}

// The probabilities a lock record shows for `count` actions, or null when
// the record does not fit the node.
function previewProbs(lock, count) {
    if (!lock || !(count > 0))
        return null
    var probs = []
    if (lock.actionProbs && lock.actionProbs.length === count) {
        var sum = 0
        for (var i = 0; i < count; ++i) {
            var p = Number(lock.actionProbs[i])
            probs[i] = isFinite(p) && p > 0 ? p : 0
            sum += probs[i]
        }
        return probs.map(function (q) { return sum > 0 ? q / sum : 1 / count })
    }
    var idx = lock.actionIndex === undefined ? -1 : Number(lock.actionIndex)
    if (!(idx >= 0 && idx < count))
        return null
    var prob = lock.actionProb === undefined ? 1.0 : Number(lock.actionProb)
    prob = isFinite(prob) ? Math.min(1, Math.max(0, prob)) : 1.0
    if (count === 1)
        return [1.0]
    for (var k = 0; k < count; ++k)
        probs[k] = k === idx ? prob : (1 - prob) / (count - 1)
    return probs
}

// The probability map with every fitting lock of `locks` laid over it.
function withLocks(probs, locks, count) {
    if (!locks || !(count > 0))
        return probs
    var out = Object.assign({}, probs)
    for (var label in locks) {
        var p = previewProbs(locks[label], count)
        if (p)
            out[label] = p
    }
    return out
}

// The controller's lock rows of one node reduced to the classes the user
// locked, by hand label. (The controller also pins every other class of a
// locked node at its solved strategy; those are not "chosen" and carry no
// mark.)
function chosenLocks(rows) {
    var out = Object.create(null)
    var list = rows || []
    for (var i = 0; i < list.length; ++i) {
        var row = list[i]
        if (row && row.chosen && row.hand)
            out[row.hand] = row
    }
    return out
}

// A node index as the key of a lock map: its decimal text.
function nodeKey(nodeIndex) {
    return String(nodeIndex)
}

// A read-only view of a lock table by node key: view[key] is chosenLocks of
// the rows that `rowsOf(nodeIndex)` gives at the moment of the lookup, or
// undefined for a node without a chosen lock. It holds nothing of its own,
// refuses every write, and lists no keys (the table is read node by node).
function tableView(rowsOf) {
    function locksAt(key) {
        if (typeof key !== "string" || !/^(0|[1-9][0-9]*)$/.test(key))
            return undefined
        var chosen = chosenLocks(rowsOf(Number(key)))
        return Object.keys(chosen).length > 0 ? chosen : undefined
    }
    return new Proxy(Object.create(null), {
        get: function (target, key) { return locksAt(key) },
        has: function (target, key) { return locksAt(key) !== undefined },
        set: function () { return false },
        defineProperty: function () { return false },
        deleteProperty: function () { return false }
    })
}

// The classes locked at one node: the labels of its chosen locks.
function lockedClasses(chosen) {
    var out = Object.create(null)
    if (chosen) {
        for (var label in chosen) {
            if (chosen[label])
                out[label] = true
        }
    }
    return out
}
