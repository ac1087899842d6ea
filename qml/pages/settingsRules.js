.pragma library
// Rules of the settings page that draw nothing.

// "#" followed by exactly 6 or 8 hex digits, after trimming.
function isValidHexColor(s) {
    if (s === undefined || s === null)
        return false
    return /^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$/.test(String(s).trim())
}

function _hex2(unit) {
    var v = Math.max(0, Math.min(255, Math.round(unit * 255)))
    return (v < 16 ? "0" : "") + v.toString(16)
}

// A colour as stored: "#rrggbb", or "#aarrggbb" when it is not opaque.
function colorHexText(c) {
    var rgb = _hex2(c.r) + _hex2(c.g) + _hex2(c.b)
    return "#" + (c.a < 1 ? _hex2(c.a) : "") + rgb
}

// Index of the entry whose code equals the language code ("system" when the
// code is missing or empty); 0, the system default, when none does.
function languageIndex(codes, code) {
    var wanted = code === undefined || code === null || String(code) === "" ? "system" : String(code)
    var i = codes.indexOf(wanted)
    return i < 0 ? 0 : i
}

// Which download line the update card shows: "" none, "done", "percent"
// or "unsized".
function downloadLine(busy, downloaded, bytesTotal) {
    if (downloaded)
        return "done"
    if (!busy)
        return ""
    return Number(bytesTotal) > 0 ? "percent" : "unsized"
}
