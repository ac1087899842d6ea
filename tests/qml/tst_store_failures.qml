import QtQuick
import QtTest
import Pellaris

// A settings file that cannot be read or written (a folder in its place): a
// range, a profile and a language saved then are said not to be kept, on
// the page where they were saved and in the language chosen, and the saved
// entries are not shown, here or on another page.
Item {
    id: root
    width: 1600
    height: 1200

    Component { id: projectComponent; ProjectPage { anchors.fill: parent } }
    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "StoreFailures"
        when: windowShown

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        function opened(page, name) {
            var dialog = child(page, name)
            tryCompare(dialog, "opened", true)
            return dialog
        }

        function typeAndConfirm(dialog, field, name) {
            child(dialog.contentItem, field).forceActiveFocus()
            for (var i = 0; i < name.length; ++i)
                keyClick(name.charAt(i))
            keyClick(Qt.Key_Return)
        }

        function init() {
            verify(harness.blockSettingsFile(true))
        }

        function cleanup() {
            verify(harness.blockSettingsFile(false))
        }

        function test_rangeAndProfileAreNotShownAsKept() {
            var page = createTemporaryObject(projectComponent, root, { oopRangeText: "AA, KK" })
            waitForItemPolished(page)

            // The dialog says so, stays open, and nothing saved is listed.
            ;[{ open: function () { page.openSaveRangeDialog("oop") }, dialog: "saveRangeDialog",
                field: "saveRangeNameField", error: "saveRangeError", listed: function () { return page.listModelFor("oop") } },
              { open: function () { page.openSaveProfileDialog() }, dialog: "saveSettingsDialog",
                field: "saveSettingsNameField", error: "saveProfileError", listed: function () { return page.settingsProfiles } }
            ].forEach(function (d) {
                d.open()
                var dialog = opened(page, d.dialog)
                typeAndConfirm(dialog, d.field, "Lost " + d.dialog)
                var line = child(dialog.contentItem, d.error)
                verify(line.visible, d.error)
                verify(/^Settings could not be saved: .*Pellaris\.conf cannot be read$/.test(line.text), line.text)
                verify(dialog.visible, "the dialog stays open")
                compare(d.listed(), [])
                keyClick(Qt.Key_Escape)
            })

            // Another page reads the store as the program holds it now.
            var again = createTemporaryObject(projectComponent, root)
            compare([again.oopCustomRanges.length, again.settingsProfiles.length], [0, 0])
        }

        function test_languageSaysSoInTheLanguageChosen() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            // Said once on start.
            tryCompare(child(shell, "storeProblemBox"), "opened", true)
            child(shell, "storeProblemBox").close()
            shell.navIndex = 4
            var page = child(shell, "settingsPage")
            waitForItemPolished(page)
            var line = child(page, "settingsStoreError")
            verify(!line.visible)
            page.chooseLanguage(page.languageOptions.map(o => o.code).indexOf("de"))
            try {
                verify(line.visible)
                verify(/^Einstellungen konnten nicht gespeichert werden: .*Pellaris\.conf ist nicht lesbar$/.test(line.text),
                       line.text)
            } finally {
                page.chooseLanguage(page.languageOptions.map(o => o.code).indexOf("en"))
            }
        }
    }
}
