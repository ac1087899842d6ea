.pragma library
// Settings profiles: named snapshots of the game settings and both seats'
// sizings, the list kept in the settings store, and how a snapshot (also one
// written by an older version) is checked and applied.

.import "numericFields.js" as NumericFields
.import "../components/projectPresets.js" as Presets

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

// Only strings, numbers and flags are text; anything else read from a store
// (an object whose toString is not a function, a list) is no text at all.
function _text(value) {
    var type = typeof value
    return type === "string" ? value : type === "number" || type === "boolean" ? String(value) : ""
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

// The rule each number of a snapshot is read by: its field's. Pots and
// stacks may be 0, as a blank page saves them. The older target in chips
// is read as a plain amount and then judged as a percentage.
var NUMBER_RULES = {
    starting_pot: NumericFields.fromZero(NumericFields.RULES.chips),
    effective_stack: NumericFields.fromZero(NumericFields.RULES.stack),
    oop_stack: NumericFields.fromZero(NumericFields.RULES.seatStack),
    ip_stack: NumericFields.fromZero(NumericFields.RULES.seatStack),
    rake_percent: NumericFields.RULES.rakePercent,
    rake_cap: NumericFields.RULES.rakeCap,
    target_exploitability_pct: NumericFields.RULES.target,
    target_exploitability: { decimals: 6, min: 0, max: NumericFields.RULES.chips.max },
    max_iterations: NumericFields.RULES.iterations,
    oop_add_all_in_jam_threshold_pct: NumericFields.RULES.jamThreshold,
    ip_add_all_in_jam_threshold_pct: NumericFields.RULES.jamThreshold,
    add_all_in_jam_threshold_pct: NumericFields.RULES.jamThreshold
}

function _shown(value) {
    try {
        return typeof value === "string" ? value : JSON.stringify(value) || _text(value)
    } catch (e) {
        return ""
    }
}

// What a snapshot brings: { assignments, refused }. `assignments` are the
// [property, value] pairs it makes, in order; `refused` lists, as
// { key, text }, each value its field would not take (a number outside its
// rule, a text of another type (a list, a map, null), a utility model or a
// street that is none, a switch that is neither true nor false), which is
// left out: the same rules a project is read by. A key the snapshot does not carry
// leaves its field as it is.
// `currentPot` converts an older target in chips when the snapshot carries
// no pot of its own (or one that is left out).
function readSnapshot(data, currentPot) {
    var out = { assignments: [], refused: [] }
    if (!data || typeof data !== "object")
        return out
    var assign = function (prop, value) { out.assignments.push([prop, value]) }
    // The number under `key`, or undefined when it is absent or refused.
    var number = function (key) {
        if (!_has(data, key))
            return undefined
        var read = NumericFields.read(NUMBER_RULES[key], data[key])
        if (!read.ok) {
            out.refused.push({ key: key, text: _shown(data[key]) })
            return undefined
        }
        return read.value
    }

    // The value under `key` read by `reader` (a choice or a switch), or
    // undefined when it is absent or refused.
    var checked = function (key, reader) {
        if (!_has(data, key))
            return undefined
        var read = reader(data[key])
        if (!read.ok) {
            out.refused.push({ key: key, text: _shown(data[key]) })
            return undefined
        }
        return read.value
    }
    var flag = function (key) { return checked(key, Presets.readFlag) }
    var choice = function (key, choices) {
        return checked(key, function (v) { return Presets.readChoice(choices, v) })
    }

    // A text is read as a project reads it (Presets.convertKey): a value of
    // another type or outside its choices is refused, never replaced.
    var text = function (key, prop) { return checked(key, function (v) { return Presets.convertKey(prop, v) }) }
    // A blank model is cash, as older profiles wrote it.
    var model = data.utility_model === "" ? "cash" : text("utility_model", "utilityModel")
    if (model !== undefined)
        assign("utilityModel", model)
    var pot
    SCALARS.forEach(function (p) {
        var v = number(p[0])
        if (v !== undefined)
            assign(p[1], v)
        if (p[0] === "starting_pot")
            pot = v
    })
    TEXTS.forEach(function (p) {
        var v = text(p[0], p[1])
        if (v !== undefined)
            assign(p[1], v)
    })

    if (_has(data, "target_exploitability_pct")) {
        var pct = number("target_exploitability_pct")
        if (pct !== undefined)
            assign("targetExploitability", pct)
    } else if (_has(data, "target_exploitability")) {
        var amount = number("target_exploitability")
        if (amount !== undefined) {
            var base = pot !== undefined ? pot : Number(currentPot)
            // In percent of the pot, to the target field's decimals.
            var converted = isFinite(base) && base > 0 ? Number((amount * 100 / base).toFixed(6)) : amount
            var target = NumericFields.read(NumericFields.RULES.target, converted)
            if (target.ok)
                assign("targetExploitability", target.value)
            else
                out.refused.push({ key: "target_exploitability", text: _shown(data.target_exploitability) })
        }
    }
    var iterations = number("max_iterations")
    if (iterations !== undefined)
        assign("maxIterations", iterations)
    var street = choice("starting_street", Presets.CHOICES.startingStreet)
    if (street !== undefined)
        assign("startingStreet", street)

    SIZING.forEach(function (p) {
        var v = p[2] ? flag(p[0]) : text(p[0], p[1])
        if (v !== undefined)
            assign(p[1], v)
    })

    var legacyEnabled = _has(data, "add_all_in_jam_threshold_enabled")
    var legacyPct = _has(data, "add_all_in_jam_threshold_pct")
    var sharedEnabled = legacyEnabled ? flag("add_all_in_jam_threshold_enabled") : undefined
    JAM.forEach(function (j) {
        var v = legacyEnabled ? sharedEnabled : flag(j.enabledKey)
        if (v !== undefined)
            assign(j.enabledProp, v)
    })
    var sharedPct = legacyPct ? number("add_all_in_jam_threshold_pct") : undefined
    JAM.forEach(function (j) {
        var v = legacyPct ? sharedPct : number(j.pctKey)
        if (v !== undefined)
            assign(j.pctProp, v)
    })
    return out
}

// The assignments a snapshot makes, in order, as [property, value] pairs;
// refused numbers are left out (see readSnapshot).
function assignmentsFor(data, currentPot) {
    return readSnapshot(data, currentPot).assignments
}

// A clean list: entries without a usable name dropped, an id where one is
// missing (from `makeId`, or else one derived from the name, the same on
// every read), exactly the four fields kept.
function sanitize(list, makeId) {
    if (!Array.isArray(list))
        return []
    var seen = Object.create(null)
    var out = []
    list.forEach(function (el) {
        var profile = _cleanProfile(el, makeId, seen)
        if (profile)
            out.push(profile)
    })
    return out
}

// One list element as a clean profile, or null; `seen` counts the names
// of elements without an id so far.
function _cleanProfile(el, makeId, seen) {
    if (!el || typeof el !== "object" || Array.isArray(el))
        return null
    var name = _text(el.name).trim()
    if (name === "")
        return null
    var id = _text(el.id).trim()
    if (id === "") {
        seen[name] = (seen[name] || 0) + 1
        id = makeId ? makeId() : "auto_" + name + "_" + seen[name]
    }
    return {
        id: id,
        name: name,
        createdAt: _text(el.createdAt),
        data: el.data && typeof el.data === "object" && !Array.isArray(el.data) ? el.data : {}
    }
}

// ---- Stored lists ----
// A stored list is read entry by entry, so that one damaged entry costs no
// other: { ok, entries }, each entry { value, ... } when its text is JSON,
// or { text } with the text kept as it was. `ok` is false when the stored
// text is no list at all. Blank text is an empty list.
// Every entry that is JSON is written back as it was stored until it is
// changed: an entry of a list that parses whole knows its place in that
// text (`at`, `from`); one of a list read part by part keeps its own text
// (`source`, and `json`, its value's JSON as read). JSON again would turn
// 1e309 into null and round long whole numbers.
function readEntries(stored) {
    if (stored === undefined || stored === null)
        return { ok: true, entries: [] }
    if (typeof stored !== "string")
        return { ok: false, entries: [] }
    if (stored.trim() === "")
        return { ok: true, entries: [] }
    // A list that parses whole (what this program writes) is read in one
    // go, which a large list needs: the split below walks it character by
    // character, and is made only when an entry's own text is asked for.
    var whole = null
    try {
        whole = JSON.parse(stored)
    } catch (e) {
        whole = null
    }
    if (Array.isArray(whole)) {
        var from = { text: stored, count: whole.length, parts: null }
        return { ok: true, entries: whole.map(function (value, i) { return { value: value, at: i, from: from } }) }
    }
    var parts = _splitList(stored)
    if (parts === null)
        return { ok: false, entries: [] }
    return { ok: true, entries: parts.map(function (part, i) {
        try {
            var value = JSON.parse(part)
            return { value: value, source: part, json: JSON.stringify(value) }
        } catch (e) {
            return parts.cutOff && i === parts.length - 1 ? { text: part, cutOff: true } : { text: part }
        }
    }) }
}

// Tells the entries that their value changed in place (an entry inside
// them was added or removed): it is written as its value's JSON.
function markChanged(entry) {
    if (entry)
        entry.changed = true
}

// The text an entry was stored as, while its value is unchanged; undefined
// for a new or changed entry.
function _storedText(e) {
    if (e.changed === true)
        return undefined
    if (e.from !== undefined) {
        if (e.from.parts === null)
            e.from.parts = _splitList(e.from.text) || []
        // A list that parses whole splits into its entries; should it not,
        // the entry is written as its value's JSON.
        return e.from.parts.length === e.from.count ? e.from.parts[e.at] : undefined
    }
    if (e.source !== undefined && JSON.stringify(e.value) === e.json)
        return e.source
    return undefined
}

// The list's text again: new and changed entries as JSON, the others as
// they were stored.
// A cut-off tail goes last and the list stays open after it, so that its
// text reads back the same and swallows no entry written after it.
function entriesText(entries) {
    // A list read whole with entries added at its end (a range or a profile
    // saved) is that text with the new entries' JSON before its "]".
    var first = entries.length > 0 ? entries[0].from : undefined
    var kept = 0
    if (first !== undefined) {
        while (kept < entries.length && entries[kept].from === first && entries[kept].at === kept
               && entries[kept].changed !== true)
            ++kept
    }
    if (first !== undefined && kept === first.count
            && entries.slice(kept).every(function (e) { return e.text === undefined && e.from === undefined && e.source === undefined })) {
        var added = entries.slice(kept).map(function (e) { return JSON.stringify(e.value) })
        if (added.length === 0)
            return first.text
        var close = first.text.lastIndexOf("]")
        return first.text.slice(0, close) + (kept > 0 ? "," : "") + added.join(",") + first.text.slice(close)
    }
    // Values alone (the usual case) are written in one go.
    if (entries.every(function (e) { return e.text === undefined && e.source === undefined && e.from === undefined }))
        return JSON.stringify(entries.map(function (e) { return e.value }))
    // A list read whole with entries gone, changed or added (a range or a
    // folder deleted): each run of entries that lie in its text one after
    // the other is cut from it in one piece.
    var runs = first !== undefined ? _runsText(entries, first) : null
    if (runs !== null)
        return runs
    var whole = entries.filter(function (e) { return !e.cutOff })
    var cut = entries.filter(function (e) { return e.cutOff })
    var texts = whole.map(function (e) {
        if (e.text !== undefined)
            return e.text
        var stored = _storedText(e)
        return stored !== undefined ? stored : JSON.stringify(e.value)
    })
    if (cut.length === 0)
        return "[" + texts.join(",") + "]"
    return "[" + texts.concat(cut.map(function (e) { return e.text })).join(",")
}

// The text of `entries`, all read from `from` (a list that parses whole)
// or new, as entriesText writes it: each run of entries that lie one after
// the other in the stored text is cut from it in one piece. Only the commas
// around the runs are looked for, from the nearer end of the text: a
// delete near either end of a large list reads little of it. null when
// other entries are among them.
function _runsText(entries, from) {
    // Plain loops: a call per entry costs a large list a tenth of a second.
    var i, e
    for (i = 0; i < entries.length; ++i) {
        e = entries[i]
        if (e.from !== from && (e.from !== undefined || e.text !== undefined || e.source !== undefined))
            return null
    }
    // Runs as [first, last] stored places, new and changed entries as text.
    var items = []
    var run = null
    for (i = 0; i < entries.length; ++i) {
        e = entries[i]
        var stored = e.from === from && e.changed !== true
        if (stored && run !== null && e.at === run[1] + 1) {
            run[1] = e.at
            continue
        }
        run = stored ? [e.at, e.at] : null
        items.push(stored ? run : JSON.stringify(e.value))
    }
    var s = from.text, count = from.count
    var open = s.indexOf("["), close = s.lastIndexOf("]")
    // Comma k lies between stored entries k and k + 1.
    var lower = -1, upper = count
    var half = (count - 1) / 2
    var need = function (k) {
        if (k < half)
            lower = Math.max(lower, k)
        else
            upper = Math.min(upper, k)
    }
    items.forEach(function (item) {
        if (typeof item === "string")
            return
        if (item[0] > 0)
            need(item[0] - 1)
        if (item[1] < count - 1)
            need(item[1])
    })
    var commas = Object.create(null)
    if (open < 0 || close < open || !_commasForward(s, open, close, lower, commas)
            || !_commasBackward(s, open, close, count, upper, commas))
        return null
    var pieces = items.map(function (item) {
        if (typeof item === "string")
            return item
        return s.slice(item[0] === 0 ? open + 1 : commas[item[0] - 1] + 1, item[1] === count - 1 ? close : commas[item[1]])
    })
    return "[" + pieces.join(",") + "]"
}

// Finds the top-level commas 0 to `last` of the list between `open` and
// `close`, walking from its start; `commas[k]` is where comma k lies.
// Returns whether it found them all.
function _commasForward(s, open, close, last, commas) {
    var depth = 0, k = 0
    for (var i = open + 1; i < close && k <= last; ++i) {
        var c = s.charCodeAt(i)
        if (c === 34) { // quote
            i = _closingQuote(s, i)
            if (i < 0)
                return false
        } else if (c === 91 || c === 123) { // [ {
            ++depth
        } else if (c === 93 || c === 125) { // ] }
            --depth
        } else if (c === 44 && depth === 0) { // comma
            commas[k++] = i
        }
    }
    return k > last
}

// As _commasForward for the commas from `first` to the last of a list of
// `count` entries, walking back from its end.
function _commasBackward(s, open, close, count, first, commas) {
    var depth = 0, k = count - 2
    for (var i = close - 1; i > open && k >= first; --i) {
        var c = s.charCodeAt(i)
        if (c === 34) { // quote
            i = _openingQuote(s, i)
            if (i < 0)
                return false
        } else if (c === 93 || c === 125) { // ] }
            ++depth
        } else if (c === 91 || c === 123) { // [ {
            --depth
        } else if (c === 44 && depth === 0) { // comma
            commas[k--] = i
        }
    }
    return k < first
}

// Whether the quote at `at` is escaped: an odd number of backslashes
// stands before it.
function _escaped(s, at) {
    var slashes = 0
    while (s.charCodeAt(at - 1 - slashes) === 92) // backslash
        ++slashes
    return slashes % 2 === 1
}

// The quote that closes the string opened at `at`, or -1.
function _closingQuote(s, at) {
    var q = at
    do
        q = s.indexOf("\"", q + 1)
    while (q >= 0 && _escaped(s, q))
    return q
}

// The quote that opens the string closed at `at`, or -1.
function _openingQuote(s, at) {
    var q = at
    do
        q = s.lastIndexOf("\"", q - 1)
    while (q >= 0 && _escaped(s, q))
    return q
}

// The entries as read from `text`, the list they were just written as:
// each keeps its place in it, so that the next edit need not read the
// list again. Entries written around a text that could not be read are
// left as they are.
function entriesWritten(entries, text) {
    if (entries.some(function (e) { return e.text !== undefined }))
        return entries
    var from = { text: text, count: entries.length, parts: null }
    entries.forEach(function (e, i) {
        e.at = i
        e.from = from
        delete e.changed
        delete e.source
        delete e.json
    })
    return entries
}

// The element texts of a top-level "[...]", split at the commas outside
// strings, brackets and braces; null when the text is not such a list.
// Text that ends before the closing "]" gives its complete entries and the
// rest as a last part, and the list is marked `cutOff`. A string is passed
// over by looking for its closing quote rather than character by
// character: a large list is mostly strings.
function _splitList(s) {
    var n = s.length, i = 0
    while (i < n && s.charCodeAt(i) <= 32)
        ++i
    if (s.charAt(i) !== "[")
        return null
    var parts = [], start = i + 1, depth = 0
    for (++i; i < n; ++i) {
        var c = s.charCodeAt(i)
        if (c === 34) { // quote: to the next one that no backslash escapes
            var close = _closingQuote(s, i)
            if (close < 0)
                break
            i = close
        } else if (c === 91 || c === 123) { // [ {
            ++depth
        } else if ((c === 93 || c === 125) && depth > 0) { // ] }
            --depth
        } else if (c === 93) {
            if (s.slice(start, i).trim() !== "" || parts.length > 0)
                parts.push(s.slice(start, i))
            return s.slice(i + 1).trim() === "" ? parts : null
        } else if (c === 44 && depth === 0) { // comma
            parts.push(s.slice(start, i))
            start = i + 1
        }
    }
    if (s.slice(start).trim() !== "") {
        parts.push(s.slice(start))
        parts.cutOff = true
    }
    return parts
}

// The readable profiles of stored entries, each with the entry it came from.
function profilesOf(entries) {
    var values = entries.map(function (e) { return e.text === undefined ? e.value : null })
    return sanitize(values, null)
}

// The entries without the profiles of that id.
function withoutProfile(entries, id) {
    var key = String(id)
    var seen = Object.create(null)
    return entries.filter(function (e) {
        var profile = e.text === undefined ? _cleanProfile(e.value, null, seen) : null
        return !profile || profile.id !== key
    })
}

// Stored entries made to hold the clean `values`, given the clean value
// each entry reads as (`cleaned[i]`, null for none): an entry whose clean
// value is among `values` stays as it was stored, fields this version does
// not know included; an entry that cannot be read, or reads as no value,
// stays where it lies; the other entries go, and the values not stored yet
// follow at the end.
function entriesHolding(entries, cleaned, values) {
    var pending = Object.create(null)
    values.forEach(function (v) {
        var key = JSON.stringify(v)
        pending[key] = (pending[key] || 0) + 1
    })
    var out = entries.filter(function (e, i) {
        if (e.text !== undefined || !cleaned[i])
            return true
        var key = JSON.stringify(cleaned[i])
        if (!(pending[key] > 0))
            return false
        --pending[key]
        return true
    })
    values.forEach(function (v) {
        var key = JSON.stringify(v)
        if (pending[key] > 0) {
            --pending[key]
            out.push({ value: v })
        }
    })
    return out
}

// The profile entries made to hold `profiles` (clean, with ids).
function entriesWithProfiles(entries, profiles) {
    var seen = Object.create(null)
    var cleaned = entries.map(function (e) { return e.text === undefined ? _cleanProfile(e.value, null, seen) : null })
    return entriesHolding(entries, cleaned, profiles)
}

// A stored JSON list read back: { ok, list }, the entries that cannot be
// read left out; see readEntries.
function readStoredList(text) {
    var stored = readEntries(text)
    var list = []
    stored.entries.forEach(function (e) { if (e.text === undefined) list.push(e.value) })
    return { ok: stored.ok, list: list }
}

// The stored profiles read back: { ok, profiles }.
function readStored(text, makeId) {
    var stored = readStoredList(text)
    return { ok: stored.ok, profiles: sanitize(stored.list, makeId) }
}

// The first value of a snapshot the page must not take, as { key, text },
// null when every value fits. Values a snapshot leaves out are not checked.
function snapshotProblem(data) {
    var refused = readSnapshot(data, NaN).refused
    return refused.length > 0 ? refused[0] : null
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
