.pragma library
// The project state's keys and types, the six presets that fill it, and the
// conversion applied to every value a project map brings in. Pure functions,
// so they can be tested without a shell.

.import "../pages/numericFields.js" as NumericFields

var SEATS = ["oop", "ip"]
var STREETS = ["Flop", "Turn", "River"]

// Sizing keys in the order a map is applied: per seat the bet texts, the
// raise texts, the all-in switches and (OOP only) the don't-donk switches;
// then the four jam fields.
var SIZING_KEYS = (function () {
    var keys = []
    SEATS.forEach(function (seat) {
        STREETS.forEach(function (s) { keys.push(seat + s + "BetSizesText") })
        STREETS.forEach(function (s) { keys.push(seat + s + "RaiseSizesText") })
        STREETS.forEach(function (s) { keys.push(seat + s + "AddAllIn") })
        if (seat === "oop")
            STREETS.forEach(function (s) { keys.push(seat + s + "DontDonk") })
    })
    return keys.concat(["oopAddAllInIfJamLtEnabled", "oopAddAllInIfJamLtPct",
                        "ipAddAllInIfJamLtEnabled", "ipAddAllInIfJamLtPct"])
})()

var GENERAL_KEYS = [
    "gameVariant", "boardText", "oopRangeText", "ipRangeText", "betSizesText",
    "maxIterations", "startingPot", "effectiveStack", "utilityModel", "oopStack",
    "ipStack", "icmPayoutsText", "icmOtherStacksText", "threadCount",
    "startingStreet", "targetExploitability", "rakePercent", "rakeCap"
]

// All 43 keys of the project state, in the order a map is applied. The
// variant comes first so that a variant change swaps the range memory before
// the map's own ranges arrive.
var PROJECT_KEYS = GENERAL_KEYS.concat(SIZING_KEYS)

// The settings the set-up and solve pages bind: every key but the thread count.
var PAGE_KEYS = PROJECT_KEYS.filter(function (k) { return k !== "threadCount" })

var INT_KEYS = ["maxIterations", "threadCount"]
var REAL_KEYS = ["startingPot", "effectiveStack", "oopStack", "ipStack", "targetExploitability",
                 "rakePercent", "rakeCap", "oopAddAllInIfJamLtPct", "ipAddAllInIfJamLtPct"]

function keyType(key) {
    if (INT_KEYS.indexOf(key) >= 0)
        return "int"
    if (REAL_KEYS.indexOf(key) >= 0)
        return "real"
    if (/(AddAllIn|DontDonk|Enabled)$/.test(key))
        return "bool"
    return "string"
}

// The rule each number of the state is read by: the rule of the page's
// field for it, where the page has one, so a project brings only what the
// field would take. Pots and stacks may be 0, as in the blank presets: such
// a spot loads and is not ready to solve.
var NUMBER_RULES = {
    maxIterations: NumericFields.RULES.iterations,
    threadCount: NumericFields.RULES.threads,
    startingPot: NumericFields.fromZero(NumericFields.RULES.chips),
    effectiveStack: NumericFields.fromZero(NumericFields.RULES.stack),
    oopStack: NumericFields.fromZero(NumericFields.RULES.seatStack),
    ipStack: NumericFields.fromZero(NumericFields.RULES.seatStack),
    targetExploitability: NumericFields.RULES.target,
    rakePercent: NumericFields.RULES.rakePercent,
    rakeCap: NumericFields.RULES.rakeCap,
    oopAddAllInIfJamLtPct: NumericFields.RULES.jamThreshold,
    ipAddAllInIfJamLtPct: NumericFields.RULES.jamThreshold
}

// The choices of the state's texts that have them, as the controller reads
// them (trimmed, any case).
var CHOICES = {
    gameVariant: ["holdem", "shortdeck"],
    utilityModel: ["cash", "icm"],
    startingStreet: ["flop", "turn", "river"]
}

// The longest board text: five cards and a blank between each two.
var MAX_BOARD_TEXT_LENGTH = 14

// A switch from a project or a profile: { ok, value }. Only true, false, 1,
// 0 and the texts "true" and "false" (any case, blanks around) are one.
function readFlag(value) {
    if (typeof value === "boolean")
        return { ok: true, value: value }
    if (typeof value === "number" && (value === 0 || value === 1))
        return { ok: true, value: value === 1 }
    if (typeof value === "string") {
        var word = value.trim().toLowerCase()
        if (word === "true" || word === "false")
            return { ok: true, value: word === "true" }
    }
    return { ok: false, value: undefined }
}

// A text of a fixed set of choices: { ok, value }, the value trimmed and
// lower-cased, as the controller reads it.
function readChoice(choices, value) {
    if (typeof value !== "string")
        return { ok: false, value: undefined }
    var word = value.trim().toLowerCase()
    return choices.indexOf(word) >= 0 ? { ok: true, value: word } : { ok: false, value: undefined }
}

// A value from a project map in the type of its property: { ok, value }.
// Numbers are read by their field's rule (a count is a whole number, "2.5"
// is not one); texts with choices take one of them; the board at most five
// cards' worth of text; other texts take texts and plain numbers; flags go
// by readFlag. Anything else is not ok, and the caller leaves it out.
function convertKey(key, value) {
    var no = { ok: false, value: undefined }
    if (value === undefined || value === null)
        return no
    if (CHOICES[key] !== undefined)
        return readChoice(CHOICES[key], value)
    var type = keyType(key)
    if (type === "string") {
        var t = typeof value
        if (key === "boardText" && (t !== "string" || value.length > MAX_BOARD_TEXT_LENGTH))
            return no
        return (t === "string" || t === "boolean" || (t === "number" && isFinite(value)))
                ? { ok: true, value: String(value) } : no
    }
    if (type === "bool")
        return readFlag(value)
    var read = NumericFields.read(NUMBER_RULES[key], value)
    return read.ok ? { ok: true, value: read.value } : no
}

// The state a loaded project gives: every key the map brings and its field
// takes, the new project's value for the others (also those a preset never
// carries: cash, no ICM stacks or lists), so nothing of the project open
// before stays.
function loadedProjectState(map, newProject) {
    var out = Object.assign({
        gameVariant: "holdem", utilityModel: "cash", oopStack: 0, ipStack: 0,
        icmPayoutsText: "", icmOtherStacksText: ""
    }, newProject)
    if (map && typeof map === "object") {
        PROJECT_KEYS.forEach(function (key) {
            if (!Object.prototype.hasOwnProperty.call(map, key))
                return
            var converted = convertKey(key, map[key])
            if (converted.ok)
                out[key] = converted.value
        })
    }
    return out
}

// The keys of a map that applying it leaves alone, with the value each
// brought: [{ key, text }].
function refusedKeys(map) {
    if (!map || typeof map !== "object")
        return []
    var out = []
    PROJECT_KEYS.forEach(function (key) {
        if (Object.prototype.hasOwnProperty.call(map, key) && !convertKey(key, map[key]).ok) {
            var text
            try {
                text = typeof map[key] === "string" ? map[key] : JSON.stringify(map[key])
            } catch (e) {
                text = ""
            }
            out.push({ key: key, text: String(text) })
        }
    })
    return out
}

// "shortdeck" or "holdem": trimmed and lower-cased, anything else is hold'em.
function normalizeVariant(variant) {
    var v = (variant === undefined || variant === null) ? "" : String(variant).trim().toLowerCase()
    return v === "shortdeck" ? "shortdeck" : "holdem"
}

var DEVELOPER_HOLDEM_OOP = "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,"
        + "J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,"
        + "65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45"
var DEVELOPER_HOLDEM_IP = "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,"
        + "95s:0.5,98o,86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s"
var SHORT_DECK_OOP = "AA-66,AKs-A6s,AKo,AQo,AJo,ATo:0.5,KQs-K9s,KQo,KJo:0.5,QJs-Q9s,QJo:0.5,JTs-J9s,"
        + "JTo:0.5,T9s,T8s:0.5,98s,87s,76s,97s:0.5,86s:0.5"
var SHORT_DECK_IP = "AA-66,AKs-A6s,AKo,AQo,AJo:0.5,KQs-K8s,KQo,KJo:0.5,QJs-Q8s,QJo:0.5,JTs-J8s,"
        + "JTo:0.5,T9s,T8s,98s,87s,76s,86s:0.5,97s:0.5,T9o:0.5,98o:0.25"

function _tokens(text) {
    return text.split(",").map(function (t) { return t.trim() }).filter(function (t) { return t.length > 0 })
}

// The user's hold'em OOP range: the developer range widened with a few
// offsuit and pair combinations and without the weakest small suited hands.
function userOopRange(developerOop) {
    var dropped = ["42s", "52s", "63s", "74s"]
    var text = developerOop.replace("A5s-A2s:0.5", "A5s,A4s,A3s-A2s:0.5").replace("ATo:0.75", "ATo")
    return _tokens(text)
            .concat(["A9o:0.5", "K8s:0.5", "Q8s:0.5", "77:0.5", "66:0.5", "55:0.25"])
            .filter(function (t) {
                return !dropped.some(function (d) { return t === d || t.indexOf(d + ":") === 0 })
            })
            .join(",")
}

function userIpRange(developerIp) {
    var text = developerIp.replace("AQo-A8o", "AQo-A7o")
            .replace("AJs-A2s", "AJs-A6s,A5s-A4s:0.5,A3s-A2s")
            .replace("Q2s+", "Q4s+,Q3s-Q2s:0.5")
    return _tokens(text)
            .concat(["QQ:0.25", "JJ:0.25", "TT:0.5", "A5o:0.5", "A4o:0.5", "J5s:0.5", "T5s:0.5"])
            .join(",")
}

// The 25 sizing fields: the same bet and raise texts for both seats (flop,
// turn, river), every switch off, both jam thresholds 0.
function _sizing(bets, raises) {
    var out = {}
    SEATS.forEach(function (seat) {
        for (var i = 0; i < STREETS.length; ++i) {
            out[seat + STREETS[i] + "BetSizesText"] = bets[i]
            out[seat + STREETS[i] + "RaiseSizesText"] = raises[i]
            out[seat + STREETS[i] + "AddAllIn"] = false
            if (seat === "oop")
                out[seat + STREETS[i] + "DontDonk"] = false
        }
        out[seat + "AddAllInIfJamLtEnabled"] = false
        out[seat + "AddAllInIfJamLtPct"] = 0.0
    })
    return out
}

function _blankSpot(threads) {
    return Object.assign({
        boardText: "", oopRangeText: "", ipRangeText: "", betSizesText: "",
        threadCount: threads, startingStreet: "flop"
    }, _sizing(["", "", ""], ["", "", ""]))
}

// The thread counts the presets carry: the machine's count when known,
// else 1 for the blank start and 12 for every other preset.
function _blankThreads(systemThreads) { return systemThreads > 0 ? systemThreads : 1 }
function _presetThreads(systemThreads) { return systemThreads > 0 ? systemThreads : 12 }

function startupBlankPreset(systemThreads) {
    return Object.assign(_blankSpot(_blankThreads(systemThreads)), {
        maxIterations: 0, startingPot: 0, effectiveStack: 0,
        targetExploitability: 0.0, rakePercent: 0.0, rakeCap: 0
    })
}

function newProjectPreset(developer, systemThreads) {
    return Object.assign(_blankSpot(_presetThreads(systemThreads)), {
        maxIterations: 400,
        startingPot: developer ? 180 : 18,
        effectiveStack: developer ? 910 : 91,
        targetExploitability: 0.5, rakePercent: 5.0,
        rakeCap: developer ? 30 : 3
    })
}

function defaultPreset(systemThreads) {
    return Object.assign({
        gameVariant: "holdem", boardText: "QsJh2h",
        oopRangeText: DEVELOPER_HOLDEM_OOP, ipRangeText: DEVELOPER_HOLDEM_IP,
        betSizesText: "52", maxIterations: 400, startingPot: 180, effectiveStack: 910,
        threadCount: _presetThreads(systemThreads), startingStreet: "flop",
        targetExploitability: 0.5, rakePercent: 5.0, rakeCap: 30
    }, _sizing(["52", "55", "70"], ["45", "45", "45"]))
}

function defaultPresetShortDeck(systemThreads) {
    return Object.assign(defaultPreset(systemThreads), {
        gameVariant: "shortdeck", boardText: "QsJh8h",
        oopRangeText: SHORT_DECK_OOP, ipRangeText: SHORT_DECK_IP
    })
}

function customerQuickSolvePreset(systemThreads) {
    return Object.assign(defaultPreset(systemThreads), {
        gameVariant: "holdem", boardText: "AdJd8s",
        oopRangeText: userOopRange(DEVELOPER_HOLDEM_OOP), ipRangeText: userIpRange(DEVELOPER_HOLDEM_IP),
        startingPot: 18, effectiveStack: 91, rakeCap: 3, betSizesText: "50"
    }, _sizing(["50", "75", "75"], ["50", "50", "75"]))
}

function customerQuickSolvePresetShortDeck(systemThreads) {
    return Object.assign(customerQuickSolvePreset(systemThreads), {
        gameVariant: "shortdeck", boardText: "AdJd8s",
        oopRangeText: SHORT_DECK_OOP, ipRangeText: SHORT_DECK_IP
    })
}

function quickSolvePresetForVariant(variant, developer, systemThreads) {
    if (normalizeVariant(variant) === "shortdeck")
        return developer ? defaultPresetShortDeck(systemThreads) : customerQuickSolvePresetShortDeck(systemThreads)
    return developer ? defaultPreset(systemThreads) : customerQuickSolvePreset(systemThreads)
}
