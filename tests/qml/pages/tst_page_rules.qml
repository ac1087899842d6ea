import QtQuick
import QtTest
import "../../../qml/pages/homeStats.js" as HomeStats
import "../../../qml/pages/projectFiles.js" as ProjectFiles
import "../../../qml/pages/settingsRules.js" as SettingsRules

// The figures and rules of the home and settings pages that draw nothing.
TestCase {
    name: "PageRules"

    function day(date, solves, runtimeMs, extra) {
        var c = { isPadding: false, date: date, isFuture: false, solves: solves, runtimeMsSum: runtimeMs }
        for (var k in extra)
            c[k] = extra[k]
        return c
    }

    function test_duration_data() {
        return [
            { tag: "90 s", sec: 90, text: "1m 30s" },
            { tag: "120 s", sec: 120, text: "2m" },
            { tag: "12.34 s", sec: 12.34, text: "12.3s" },
            { tag: "119.6 s is two minutes", sec: 119.6, text: "2m" },
            { tag: "zero", sec: 0, text: "—" },
            { tag: "not a number", sec: NaN, text: "—" }
        ]
    }
    function test_duration(data) {
        compare(HomeStats.formatDurationSeconds(data.sec), data.text)
    }

    function test_isoDate_data() {
        return [
            { tag: "plain", s: "2026-03-01", y: 2026, m: 2, d: 1 },
            { tag: "leading digits count", s: "2026-03-01T10", y: 2026, m: 2, d: 1 },
            { tag: "two parts", s: "2026-03", y: -1 },
            { tag: "letters", s: "x-03-01", y: -1 },
            { tag: "empty", s: "", y: -1 }
        ]
    }
    function test_isoDate(data) {
        var d = HomeStats.parseIsoDate(data.s)
        if (data.y < 0) {
            compare(d, undefined)
            return
        }
        compare([d.getFullYear(), d.getMonth(), d.getDate(), d.getHours()], [data.y, data.m, data.d, 0])
    }

    function test_weekStartsOnMonday_data() {
        return [
            { tag: "Sunday belongs to the week before", day: new Date(2026, 2, 8, 15), monday: 2 },
            { tag: "Monday is its own start", day: new Date(2026, 2, 2, 9), monday: 2 },
            { tag: "Wednesday", day: new Date(2026, 2, 4), monday: 2 }
        ]
    }
    function test_weekStartsOnMonday(data) {
        var m = HomeStats.startOfWeekMonday(data.day)
        compare([m.getMonth(), m.getDate(), m.getHours(), m.getDay()], [2, data.monday, 0, 1])
    }

    function test_gridTotals() {
        // Wednesday 4 March 2026; the Monday of that week is the 2nd.
        var now = new Date(2026, 2, 4, 18)
        var grid = [
            { isPadding: true },
            day("2026-02-27", 2, 30000),
            day("2026-03-02", 1.5, 0),          // counts as 2, no run time
            day("2026-03-04", 1, 60000),
            day("2026-03-05", 4, 1000, { isFuture: true }),
            day("2026-03-03", -3, NaN)
        ]
        var t = HomeStats.gridTotals(grid, now)
        compare(t.total, 5)
        compare(t.thisWeek, 3)
        compare(t.avgRuntimeSec, 30)        // 90 s over the 3 solves of timed days
        var empty = HomeStats.gridTotals([], now)
        compare([empty.total, empty.thisWeek, isNaN(empty.avgRuntimeSec)], [0, 0, true])
    }

    function test_historySeries() {
        var s = HomeStats.historySeries([
            { date: "a", solves: 1, runtimeMsSum: 0 },      // no run time yet
            { date: "b", solves: 0, runtimeMsSum: 0 },
            { date: "c", solves: 2, runtimeMsSum: 9000 },
            { date: "d", solves: 0, runtimeMsSum: 0 }       // keeps the average
        ])
        compare(s.cumulative, [1, 1, 3, 3])
        verify(isNaN(s.avgRuntimeSec[0]) && isNaN(s.avgRuntimeSec[1]))
        compare(s.avgRuntimeSec.slice(2), [3, 3])
        compare([s.maxY, s.maxRuntimeSec], [3, 3])
        var none = HomeStats.historySeries([])
        compare([none.cumulative.length, none.maxY, none.maxRuntimeSec], [0, 1, 1])
    }

    function test_hoverIndex_data() {
        return [
            { tag: "one day, anywhere", x: 400, w: 600, n: 1, i: 0 },
            { tag: "left of the plot", x: 0, w: 600, n: 5, i: 0 },
            { tag: "middle", x: 330, w: 600, n: 5, i: 2 },
            { tag: "past the right end", x: 900, w: 600, n: 5, i: 4 },
            { tag: "no days", x: 100, w: 600, n: 0, i: -1 }
        ]
    }
    function test_hoverIndex(data) {
        compare(HomeStats.hoverIndexAt(data.x, data.w, data.n), data.i)
    }

    function test_monthAndLevel() {
        var grid = [day("2026-02-23", 0, 0), day("2026-02-24", 0, 0), day("2026-02-25", 0, 0),
                    day("2026-02-26", 0, 0), day("2026-02-27", 0, 0), day("2026-02-28", 0, 0),
                    day("2026-03-01", 0, 0), day("2026-03-02", 0, 0)]
        compare([HomeStats.monthOfWeek(grid, 0), HomeStats.monthOfWeek(grid, 1)], [2, -1])
        compare([{ isPadding: true }, { solves: 0 }, { solves: 1.4 }, { solves: 2 }, { solves: 9 }, { solves: "x" }]
                .map(HomeStats.cellLevel), [-1, 0, 1, 2, 3, 0])
    }

    function test_playPart_data() {
        return [
            { tag: "accuracy rounds half up", hands: 3, v: 66.5, dec: 0, text: "67" },
            { tag: "ev loss three decimals", hands: 3, v: 0.1, dec: 3, text: "0.100" },
            { tag: "no hands", hands: 0, v: 0, dec: 0, text: "—" },
            { tag: "missing value", hands: 2, v: undefined, dec: 3, text: "—" }
        ]
    }
    function test_playPart(data) {
        compare(HomeStats.playPart(data.hands, data.v, data.dec), data.text)
    }

    function test_projectSuffix_data() {
        return [
            { tag: "no suffix", url: "file:///home/u/spot", out: "file:///home/u/spot.pellarisproj" },
            { tag: "own suffix kept", url: "file:///home/u/spot.json", out: "file:///home/u/spot.json" },
            { tag: "dot in a folder name", url: "file:///home/u.v/spot", out: "file:///home/u.v/spot.pellarisproj" },
            { tag: "hidden name", url: "file:///home/u/.spot", out: "file:///home/u/.spot.pellarisproj" },
            { tag: "encoded blank", url: "file:///home/u/my%20spot", out: "file:///home/u/my%20spot.pellarisproj" }
        ]
    }
    function test_projectSuffix(data) {
        compare(ProjectFiles.withProjectSuffix(data.url), data.out)
    }

    function test_hexColor_data() {
        return [
            { tag: "six digits", s: " #58a6FF ", ok: true },
            { tag: "eight digits", s: "#8058A6FF", ok: true },
            { tag: "short form", s: "#fff", ok: false },
            { tag: "no hash", s: "58A6FF", ok: false },
            { tag: "colour name", s: "blue", ok: false },
            { tag: "missing", s: undefined, ok: false }
        ]
    }
    function test_hexColor(data) {
        compare(SettingsRules.isValidHexColor(data.s), data.ok)
    }

    function test_storedColourText() {
        compare(SettingsRules.colorHexText(Qt.color("#58A6FF")), "#58a6ff")
        compare(SettingsRules.colorHexText(Qt.color("#8058A6FF")), "#8058a6ff")
    }

    function test_languageIndex_data() {
        var codes = ["system", "en", "es", "fr", "de"]
        return [
            { tag: "known", codes: codes, code: "de", i: 4 },
            { tag: "unknown stored code", codes: codes, code: "xx", i: 0 },
            { tag: "empty", codes: codes, code: "", i: 0 }
        ]
    }
    function test_languageIndex(data) {
        compare(SettingsRules.languageIndex(data.codes, data.code), data.i)
    }
}
