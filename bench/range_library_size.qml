import QtQuick
import QtQuick.Window
import Pellaris

// The Custom range library at 1,000, 10,000 and 100,000 stored ranges: for
// each size the store is planted, then the shell is made with the set-up
// page shown, and the time to its first frame is printed ("open-ms"); then
// one more range is saved to the library as the save dialog saves it, and
// the time to the first frame after is printed ("save-ms"). Then it quits.
Window {
    id: window
    width: 1440
    height: 900
    visible: true

    // qmllint disable unqualified
    readonly property var controller: appController
    // qmllint enable unqualified

    SettingsSection { id: rangeStore; category: "ranges" }

    Component {
        id: shellComponent
        AppShell { anchors.fill: parent; controller: window.controller }
    }

    property var sizes: [1000, 10000, 100000]
    property int sizeIndex: -1
    property var shell: null
    property double startedAt: 0
    // "open" or "save" while a frame is awaited; "" otherwise.
    property string awaiting: ""

    function plant(count) {
        var parts = []
        for (var i = 0; i < count; ++i)
            parts.push(JSON.stringify({ id: "b" + i, type: "range", name: "Range " + i, value: "AA, KK, AKs:0.5" }))
        rangeStore.write({ oopCustomRangesJson: "[" + parts.join(",") + "]", ipCustomRangesJson: "" })
    }

    Connections {
        target: window
        function onFrameSwapped() {
            if (window.awaiting === "")
                return
            var ms = Date.now() - window.startedAt
            var step = window.awaiting
            window.awaiting = ""
            var page = window.shell.children.length ? findPage() : null
            console.warn("case " + window.sizes[window.sizeIndex] + " " + step + "-ms " + ms
                         + " stored " + (page ? page.oopCustomRanges.length : -1))
            if (step === "open")
                saveTimer.start()
            else
                nextTimer.start()
        }
    }

    function findPage() {
        var stack = [window.shell]
        while (stack.length) {
            var item = stack.pop()
            if (item.objectName === "projectPage")
                return item
            for (var i = 0; i < item.children.length; ++i)
                stack.push(item.children[i])
        }
        return null
    }

    function nextSize() {
        if (shell) {
            shell.destroy()
            shell = null
        }
        sizeIndex += 1
        if (sizeIndex >= sizes.length) {
            Qt.quit()
            return
        }
        plant(sizes[sizeIndex])
        startedAt = Date.now()
        awaiting = "open"
        shell = shellComponent.createObject(window.contentItem)
        shell.navIndex = 1
        window.requestUpdate()
    }

    // The page settles, then one range is saved into the library.
    Timer {
        id: saveTimer
        interval: 1000
        onTriggered: {
            var page = window.findPage()
            page._saveRangePlayer = "oop"
            page._saveRangeValue = "QQ, JJ"
            window.startedAt = Date.now()
            window.awaiting = "save"
            if (!page.commitSaveRange("One more"))
                console.warn("save refused: " + page._saveRangeError)
            window.requestUpdate()
        }
    }

    Timer {
        id: nextTimer
        interval: 1000
        onTriggered: window.nextSize()
    }

    Component.onCompleted: nextTimer.start()
}
