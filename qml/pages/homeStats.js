.pragma library
// Figures of the home page's statistics panels, worked out from the
// controller's lists. Texts that need translating stay with the page; these
// functions return numbers, dates and untranslated number texts.

// A count as the panels add it: rounded (halves up) and never negative;
// missing or non-finite values count as 0.
function count(v) {
    var n = Number(v)
    if (v === undefined || v === null || !isFinite(n))
        return 0
    return Math.max(0, Math.floor(n + 0.5))
}

function _positive(v) {
    var n = Number(v)
    return v !== undefined && v !== null && isFinite(n) && n > 0
}

// "YYYY-MM-DD" as local midnight, or undefined. Each part is read as a
// base-10 integer (its leading digits count).
function parseIsoDate(s) {
    if (s === undefined || s === null || String(s) === "")
        return undefined
    var parts = String(s).split("-")
    if (parts.length !== 3)
        return undefined
    var n = parts.map(function (p) { return parseInt(p, 10) })
    if (n.some(function (x) { return isNaN(x) }))
        return undefined
    return new Date(n[0], n[1] - 1, n[2])
}

// Local midnight of the Monday of dt's week (a Sunday belongs to the week
// that began six days before).
function startOfWeekMonday(dt) {
    var d = new Date(dt.getFullYear(), dt.getMonth(), dt.getDate())
    var back = (d.getDay() + 6) % 7
    return new Date(d.getFullYear(), d.getMonth(), d.getDate() - back)
}

// A duration as "12.3s", "2m" or "1m 30s" (the units in the language's own
// words); "—" when not a positive number.
function formatDurationSeconds(sec) {
    var s = Number(sec)
    if (!isFinite(s) || s <= 0)
        return "—"
    if (s < 60)
        return qsTranslate("HomePage", "%1s").arg((Math.round(s * 10) / 10).toFixed(1))
    // Whole seconds first, so 119.6 s reads "2m" and never "1m 60s".
    var whole = Math.floor(s + 0.5)
    var m = Math.floor(whole / 60)
    var r = whole - 60 * m
    return r <= 0 ? qsTranslate("HomePage", "%1m").arg(m)
                  : qsTranslate("HomePage", "%1m %2s").arg(m).arg(r)
}

function _counts(cell) {
    return cell !== undefined && cell !== null && cell.isPadding !== true && cell.isFuture !== true
}

// Totals of the grid's days up to today: {total, thisWeek, avgRuntimeSec}
// (avgRuntimeSec NaN when there is no run time or no solve to divide by).
function gridTotals(grid, now) {
    var cells = grid || []
    var today = new Date(now.getFullYear(), now.getMonth(), now.getDate())
    var weekStart = startOfWeekMonday(today)
    var total = 0, week = 0, runtimeMs = 0, timedSolves = 0
    for (var i = 0; i < cells.length; ++i) {
        var c = cells[i]
        if (!_counts(c))
            continue
        var solves = count(c.solves)
        total += solves
        var d = parseIsoDate(c.date)
        if (d !== undefined && d >= weekStart && d <= today)
            week += solves
        if (_positive(c.runtimeMsSum)) {
            runtimeMs += Math.floor(Number(c.runtimeMsSum) + 0.5)
            if (_positive(c.solves))
                timedSolves += Number(c.solves)
        }
    }
    var avg = runtimeMs > 0 && timedSolves > 0 ? runtimeMs / 1000 / timedSolves : NaN
    return { total: total, thisWeek: week, avgRuntimeSec: avg }
}

// The chart's series over the daily history: cumulative solves, the running
// average run time in seconds (NaN before both sums are positive), the top
// of the value axis and the run time's peak.
function historySeries(history) {
    var days = history || []
    var cumulative = [], avgRuntime = []
    var c = 0, solvesSum = 0, runtimeSum = 0, peak = 0
    for (var i = 0; i < days.length; ++i) {
        var day = days[i] || {}
        c += count(day.solves)
        if (_positive(day.solves))
            solvesSum += Number(day.solves)
        if (_positive(day.runtimeMsSum))
            runtimeSum += Math.floor(Number(day.runtimeMsSum) + 0.5)
        var r = solvesSum > 0 && runtimeSum > 0 ? runtimeSum / 1000 / solvesSum : NaN
        cumulative.push(c)
        avgRuntime.push(r)
        if (isFinite(r) && r > peak)
            peak = r
    }
    var maxY = days.length > 0 ? Math.max(1, Math.floor(c + 0.5)) : 1
    return { cumulative: cumulative, avgRuntimeSec: avgRuntime, maxY: maxY, maxRuntimeSec: peak > 0 ? peak : 1 }
}

// The chart day under a pointer at x (plot origin 30 px in, plot width w).
function hoverIndexAt(x, w, n) {
    if (n <= 0)
        return -1
    if (n === 1)
        return 0
    var xx = Math.max(0, Math.min(w, x - 30))
    var i = Math.floor(xx / w * (n - 1) + 0.5)
    return Math.max(0, Math.min(n - 1, i))
}

// Month index (0..11) of the first day cell of week column w that falls on
// the 1st of a month, or -1.
function monthOfWeek(grid, w) {
    var cells = grid || []
    for (var k = 7 * w; k < Math.min(cells.length, 7 * w + 7); ++k) {
        var c = cells[k]
        if (!c || c.isPadding === true)
            continue
        var d = parseIsoDate(c.date)
        if (d !== undefined && d.getDate() === 1)
            return d.getMonth()
    }
    return -1
}

// Colour step of a calendar square: -1 padding, then 0, 1, 2 and 3 for
// none, one, two and three or more solves.
function cellLevel(cell) {
    if (!cell || cell.isPadding === true)
        return -1
    return Math.min(3, count(cell.solves))
}

// One side of a "today / total" play figure: the value, or "—" when there
// were no hands or the value is not finite. Accuracy is a whole percent
// (halves up), the EV loss has three decimals.
function playPart(hands, value, decimals) {
    var v = Number(value)
    if (count(hands) <= 0 || value === undefined || value === null || !isFinite(v))
        return "—"
    if (decimals === 0)
        return String(Math.floor(v + 0.5))
    return (Math.round(v * 1000) / 1000).toFixed(decimals)
}
