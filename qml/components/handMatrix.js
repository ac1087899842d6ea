.pragma library
// Geometry and value rules of the hand matrix, kept free of drawing.

var HOLDEM_RANKS = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]

function rankCount(ranks) {
    return ranks && ranks.length > 0 ? Math.max(1, ranks.length) : 13
}

// Pairs on the diagonal, suited classes above it, offsuit below; the higher
// rank (the lower index) always comes first.
function handAt(ranks, row, col) {
    if (!ranks || ranks.length === 0)
        return ""
    if (row === col)
        return ranks[row] + ranks[col]
    if (row < col)
        return ranks[row] + ranks[col] + "s"
    return ranks[col] + ranks[row] + "o"
}

function clamp01(v) {
    var x = Number(v)
    if (typeof v === "boolean" || v === null || v === undefined || !isFinite(x))
        return 0
    return Math.max(0, Math.min(1, x))
}

// Sum of the earlier entries, each floored at 0 but not capped, so the
// segments of an over-full mix run past the mask and are cut off there.
function cumProb(probs, idx) {
    if (!probs)
        return 0
    var sum = 0
    for (var j = 0; j < idx; ++j) {
        var p = Number(probs[j])
        if (isFinite(p))
            sum += Math.max(0, p)
    }
    return sum
}

function fitCellSize(width, n, spacing, cellSize, minSize, maxSize) {
    var w = Math.max(0, Number(width) || 0)
    var c = Math.floor((w - spacing * (n - 1)) / n)
    if (!isFinite(c))
        return cellSize
    return Math.max(minSize, Math.min(maxSize, c))
}

// Cell index under a point of the grid, or -1 for gaps and the outside; a
// point on a cell's right or bottom edge still belongs to it.
function indexAt(x, y, cell, spacing, n) {
    var step = cell + spacing
    if (!isFinite(x) || !isFinite(y) || x < 0 || y < 0 || !(step > 0))
        return -1
    var col = Math.floor(x / step)
    var row = Math.floor(y / step)
    if (col < 0 || row < 0 || col >= n || row >= n)
        return -1
    if (x - col * step > cell || y - row * step > cell)
        return -1
    return row * n + col
}

// Left edges and widths, as fractions of the mask width, of the action
// segments of one cell. The last action takes whatever is left over; an
// over-full mix is cut at the mask's edge here, so the segments need no
// clipping of their own.
function segments(probs, count) {
    var out = []
    for (var i = 0; i < count; ++i) {
        var x = cumProb(probs, i)
        var w = i === count - 1 ? Math.max(0, 1 - x) : clamp01(probs[i])
        var left = Math.min(1, x)
        out.push({ x: left, w: Math.max(0, Math.min(w, 1 - left)) })
    }
    return out
}

// The segments of a mix that lines up with the node's actions; none when
// there are no actions or the lengths differ (the plain fill shows then).
function mixSegments(actionTypes, probs) {
    var count = actionTypes ? actionTypes.length : 0
    if (count === 0 || !probs || probs.length !== count)
        return []
    return segments(probs, count)
}

// Own keys only: a class called "constructor" must not find Object's own.
function has(map, key) {
    return Object.prototype.hasOwnProperty.call(map, key)
}

// Colour names and theme colours alike (Qt.color takes names only).
function _rgb(value) {
    return typeof value === "string" ? Qt.color(value) : value
}

// Each colour drawn at `alpha` over `background`, as one opaque colour.
function blendAll(colors, background, alpha) {
    var bg = _rgb(background)
    var out = []
    for (var i = 0; i < colors.length; ++i) {
        var c = _rgb(colors[i])
        out.push(Qt.rgba(c.r * alpha + bg.r * (1 - alpha), c.g * alpha + bg.g * (1 - alpha),
                         c.b * alpha + bg.b * (1 - alpha), 1))
    }
    return out
}
