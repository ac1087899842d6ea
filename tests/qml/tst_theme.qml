import QtQuick
import QtTest
import Pellaris
import "../../qml/theme/themeRules.js" as ThemeRules

TestCase {
    name: "Theme"

    Theme { id: theme }

    function init() {
        theme.dark = true
        theme.useAccentOverride = false
        theme.accentOverride = "#3FB950"
    }

    function sameColor(actual, expected, what) {
        verify(Qt.colorEqual(actual, expected), what + ": got " + actual + ", expected " + expected)
    }

    // Sized bets: hue 0.66 + 0.24 t, saturation 0.74; sized raises: hue
    // 0.07 + 0.04 t, saturation 0.78; t = size / 200 clamped to 1.
    function test_actionColor_data() {
        return [
            { tag: "Bet 75% dark", dark: true, action: "Bet 75%", want: Qt.hsla(0.75, 0.74, 0.635, 1) },
            { tag: "Bet 75% light", dark: false, action: "Bet 75%", want: Qt.hsla(0.75, 0.74, 0.4525, 1) },
            { tag: "blank before %, text after", dark: true, action: "bet 75 % (7.5)", want: Qt.hsla(0.75, 0.74, 0.635, 1) },
            { tag: "bet 0%", dark: true, action: "bet 0%", want: Qt.hsla(0.66, 0.74, 0.56, 1) },
            { tag: "raise 250% as 200%", dark: true, action: "Raise 250%", want: Qt.hsla(0.11, 0.78, 0.72, 1) },
            { tag: "raise 100% light", dark: false, action: "raise 100%", want: Qt.hsla(0.09, 0.78, 0.50, 1) },
            { tag: "bet75% unsized", dark: true, action: "bet75%", role: "textMuted" },
            { tag: "leading blank", dark: true, action: " bet 75%", role: "textMuted" },
            { tag: "no percent sign", dark: true, action: "bet 75", role: "textMuted" },
            { tag: "fraction without digit", dark: true, action: "bet .5%", role: "textMuted" },
            { tag: "All-In", dark: true, action: "All-In", role: "actionAllIn" },
            { tag: "ALLIN", dark: false, action: "ALLIN", role: "actionAllIn" },
            { tag: "all in", dark: true, action: "all in", role: "textMuted" },
            { tag: "Check", dark: true, action: "Check", role: "actionCheck" },
            { tag: "fold", dark: false, action: "fold", role: "actionFold" },
            { tag: "undefined", dark: true, action: undefined, role: "textMuted" },
            { tag: "null", dark: true, action: null, role: "textMuted" },
            { tag: "number", dark: true, action: 5, role: "textMuted" }
        ]
    }

    function test_actionColor(data) {
        theme.dark = data.dark
        sameColor(theme.actionColor(data.action), data.role ? theme[data.role] : data.want, data.tag)
    }

    function test_allInDarkensRaise() {
        sameColor(theme.actionAllIn, Qt.darker("#F0883E", 1.35), "dark")
        theme.dark = false
        sameColor(theme.actionAllIn, Qt.darker("#EA580C", 1.20), "light")
    }

    function test_suitColor_data() {
        return [
            { tag: "S dark", dark: true, suit: "S", want: "#1F2937" },
            { tag: "S light", dark: false, suit: "S", want: "#1F2937" },
            { tag: "hearts", dark: true, suit: "Hearts", want: "#F85149" },
            { tag: "d light", dark: false, suit: "d", want: "#2563EB" },
            { tag: "empty", dark: true, suit: "", want: "#F0F6FC" },
            { tag: "x light", dark: false, suit: "x", want: "#1F2937" }
        ]
    }

    function test_suitColor(data) {
        theme.dark = data.dark
        sameColor(theme.suitColor(data.suit), data.want, data.tag)
    }

    function test_withOpacityReplacesAlpha() {
        var c = theme.withOpacity(Qt.rgba(0.2, 0.4, 0.6, 0.5), 0.2)
        fuzzyCompare(c.a, 0.2, 0.005)
        fuzzyCompare(c.r, 0.2, 0.005)
        fuzzyCompare(c.b, 0.6, 0.005)
    }

    function test_accentOverrideLeavesCheck() {
        theme.useAccentOverride = true
        theme.accentOverride = "#58A6FF"
        for (var dark of [true, false]) {
            theme.dark = dark
            sameColor(theme.accent, "#58A6FF", "accent")
            sameColor(theme.success, "#58A6FF", "success")
            sameColor(theme.suitClubs, "#58A6FF", "clubs")
            sameColor(theme.accentMuted, Qt.darker("#58A6FF", dark ? 1.6 : 1.35), "accentMuted")
            sameColor(theme.actionCheck, dark ? "#3FB950" : "#16A34A", "check")
            sameColor(theme.actionColor("check"), dark ? "#3FB950" : "#16A34A", "check by name")
        }
    }

    function test_storedAccent_data() {
        return [
            { tag: "six digits", stored: "#58A6FF", override: true },
            { tag: "eight digits, blanks", stored: "  #8058a6ff ", override: true },
            { tag: "empty", stored: "", override: false },
            { tag: "colour name", stored: "blue", override: false },
            { tag: "five digits", stored: "#12345", override: false },
            { tag: "not hexadecimal", stored: "#GGGGGG", override: false },
            { tag: "no hash", stored: "58A6FF", override: false },
            { tag: "undefined", stored: undefined, override: false },
            { tag: "number", stored: 42, override: false }
        ]
    }

    function test_storedAccent(data) {
        theme.useAccentOverride = true   // a bad value also clears an earlier override
        theme.applyStoredAccent(data.stored)
        compare(theme.useAccentOverride, data.override)
        if (!data.override)
            sameColor(theme.accent, "#3FB950", "default accent")
        else
            sameColor(theme.accent, String(data.stored).trim(), "override")
    }

    function test_fontListResolution_data() {
        var mono = "JetBrains Mono, Cascadia Code, Consolas, monospace"
        return [
            { tag: "first present", list: mono, installed: ["DejaVu Sans", "Consolas", "Cascadia Code"], want: "Cascadia Code" },
            { tag: "case differs", list: mono, installed: ["consolas"], want: "consolas" },
            { tag: "none present", list: mono, installed: ["DejaVu Sans"], want: "monospace" },
            { tag: "ui list", list: "Segoe UI, system-ui, -apple-system, sans-serif", installed: [], want: "sans-serif" },
            { tag: "name of a prototype member", list: "constructor, __proto__, monospace", installed: ["DejaVu Sans"], want: "monospace" }
        ]
    }

    function test_fontListResolution(data) {
        compare(ThemeRules.resolveFontFamily(data.list, data.installed), data.want)
    }

    TextMetrics { id: narrow; font.family: theme.fontMono; font.pixelSize: 13; text: "iiiiiiii" }
    TextMetrics { id: wide; font.family: theme.fontMono; font.pixelSize: 13; text: "MMMMMMMM" }

    function test_monoFontIsMonospaced() {
        compare(narrow.advanceWidth, wide.advanceWidth)
    }
}
