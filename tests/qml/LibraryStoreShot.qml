import QtQuick
import QtQuick.Controls.Basic
import Pellaris

// The range library and the settings store, for screenshots: a Custom
// library of 2,000 ranges (one named over two lines) on the set-up page
// scrolled to the ranges; "--lang=CODE" the language; "--blocked" puts a
// folder in place of the settings file, then saves a range (its dialog
// stays open with the reason; the notice of the start is closed first);
// "--damaged" breaks one escape before a quote in the stored list's line,
// so that the library starts empty and says the list is damaged;
// "--profiles" does so in the stored profile list and opens the load
// dialog; "--overrides" plants override text that cannot be read and shows
// the Exploit library;
// "--settings" shows the settings page
// instead, with the reason of a language that could not be kept.
ApplicationWindow {
    id: window
    width: Screen.desktopAvailableWidth
    height: Screen.desktopAvailableHeight
    visible: true
    color: "#080B12"

    readonly property var args: Qt.application.arguments
    function argValue(prefix) {
        for (var i = 0; i < args.length; ++i)
            if (String(args[i]).indexOf(prefix) === 0)
                return String(args[i]).substring(prefix.length)
        return ""
    }

    SettingsSection { id: rangeStore; category: "ranges" }
    SettingsSection { id: profileStore; category: "settings_profiles" }

    Loader {
        id: loader
        anchors.fill: parent
        active: false
        sourceComponent: AppShell { controller: appController }
    }

    Component.onCompleted: {
        var many = []
        for (var i = 0; i < 2000; ++i)
            many.push({ id: "r" + i, type: "range", name: i === 1 ? "Two\nlines" : "BTN open " + i, value: "AA, KK, AKs" })
        rangeStore.write({ oopCustomRangesJson: JSON.stringify(many) })
        if (args.indexOf("--overrides") >= 0)
            rangeStore.write({ oopExploitOverridesJson: "{\"Other / Bomb pot\": \"QQ+\"" })
        if (args.indexOf("--profiles") >= 0)
            profileStore.write({ profilesJson: JSON.stringify([{ id: "p1", name: "Deep", data: {} }, { id: "p2", name: "Short", data: {} }]) })
        // qmllint disable unqualified
        if (argValue("--lang="))
            languageManager.setLanguage(argValue("--lang="))
        if (args.indexOf("--blocked") >= 0)
            harness.blockSettingsFile(true)
        if (args.indexOf("--damaged") >= 0)
            harness.editSettingsFile("\\\"name\\\":\\\"BTN open 5\\\"", "x\"name\\\":\\\"BTN open 5\\\"")
        if (args.indexOf("--profiles") >= 0)
            harness.editSettingsFile("\\\"name\\\":\\\"Short", "x\"name\\\":\\\"Short")
        // qmllint enable unqualified
        loader.active = true
        startTimer.start()
    }

    Timer {
        id: startTimer
        interval: 600
        onTriggered: window.prepare()
    }

    function find(item, name) {
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = find(item.children[i], name)
            if (found)
                return found
        }
        return null
    }

    function prepare() {
        var shell = loader.item
        // The start's notice of the store seen, the page behind it is shown.
        var notice = find(shell, "storeProblemBox")
        if (notice)
            notice.close()
        if (args.indexOf("--settings") >= 0) {
            shell.navIndex = 4
            var settings = find(shell, "settingsPage")
            // qmllint disable unqualified
            settings.chooseLanguage(settings.languageOptions.map(o => o.code).indexOf(argValue("--lang=") || "en"))
            settings.storeError = appController.settingsStoreProblem()
            // qmllint enable unqualified
            return
        }
        shell.applyProjectState({ oopRangeText: "AA, KK, QQ, AKs", ipRangeText: "AA, 99, 77, AK" })
        shell.navIndex = 1
        var page = find(shell, "projectPage")
        var flick = find(page, "setupFlickable")
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
        page.oopSelectedId = "r3"
        if (args.indexOf("--blocked") >= 0) {
            page.openSaveRangeDialog("oop")
            page.commitSaveRange("Lost")
        }
        if (args.indexOf("--overrides") >= 0)
            page.oopRangeCategory = 1
        if (args.indexOf("--profiles") >= 0)
            page.openLoadProfileDialog()
    }
}
