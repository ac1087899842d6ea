import QtQuick
import QtQuick.Window
import Pellaris

// The Custom range library at 1,000, 10,000 and 100,000 stored ranges. For
// each size the store is planted and the shell is made with the set-up page
// shown; the time to its first frame is printed ("open-ms"). A timer ticks
// every millisecond on the GUI thread, so the longest time between two ticks
// is the longest time the window could not answer. Each step below is given
// a second and a half, and its longest such stall is printed:
// - "idle-ms": the page left alone after its first frame (what it still
//   does after it shows);
// - "first-ms": the first range saved, as the save dialog saves it;
// - "save-ms": one more range saved;
// - "profile-ms": a settings profile saved;
// - "language-ms": the language switched to German (and back, unmeasured);
// - "delete-ms": the last range deleted.
// Each action's own call is timed too ("save-call-ms" and so on): what
// the stall holds beyond it is the window's drawing and the machine's load.
// Then it quits.
Window {
    id: window
    width: 1440
    height: 900
    visible: true

    // qmllint disable unqualified
    readonly property var controller: appController
    readonly property var languages: languageManager
    // qmllint enable unqualified

    SettingsSection { id: rangeStore; category: "ranges" }
    SettingsSection { id: profileStore; category: "settings_profiles" }

    Component {
        id: shellComponent
        AppShell { anchors.fill: parent; controller: window.controller }
    }

    property var sizes: [1000, 10000, 100000]
    property int sizeIndex: -1
    property var shell: null
    property double startedAt: 0
    property bool awaitingOpen: false
    // The step whose stall is recorded ("" for none), and the longest gap
    // between two ticks since it began.
    property string step: ""
    property double lastTick: 0
    property double worst: 0

    Timer {
        interval: 1
        repeat: true
        running: true
        onTriggered: {
            var now = Date.now()
            if (window.step !== "" && window.lastTick > 0)
                window.worst = Math.max(window.worst, now - window.lastTick)
            window.lastTick = now
        }
    }

    function plant(count) {
        var parts = []
        for (var i = 0; i < count; ++i)
            parts.push(JSON.stringify({ id: "b" + i, type: "range", name: "Range " + i, value: "AA, KK, AKs:0.5" }))
        rangeStore.write({ oopCustomRangesJson: "[" + parts.join(",") + "]", ipCustomRangesJson: "" })
        profileStore.write({ profilesJson: "" })
    }

    Connections {
        target: window
        function onFrameSwapped() {
            if (!window.awaitingOpen)
                return
            window.awaitingOpen = false
            window.report("open", Date.now() - window.startedAt)
            window.actionIndex = 0
            window.begin("idle")
        }
    }

    function report(name, ms) {
        var page = findPage()
        console.warn("case " + sizes[sizeIndex] + " " + name + "-ms " + ms
                     + " stored " + (page ? page.oopCustomRanges.length : -1))
    }

    function begin(name) {
        step = name
        worst = 0
        lastTick = Date.now()
        settle.start()
    }

    // The set-up page, found once per shell: the walk through the window's
    // items is no part of what is timed.
    property var page: null

    function findPage() {
        if (!shell)
            return null
        if (page)
            return page
        var stack = [shell]
        while (stack.length) {
            var item = stack.pop()
            if (item.objectName === "projectPage") {
                page = item
                return item
            }
            for (var i = 0; i < item.children.length; ++i)
                stack.push(item.children[i])
        }
        return null
    }

    function saveRange(name) {
        var page = findPage()
        page._saveRangePlayer = "oop"
        page._saveRangeValue = "QQ, JJ"
        if (!page.commitSaveRange(name))
            console.warn("save refused: " + page._saveRangeError)
    }

    // The actions after the first, in turn.
    property var actions: [
        { name: "first", run: function () { window.saveRange("First") } },
        { name: "save", run: function () { window.saveRange("One more") } },
        { name: "profile", run: function () {
            var page = window.findPage()
            if (!page.saveSettingsProfile("Profile " + window.sizeIndex))
                console.warn("profile refused: " + page._saveProfileError)
        } },
        { name: "language", run: function () { window.languages.setLanguage("de") } },
        { name: "delete", run: function () {
            var page = window.findPage()
            page.oopSelectedId = page.oopCustomRanges[page.oopCustomRanges.length - 1].id
            page.deleteSelectedItem("oop")
            if (page._oopLibraryStoreError !== "")
                console.warn("delete refused: " + page._oopLibraryStoreError)
        } }
    ]
    property int actionIndex: 0

    // A second and a half after a step began, its stall is printed and the
    // next action runs.
    Timer {
        id: settle
        interval: 1500
        onTriggered: {
            window.report(window.step, window.worst)
            window.step = ""
            if (window.actionIndex < window.actions.length) {
                var action = window.actions[window.actionIndex++]
                window.begin(action.name)
                var called = Date.now()
                action.run()
                window.report(action.name + "-call", Date.now() - called)
            } else {
                window.languages.setLanguage("en")
                nextTimer.start()
            }
        }
    }

    function nextSize() {
        if (shell) {
            shell.destroy()
            shell = null
            page = null
        }
        sizeIndex += 1
        if (sizeIndex >= sizes.length) {
            Qt.quit()
            return
        }
        plant(sizes[sizeIndex])
        startedAt = Date.now()
        awaitingOpen = true
        shell = shellComponent.createObject(window.contentItem)
        shell.navIndex = 1
    }

    Timer {
        id: nextTimer
        interval: 1000
        onTriggered: window.nextSize()
    }

    Component.onCompleted: nextTimer.start()
}
