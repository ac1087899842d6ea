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

        // Matchers for the texts of language `from` that language `to` does
        // not share, each text of the catalogue taken as a pattern in which
        // its arguments stand for any text. Texts with fewer than four
        // letters of their own (such as "%1%2") say nothing of a language.
        function oldLanguageMatchers(from, to) {
            var kept = new Set(harness.catalogueTexts(to))
            var texts = harness.catalogueTexts(from)
            verify(texts.length > 400 && kept.size > 400, "catalogues not found")
            var argument = /%L?[1-9n]/g
            return texts.filter(function (t) {
                var letters = t.replace(argument, "").split("").filter(function (c) {
                    return c.toLowerCase() !== c.toUpperCase()
                })
                return !kept.has(t) && letters.length >= 4
            }).map(function (t) {
                var parts = t.split(argument).map(function (p) {
                    return p.replace(/[.*+?^${}()|[\]\\]/g, "\\$&")
                })
                return { text: t, pattern: new RegExp("^" + parts.join("[^]*") + "$") }
            })
        }

        function leftOver(item, matchers) {
            var found = []
            shownTexts(item, []).forEach(function (shown) {
                matchers.forEach(function (m) {
                    if (m.pattern.test(shown.text))
                        found.push(shown.text + " (as \"" + m.text + "\")")
                })
            })
            return found
        }

        // The solve and results pages after a solve the solve page did not
        // start itself (so its run row comes from the controller's state
        // alone): after a switch, no text of the old language (nor an
        // untranslated English one) is left, the run row included.
        function test_switchLeavesNoOldLanguage_data() {
            return [
                { tag: "solve, Russian to English", nav: 2, pageName: "solvePage", from: "ru", to: "en" },
                { tag: "results, Russian to English", nav: 3, pageName: "resultsPage", from: "ru", to: "en" },
                { tag: "solve, German to Polish", nav: 2, pageName: "solvePage", from: "de", to: "pl" },
                { tag: "results, German to Polish", nav: 3, pageName: "resultsPage", from: "de", to: "pl" },
                { tag: "results, English to Russian", nav: 3, pageName: "resultsPage", from: "en", to: "ru" }
            ]
        }

        function test_switchLeavesNoOldLanguage(data) {
            languageManager.setLanguage(data.from)
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToDefaults()
            var solvePage = page(shell, "solvePage")
            solvePage.clearRunHistory()
            appController.startSolveWithConfig(Spots.tinyRiverSpot(20))
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
            compare(solvePage.runHistoryModel.count, 1)
            compare(solvePage.runHistoryModel.get(0).status, "Completed")

            shell.navIndex = data.nav
            var shown = page(shell, data.pageName)
            tryVerify(function () { return shown.visible })
            waitForRendering(shell)
            // The old language's texts, and English ones the new language
            // translates (texts that were never translated).
            var matchers = oldLanguageMatchers(data.from, data.to)
            if (data.from !== "en" && data.to !== "en")
                matchers = matchers.concat(oldLanguageMatchers("en", data.to))
            verify(leftOver(shown, matchers).length > 0, "no text of the first language on screen")
            languageManager.setLanguage(data.to)
            waitForRendering(shell)
            compare(leftOver(shell, matchers), [])
        }

        // The set-up page's refusals, the estimate's and the range field's,
        // are worded again in the new language, none left in the old one.
        function test_refusalsFollowTheLanguage_data() {
            return [
                { tag: "sizing, German to English", set: { ipRiverBetSizesText: "33 75" }, from: "de", to: "en" },
                { tag: "ICM stack, Russian to Polish", from: "ru", to: "pl",
                  set: { utilityModel: "icm", oopStack: 0, ipStack: 50, icmPayoutsText: "50, 30" } },
                { tag: "range, Polish to German", set: { oopRangeText: "AA:1.5, KK" }, from: "pl", to: "de" }
            ]
        }

        function test_refusalsFollowTheLanguage(data) {
            languageManager.setLanguage(data.from)
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToNewProject()
            shell.applyProjectState({
                boardText: "Ks7d2c5h9s", startingPot: 22.8, effectiveStack: 88.9,
                oopRangeText: "AA, KK, QQ, AK", ipRangeText: "AA, 99, KJ, T8s"
            })
            ;["oop", "ip"].forEach(function (seat) {
                ;["Flop", "Turn", "River"].forEach(function (street) {
                    shell[seat + street + "BetSizesText"] = "33, 75"
                    shell[seat + street + "RaiseSizesText"] = "100"
                })
            })
            for (var key in data.set)
                shell[key] = data.set[key]
            shell.navIndex = 1
            tryVerify(function () { return !shell.estimateMeasuring && shell.solveBlockReason !== "" }, 60000)
            var setup = page(shell, "projectPage")
            waitForRendering(shell)
            var matchers = oldLanguageMatchers(data.from, data.to)
            verify(leftOver(setup, matchers).length > 0, "no refusal in the first language")
            languageManager.setLanguage(data.to)
            waitForRendering(shell)
            compare(leftOver(setup, matchers), [])
        }

        // A refusal on screen before a switch is worded in the new language
        // at once in every place that shows it, never left in the old one.
        function test_shownRefusalFollowsEachSwitch() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToDefaults()
            shell.oopRangeText = "AA, QQ, KK:1.5"
            shell.navIndex = 1
            var setup = page(shell, "projectPage")
            var places = {
                header: function () { return findChild(setup, "solveRamLine").text },
                badge: function () { return findChild(setup, "badgeTooltip").text },
                continueTip: function () { return findChild(setup, "continueTooltip").text },
                solveTab: function () { return findChild(shell, "topBar")._disabledTip(2) },
                field: function () { return findChild(setup, "oopRangeError").text }
            }
            var seen = []
            ;["de", "ru", "pl", "en"].forEach(function (code) {
                languageManager.setLanguage(code)
                var reason = qsTranslate("AppController", "Weight must be within [0, 1]")
                verify(seen.indexOf(reason) < 0, code)
                seen.push(reason)
                for (var place in places)
                    verify(places[place]().indexOf(reason) >= 0, code + " " + place + ": " + places[place]())
            })
        }

        // The set-up header's memory figures take the new language's unit in
        // the same turn as the switch, from the estimate already held: the
        // figure stays, nothing is measured again, no unit is left over.
        function test_memoryFiguresFollowEachSwitch() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToDefaults()
            shell.navIndex = 1
            var setup = page(shell, "projectPage")
            tryVerify(function () {
                return !shell.estimateMeasuring && Number(appController.solveRequiredMemoryBytes) > 0
            }, 60000)
            var need = findChild(setup, "solveRamLine")
            var have = findChild(setup, "availableRamLine")
            var units = ["%1 GB", "%1 MB"]
            // The figure's number and unit as English writes it.
            var held = String(appController.solveRequiredMemoryText)
            var unit = units.filter(function (u) { return held.endsWith(u.substring(2)) })[0]
            verify(unit !== undefined, held)
            var number = held.substring(0, held.length - unit.length + 2)
            var bytes = appController.solveRequiredMemoryBytes
            var escape = function (s) { return s.replace(/[.*+?^${}()|[\]\\]/g, "\\$&") }
            ;["ru", "pl", "fr", "de", "en"].forEach(function (code) {
                languageManager.setLanguage(code)
                var figure = qsTranslate("AppController", unit).arg(number)
                verify(need.text.indexOf(figure) >= 0, code + ": " + need.text + " lacks " + figure)
                var anyFigure = units.map(function (u) {
                    return escape(qsTranslate("AppController", u)).replace("%1", "[0-9.]+")
                }).join("|")
                var pattern = new RegExp("^" + escape(qsTranslate("ProjectPage", "Available RAM: %1"))
                                         .replace("%1", "(" + anyFigure + ")") + "$")
                verify(pattern.test(have.text), code + ": " + have.text)
                verify(!shell.estimateMeasuring, code)
                compare(appController.solveRequiredMemoryBytes, bytes, code)
            })
        }

        // A number field's refusal and both "Some Values Not Loaded"
        // messages, shown when the language changes, are worded at once as
        // they would have been had they come up in the new language.
        function test_shownMessagesFollowEachSwitch() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToNewProject()
            shell.navIndex = 1
            var setup = page(shell, "projectPage")
            var home = page(shell, "homePage")
            var pot = findChild(setup, "startingPotField")
            var fileBox = findChild(home, "fileErrorDialog")
            var profileBox = findChild(setup, "profileNotLoadedDialog")
            var url = harness.temporaryFileUrl("switch.pellarisproj")
            verify(appController.saveTextFile(url, JSON.stringify({
                format: "halvory_project", version: 1, hasResults: false, nodeLocks: [], lastUiCfg: {},
                project: { boardText: "Ks7d2c", maxIterations: 2.5, oopFlopAddAllIn: "no" } })).ok)
            setup.settingsProfiles = [{ id: "p", name: "Deep", createdAt: "",
                                        data: { starting_pot: "1e309", oop_turn_add_all_in: "ja" } }]
            function showAll() {
                [fileBox, profileBox].forEach(function (box) { box.close() })
                pot.forceActiveFocus()
                pot.selectAll()
                keyClick(Qt.Key_X)
                keyClick(Qt.Key_Return)
                verify(home.openProjectFrom(url))
                setup._loadProfileSelectedId = "p"
                verify(setup.loadSelectedSettingsProfile())
                tryVerify(function () { return fileBox.opened && profileBox.opened })
            }
            function shown() {
                return [pot.refusalText, findChild(pot, "refusalTip").text, fileBox.title, fileBox.message,
                        findChild(fileBox.contentItem, "messageText").text, profileBox.title, profileBox.message]
            }
            var fresh = {}
            ;["de", "ru", "pl"].forEach(function (code) {
                languageManager.setLanguage(code)
                showAll()
                fresh[code] = shown()
            })
            fresh.de.forEach(function (text, i) {
                verify(text !== "" && text !== fresh.ru[i] && text !== fresh.pl[i], text)
            })
            languageManager.setLanguage("de")
            showAll()
            ;["ru", "pl", "de"].forEach(function (code) {
                languageManager.setLanguage(code)
                compare(shown(), fresh[code], code)
            })
        }

        // Keys typed after leaving the settings page reach the page shown,
        // not the language box of the hidden settings page.
        function test_hiddenLanguageBoxTakesNoKeys() {
            var shell = solvedShell()
            shell.navIndex = 4
            waitForRendering(shell)
            var box = findChild(page(shell, "settingsPage"), "languageComboBox")
            box.forceActiveFocus()
            verify(box.activeFocus)
            findChild(shell, "topBar").navigate(1)
            compare(shell.navIndex, 1)
            var language = languageManager.currentLanguage
            ;[Qt.Key_Up, Qt.Key_Down, Qt.Key_End, Qt.Key_Home].forEach(function (key) {
                keyClick(key)
                compare(languageManager.currentLanguage, language)
            })
            verify(!box.activeFocus)
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
