.pragma library
// How the top bar reads the controller's status text: the phase a text
// names (by its prefix only), the iteration it carries, and how far the run
// has come on the progress scale.

var STARTING_PREFIXES = ["Starting"]

// The controller's own texts ("Starting...", "Cancelled") reach the pages
// translated, while the solve thread's stage texts do not: a phase is
// recognised in either form.
function startingPrefixes() {
    return STARTING_PREFIXES.concat([qsTranslate("AppController", "Starting...")])
}

function isCancelledText(text) {
    var t = String(text === undefined || text === null ? "" : text).trim()
    return t === "Cancelled" || t === qsTranslate("AppController", "Cancelled")
}

// The solve thread's word for a run that ended at its limit or its target.
function isDoneText(text) {
    return String(text === undefined || text === null ? "" : text).trim() === "Done"
}
// The solve thread writes "Init: ..."; the longer word is accepted too.
var INITIALIZING_PREFIXES = ["Initializing:", "Init:"]
var FINALIZING_PREFIXES = ["Finalizing:"]

function hasPrefix(text, prefixes) {
    var t = text === undefined || text === null ? "" : String(text)
    return t !== "" && prefixes.some(function (p) { return t.indexOf(p) === 0 })
}

// The solve thread's last stage, after its final iteration: the views keep
// showing that iteration.
function isFinalizingText(text) {
    return hasPrefix(text, FINALIZING_PREFIXES)
}

// The number after the first "Iter" and white space, else 0. Case-sensitive.
function parseIteration(text) {
    if (text === undefined || text === null || text === "")
        return 0
    var match = /Iter\s+(\d+)/.exec(String(text))
    return match ? Number(match[1]) : 0
}

function finiteOr(value, fallback) {
    var n = Number(value)
    return value !== null && value !== undefined && isFinite(n) ? n : fallback
}

// The iteration a progress view shows. While running: during finalizing the
// last iteration read from a status text, else the status text's own
// iteration, else the reported share of the iteration limit. After the
// run: the result's iterations.
function shownIteration(running, finalizing, lastIteration, statusText, share, maxIterations,
                        resultIterations) {
    if (!running) {
        var done = Number(resultIterations)
        return isFinite(done) && done > 0 ? Math.floor(done) : 0
    }
    if (finalizing && lastIteration > 0)
        return lastIteration
    var parsed = parseIteration(statusText)
    if (parsed > 0)
        return Math.floor(parsed)
    return Math.max(0, Math.floor(finiteOr(share, 0) * finiteOr(maxIterations, 0)))
}

// The iteration count that fills the ring: a solver usually reaches a
// coarse target (percent of the pot) long before its iteration limit.
function ringCapacity(maxIterations, targetPercent) {
    var limit = Math.max(1, Number(maxIterations) || 0)
    var t = Number(targetPercent)
    if (!isFinite(t) || t <= 0)
        return limit
    if (t >= 1)
        return Math.min(limit, 75)
    if (t >= 0.5)
        return Math.min(limit, 125)
    if (t >= 0.1)
        return Math.min(limit, 300)
    return limit
}

// How far the ring is filled, 0 to 1: while running the shown iteration
// over the capacity; after the run full when it left results, else empty.
function ringValue(running, iteration, capacity, hasResults) {
    if (!running)
        return hasResults ? 1 : 0
    var v = Math.max(0, Number(iteration) || 0) / Math.max(1, Number(capacity) || 0)
    return Math.min(1, Math.max(0, v))
}

// Halves round up, also where binary fractions fall just short (0.145).
function percentText(value) {
    return Math.round(Number((value * 100).toPrecision(12))) + "%"
}

// The words the solve thread writes. The pages read the English text; these
// give what they show in the current language.
var STAGE_TEXTS = [
    QT_TRANSLATE_NOOP("SolveProgress", "Init: building game object..."),
    QT_TRANSLATE_NOOP("SolveProgress", "Init: building game tree structures..."),
    QT_TRANSLATE_NOOP("SolveProgress", "Init: starting solver..."),
    QT_TRANSLATE_NOOP("SolveProgress", "Finalizing: computing results..."),
    QT_TRANSLATE_NOOP("SolveProgress", "Finalizing: building result snapshot..."),
    QT_TRANSLATE_NOOP("SolveProgress", "Done"),
    QT_TRANSLATE_NOOP("SolveProgress", "Cancelled"),
    QT_TRANSLATE_NOOP("SolveProgress", "Unknown error")
]

// A status text as shown: the solve thread's stage texts, iteration lines
// and errors in the current language; the controller's own texts (already
// in the current language) as they are.
function shownStatus(text) {
    var t = text === undefined || text === null ? "" : String(text)
    if (STAGE_TEXTS.indexOf(t) >= 0)
        return qsTranslate("SolveProgress", t)
    var iteration = /^Iter\s+(\d+)\s*\|\s*exploitability\u2248(\S+)$/.exec(t)
    if (iteration)
        return qsTranslate("SolveProgress", "Iteration %1 | exploitability≈%2").arg(iteration[1]).arg(iteration[2])
    if (t.indexOf("Error: ") === 0) {
        var reason = t.substring(7)
        return qsTranslate("SolveProgress", "Error: %1")
                .arg(STAGE_TEXTS.indexOf(reason) >= 0 ? qsTranslate("SolveProgress", reason) : reason)
    }
    return t
}

// The finished solve's exploitability in chips, the one figure the solve
// page and the results page both show: the measured value, float noise
// below zero shown as 0; NaN without results or a finite figure.
function finalExploitability(iterations, value) {
    var v = typeof value === "number" ? value : NaN
    return iterations > 0 && isFinite(v) ? Math.max(0, v) : NaN
}

// A run's end state ("Running", "Completed", "Cancelled", "Failed") as shown.
var RUN_STATES = [
    QT_TRANSLATE_NOOP("SolveProgress", "Running"),
    QT_TRANSLATE_NOOP("SolveProgress", "Completed"),
    QT_TRANSLATE_NOOP("SolveProgress", "Cancelled"),
    QT_TRANSLATE_NOOP("SolveProgress", "Failed")
]

function runStateWord(state) {
    var s = String(state)
    return RUN_STATES.indexOf(s) >= 0 ? qsTranslate("SolveProgress", s) : s
}
