.pragma library
// Made-up sample data for the gallery: a range and an action mix that vary
// smoothly over the grid. Not a real strategy.

.import "../../qml/components/handMatrix.js" as Matrix

function classAt(ranks, row, col) {
    return Matrix.handAt(ranks, row, col)
}

function sampleWeights(ranks) {
    var out = {}
    for (var row = 0; row < ranks.length; ++row)
        for (var col = 0; col < ranks.length; ++col) {
            var strength = 1 - (row + col) / (2 * ranks.length - 2)
            var w = Math.max(0, Math.min(1, (strength - 0.25) * 2.2))
            if (w > 0)
                out[classAt(ranks, row, col)] = Math.round(w * 4) / 4
        }
    return out
}

// Three actions per class; `shift` moves the mix so a benchmark can hand the
// matrix a different one each time.
function sampleMix(ranks, shift) {
    var s = shift || 0
    var out = {}
    for (var row = 0; row < ranks.length; ++row)
        for (var col = 0; col < ranks.length; ++col) {
            var big = Math.max(0, 0.7 - (row + col) * 0.06)
            var small = Math.min(1 - big, 0.15 + ((row * 7 + col * 3 + s) % 5) * 0.08)
            out[classAt(ranks, row, col)] = [1 - big - small, small, big]
        }
    return out
}
