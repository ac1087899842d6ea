import QtQuick
import QtTest
import Pellaris
import "../../qml/pages/builtinLibraries.js" as Builtin

// The set-up page's built-in libraries: loading, developer overrides that
// survive a restart, clearing them, the two exports and the labels. Files
// and resources go through the real controller; developer mode comes from
// a thin wrapper around it.
Item {
    id: root
    width: 1600
    height: 1500

    Component { id: pageComponent; ProjectPage { anchors.fill: parent } }

    SettingsSection { id: rangeStore; category: "ranges" }

    TestCase {
        name: "BuiltinLibraryPage"
        when: windowShown

        readonly property string utgPath: "6-max, 100bb / No rake / RFI / UTG"

        function init() {
            ["oopStandardOverridesJson", "ipStandardOverridesJson", "oopExploitOverridesJson", "ipExploitOverridesJson"]
                .forEach(function (key) { rangeStore.write({ [key]: "" }) })
        }

        // qmllint disable unqualified
        function controller(resources) {
            return {
                developerMode: true,
                readTextResource: function (path) {
                    if (resources && resources[path.substring(path.lastIndexOf("/") + 1)] !== undefined)
                        return resources[path.substring(path.lastIndexOf("/") + 1)]
                    return appController.readTextResource(path)
                },
                saveTextFile: function (url, text) { return appController.saveTextFile(url, text) }
            }
        }

        function readFile(url) {
            var result = appController.readTextFile(url)
            verify(result.ok, result.error)
            return result.text
        }

        function resourceEntry(seat, name) {
            var list = JSON.parse(appController.readTextResource(":/Pellaris/qml/data/standard_ranges.json"))[seat].standard
            return list.filter(function (e) { return e.name === name })[0].value
        }
        // qmllint enable unqualified

        function makePage(props) {
            var page = createTemporaryObject(pageComponent, root, props || {})
            waitForItemPolished(page)
            return page
        }

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        // The range at a path key of a tree.
        function leaf(tree, path) {
            var list = tree, node = null
            path.split(" / ").forEach(function (name) {
                node = list.filter(function (n) { return n.name === name })[0]
                verify(node, path)
                list = node.children
            })
            return node
        }

        // Opens the folders of a path in the seat's list with clicks and
        // picks the range at its end.
        function pick(page, seat, path) {
            path.split(" / ").forEach(function (name) {
                wait(0)
                waitForItemPolished(child(page, seat + "LibraryList"))
                mouseClick(child(page, seat + "LibraryRow_" + name))
            })
        }

        function shape(tree) {
            return Builtin.stripIdsForExport(tree)
        }

        function test_standardLeafLoadsIntoTheMatrix() {
            var page = makePage()
            compare(page._presetLoadError, "")
            mouseClick(child(page, "oopStandardTab"))
            pick(page, "oop", utgPath)
            compare(page.oopRangeText, resourceEntry("oop", "6-max / 100bb / No rake / RFI UTG"))
            verify(child(page, "oopMatrix").weightFor("AA") === 1)
            verify(!child(page, "oopOverrideButton").visible, "developer buttons need developer mode")
        }

        function test_templateWhenThePopulationResourceIsMissing() {
            var page = makePage({ _controllerSource: controller({ "exploit_ranges.json": "" }) })
            compare(page._presetLoadError, "")
            var utg = resourceEntry("oop", "6-max / 100bb / No rake / RFI UTG")
            verify(utg.indexOf(":") > 0, "the resource's UTG range has weights")
            compare(leaf(page.oopExploitRanges, "Weaker regs / Tighter reg / RFI / UTG").value, Builtin.stripWeightsText(utg))
            compare(leaf(page.ipExploitRanges, "Overfolder (10-22 VPIP) / Nit / BU / RFI").value, "")
            compare(leaf(page.oopExploitRanges, "Other / Bomb pot").value, "100%")
            verify(leaf(page.oopExploitRanges, "Passive (VPIP 18–65) / Passive tight (VPIP 18–25) / UTG/HJ/CO / RFI").value !== "")
        }

        function test_missingStandardResourceIsShown() {
            var page = makePage({ _controllerSource: controller({ "standard_ranges.json": " " }) })
            compare(page._presetLoadError, "Failed to load bundled standard presets (resource file missing/empty).")
            compare(page.oopStandardRanges, [])
            verify(page.oopExploitRanges.length === 5)
        }

        function test_withoutTheResourceReader() {
            var page = makePage({ _controllerSource: { developerMode: false } })
            compare(page._presetLoadError, "Failed to load bundled presets.")
            compare(page.oopStandardRanges, [])
            compare(leaf(page.ipExploitRanges, "Other / Bomb pot").value, "100%")
        }

        function test_overrideSurvivesARestart() {
            var page = makePage({ _controllerSource: controller() })
            mouseClick(child(page, "oopStandardTab"))
            pick(page, "oop", utgPath)
            page.oopRangeText = "AA, KK"
            mouseClick(child(page, "oopOverrideButton"))
            compare(leaf(page.oopStandardRanges, utgPath).value, "AA, KK")
            page.destroy()
            wait(0)

            var again = makePage({ _controllerSource: controller() })
            compare(leaf(again.oopStandardRanges, utgPath).value, "AA, KK")
            compare(leaf(again.ipStandardRanges, utgPath).value, resourceEntry("ip", "6-max / 100bb / No rake / RFI UTG"))
        }

        function test_overrideNeedsARangeAndText() {
            var page = makePage({ _controllerSource: controller() })
            page.oopRangeCategory = 1
            pick(page, "oop", "Other")
            verify(!child(page, "oopOverrideButton").enabled, "a folder is selected")
            pick(page, "oop", "Bomb pot")
            page.oopRangeText = "  "
            verify(!page.canOverrideExploit("oop"))
            page.oopRangeText = "QQ+"
            verify(child(page, "oopOverrideButton").enabled)
            verify(page.overrideSelectedExploitRange("oop"))
            compare(JSON.parse(rangeStore.value("oopExploitOverridesJson")), { "Other / Bomb pot": "QQ+" })
        }

        // Override text that cannot be read is said as damaged at start and
        // set aside, never written over, by an override and by clearing; a
        // damaged line of the file (one byte before a quote) is set aside as
        // it stands.
        function test_unreadableOverridesAreSetAside_data() {
            var map = "{\"Other / Bomb pot\":\"QQ+\",\"Other / Limp\":\"22+\"}"
            return [
                { tag: "override", op: "override" },
                { tag: "clear", op: "clear" },
                { tag: "damaged line, override", op: "override", map: map,
                  from: "\\\"Other / Bomb pot", to: "x\"Other / Bomb pot" },
                { tag: "damaged line, clear", op: "clear", map: map,
                  from: "\\\"Other / Bomb pot", to: "x\"Other / Bomb pot" }
            ]
        }

        function test_unreadableOverridesAreSetAside(data) {
            var damaged = "{\"Other / Bomb pot\": \"QQ+\""
            rangeStore.write({ oopExploitOverridesJson: data.map || damaged })
            rangeStore.write({ oopExploitOverridesJsonUnreadable: "" })
            if (data.from) {
                verify(harness.editSettingsFile(data.from, data.to), "the line is damaged")
                var line = harness.settingsFileText().split("\n")
                    .filter(function (l) { return l.indexOf("oopExploitOverridesJson=") === 0 })[0]
                var asRead = rangeStore.value("oopExploitOverridesJson", "")
                damaged = typeof asRead === "string" ? asRead : line.slice("oopExploitOverridesJson=".length)
            }
            var page = makePage({ _controllerSource: controller() })
            page.oopRangeCategory = 1
            var said = child(page, "oopLibraryStoreError")
            verify(/damaged/.test(said.text), said.text)
            if (data.op === "override") {
                pick(page, "oop", "Other / Bomb pot")
                page.oopRangeText = "AKs"
                verify(page.overrideSelectedExploitRange("oop"))
                compare(JSON.parse(rangeStore.value("oopExploitOverridesJson")), { "Other / Bomb pot": "AKs" })
            } else {
                verify(page.clearExploitOverrides("oop"))
                compare(rangeStore.value("oopExploitOverridesJson"), "")
            }
            compare(rangeStore.value("oopExploitOverridesJsonUnreadable"), damaged)
            compare(said.text, "")
        }

        function test_olderKeyApplies() {
            rangeStore.write({ ipStandardOverridesJson: JSON.stringify({ "6-max / No rake / RFI / UTG": "TT+" }) })
            var page = makePage()
            compare(leaf(page.ipStandardRanges, utgPath).value, "TT+")
            compare(leaf(page.ipStandardRanges, "6-max, 50bb / No rake / RFI / UTG").value,
                    resourceEntry("ip", "6-max / 50bb / No rake / RFI UTG"))
        }

        function test_clearOverridesRebuilds() {
            rangeStore.write({ oopStandardOverridesJson: JSON.stringify({ "6-max, 100bb / No rake / RFI / UTG": "AA" }) })
            rangeStore.write({ ipStandardOverridesJson: JSON.stringify({ "6-max, 100bb / No rake / RFI / UTG": "KK" }) })
            var page = makePage({ _controllerSource: controller() })
            mouseClick(child(page, "oopStandardTab"))
            pick(page, "oop", utgPath)
            compare(page.oopRangeText, "AA")
            mouseClick(child(page, "oopClearOverridesButton"))
            var box = child(page, "clearStandardOverridesDialog")
            tryCompare(box, "opened", true)
            compare(box.message, "Clear all locally overridden standard ranges for OOP?")
            mouseClick(child(box, "messageOkButton"))
            tryCompare(box, "visible", false)
            compare(rangeStore.value("oopStandardOverridesJson"), "")
            compare(page.oopRangeText, "")
            compare(page.oopSelectedId, "")
            compare(leaf(page.oopStandardRanges, utgPath).value, resourceEntry("oop", "6-max / 100bb / No rake / RFI UTG"))
            compare(leaf(page.ipStandardRanges, utgPath).value, "KK")
        }

        function test_populationExportReadsBackAsTheResource() {
            var page = makePage({ _controllerSource: controller() })
            page.oopRangeCategory = 1
            pick(page, "oop", "Other / Bomb pot")
            page.oopRangeText = "AKs"
            verify(page.overrideSelectedExploitRange("oop"))
            var url = harness.temporaryFileUrl("population.json")
            verify(page.exportExploitRanges(url))
            var text = readFile(url)
            verify(text.indexOf('"id"') < 0, "no ids in the file")
            var written = JSON.parse(text)
            compare(written.format, "halvory_ranges_export")
            compare(written.version, 1)
            init()
            var reread = makePage({ _controllerSource: controller({ "exploit_ranges.json": text }) })
            compare(shape(reread.oopExploitRanges), shape(page.oopExploitRanges))
            compare(shape(reread.ipExploitRanges), shape(page.ipExploitRanges))
            compare(leaf(reread.oopExploitRanges, "Other / Bomb pot").value, "AKs")
        }

        function test_standardExportRebuildsTheTree() {
            rangeStore.write({ ipStandardOverridesJson: JSON.stringify({ "Heads up / 50nl rake / RFI SB": "22+" }) })
            var page = makePage({ _controllerSource: controller() })
            var url = harness.temporaryFileUrl("standard.json")
            verify(page.exportStandardRanges(url))
            var written = JSON.parse(readFile(url))
            compare(written.ip.standard.length, 855)
            ;["oop", "ip"].forEach(function (seat) {
                compare(shape(page._buildStandardTree(written[seat].standard)), shape(page[seat + "StandardRanges"]))
            })
            compare(leaf(page._buildStandardTree(written.ip.standard), "Heads up / 50nl rake / RFI SB").value, "22+")
        }

        function test_failedExportIsShown() {
            var page = makePage({ _controllerSource: controller() })
            verify(!page.exportStandardRanges("file:///proc/no-such-folder/standard.json"))
            verify(page._exportStandardError.indexOf("Export failed: ") === 0, page._exportStandardError)
            var box = child(page, "exportErrorDialog")
            tryCompare(box, "opened", true)
            compare(box.message, page._exportStandardError)
            compare(box.title, "Export Standard Ranges")
            mouseClick(child(box, "messageOkButton"))
            tryCompare(box, "visible", false)
        }

        function test_labels_data() {
            return [
                { tag: "archetype with its VPIP after the label", cat: 1, name: "Overfolder (10-22 VPIP)", want: "Overfolder (VPIP 10-22)" },
                { tag: "archetype", cat: 1, name: "Passive tight (VPIP 18–25)", want: "Passive tight (VPIP 18–25)" },
                { tag: "population falls back to standard", cat: 1, name: "UTG vs HJ 3bet", want: "UTG vs HJ 3bet" },
                { tag: "position and action", cat: 0, name: "UTG Call", want: "UTG Call" },
                { tag: "stack folder", cat: 0, name: "6-max, 150bb", want: "6-max, 150bb" },
                { tag: "custom names as typed", cat: 2, name: "Overfolder (10-22 VPIP)", want: "Overfolder (10-22 VPIP)" },
            ]
        }

        function test_labels(data) {
            var page = makePage()
            compare(page.rangeDisplayName(data.cat, data.name), data.want)
        }
    }
}
