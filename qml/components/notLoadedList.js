.pragma library
// The list of the "Some Values Not Loaded" messages: each value a project
// or a settings profile brought that its field would not take, named as the
// page names that field and quoted as a reason quotes a user's text (short,
// on one line, invisible characters as escapes).

// Project keys whose entry in a solve request is not their plain
// snake-case form ("startingPot" -> "starting_pot").
var REQUEST_KEYS = {
    boardText: "board",
    oopRangeText: "oop_range",
    ipRangeText: "ip_range",
    betSizesText: "bet_sizes",
    icmPayoutsText: "icm_payouts",
    icmOtherStacksText: "icm_other_stacks",
    oopAddAllInIfJamLtEnabled: "oop_add_all_in_jam_threshold_enabled",
    oopAddAllInIfJamLtPct: "oop_add_all_in_jam_threshold_pct",
    ipAddAllInIfJamLtEnabled: "ip_add_all_in_jam_threshold_enabled",
    ipAddAllInIfJamLtPct: "ip_add_all_in_jam_threshold_pct"
}

// The request key of a project key ("oopFlopBetSizesText" ->
// "oop_flop_bet_sizes"); a profile's keys are request keys already.
function requestKey(key) {
    var k = String(key)
    if (Object.prototype.hasOwnProperty.call(REQUEST_KEYS, k))
        return REQUEST_KEYS[k]
    return k.replace(/Text$/, "").replace(/[A-Z]/g, function (c) { return "_" + c.toLowerCase() })
}

// A text from a file or a store as a message quotes it: through
// `controller.quotedText` (short, on one line, invisible characters as
// escapes).
function quoted(text, controller) {
    var t = String(text)
    return !!controller && typeof controller.quotedText === "function" ? String(controller.quotedText(t)) : t
}

// One line for each of `entries` ([{ key, text }]): the field's name from
// `controller.fieldLabel` (the key itself where the page has no field for
// it) and the value quoted. Worded in the current language.
function lines(entries, controller) {
    var named = !!controller && typeof controller.fieldLabel === "function"
    return (entries || []).map(function (entry) {
        var label = named ? String(controller.fieldLabel(requestKey(entry.key))) : ""
        return qsTranslate("ProjectPage", "%1: \"%2\"")
                .arg(label !== "" ? label : String(entry.key))
                .arg(quoted(entry.text, controller))
    }).join("\n")
}
