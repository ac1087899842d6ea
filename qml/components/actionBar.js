.pragma library
// Frequencies, hit testing and label texts of the action bar. `actions` may
// be a list model from the native side: read only by length and index.

.import "numberText.js" as NumberText

function rawFreq(entry) {
    if (!entry)
        return 0
    var f = Number(entry.frequency)
    return isFinite(f) ? Math.max(0, f) : 0
}

function totalFreq(actions) {
    var n = actions ? actions.length : 0
    var total = 0
    for (var i = 0; i < n; ++i)
        total += rawFreq(actions[i])
    return total
}

function normFreq(entry, total) {
    if (!isFinite(total) || total <= 0)
        return 0
    return Math.min(1, rawFreq(entry) / total)
}

// The segment under px; past the end (or with nothing drawn) the last entry.
function indexAtX(actions, width, px) {
    var n = actions ? actions.length : 0
    if (n === 0 || !(width > 0))
        return -1
    var total = totalFreq(actions)
    var x = 0
    for (var i = 0; i < n; ++i) {
        var w = normFreq(actions[i], total) * width
        if (w > 0 && px >= x && px < x + w)
            return i
        x += w
    }
    return n - 1
}

// Indices of the first and last segment that take a rounded end: at least
// one pixel wide where possible, so a sliver never takes the bar's corner.
function visibleEnds(freqs, width) {
    var first = -1, last = -1
    for (var i = 0; i < freqs.length; ++i) {
        if (freqs[i] > 0 && freqs[i] * width >= 1) {
            if (first < 0)
                first = i
            last = i
        }
    }
    if (first < 0) {
        for (var j = 0; j < freqs.length; ++j) {
            if (freqs[j] > 0) {
                if (first < 0)
                    first = j
                last = j
            }
        }
    }
    return { first: first, last: last }
}

function blockWidth(rowWidth, count) {
    if (count <= 0)
        return 0
    return Math.floor(Math.max(0, rowWidth - 32 * (count - 1)) / count)
}

// How many label blocks share a row: all of them when each block then holds
// the widest label (`widest`, swatch included) whole, else the most that
// do, at least one.
function labelsPerRow(rowWidth, count, widest) {
    for (var n = count; n > 1; --n) {
        if (blockWidth(rowWidth, n) >= widest)
            return n
    }
    return Math.min(1, Math.max(0, count))
}

// Whole (or `decimals`) percentages of the entries' frequencies that add to
// exactly 100.
function percents(actions, decimals) {
    var n = actions ? actions.length : 0
    var freqs = []
    for (var i = 0; i < n; ++i)
        freqs.push(rawFreq(actions[i]))
    return NumberText.largestRemainder(freqs, decimals)
}

function isFiniteNumber(v) {
    return typeof v === "number" && isFinite(v)
}

// "1 combo", "3 combos"; a share of a combo keeps its decimal.
function combosWords(c) {
    var whole = Math.abs(c - Math.round(c)) <= 1e-6
    return whole ? qsTranslate("ActionBar", "%n combo(s)", "", Math.round(c))
                 : qsTranslate("ActionBar", "%1 combos").arg(combosText(c))
}

function combosText(c) {
    return NumberText.combos(c)
}

// An action's words in the interface language, from its type ("bet 50%",
// "check", …) when there is one, else from its engine name ("Bet 50%",
// "Check", …). The catalogue keeps them under the tree's context.
function actionLabel(rawName, actionType) {
    var raw = String(rawName === undefined || rawName === null ? "" : rawName).trim()
    var t = String(actionType === undefined || actionType === null ? "" : actionType).trim().toLowerCase()
    var kind = t === "" ? "" : t.split(/\s+/)[0]
    switch (kind) {
    case "check": return qsTranslate("TreeNode", "Check")
    case "call": return qsTranslate("TreeNode", "Call")
    case "fold": return qsTranslate("TreeNode", "Fold")
    case "allin": return qsTranslate("TreeNode", "All-in")
    case "bet":
    case "raise": {
        var word = kind === "bet" ? "Bet" : "Raise"
        var rest = raw.indexOf(word) === 0 ? raw.substring(word.length).trim() : ""
        if (rest === "" && t.indexOf(kind + " ") === 0)
            rest = t.substring(kind.length + 1).trim()
        return sizedLabel(kind, rest)
    }
    }
    if (raw === "")
        return ""
    var sized = /^(bet|raise)\s+(.+)$/i.exec(raw)
    if (sized)
        return sizedLabel(sized[1].toLowerCase(), sized[2].trim())
    var word0 = raw.charAt(0).toUpperCase() + raw.slice(1)
    switch (word0) {
    case "Bet": return qsTranslate("TreeNode", "Bet")
    case "Raise": return qsTranslate("TreeNode", "Raise")
    case "Check": return qsTranslate("TreeNode", "Check")
    case "Call": return qsTranslate("TreeNode", "Call")
    case "Fold": return qsTranslate("TreeNode", "Fold")
    case "All-In":
    case "All-in": return qsTranslate("TreeNode", "All-in")
    // The single row a chance node shows.
    case "Random turn card": return qsTranslate("TreeNode", "Random turn card")
    case "Random river card": return qsTranslate("TreeNode", "Random river card")
    }
    return raw
}

function sizedLabel(kind, rest) {
    if (kind === "bet")
        return rest !== "" ? qsTranslate("TreeNode", "Bet %1").arg(rest) : qsTranslate("TreeNode", "Bet")
    return rest !== "" ? qsTranslate("TreeNode", "Raise %1").arg(rest) : qsTranslate("TreeNode", "Raise")
}
