.pragma library
// Which page the user may go to, and where the main window opens. Pure
// functions, so the rules the tabs, the shortcuts and the window follow can
// be tested without a window.

var HOME = 0
var SETUP = 1
var SOLVE = 2
var RESULTS = 3
var SETTINGS = 4
var PAGE_COUNT = 5

// One rule set for every tab and shortcut. `state`: locked (the solve page is
// shown while a solve runs), hasResults, hasProject, canSolve.
function pageAllowed(index, state) {
    if (index !== Math.floor(index) || index < 0 || index >= PAGE_COUNT)
        return false
    if (state.locked && index !== SOLVE)
        return false
    if (index === RESULTS && !state.hasResults)
        return false
    if (index === SETUP && !state.hasProject)
        return false
    if (index === SOLVE && !state.canSolve)
        return false
    return true
}

// lo when the range is empty (hi < lo), else v limited to [lo, hi].
function clamp(v, lo, hi) {
    return hi < lo ? lo : Math.max(lo, Math.min(hi, v))
}

function _recommendedWidth(value) {
    var n = Number(value)
    return isFinite(n) && n > 0 ? Math.floor(n) : 0
}

// The window never asks for more than 95 % of the work area.
function minimumSize(available, recommendedWidth) {
    return {
        width: Math.min(Math.max(900, _recommendedWidth(recommendedWidth)), Math.floor(0.95 * available.width)),
        height: Math.min(650, Math.floor(0.95 * available.height))
    }
}

// Size and place of the window at start: wide enough for the set-up page,
// centred in the work area `available` ({x, y, width, height}).
function startGeometry(available, recommendedWidth) {
    var maxW = Math.floor(0.95 * available.width)
    var maxH = Math.floor(0.95 * available.height)
    var width = clamp(Math.max(1100, 1540, _recommendedWidth(recommendedWidth)), 900, maxW)
    var height = clamp(1200, 650, maxH)
    var minimum = minimumSize(available, recommendedWidth)
    return {
        x: available.x + Math.floor((available.width - width) / 2),
        y: available.y + Math.floor((available.height - height) / 2),
        width: width,
        height: height,
        minimumWidth: minimum.width,
        minimumHeight: minimum.height
    }
}
