import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// A language switch on a live page: every text the user sees that the new
// catalogue translates changes in the same turn of the event loop, and the
// set-up page counts the switch once.
Item {
    id: root
    width: 1540
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "LanguageSwitch"
        when: windowShown

        // Contexts of the texts the shell and its pages show.
        readonly property var contexts: [
            "Main", "TopBar", "Sidebar", "ShellNavigation", "ActionBar", "TreeNode", "RangeEditor",
            "ChanceCardPicker", "PlayingCard", "MessageBox", "HandBuckets", "AppController",
            "HomePage", "ProjectPage", "SolvePage", "ResultsPage", "SettingsPage"
        ]

        function cleanup() { languageManager.setLanguage("en") }

        function page(shell, name) {
            return findChild(shell, name)
        }

        // Every shown item with a text, with the text it shows now.
        function shownTexts(item, out) {
            if (!item || !item.visible || item.opacity === 0)
                return out
            // The board's street word stays English in every language.
            if (item.objectName === "streetLabel")
                return out
            if (typeof item.text === "string" && item.text.trim() !== "" && item.width > 0 && item.height > 0)
                out.push({ item: item, text: item.text })
            for (var i = 0; i < item.children.length; ++i)
                shownTexts(item.children[i], out)
            return out
        }

        function translated(text) {
            return contexts.some(function (c) { return qsTranslate(c, text) !== text })
        }

        // Switches to `code` and returns the texts shown right after the
        // switch that are English texts the new catalogue translates.
        // Delegates of translated models are rebuilt, so the items are
        // walked again rather than kept.
        function untranslatedAfterSwitch(item, code) {
            var before = shownTexts(item, []).map(function (t) { return t.text })
            languageManager.setLanguage(code)
            var checked = before.filter(translated).length
            verify(checked >= 10, "only " + checked + " translatable texts shown")
            return shownTexts(item, []).map(function (t) { return t.text }).filter(translated)
        }

        function solvedShell() {
            appController.startSolveWithConfig(Spots.tinyRiverSpot(20))
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToDefaults()
            waitForRendering(shell)
            return shell
        }

        function test_switchRetranslatesShownTexts_data() {
            return [
                { tag: "set-up, German", nav: 1, pageName: "projectPage", code: "de" },
                { tag: "set-up, Russian", nav: 1, pageName: "projectPage", code: "ru" },
                { tag: "results, German", nav: 3, pageName: "resultsPage", code: "de" },
                { tag: "home, Polish", nav: 0, pageName: "homePage", code: "pl" },
                { tag: "settings, French", nav: 4, pageName: "settingsPage", code: "fr" }
            ]
        }

        function test_switchRetranslatesShownTexts(data) {
            var shell = solvedShell()
            shell.navIndex = data.nav
            var shown = page(shell, data.pageName)
            tryVerify(function () { return shown.visible })
            waitForRendering(shell)
            var setup = page(shell, "projectPage")
            var rev = setup._i18nRev
            var stale = untranslatedAfterSwitch(shell, data.code)
            compare(stale, [])
            compare(setup._i18nRev, rev + 1)
        }

        // The language is switched on the settings page, so every other page
        // is hidden at that moment; each must then show (and lay out at a new
        // width) in the new language.
        function test_hiddenPagesShowAfterSwitch() {
            var shell = solvedShell()
            shell.navIndex = 4
            waitForRendering(shell)
            languageManager.setLanguage("de")
            for (var nav = 0; nav < 4; ++nav) {
                shell.navIndex = nav
                waitForRendering(shell)
                root.width = 1420
                waitForRendering(shell)
                root.width = 1540
            }
            compare(page(shell, "resultsPage").visible, true)
        }
    }
}
