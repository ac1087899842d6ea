import QtQuick
import "themeRules.js" as ThemeRules

// Colours, metrics and fonts of the whole UI. One instance, created by the
// shell and handed to every page and control as `theme`. Every colour that
// depends on the palette or the accent is a binding, so changing `dark` or
// the accent recolours everything at once.
QtObject {
    id: theme

    // Inputs; the shell and the settings page write them.
    property bool dark: true
    property bool useAccentOverride: false
    property color accentOverride: "#3FB950"
    property color accent: useAccentOverride ? accentOverride : _defaultAccent

    // Backgrounds
    readonly property color bg0: dark ? "#080B12" : "#F4F6F9"
    readonly property color bg1: dark ? "#0D1117" : "#FFFFFF"
    readonly property color bg2: dark ? "#161B22" : "#F8FAFC"
    readonly property color surface: dark ? "#1C2128" : "#FFFFFF"
    readonly property color surface2: dark ? "#21262D" : "#F1F5F9"
    readonly property color surface3: dark ? "#2D333B" : "#E2E8F0"
    readonly property color surfaceHover: dark ? "#30363D" : "#E8ECF2"

    // Borders
    readonly property color stroke: dark ? "#30363D" : "#D1D9E0"
    readonly property color strokeLight: dark ? "#21262D" : "#E5E9EF"
    readonly property color strokeFocus: dark ? "#58A6FF" : "#2563EB"

    // Text
    readonly property color text: dark ? "#F0F6FC" : "#1F2937"
    readonly property color textMuted: dark ? "#8B949E" : "#6B7280"
    readonly property color textFaint: dark ? "#6E7681" : "#9CA3AF"
    readonly property color textInverse: dark ? "#0D1117" : "#FFFFFF"

    // Poker actions. Check keeps the default green whatever accent is chosen.
    readonly property color actionFold: dark ? "#E06C75" : "#B91C1C"
    readonly property color actionCheck: _defaultAccent
    readonly property color actionCall: dark ? "#58A6FF" : "#2563EB"
    readonly property color actionBet: dark ? "#A371F7" : "#7C3AED"
    readonly property color actionRaise: dark ? "#F0883E" : "#EA580C"
    readonly property color actionAllIn: darken(actionRaise, dark ? 0.35 : 0.20)

    // Accent
    readonly property color _defaultAccent: dark ? "#3FB950" : "#16A34A"
    readonly property color accentHover: lighten(accent, 0.12)
    readonly property color accentMuted: darken(accent, dark ? 0.6 : 0.35)

    // Secondary accent, information, status
    readonly property color gold: dark ? "#F0B429" : "#D97706"
    readonly property color goldMuted: dark ? "#9E6A03" : "#92400E"
    readonly property color info: dark ? "#58A6FF" : "#2563EB"
    readonly property color infoMuted: dark ? "#1F6FEB" : "#1D4ED8"
    readonly property color success: accent
    readonly property color warn: dark ? "#F0883E" : "#D97706"
    readonly property color danger: dark ? "#F85149" : "#DC2626"

    // Suits; spades stay dark because card faces are light in both palettes.
    readonly property color suitSpades: "#1F2937"
    readonly property color suitHearts: dark ? "#F85149" : "#DC2626"
    readonly property color suitDiamonds: dark ? "#58A6FF" : "#2563EB"
    readonly property color suitClubs: accent

    // Playing cards
    readonly property color cardFace: "#FFFEF5"
    readonly property color cardBack: dark ? "#1C4B82" : "#1E3A5F"
    readonly property color cardBorder: dark ? "#30363D" : "#D1D9E0"

    // Heat-map scale
    readonly property color heatCold: dark ? "#1F6FEB" : "#3B82F6"
    readonly property color heatWarm: dark ? "#F0883E" : "#F59E0B"
    readonly property color heatHot: dark ? "#F85149" : "#EF4444"

    // Metrics
    readonly property int radiusXs: 4
    readonly property int radiusSm: 8
    readonly property int radiusMd: 12
    readonly property int radiusLg: 16
    readonly property int radiusXl: 20
    readonly property int radiusFull: 9999

    readonly property int spaceXs: 4
    readonly property int spaceSm: 8
    readonly property int spaceMd: 12
    readonly property int spaceLg: 16
    readonly property int spaceXl: 24
    readonly property int space2Xl: 32

    readonly property real shadowOpacity: dark ? 0.5 : 0.15
    readonly property string shadowSm: dark ? "0 1px 2px rgba(0,0,0,0.5)" : "0 1px 2px rgba(0,0,0,0.1)"
    readonly property string shadowMd: dark ? "0 4px 6px rgba(0,0,0,0.5)" : "0 4px 6px rgba(0,0,0,0.1)"
    readonly property string shadowLg: dark ? "0 10px 15px rgba(0,0,0,0.5)" : "0 10px 15px rgba(0,0,0,0.1)"

    readonly property int durationFast: 100
    readonly property int durationNormal: 200
    readonly property int durationSlow: 300

    // Families in order of preference, resolved once to the first one that
    // is installed (else the generic family at the end of each list).
    readonly property string fontFamily: ThemeRules.resolveFontFamily(
        "Segoe UI, system-ui, -apple-system, sans-serif", Qt.fontFamilies())
    readonly property string fontMono: ThemeRules.resolveFontFamily(
        "JetBrains Mono, Cascadia Code, Consolas, monospace", Qt.fontFamilies())

    // A stored accent text ("ui" setting accentHex) applied at start: a valid
    // "#RRGGBB" or "#AARRGGBB" becomes the override; anything else, the empty
    // text included, means no override.
    function applyStoredAccent(value) {
        var hex = ThemeRules.validAccentHex(value)
        if (hex !== "")
            accentOverride = hex
        useAccentOverride = hex !== ""
    }

    function suitColor(suit: string): color {
        switch (suit.toLowerCase()) {
        case "s": case "spades": return suitSpades
        case "h": case "hearts": return suitHearts
        case "d": case "diamonds": return suitDiamonds
        case "c": case "clubs": return suitClubs
        default: return text
        }
    }

    // Sized bets run from indigo (small) to magenta (200 % and more), sized
    // raises from orange to amber; other names take their action colour.
    function actionColor(action) {
        if (action === undefined || action === null)
            return textMuted
        var key = String(action).toLowerCase()
        var sized = /^(bet|raise)\s+(\d+(?:\.\d+)?)\s*%/.exec(key)
        if (sized) {
            var p = Number(sized[2])
            if (isFinite(p)) {
                var t = Math.max(0, Math.min(1, p / 200))
                if (sized[1] === "bet") {
                    var b0 = dark ? 0.56 : 0.40, b1 = dark ? 0.76 : 0.54
                    return Qt.hsla(0.66 + 0.24 * t, 0.74, b0 + (b1 - b0) * t, 1)
                }
                var r0 = dark ? 0.60 : 0.44, r1 = dark ? 0.72 : 0.56
                return Qt.hsla(0.07 + 0.04 * t, 0.78, r0 + (r1 - r0) * t, 1)
            }
        }
        switch (key) {
        case "fold": return actionFold
        case "check": return actionCheck
        case "call": return actionCall
        case "bet": return actionBet
        case "raise": return actionRaise
        case "allin": case "all-in": case "all_in": return actionAllIn
        default: return textMuted
        }
    }

    function withOpacity(color, alpha) {
        return Qt.rgba(color.r, color.g, color.b, alpha)
    }

    function lighten(color, amount) {
        return Qt.lighter(color, 1 + amount)
    }

    function darken(color, amount) {
        return Qt.darker(color, 1 + amount)
    }
}
