import QtQuick
import QtTest
import "../../qml/pages/rangeLibrary.js" as Library
import "../../qml/pages/builtinLibraries.js" as Builtin

// The built-in range libraries as the module carries them, and the rules
// that turn them into folder trees, without a page.
TestCase {
    name: "BuiltinLibraries"

    property int _ids: 0

    function makeId() {
        _ids += 1
        return "t" + _ids
    }

    // qmllint disable unqualified
    function resource(file) {
        return appController.readTextResource(":/Pellaris/qml/data/" + file)
    }
    // qmllint enable unqualified

    // "a / b / leaf=value" for every range, in tree order.
    function paths(nodes, prefix) {
        var out = []
        ;(nodes || []).forEach(function (n) {
            var p = (prefix ? prefix + " / " : "") + n.name
            if (Library.isFolder(n))
                out = out.concat(paths(n.children, p))
            else
                out.push(p + "=" + n.value)
        })
        return out
    }

    function childNames(nodes, path) {
        var list = nodes
        path.forEach(function (name) {
            list = list.filter(function (n) { return n.name === name })[0].children
        })
        return list.map(function (n) { return n.name })
    }

    function counts(nodes) {
        var c = { folders: 0, ranges: 0 }
        ;(function walk(list) {
            list.forEach(function (n) {
                if (Array.isArray(n.children)) {
                    c.folders += 1
                    walk(n.children)
                } else {
                    c.ranges += 1
                }
            })
        })(nodes)
        return c
    }

    // The solver reads the text and finds at least one hand in it.
    // qmllint disable unqualified
    function readable(text) {
        var read = appController.readRangeText(text, "holdem", "")
        return read.ok === true && Number(read.combos) > 0
    }
    // qmllint enable unqualified

    function test_resourcesHoldTheLibraries() {
        var standard = JSON.parse(resource("standard_ranges.json"))
        var population = JSON.parse(resource("exploit_ranges.json"))
        compare(standard.oop.standard.length, 875)
        compare(standard.ip.standard.length, 855)
        compare(counts(population.oop.exploit), { folders: 81, ranges: 193 })
        compare(counts(population.ip.exploit), { folders: 81, ranges: 202 })
        compare(population.format, "halvory_ranges_export")
        compare(population.oop.standard, [])

        ;["oop", "ip"].forEach(function (seat) {
            var spots = seat === "oop" ? 43 : 42
            var list = standard[seat].standard
            var names = list.map(function (e) { return e.name })
            // Every stack and rake block lists the same spots, in one order.
            var first = names.slice(0, spots).map(function (n) { return n.replace("6-max / 50bb / No rake / ", "") })
            var i = 0
            Builtin.STACKS.forEach(function (stack) {
                Builtin.RAKES.forEach(function (rake) {
                    first.forEach(function (spot) {
                        compare(names[i++], "6-max / " + stack + " / " + rake + " / " + spot)
                    })
                })
            })
            Builtin.RAKES.forEach(function (rake) {
                for (var k = 0; k < 3; ++k)
                    verify(names[i++].indexOf("Heads up / " + rake + " / ") === 0)
            })
            list.forEach(function (e) { verify(readable(e.value), e.name + ": " + e.value) })
            paths(population[seat].exploit).forEach(function (p) {
                verify(readable(p.substring(p.indexOf("=") + 1)), p)
            })
        })
        compare(JSON.parse(resource("standard_ranges.json")).oop.standard[0].name, "6-max / 50bb / No rake / RFI UTG")
    }

    function test_standardTree_data() {
        return [
            { tag: "older rake name without game or stack", name: "50nl rake / RFI UTG",
              want: "6-max, 100bb / 50nl rake / RFI / UTG" },
            { tag: "unknown first part stays whole", name: "Foo / RFI UTG",
              want: "6-max, 100bb / No rake / Foo / RFI UTG" },
            { tag: "heads-up spot under its whole name", name: "Heads up / No rake / vs RFI SB: Call BB",
              want: "Heads up / No rake / vs RFI SB: Call BB" },
            { tag: "a 4-bet spot before the 3-bet rule", name: "6-max / 200bb / No rake / SB 3bet vs UTG 4bet: SB Call",
              want: "6-max, 200bb / No rake / vs 4bet / SB 3bet vs UTG 4bet / SB Call" },
            { tag: "a 3-bet spot", name: "6-max / 150bb / 500nl rake / UTG vs HJ 3bet: UTG 4bet",
              want: "6-max, 150bb / 500nl rake / vs 3bet / UTG vs HJ 3bet / UTG 4bet" },
            { tag: "vs RFI without an opener", name: "6-max / 50bb / No rake / vs RFI Call",
              want: "6-max, 50bb / No rake / vs RFI / Call" },
            { tag: "bare spot", name: "RFI CO", want: "6-max, 100bb / No rake / RFI / CO" },
        ]
    }

    function test_standardTree(data) {
        var tree = Builtin.buildStandardTree([{ name: data.name, value: "AA" }, null, { name: "  " }], makeId)
        compare(paths(tree), [data.want + "=AA"])
    }

    function test_emptyStandardTreeHasEveryFolder() {
        var tree = Builtin.buildStandardTree([], makeId)
        compare(tree.map(function (n) { return n.name }),
                ["6-max, 50bb", "6-max, 100bb", "6-max, 150bb", "6-max, 200bb", "Heads up"])
        compare(childNames(tree, ["6-max, 200bb"]), Builtin.RAKES)
        compare(childNames(tree, ["6-max, 50bb", "500nl rake"]), ["RFI", "vs RFI", "vs 3bet", "vs 4bet"])
        compare(childNames(tree, ["Heads up"]), Builtin.RAKES)
        compare(childNames(tree, ["Heads up", "No rake"]), [])
    }

    function test_resourceTreeOrder() {
        var standard = JSON.parse(resource("standard_ranges.json"))
        var oop = Builtin.buildStandardTree(standard.oop.standard, makeId)
        var ip = Builtin.buildStandardTree(standard.ip.standard, makeId)
        compare(childNames(oop, ["6-max, 100bb", "No rake", "vs RFI", "vs UTG RFI"]), ["Call SB", "3bet SB", "Call BB", "3bet BB"])
        compare(childNames(ip, ["6-max, 100bb", "No rake", "RFI"]), ["UTG", "HJ", "CO", "BTN", "SB"])
        // Flattened back, the tree gives the resource's own list.
        compare(Builtin.flattenStandardForExport(oop, makeId), standard.oop.standard)
        compare(Builtin.flattenStandardForExport(ip, makeId), standard.ip.standard)
    }

    function test_stripWeights_data() {
        return [
            { tag: "weights go", text: "AA, 88:0.8, KQs:.5", want: "AA, 88, KQs" },
            { tag: "blanks and runs of commas", text: " AA,, KK  QQ:1 ", want: "AA, KK, QQ" },
            { tag: "a bare colon stays", text: "AA:", want: "AA:" },
            { tag: "blank", text: "  ", want: "" },
        ]
    }

    function test_stripWeights(data) {
        compare(Builtin.stripWeightsText(data.text), data.want)
    }

    function test_overrides_data() {
        var leaf = "6-max, 100bb / No rake / RFI / UTG"
        return [
            { tag: "own path", stored: { "6-max, 100bb / No rake / RFI / UTG": "AA" }, path: leaf, want: "AA" },
            { tag: "older key without the 100bb stack", stored: { "6-max / No rake / RFI / UTG": "KK" }, path: leaf, want: "KK" },
            { tag: "older key with the stack as a part", stored: { "6-max / 50bb / No rake / RFI / UTG": "QQ" },
              path: "6-max, 50bb / No rake / RFI / UTG", want: "QQ" },
            { tag: "older key does not reach another stack", stored: { "6-max / No rake / RFI / UTG": "KK" },
              path: "6-max, 50bb / No rake / RFI / UTG", want: "old" },
            { tag: "list form, keys trimmed, blank values dropped",
              stored: [{ key: " 6-max, 100bb / No rake / RFI / UTG ", value: "JJ" }, { key: "x", value: " " }],
              path: leaf, want: "JJ" },
            { tag: "empty override counts as absent", stored: { "6-max, 100bb / No rake / RFI / UTG": "" }, path: leaf, want: "old" },
        ]
    }

    function test_overrides(data) {
        var parts = data.path.split(" / ")
        var tree = [{ id: "f", type: "folder", name: parts[0], children: [] }], folder = tree[0]
        parts.slice(1, -1).forEach(function (name) {
            var next = { id: name, type: "folder", name: name, children: [] }
            folder.children.push(next)
            folder = next
        })
        folder.children.push({ id: "leaf", type: "range", name: parts[parts.length - 1], value: "old" })
        var map = Builtin.sanitizeOverrideMap(data.stored)
        compare(paths(Builtin.applyOverrides(tree, map, [])), [data.path + "=" + data.want])
        compare(Builtin.findPathKeyById(tree, "leaf", []), data.path)
    }

    function test_populationCompletedFromTemplate() {
        var template = Builtin.buildExploitTree("oop", Builtin.buildStandardTree([], makeId), makeId)
        var names = template.map(function (n) { return n.name })
        var onlyRanges = Builtin.completePopulationTree([{ name: "Loose", value: "AA" }], template, makeId)
        compare(onlyRanges.map(function (n) { return n.name }), names)
        var withoutOther = template.slice(0, 4).reverse()
        var completed = Builtin.completePopulationTree(withoutOther, template, makeId)
        compare(completed.map(function (n) { return n.name }), names.slice(0, 4).reverse().concat(["Other"]))
    }
}
