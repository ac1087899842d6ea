.pragma library
// Pure rules of the theme, kept apart so they can be tested without a window.

// The first family of a comma-separated preference list that is installed,
// else the list's last entry (the generic family, which fontconfig maps to
// an installed font). Qt reads a family text as one name, not as a list.
function resolveFontFamily(list, installed) {
    var wanted = String(list).split(",").map(function (s) { return s.trim() }).filter(function (s) { return s.length > 0 })
    if (wanted.length === 0)
        return ""
    var present = Object.create(null)
    for (var i = 0; i < installed.length; ++i)
        present[String(installed[i]).toLowerCase()] = installed[i]
    for (var j = 0; j < wanted.length; ++j) {
        var hit = present[wanted[j].toLowerCase()]
        if (hit !== undefined)
            return hit
    }
    return wanted[wanted.length - 1]
}

// A stored accent text, trimmed, when it is "#RRGGBB" or "#AARRGGBB"; any
// other value (colour names, short forms, non-texts) gives "".
function validAccentHex(value) {
    if (typeof value !== "string")
        return ""
    var text = value.trim()
    return /^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$/.test(text) ? text : ""
}

// A colour of the theme by its role name; the fallback where a component is
// shown without a theme.
function roleColor(theme, role, fallback) {
    return theme ? theme[role] : fallback
}
