.pragma library
// Settings profiles: named snapshots of the game settings and both seats'
// sizings, the list kept in the settings store, and how a snapshot (also one
// written by an older version) is applied.

var SEATS = ["oop", "ip"]
var STREETS = [["flop", "Flop"], ["turn", "Turn"], ["river", "River"]]

// Snapshot key -> page property, for the values stored as they are.
var SCALARS = [
    ["starting_pot", "startingPot"], ["effective_stack", "effectiveStack"],
    ["rake_percent", "rakePercent"], ["rake_cap", "rakeCap"],
    ["oop_stack", "oopStack"], ["ip_stack", "ipStack"]
]
var TEXTS = [["icm_payouts", "icmPayoutsText"], ["icm_other_stacks", "icmOtherStacksText"]]

// The twelve sizing texts and nine flags: [snapshot key, property, is flag].
var SIZING = (function () {
    var out = []
    SEATS.forEach(function (seat) {
        STREETS.forEach(function (st) {
            out.push([seat + "_" + st[0] + "_bet_sizes", seat + st[1] + "BetSizesText", false])
            out.push([seat + "_" + st[0] + "_raise_sizes", seat + st[1] + "RaiseSizesText", false])
        })
        STREETS.forEach(function (st) {
            out.push([seat + "_" + st[0] + "_add_all_in", seat + st[1] + "AddAllIn", true])
        })
    })
    STREETS.forEach(function (st) {
        out.push(["oop_" + st[0] + "_dont_donk", "oop" + st[1] + "DontDonk", true])
    })
    return out
})()

var JAM = SEATS.map(function (seat) {
    return { enabledKey: seat + "_add_all_in_jam_threshold_enabled", enabledProp: seat + "AddAllInIfJamLtEnabled",
             pctKey: seat + "_add_all_in_jam_threshold_pct", pctProp: seat + "AddAllInIfJamLtPct" }
})

function _has(map, key) {
    return Object.prototype.hasOwnProperty.call(map, key) && map[key] !== undefined
}

function _text(value) {
    return value === undefined || value === null ? "" : String(value)
}

// "n_", the time in base 36, "_" and up to six random base-36 digits.
function newId(nowMs, random) {
    return "n_" + Math.floor(nowMs).toString(36) + "_" + random.toString(36).slice(2, 8)
}

// The page's values as they are, under the snapshot keys.
function snapshotOf(page) {
    var out = { utility_model: page.utilityModel ? String(page.utilityModel) : "cash" }
    SCALARS.forEach(function (p) { out[p[0]] = page[p[1]] })
    TEXTS.forEach(function (p) { out[p[0]] = page[p[1]] })
    out.target_exploitability_pct = page.targetExploitability
    out.max_iterations = page.maxIterations
    out.starting_street = page.startingStreet
    SIZING.forEach(function (p) { out[p[0]] = page[p[1]] })
    JAM.forEach(function (j) {
        out[j.enabledKey] = page[j.enabledProp]
        out[j.pctKey] = page[j.pctProp]
    })
    return out
}

// The assignments a snapshot makes, in order, as [property, value] pairs.
// `currentPot` converts an older target in chips when the snapshot carries
// no pot of its own.
function assignmentsFor(data, currentPot) {
    if (!data || typeof data !== "object")
        return []
    var out = []
    if (_has(data, "utility_model"))
        out.push(["utilityModel", _text(data.utility_model) || "cash"])
    SCALARS.forEach(function (p) { if (_has(data, p[0])) out.push([p[1], Number(data[p[0]])]) })
    TEXTS.forEach(function (p) { if (_has(data, p[0])) out.push([p[1], _text(data[p[0]])]) })

    if (_has(data, "target_exploitability_pct")) {
        out.push(["targetExploitability", Number(data.target_exploitability_pct)])
    } else if (_has(data, "target_exploitability")) {
        var amount = Number(data.target_exploitability)
        var pot = _has(data, "starting_pot") ? Number(data.starting_pot) : Number(currentPot)
        out.push(["targetExploitability", isFinite(amount) && isFinite(pot) && pot > 0 ? amount * 100 / pot : amount])
    }
    if (_has(data, "max_iterations"))
        out.push(["maxIterations", Number(data.max_iterations)])
    if (_has(data, "starting_street"))
        out.push(["startingStreet", _text(data.starting_street)])

    SIZING.forEach(function (p) { out.push([p[1], p[2] ? Boolean(data[p[0]]) : _text(data[p[0]])]) })

    var legacyEnabled = _has(data, "add_all_in_jam_threshold_enabled")
    var legacyPct = _has(data, "add_all_in_jam_threshold_pct")
    JAM.forEach(function (j) {
        out.push([j.enabledProp, Boolean(legacyEnabled ? data.add_all_in_jam_threshold_enabled : data[j.enabledKey])])
    })
    JAM.forEach(function (j) {
        if (legacyPct)
            out.push([j.pctProp, Number(data.add_all_in_jam_threshold_pct)])
        else if (_has(data, j.pctKey))
            out.push([j.pctProp, Number(data[j.pctKey])])
    })
    return out
}

// A clean list: entries without a usable name dropped, a fresh id where one
// is missing, exactly the four fields kept.
function sanitize(list, makeId) {
    if (!Array.isArray(list))
        return []
    var out = []
    list.forEach(function (el) {
        if (!el || typeof el !== "object")
            return
        var name = _text(el.name).trim()
        if (name === "")
            return
        out.push({
            id: _text(el.id).trim() !== "" ? String(el.id) : makeId(),
            name: name,
            createdAt: _text(el.createdAt),
            data: el.data && typeof el.data === "object" ? el.data : {}
        })
    })
    return out
}

// A stored JSON list read back: { ok, list }. Blank text is an empty list;
// text that is not a JSON list is not ok, and the caller leaves it in the
// store untouched.
function readStoredList(text) {
    var s = _text(text)
    if (s.trim() === "")
        return { ok: true, list: [] }
    var parsed
    try {
        parsed = JSON.parse(s)
    } catch (e) {
        return { ok: false, list: [] }
    }
    return Array.isArray(parsed) ? { ok: true, list: parsed } : { ok: false, list: [] }
}

// The stored profiles read back: { ok, profiles }.
function readStored(text, makeId) {
    var stored = readStoredList(text)
    return { ok: stored.ok, profiles: sanitize(stored.list, makeId) }
}

// The trimmed name, or with " (k)" for the smallest k from 2 that is free.
function uniqueName(profiles, desired) {
    var name = _text(desired).trim()
    if (name === "")
        return ""
    var taken = Object.create(null)
    ;(profiles || []).forEach(function (p) { if (p) taken[_text(p.name)] = true })
    if (!taken[name])
        return name
    var k = 2
    while (taken[name + " (" + k + ")"])
        ++k
    return name + " (" + k + ")"
}
