import QtQuick
import QtTest
import Pellaris

// The settings page: the appearance reaches the store only when saved, the
// language switches at once, and the update card follows its manager.
Item {
    id: root
    width: 1400
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }
    SettingsSection { id: uiStore; category: "ui" }

    TestCase {
        name: "SettingsPage"
        when: windowShown

        function makeShell() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.navIndex = 4
            var page = findChild(shell, "settingsPage")
            waitForItemPolished(page)
            return shell
        }

        function click(parent, name) {
            var item = findChild(parent, name)
            verify(item, name)
            mouseClick(item)
        }

        // Read as the shell reads it: the mode as a boolean.
        function stored(key) {
            return uiStore.value(key, key === "darkMode" ? true : "")
        }

        // First of the file's shells, so the store starts without the keys.
        function test_accentKeptOnlyAfterSaving() {
            var shell = makeShell()
            click(shell, "accentSwatch_#58A6FF")
            click(shell, "saveSettingsButton")
            compare(stored("accentHex"), "#58a6ff")
            shell.destroy()
            wait(0)
            compare(stored("accentHex"), "#58a6ff", "the shell's end keeps what was saved")

            shell = makeShell()
            verify(shell.theme.useAccentOverride)
            verify(Qt.colorEqual(shell.theme.accent, "#58A6FF"))
            compare(findChild(shell, "accentSwatch_#58A6FF").border.color, shell.theme.strokeFocus)
            click(shell, "accentSwatch_#A371F7")
            verify(Qt.colorEqual(shell.theme.accent, "#A371F7"))
            shell.destroy()
            wait(0)

            shell = makeShell()
            verify(Qt.colorEqual(shell.theme.accent, "#58A6FF"), "a colour not saved is not kept")
        }

        function test_resetToDefaults() {
            var shell = makeShell()
            click(shell, "darkModeSwitch")
            compare(shell.theme.dark, false)
            click(shell, "accentSwatch_#F0883E")
            click(shell, "saveSettingsButton")
            compare([stored("darkMode"), stored("accentHex")], [false, "#f0883e"])

            click(shell, "resetDefaultsButton")
            compare([shell.theme.dark, shell.theme.useAccentOverride], [true, false])
            compare([stored("darkMode"), stored("accentHex")], [true, ""])
            var green = findChild(shell, "accentSwatch_#3FB950")
            compare(green.border.color, shell.theme.strokeFocus)
            verify(!findChild(shell, "accentResetButton").enabled)
        }

        // As a keyboard user picks: open the list, move to the entry, Enter.
        function chooseLanguage(page, label) {
            var box = findChild(page, "languageComboBox")
            mouseClick(box)
            tryVerify(() => box.popup.opened)
            var index = page.languageOptions.map(o => o.label).indexOf(label)
            verify(index >= 0, label)
            while (box.highlightedIndex !== index)
                keyClick(box.highlightedIndex < index ? Qt.Key_Down : Qt.Key_Up)
            keyClick(Qt.Key_Return)
            tryVerify(() => !box.popup.visible)
            return box
        }

        function checkForUpdates(page) {
            updates.manifestUrl = ""
            click(page, "checkUpdatesButton")
            var line = findChild(page, "updateErrorLine")
            tryVerify(() => line.visible)
            return line.text
        }

        // The interface texts of the pages are not translated yet; the
        // update manager's are, and the switch is seen through them.
        function test_languageSwitchesAtOnce() {
            var page = findChild(makeShell(), "settingsPage")
            compare(checkForUpdates(page), "Update URL is not configured.")
            var box = chooseLanguage(page, "Deutsch")
            compare(languageManager.currentLanguage, "de")
            compare(box.displayText, "Deutsch")
            compare(checkForUpdates(page), "Die Update-URL ist nicht konfiguriert.")
            compare(Qt.locale().name.substring(0, 2), "de")
            chooseLanguage(page, "English")
            compare(languageManager.currentLanguage, "en")
            compare(checkForUpdates(page), "Update URL is not configured.")
        }

        function test_checkWithoutUrlShowsTheError() {
            var page = findChild(makeShell(), "settingsPage")
            compare(checkForUpdates(page), "Update URL is not configured.")
            var line = findChild(page, "updateErrorLine")
            compare(line.color, page.theme.danger)
            verify(findChild(page, "lastCheckedLine").visible)
            verify(!findChild(page, "noUpdatesLine").visible)
        }
    }

    // The same page with stand-in managers, for states a real manager
    // reaches only over the network.
    Component { id: pageComponent; SettingsPage { anchors.fill: parent } }

    TestCase {
        name: "SettingsPageStates"
        when: windowShown

        function makePage(updateState, languageCode, frame) {
            var u = harness.createStandIn("updates", root)
            for (var key in updateState)
                u[key] = updateState[key]
            var lang = harness.createStandIn("languageManager", root)
            lang.currentLanguage = languageCode || "en"
            var page = createTemporaryObject(pageComponent, frame || root, { updateManager: u, languages: lang })
            waitForItemPolished(page)
            return page
        }

        // A store problem told after a change near the top (the language)
        // on a window too short to show the whole page is scrolled into view.
        function test_storeProblemScrolledIntoView() {
            var frame = createTemporaryQmlObject("import QtQuick; Item { width: 1280; height: 480 }", root)
            var page = makePage({}, "en", frame)
            var scroller = findChild(page, "settingsScroll")
            compare(scroller.contentY, 0)
            page.storeError = "Not enough memory to switch the language"
            var line = findChild(page, "settingsStoreError")
            // Laid out below the three cards, then brought into view.
            tryVerify(function () { return line.visible && line.y > scroller.height })
            tryVerify(function () {
                var top = line.mapToItem(scroller, 0, 0).y
                return top >= 0 && top + line.height <= scroller.height
            })
        }

        function shown(page) {
            var names = ["lastCheckedLine", "updateErrorLine", "updateAvailableLine", "noUpdatesLine",
                         "releaseNotesLine", "downloadLine"]
            return names.filter(n => { var item = findChild(page, n); return item.visible && item.parent.visible })
        }

        function test_updateLines_data() {
            var checked = new Date(2026, 2, 4, 10, 30)
            return [
                { tag: "before any check", state: {}, lines: [] },
                { tag: "checked, nothing new", state: { lastCheckedAt: checked, lastSuccessAt: checked },
                  lines: ["lastCheckedLine", "noUpdatesLine"] },
                { tag: "checked, failed, no error left", state: { lastCheckedAt: checked, lastSuccessAt: new Date(2026, 2, 1) },
                  lines: ["lastCheckedLine"] },
                { tag: "error shown as written", state: { lastCheckedAt: checked, lastError: "<b>HTTP 500</b>" },
                  lines: ["lastCheckedLine", "updateErrorLine"], text: ["updateErrorLine", "<b>HTTP 500</b>"] },
                { tag: "update with notes", state: { lastCheckedAt: checked, updateAvailable: true, latestVersion: "1.1.0",
                                                      releaseNotes: "Faster" },
                  lines: ["lastCheckedLine", "updateAvailableLine", "releaseNotesLine"],
                  text: ["updateAvailableLine", "Update available: 1.1.0"] },
                { tag: "download of unknown size", state: { updateAvailable: true, downloadBusy: true, downloadBytesTotal: 0 },
                  lines: ["updateAvailableLine", "downloadLine"], text: ["downloadLine", "Downloading…"] },
                { tag: "download at 37.9 %", state: { updateAvailable: true, downloadBusy: true, downloadBytesTotal: 1000,
                                                      downloadProgress: 0.379 },
                  lines: ["updateAvailableLine", "downloadLine"], text: ["downloadLine", "Downloading: 37%"] }
            ]
        }

        function test_updateLines(data) {
            var page = makePage(data.state)
            compare(shown(page), data.lines)
            if (data.text) {
                var item = findChild(page, data.text[0])
                compare([item.text, item.textFormat], [data.text[1], Text.PlainText])
            }
        }

        function test_updateConfirmation_data() {
            return [
                { tag: "installs in place", action: "install", says: "Pellaris will close to install the update. Continue?" },
                { tag: "opens the download folder", action: "openFolder",
                  says: "The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?" }
            ]
        }

        function test_updateConfirmation(data) {
            var page = makePage({ updateAvailable: true, updateNowAction: data.action })
            mouseClick(findChild(page, "updateNowButton"))
            var dialog = findChild(page, "installUpdateDialog")
            tryVerify(() => dialog.opened)
            compare(dialog.title, "Install update?")
            compare(findChild(dialog.contentItem, "messageText").text, data.says)
            mouseClick(findChild(dialog.footer, "messageOkButton"))
            tryVerify(() => !dialog.visible)
            compare(page.updateManager._callsTo("updateNow").length, 1)
        }

        function test_unknownStoredLanguageShowsSystemDefault() {
            var page = makePage({}, "xx")
            compare(findChild(page, "languageComboBox").displayText, "System default")
        }
    }
}
