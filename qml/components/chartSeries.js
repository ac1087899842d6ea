.pragma library
// Series and plot arithmetic of the results page's two line charts.

function _finite(v) {
    return typeof v === "number" ? isFinite(v) : (v !== null && v !== undefined && v !== "" && isFinite(Number(v)))
}

// One player's classes, best first; equal values in label order.
function sortedSeries(labels, values) {
    var pairs = []
    var n = Math.min(labels ? labels.length : 0, values ? values.length : 0)
    for (var i = 0; i < n; ++i) {
        var label = String(labels[i] === undefined || labels[i] === null ? "" : labels[i])
        if (label === "" || !_finite(values[i]))
            continue
        pairs[pairs.length] = { label: label, value: Number(values[i]) }
    }
    pairs.sort(function (a, b) {
        if (a.value !== b.value)
            return b.value - a.value
        return a.label < b.label ? -1 : (a.label > b.label ? 1 : 0)
    })
    return {
        labels: pairs.map(function (p) { return p.label }),
        values: pairs.map(function (p) { return p.value })
    }
}

function distributionSeries(payload, equity) {
    var p = payload || {}
    var oop = sortedSeries(p.oopHands, equity ? p.equityOop : p.evOop)
    var ip = sortedSeries(p.ipHands, equity ? p.equityIp : p.evIp)
    return {
        oopHands: oop.labels, oop: oop.values, nOop: oop.values.length,
        ipHands: ip.labels, ip: ip.values, nIp: ip.values.length,
        nMax: Math.max(oop.values.length, ip.values.length)
    }
}

function statsSeries(history) {
    var s = { n: 0, optimal: [], actual: [], optimalPer: [], actualPer: [] }
    var opt = 0, act = 0
    for (var i = 0; history && i < history.length; ++i) {
        var h = history[i] || {}
        var o = _finite(h.optimalEv) ? Number(h.optimalEv) : 0
        var a = _finite(h.actualEv) ? Number(h.actualEv) : 0
        opt += o
        act += a
        s.optimalPer[i] = o
        s.actualPer[i] = a
        s.optimal[i] = opt
        s.actual[i] = act
    }
    s.n = s.optimal.length
    return s
}

// The vertical range over the given value lists, widened by `pad` of the
// span (8 % when not given); `flat` when nothing is finite or every value is
// equal.
function valueRange(lists, flat, pad) {
    var lo = Infinity, hi = -Infinity
    for (var i = 0; i < lists.length; ++i) {
        for (var j = 0; j < lists[i].length; ++j) {
            var v = lists[i][j]
            if (!isFinite(v))
                continue
            lo = Math.min(lo, v)
            hi = Math.max(hi, v)
        }
    }
    if (!(hi > lo))
        return { min: flat[0], max: flat[1] }
    var margin = (hi - lo) * (pad === undefined ? 0.08 : pad)
    return { min: lo - margin, max: hi + margin }
}

// A range opened out to a round axis: grid lines on the multiples of a step
// of 1, 2, 2.5 or 5 times a power of ten, from the last one at or below the
// range to the first one at or above it. Of the steps that give 3 to 8
// intervals the one with the shortest axis wins (the smaller step on a tie).
// The result carries its `step`; a range without a span comes back as it is.
function roundRange(range) {
    var span = range.max - range.min
    if (!(span > 0) || !isFinite(span))
        return range
    var magnitude = Math.pow(10, Math.floor(Math.log10(span)) - 1)
    var factors = [1, 2, 2.5, 5, 10, 20, 25, 50, 100]
    var best = null
    for (var i = 0; i < factors.length; ++i) {
        var step = factors[i] * magnitude
        var lo = Math.floor(range.min / step + 1e-9) * step
        var hi = Math.ceil(range.max / step - 1e-9) * step
        var intervals = Math.round((hi - lo) / step)
        if (intervals < 3 || intervals > 8)
            continue
        if (!best || hi - lo < best.max - best.min - 1e-9 * step)
            best = { min: lo, max: hi, step: step }
    }
    return best || range
}

// The axis of a chart over the given value lists: their range with a 3 %
// margin, opened out to round steps (`flat` when the values have no span).
function roundAxis(lists, flat) {
    return roundRange(valueRange(lists, flat, 0.03))
}

// Decimals that write every multiple of `step` exactly (2.5 needs one).
function stepDecimals(step) {
    if (!(step > 0))
        return 2
    for (var d = 0; d < 6; ++d) {
        var scaled = step * Math.pow(10, d)
        if (Math.abs(scaled - Math.round(scaled)) < 1e-6 * Math.max(1, scaled))
            return d
    }
    return 6
}

// The grid values from the top down: every step of a round range, else
// the range in quarters.
function gridValues(range) {
    var out = []
    if (range.step > 0) {
        var count = Math.round((range.max - range.min) / range.step)
        for (var i = 0; i <= count; ++i)
            out[i] = range.max - i * range.step
        return out
    }
    for (var k = 0; k <= 4; ++k)
        out[k] = range.max - (range.max - range.min) * k / 4
    return out
}

// Index of a series of `length` points under the hover position t.
function hoverIndex(t, length) {
    if (!(length > 0) || !(t >= 0))
        return -1
    return Math.min(length - 1, Math.max(0, Math.round(t * (length - 1))))
}
