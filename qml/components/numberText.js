.pragma library
// Numbers as the controls show them: always a point as the decimal
// separator, whatever the locale.

// Fixed decimals rounded half away from zero; the sign is the number's own.
// The shift goes through the exponent of the shortest decimal text, so
// 1.005 rounds as written (to 1.01) rather than as its binary neighbour.
function fixed(value, decimals) {
    var v = Number(value)
    if (!isFinite(v))
        return String(v)
    var shifted = Math.round(Number(Math.abs(v) + "e" + decimals))
    var text = Number(shifted + "e-" + decimals).toFixed(decimals)
    return v < 0 ? "-" + text : text
}

// A share 0..1 as a whole percentage, halves rounded up.
function percent(share) {
    return Math.floor(Number(share) * 100 + 0.5)
}
