import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// Every page in every language at a small (1366x768) and a large
// (1920x1080) screen: no text is elided or cut without a tool tip that shows
// it whole, and no single-line text runs past its box.
Item {
    id: root
    width: 1366
    height: 768

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "TextFit"
        when: windowShown

        readonly property var languages: ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"]
        readonly property var pages: [
            { nav: 0, name: "homePage" }, { nav: 1, name: "projectPage" }, { nav: 2, name: "solvePage" },
            { nav: 3, name: "resultsPage" }, { nav: 4, name: "settingsPage" }
        ]

        function initTestCase() {
            appController.startSolveWithConfig(Spots.tinyRiverSpot(20))
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
        }

        function cleanupTestCase() { languageManager.setLanguage("en") }

        // A tool tip near the item (on it or on one of its three nearest
        // ancestors) that shows the same text, or a field's whole hint, which
        // has its tool tip made on hover.
        function hasToolTip(item) {
            for (var at = item, depth = 0; at && depth < 4; at = at.parent, ++depth) {
                if (at.wholeHint !== undefined && at.wholeHint === item.text)
                    return true
                var data = at.data || []
                for (var i = 0; i < data.length; ++i) {
                    var d = data[i]
                    if (d && d !== item && d.delay !== undefined && d.text === item.text)
                        return true
                }
            }
            return false
        }

        function shownOnScreen(item) {
            var p = item.mapToItem(root, 0, 0)
            return p.x < root.width && p.y < root.height && p.x + item.width > 0 && p.y + item.height > 0
        }

        function cutTexts(item, out) {
            if (!item || !item.visible || item.opacity === 0 || item.width <= 0 || item.height <= 0)
                return out
            if (typeof item.text === "string" && item.text.trim() !== "" && item.truncated !== undefined
                    && shownOnScreen(item)) {
                var singleLine = item.wrapMode === Text.NoWrap && item.elide === Text.ElideNone
                var overflow = singleLine && item.contentWidth > item.width + 1
                if ((item.truncated || overflow) && !hasToolTip(item))
                    out.push((item.objectName || item.toString()) + ": \"" + item.text + "\" "
                             + Math.round(item.width) + " < " + Math.round(item.implicitWidth))
            }
            for (var i = 0; i < item.children.length; ++i)
                cutTexts(item.children[i], out)
            return out
        }

        function test_noTextCut_data() {
            return languages.map(function (code) { return { tag: code, code: code } })
        }

        // Each page at both screen sizes, in one shell per language.
        function test_noTextCut(data) {
            languageManager.setLanguage(data.code)
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            var faults = []
            var sizes = [{ w: 1366, h: 768 }, { w: 1920, h: 1080 }]
            sizes.forEach(function (size) {
                root.width = size.w
                root.height = size.h
                pages.forEach(function (p) {
                    shell.navIndex = p.nav
                    var shown = findChild(shell, p.name)
                    tryVerify(function () { return shown.visible })
                    waitForRendering(shell)
                    cutTexts(shell, []).forEach(function (f) {
                        faults.push(size.w + "x" + size.h + " " + p.name + ": " + f)
                    })
                })
            })
            root.width = 1366
            root.height = 768
            compare(faults, [])
        }

        // The solve page while a solve runs, through each stage the solve
        // thread names, at the small screen.
        function test_runningSolveFits(data) {
            languageManager.setLanguage(data.code)
            var stub = harness.createStandIn("appController", root)
            stub.systemThreadCount = 8
            var shell = createTemporaryObject(shellComponent, root, { controller: stub })
            shell.navIndex = 2
            var faults = []
            stub.running = true
            var stages = ["Starting...", "Init: building game tree structures...", "Init: starting solver...",
                          "Iter 120 | exploitability\u22480.0123", "Finalizing: building result snapshot..."]
            stages.forEach(function (status) {
                stub.statusText = status
                waitForRendering(shell)
                cutTexts(shell, []).forEach(function (f) { faults.push(status + ": " + f) })
            })
            stub.running = false
            compare(faults, [])
        }

        function test_runningSolveFits_data() {
            return test_noTextCut_data()
        }
    }
}
