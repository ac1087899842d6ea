.pragma library
.import "../components/numberText.js" as NumberText
.import "../components/solveProgress.js" as StatusWords
// The solve page's arithmetic: what the controller's status text says, how
// far the ring and the window bar are filled, clock texts, thread choices and
// how a run row ends. Pure functions, so they are tested without a page.

var WINDOW_SIZE = 10
// The solver measures its exploitability at every 50th iteration (and at
// its last one) and stops for the target only at a measurement.
var MEASUREMENT_INTERVAL = 50

// The iteration of an iteration text ("Iter 120 | ..."), 0 when none: the
// top bar's reading, so that both show the same run the same way.
function parseIteration(text) {
    return StatusWords.parseIteration(text)
}

// The figure after "exploitability≈" as the text carries it; NaN when the
// text has none. Signs, exponents and words never match.
function parseExploitability(text) {
    var match = /exploitability\u2248([0-9]+(?:\.[0-9]+)?)/.exec(text ? String(text) : "")
    return match ? Number(match[1]) : NaN
}

// The iteration text carries the engine's money unit (hundredths of a chip);
// the result carries chips. A figure of 0 during a run is the solver's
// placeholder before its first measurement, not a measured value.
function liveExploitabilityChips(textFigure) {
    var v = Number(textFigure)
    return isFinite(v) && v > 0 ? v / 100 : NaN
}

// The finished solve's exploitability, as the results page shows it too.
function finalExploitability(iterations, value) {
    return StatusWords.finalExploitability(iterations, value)
}

// A status text in the words of the current language.
function shownStatus(text) {
    return StatusWords.shownStatus(text)
}

function isStartingText(text) {
    return StatusWords.hasPrefix(text, StatusWords.startingPrefixes())
}

// The ring's rules are the top bar's (one figure for one run).
function ringCapacity(maxIterations, targetPercent) {
    return StatusWords.ringCapacity(maxIterations, targetPercent)
}

function ringValue(iteration, capacity) {
    return StatusWords.ringValue(true, iteration, capacity, false)
}

// 1, 2, ..., 10, 1, ... as the iterations go by; 0 before the first.
function windowValue(iteration) {
    var n = Math.floor(Number(iteration))
    if (!isFinite(n) || n <= 0)
        return 0
    return ((n - 1) % WINDOW_SIZE) + 1
}

function _two(n) {
    var s = String(n)
    return s.length < 2 ? "0" + s : s
}

// Minutes and seconds, each at least two digits ("62:05", "100:00").
function clockText(totalSeconds) {
    var s = Math.max(0, Math.floor(Number(totalSeconds) || 0))
    return _two(Math.floor(s / 60)) + ":" + _two(s % 60)
}

// Whole seconds left toward an end iteration at the measured speed, a part
// of a second counting as one, so that only a run at its end reads 0.
function remainingSeconds(endIteration, iteration, perSecond) {
    if (!(perSecond > 0))
        return 0
    return Math.max(0, Math.ceil((Number(endIteration) - Number(iteration)) / perSecond - 1e-9))
}

// The first measurement after `iteration`.
function nextMeasurement(iteration) {
    var n = Math.max(0, Math.floor(Number(iteration) || 0))
    return (Math.floor(n / MEASUREMENT_INTERVAL) + 1) * MEASUREMENT_INTERVAL
}

// Where the run is expected to end: { iteration, toTarget }. Toward the
// target when two measurements ({ iteration, value }, value in the target's
// unit) show the exploitability falling: the fall is fitted as a power of
// the iteration count, value = c * iteration^-k, and the run ends at the
// first measurement where that reaches the target, and not before the next
// measurement after the current `iteration` while the last one is above the
// target, if that comes before the limit. Otherwise, or without a target,
// the limit.
function expectedEnd(maxIterations, target, earlier, later, iteration) {
    var limit = Math.max(0, Math.floor(Number(maxIterations) || 0))
    var toLimit = { iteration: limit, toTarget: false }
    var t = Number(target)
    if (!(t > 0) || !earlier || !later)
        return toLimit
    var i1 = Number(earlier.iteration), e1 = Number(earlier.value)
    var i2 = Number(later.iteration), e2 = Number(later.value)
    if (!(i1 > 0) || !(i2 > i1) || !(e2 > 0) || !(e1 > e2))
        return toLimit
    if (e2 <= t)
        return { iteration: Math.min(limit, i2), toTarget: true }
    var k = Math.log(e1 / e2) / Math.log(i2 / i1)
    var fitted = i2 * Math.pow(e2 / t, 1 / k)
    if (!isFinite(fitted))
        return toLimit
    var end = Math.max(Math.ceil(fitted / MEASUREMENT_INTERVAL) * MEASUREMENT_INTERVAL,
                       nextMeasurement(Math.max(i2, Number(iteration) || 0)))
    if (end >= limit)
        return toLimit
    return { iteration: end, toTarget: true }
}

// Speed in iterations per second: one decimal under 10 ("1.3"), two under
// 0.1 so that a slow solve never reads 0, whole numbers from 10 on; "—"
// before any figure.
function speedText(perSecond) {
    var v = Number(perSecond)
    if (!(v > 0) || !isFinite(v))
        return "\u2014"
    if (v < 0.095)
        return NumberText.fixed(v, 2)
    var tenths = NumberText.fixed(v, 1)
    return Number(tenths) < 10 ? tenths : String(Math.round(v))
}

// The status line's figure: the first 50 iterations come before the first
// measurement, so they show no figure at all.
function exploitabilityText(iteration, value) {
    if (iteration >= 1 && iteration <= MEASUREMENT_INTERVAL)
        return "\u221E"
    return isFinite(value) ? fixed2(value) : "\u2014"
}

function fixed2(value) {
    return NumberText.fixed(value, 2)
}

// A number as its shortest decimal text, without the binary noise of
// arithmetic such as 0.1 * 3.
function shortText(value) {
    var v = Number(value)
    if (!isFinite(v))
        return String(v)
    return String(Number(v.toPrecision(12)))
}

// "Max", then the powers of two up to 128 that the machine has, then the
// machine's own count when it is not one of them.
function threadChoices(maxThreads) {
    var m = Math.max(1, Math.floor(Number(maxThreads) || 0))
    var counts = [1, 2, 4, 8, 16, 32, 64, 128].filter(function (n) { return n <= m })
    if (counts.indexOf(m) < 0)
        counts.push(m)
    counts.sort(function (a, b) { return a - b })
    return ["Max"].concat(counts.map(String))
}

// The entry that shows a thread count: "Max" for the machine's count, else
// the matching number, else "Max".
function currentThreadChoice(choices, threadCount, maxThreads) {
    var t = Math.max(1, Math.floor(Number(threadCount) || 0))
    if (t === Math.max(1, Math.floor(Number(maxThreads) || 0)))
        return 0
    for (var i = 1; i < choices.length; ++i)
        if (Number(choices[i]) === t)
            return i
    return 0
}

// A thread count the machine can run: a count from a bigger machine (or no
// count) becomes the machine's own.
function usableThreadCount(threadCount, maxThreads) {
    var m = Math.max(1, Math.floor(Number(maxThreads) || 0))
    var t = Math.floor(Number(threadCount))
    return isFinite(t) && t >= 1 && t <= m ? t : m
}

// How a run row ends once the controller stops: a solve that left results
// behind, or one that ran to its limit of no iteration ("Done"), completed.
function runEndStatus(resultIterations, statusText) {
    if (Number(resultIterations) > 0 || StatusWords.isDoneText(statusText))
        return "Completed"
    return StatusWords.isCancelledText(statusText) ? "Cancelled" : "Failed"
}
