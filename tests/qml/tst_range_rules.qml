import QtQuick
import QtTest
import Pellaris
import "../../qml/pages/rangeLibrary.js" as Library
import "../../qml/pages/settingsProfiles.js" as Profiles

// The set-up page's range functions, which read by the solver's own reader
// (the real controller), and its library trees.
Item {
    id: root
    width: 1600
    height: 900

    Component { id: pageComponent; ProjectPage { anchors.fill: parent } }

    TestCase {
        name: "RangeRules"
        when: windowShown

        // One page serves every row: a page takes long to make.
        property var page: null

        function initTestCase() {
            page = pageComponent.createObject(root)
        }

        function cleanupTestCase() {
            page.destroy()
        }

        function makePage(variant) {
            page.gameVariant = variant || "holdem"
            page.boardText = ""
            return page
        }

        // The classes one item covers, as the solver reads it, in any order.
        function test_expandHand_data() {
            return [
                { tag: "pairs down", hand: "99-22", want: ["22", "33", "44", "55", "66", "77", "88", "99"] },
                { tag: "pairs up", hand: "22-55", want: ["22", "33", "44", "55"] },
                { tag: "suited range", hand: "A5s-A2s", want: ["A2s", "A3s", "A4s", "A5s"] },
                { tag: "suffixes differ", hand: "AKs-AQo", want: [] },
                { tag: "first ranks differ, in lower case", hand: "kqs-jts", want: ["JTs", "KQs", "QJs"] },
                { tag: "pair plus", hand: "JJ+", want: ["AA", "JJ", "KK", "QQ"] },
                { tag: "offsuit plus", hand: "K9o+", want: ["K9o", "KJo", "KQo", "KTo"] },
                { tag: "suited plus", hand: "A8s+", want: ["A8s", "A9s", "AJs", "AKs", "AQs", "ATs"] },
                { tag: "connector plus", hand: "87s+", want: ["87s", "98s", "AKs", "JTs", "KQs", "QJs", "T9s"] },
                { tag: "two ranks", hand: "AK", want: ["AKo", "AKs"] },
                { tag: "ranks the wrong way round", hand: "KA", want: [] },
                { tag: "lower case", hand: "aks", want: ["AKs"] },
                { tag: "lower-case pair", hand: "qq", want: ["QQ"] },
                { tag: "plus on two ranks", hand: "AK+", want: ["AKo", "AKs"] },
                { tag: "second rank above the first", hand: "8As+", want: [] },
                { tag: "single combination", hand: "AhKh:0.5", want: ["AKs"] },
                { tag: "short deck: ranks below six missing", hand: "22-99", short: true, want: ["66", "77", "88", "99"] },
                { tag: "short deck: 55-22", hand: "55-22", short: true, want: [] }
            ]
        }

        function test_expandHand(data) {
            var page = makePage(data.short ? "shortdeck" : "holdem")
            compare(page.expandHand(data.hand).sort(), data.want)
        }

        // Each row: the text, then [class, weight] pairs that must hold, and the
        // number of classes above 0. A text the solver refuses weighs nothing.
        function test_parseRangeWeights_data() {
            return [
                { tag: "pairs with a weighted one", text: "AA, KK, QQ, JJ, TT, 88:0.8",
                  checks: [["AA", 1], ["TT", 1], ["88", 0.8], ["99", undefined]], count: 6 },
                { tag: "later plus token overrides", text: "AA, KK:0.5, A5s-A2s:0.25, JJ+:0.75",
                  checks: [["AA", 0.75], ["KK", 0.75], ["JJ", 0.75], ["A3s", 0.25]], count: 8 },
                { tag: "shorthand then class", text: "AK:0.5, AKs", checks: [["AKs", 1], ["AKo", 0.5]], count: 2 },
                { tag: "weights out of bounds refuse the text", text: "AA:1.5, KK:-2, QQ:x, J",
                  checks: [["AA", undefined]], count: 0 },
                { tag: "empty weight", text: "AA:", checks: [["AA", undefined]], count: 0 },
                { tag: "later token wins", text: "AA, AA:0.3", checks: [["AA", 0.3]], count: 1 },
                { tag: "percentage", text: "25%", checks: [["72o", 0.25]], count: 169 },
                { tag: "percentage with a blank inside", text: "50 %", checks: [["AA", undefined]], count: 0 },
                { tag: "percentage above 100", text: "150%", checks: [["AA", undefined]], count: 0 },
                { tag: "trailing blank", text: "50% ", checks: [["AA", 0.5]], count: 169 },
                { tag: "short deck percentage", text: "50%", short: true, checks: [["66", 0.5], ["22", undefined]], count: 81 },
                { tag: "blank", text: "  ", checks: [["AA", undefined]], count: 0 }
            ]
        }

        function test_parseRangeWeights(data) {
            var page = makePage(data.short ? "shortdeck" : "holdem")
            var w = page.parseRangeWeights(data.text)
            data.checks.forEach(function (c) {
                if (c[1] === undefined)
                    compare(w[c[0]], undefined, c[0])
                else
                    fuzzyCompare(w[c[0]], c[1], 1e-6, c[0])
            })
            compare(Object.keys(w).filter(function (k) { return w[k] > 0 }).length, data.count)
        }

        function test_toggleHand_data() {
            return [
                { tag: "off removes the whole range token", text: "AA, KK:0.5, A5s-A2s", hand: "A3s", cur: 1, add: 1,
                  want: "AA, KK:0.5" },
                { tag: "off removes the plus token", text: "JJ+, 99", hand: "QQ", cur: 1, add: 1, want: "99" },
                { tag: "off removes both halves of a shorthand", text: "AK, QQ", hand: "AKo", cur: 1, add: 1, want: "QQ" },
                { tag: "off removes a single combination", text: "AhKd, QQ", hand: "AKo", cur: 1, add: 1, want: "QQ" },
                { tag: "on appends with weight", text: "AA, KK", hand: "QQ", cur: 0, add: 0.5, want: "AA, KK, QQ:0.5" },
                { tag: "three decimals", text: "", hand: "AKs", cur: 0, add: 0.333333, want: "AKs:0.333" },
                { tag: "0.999 is kept", text: "", hand: "88", cur: 0, add: 0.999, want: "88:0.999" },
                { tag: "0.9996 rounds to full", text: "", hand: "88", cur: 0, add: 0.9996, want: "88" },
                { tag: "zero weight", text: "KK", hand: "AA", cur: 0, add: 0, want: "KK, AA:0" },
                { tag: "percentage cleared", text: "50%", hand: "AKs", cur: 0.5, add: 1, want: "" },
                { tag: "percentage replaced", text: "0%", hand: "AKs", cur: 0, add: 0.5, want: "AKs:0.5" },
                { tag: "zero token stays before", text: "AA:0", hand: "AA", cur: 0, add: 1, want: "AA:0, AA" },
                { tag: "items split at commas only", text: "AA KK", hand: "QQ", cur: 0, add: 1, want: "AA KK, QQ" },
                // Names of Object.prototype members are items like any other.
                { tag: "prototype name kept when off", text: "AA, __proto__, KK:0.5", hand: "AA", cur: 1, add: 1,
                  want: "__proto__, KK:0.5" },
                { tag: "prototype name kept when on", text: "AA, constructor, KK:0.5", hand: "QQ", cur: 0, add: 1,
                  want: "AA, constructor, KK:0.5, QQ" }
            ]
        }

        function test_toggleHand(data) {
            compare(makePage().toggleHand(data.text, data.hand, data.cur, data.add), data.want)
        }

        // ---- Library trees ----

        property int idCount: 0
        function makeId() {
            idCount += 1
            return "id" + idCount
        }

        // Top level: folder A (B (x), y), range z, folder C (w).
        function sampleTree() {
            return [
                { id: "A", type: "folder", name: "A", children: [
                    { id: "B", type: "folder", name: "B", children: [{ id: "x", type: "range", name: "x", value: "AA" }] },
                    { id: "y", type: "range", name: "y", value: "KK" }] },
                { id: "z", type: "range", name: "z", value: "QQ" },
                { id: "C", type: "folder", name: "C", children: [{ id: "w", type: "range", name: "w", value: "JJ" }] }
            ]
        }

        function rowsFor(open) {
            return Library.flatten(sampleTree(), open, function (n) { return n }).map(function (r) {
                return r.depth + r.name
            }).join(" ")
        }

        function test_accordion_data() {
            return [
                { tag: "nothing open", clicks: [], want: "0A 0z 0C" },
                { tag: "open a top folder", clicks: ["A"], want: "0A 1B 1y" },
                { tag: "open its sub-folder", clicks: ["A", "B"], want: "0A 1B 2x" },
                { tag: "collapse the top folder", clicks: ["A", "B", "A"], want: "0A 0z 0C" },
                { tag: "reopen keeps the sub-folder", clicks: ["A", "B", "A", "A"], want: "0A 1B 2x" },
                { tag: "a sibling closes the other", clicks: ["A", "C"], want: "0C 1w" }
            ]
        }

        function test_accordion(data) {
            var open = {}
            data.clicks.forEach(function (id) { open = Library.toggledOpenFolders(sampleTree(), open, id) })
            compare(rowsFor(open), data.want)
        }

        function test_treeQueries() {
            var tree = sampleTree()
            compare(Library.countDescendants(tree[0]), 3)
            compare(Library.countDescendants(tree[1]), 0)
            compare(Library.countRanges(tree[0]), 2)
            compare(Library.countRanges(tree[1]), 0)
            compare(Library.findParentFolderId(tree, "x", ""), "B")
            compare(Library.findParentFolderId(tree, "z", ""), "")
            compare(Library.findParentFolderId(tree, "nope", ""), "")
            compare(Library.targetFolderId(tree, "y"), "A")
            compare(Library.targetFolderId(tree, "B"), "B")
            compare(Library.targetFolderId(tree, "z"), "")
            var without = Library.withNodeRemoved(tree, "B", makeId)
            compare(Library.findNode(without, "x"), null)
            compare(Object.keys(Library.existingOpenFolders(without, { A: true, B: true, y: true })), ["A"])
        }

        // Ids met again are told apart, the same way on every read.
        function test_repeatedIdsAreMadeUnique() {
            var tree = Library.sanitizeTree([{ id: "d", name: "a" },
                                             { id: "d", name: "b", children: [{ id: "d", name: "c" }] }], null)
            compare([tree[0].id, tree[1].id, tree[1].children[0].id], ["d", "d~2", "d~3"])
            compare(Library.sanitizeTree(tree, null), tree)
        }

        function test_addedNamesAreUnique() {
            var tree = [{ id: "F", type: "folder", name: "F", children: [
                { id: "1", type: "range", name: "BTN open", value: "AA" },
                { id: "2", type: "range", name: "BTN open (2)", value: "AA" }] }]
            var node = { id: "n", type: "range", name: "BTN open", value: "KK" }
            var inFolder = Library.withNodeAdded(tree, "F", node, makeId, Profiles.uniqueName)
            compare(inFolder[0].children[2].name, "BTN open (3)")
            var atTop = Library.withNodeAdded(tree, "", node, makeId, Profiles.uniqueName)
            compare(atTop[1].name, "BTN open")
            compare(tree[0].children.length, 2, "the given tree is not changed")
        }

        function test_sanitize() {
            var got = Library.sanitizeTree([null, { name: "  " , children: [{ name: "lost" }] },
                                            { name: " r ", value: " AA " }, { type: "folder", name: "f" },
                                            { id: "keep", name: "c", children: [] }, "text"], makeId)
            compare(got.length, 3)
            compare([got[0].type, got[0].name, got[0].value], ["range", "r", " AA "])
            verify(got[0].id !== "")
            compare([got[1].type, got[1].children], ["folder", []])
            compare([got[2].id, got[2].type], ["keep", "folder"])
            compare(Library.sanitizeTree({ name: "x" }, makeId), [])
        }

        // Edits of stored entries keep the tree they hold as reading the
        // entries afresh would make it, and their text reads back as that
        // tree: one removal, then one addition, on a list read whole.
        function test_editedEntriesReadAsStored_data() {
            var f = { id: "f", type: "folder", name: "F", children: [{ id: "in", name: "in", value: "KK" }] }
            return [
                { tag: "a top-level range", list: [{ id: "a", name: "A", value: "AA" }, f, { id: "b", name: "B" }], remove: "a", names: ["F", "B"] },
                { tag: "a top-level folder", list: [{ id: "a", name: "A" }, f, { id: "b", name: "B" }], remove: "f", names: ["A", "B"] },
                { tag: "an id given twice, the first", list: [{ id: "x", name: "X1" }, { id: "x", name: "X2" }, { id: "y", name: "Y" }], remove: "x", names: ["X2", "Y"] },
                { tag: "an id given twice, the second", list: [{ id: "x", name: "X1" }, { id: "x", name: "X2" }], remove: "x~2", names: ["X1"] },
                { tag: "a range without id", list: [{ name: "N", value: "1" }, { name: "N", value: "2" }, { id: "b", name: "B" }], remove: "/N#1", names: ["N", "B"] },
                { tag: "beside entries that are no node", list: [null, { name: "" }, 7, { id: "a", name: "A" }, { id: "b", name: "B" }], remove: "b", names: ["A"] },
                { tag: "inside a folder", list: [{ id: "a", name: "A" }, f], remove: "in", names: ["A", "F"] }
            ]
        }

        function test_editedEntriesReadAsStored(data) {
            var entries = Profiles.readEntries(JSON.stringify(data.list)).entries
            Library.treeOf(entries)
            verify(Library.removeFromEntries(entries, data.remove))
            var fresh = Profiles.readEntries(Profiles.entriesText(entries)).entries
            compare(Library.treeOf(entries), Library.treeOf(fresh))
            compare(Library.treeOf(fresh).map(function (n) { return n.name }), data.names)
            compare(Library.countDescendants({ type: "folder", children: Library.treeOf(fresh) }),
                    Library.countDescendants({ type: "folder", children: Library.sanitizeTree(data.list, null) }) - (data.remove === "f" ? 2 : 1))
            Library.addToEntriesWithTree(entries, "", { id: "n", type: "range", name: "New", value: "QQ" }, Profiles.uniqueName)
            var again = Profiles.readEntries(Profiles.entriesText(entries)).entries
            compare(Library.treeOf(entries), Library.treeOf(again))
        }

        function test_readStoredTree_data() {
            return [
                { tag: "blank", text: "", ok: true, count: 0 },
                { tag: "not JSON", text: "{oops", ok: false, count: 0 },
                { tag: "not a list", text: "{\"name\":\"x\"}", ok: false, count: 0 },
                { tag: "a list", text: "[{\"name\":\"x\",\"value\":\"AA\"}]", ok: true, count: 1 }
            ]
        }

        function test_readStoredTree(data) {
            var got = Library.readStoredTree(data.text, makeId)
            compare(got.ok, data.ok)
            compare(got.tree.length, data.count)
        }

        function test_importName_data() {
            return [
                { tag: "upper-case suffix", url: "file:///tmp/my_range.TXT", want: "my_range" },
                { tag: "decoded", url: "file:///tmp/my%20range.txt", want: "my range" },
                { tag: "other suffix kept", url: "file:///tmp/ranges.txt.bak", want: "ranges.txt.bak" },
                { tag: "backslash path", url: "C:\\ranges\\BTN.txt", want: "BTN" },
                { tag: "stray percent", url: "file:///tmp/50%.txt", want: "50%" }
            ]
        }

        function test_importName(data) {
            compare(Library.importNameFromUrl(data.url), data.want)
        }
    }
}
