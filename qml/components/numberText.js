.pragma library
// Numbers as the controls show them: always a point as the decimal
// separator, whatever the locale.

// Fixed decimals rounded half away from zero; the sign is the number's own.
function fixed(value, decimals) {
    var v = Number(value)
    var scale = Math.pow(10, decimals)
    var magnitude = Math.round(Math.abs(v) * scale) / scale
    var text = magnitude.toFixed(decimals)
    return v < 0 ? "-" + text : text
}

// A share 0..1 as a whole percentage, halves rounded up.
function percent(share) {
    return Math.floor(Number(share) * 100 + 0.5)
}
