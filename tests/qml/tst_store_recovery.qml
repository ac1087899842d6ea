import QtQuick
import QtTest
import Pellaris

// The settings store broken when the program starts and mended while it
// runs: what is saved after the mend is kept in its own section and shown
// after a restart (new shell objects reading the file), beside what was
// kept before the break. A file deleted while the program runs loses
// nothing the page showed.
Item {
    id: root
    width: 1600
    height: 1200

    Component { id: shellComponent; AppShell { anchors.fill: parent } }
    Component { id: projectComponent; ProjectPage { anchors.fill: parent } }

    SettingsSection { id: rangeSection; category: "ranges" }
    SettingsSection { id: profileSection; category: "settings_profiles" }
    SettingsSection { id: uiSection; category: "ui" }

    TestCase {
        name: "StoreRecovery"
        when: windowShown

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        function names(list) {
            return list.map(function (n) { return n.name })
        }

        function init() {
            compare(rangeSection.write({ oopCustomRangesJson: null, ipCustomRangesJson: null }), "")
            compare(profileSection.write({ profilesJson: null }), "")
            compare(uiSection.write({ darkMode: null }), "")
        }

        function cleanup() {
            // Whichever is broken is mended; the other call finds nothing to do.
            harness.makeSettingsFileUnreadable(false)
            harness.blockSettingsFile(false)
        }

        function saveRange(page, name) {
            page.openSaveRangeDialog("oop")
            return page.commitSaveRange(name)
        }

        function startShell() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            waitForItemPolished(shell)
            return shell
        }

        function test_savesAfterTheMendAreKept_data() {
            return [
                { tag: "folder in place of the file", cause: "folder" },
                { tag: "file not readable", cause: "unreadable" }
            ]
        }

        function test_savesAfterTheMendAreKept(data) {
            var before = createTemporaryObject(projectComponent, root, { oopRangeText: "AA" })
            verify(saveRange(before, "Before"))
            before.destroy()
            var broken = data.cause === "folder" ? harness.blockSettingsFile(true)
                                                 : harness.makeSettingsFileUnreadable(true)
            if (!broken)
                skip("this user reads every file, whatever its mode")
            var mend = function () {
                return data.cause === "folder" ? harness.blockSettingsFile(false)
                                               : harness.makeSettingsFileUnreadable(false)
            }

            var shell = startShell()
            var box = child(shell, "storeProblemBox")
            tryCompare(box, "opened", true)
            var said = appController.settingsStoreProblem()
            verify(/^Settings could not be read: .*Pellaris\.conf cannot be read$/.test(said), said)
            box.close()
            var page = shell.pages.projectPage
            // The empty library is not shown as what is kept.
            compare(page._oopLibraryStoreError, said)
            page.oopRangeText = "KK"
            verify(!saveRange(page, "Refused"))
            verify(/cannot be read$/.test(page._saveRangeError), page._saveRangeError)

            verify(mend())
            verify(saveRange(page, "After"))
            compare(page._oopLibraryStoreError, "")
            verify(page.saveSettingsProfile("Profile after"))
            shell.navIndex = 4
            var settings = child(shell, "settingsPage")
            settings.darkMode = false
            settings.saveSettings()
            compare(settings.storeError, "")
            shell.destroy()

            var again = startShell()
            var shown = again.pages.projectPage
            compare(names(shown.oopCustomRanges), ["Before", "After"])
            compare(names(shown.settingsProfiles), ["Profile after"])
            compare(again.theme.dark, false)
            // Each in its own section.
            var text = harness.settingsFileText()
            verify(text.indexOf("[General]") < 0, text.slice(0, 400))
            verify(/"After"/.test(rangeSection.value("oopCustomRangesJson", "")))
            verify(/"Profile after"/.test(profileSection.value("profilesJson", "")))
            compare(uiSection.value("darkMode", true), false)
        }

        // The file deleted while the page shows its lists: the next save of
        // each list writes back what the page shows, with the change.
        function test_fileDeletedWhileRunning() {
            var page = createTemporaryObject(projectComponent, root, { oopRangeText: "AA" })
            verify(saveRange(page, "One"))
            verify(saveRange(page, "Two"))
            verify(page.saveSettingsProfile("Kept profile"))
            verify(harness.removeSettingsFile())
            verify(saveRange(page, "Three"))
            verify(page.saveSettingsProfile("New profile"))
            var fresh = createTemporaryObject(projectComponent, root)
            compare(names(fresh.oopCustomRanges), ["One", "Two", "Three"])
            compare(names(fresh.settingsProfiles), ["Kept profile", "New profile"])
        }
    }
}
