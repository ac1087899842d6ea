import QtQuick
import QtQuick.Window
import Pellaris

// How quickly the set-up page takes a long range text, and whether anything
// keeps working once it has: the Quick Solve spot on the set-up page gets,
// in turn, a short range (for comparison), 1 MB of single combinations with
// four-decimal weights, the same with ", 22" typed at its end, and 10,000
// characters of junk. For each it
// prints the time from the change to the first frame drawn after it (the
// reading, the matrix, the field, the reason and the readiness all done),
// then waits for the memory estimate the edit asks for and prints the CPU
// time the whole process spends in each of the next two periods of two
// seconds. Then it quits.
Window {
    id: window
    width: 1440
    height: 900
    visible: true

    // qmllint disable unqualified
    readonly property var controller: appController
    // qmllint enable unqualified

    AppShell {
        id: shell
        anchors.fill: parent
        controller: window.controller
    }

    // utime and stime of /proc/self/stat (fields 14 and 15), in seconds.
    function processCpuSeconds() {
        var request = new XMLHttpRequest()
        request.open("GET", "file:///proc/self/stat", false)
        request.send()
        var text = String(request.responseText || "")
        var fields = text.substring(text.lastIndexOf(")") + 2).split(" ")
        return (Number(fields[11]) + Number(fields[12])) / 100
    }

    function combos(bytes) {
        var ranks = "AKQJT98765432", suits = "shdc"
        var items = []
        var length = 0
        for (var n = 0; length < bytes; ++n) {
            var a = n % 52, b = (n * 7 + 13) % 52
            if (a === b)
                continue
            var item = ranks[Math.floor(a / 4)] + suits[a % 4] + ranks[Math.floor(b / 4)] + suits[b % 4]
            // Pairs of one rank are written higher first; others as they come.
            if (ranks.indexOf(item[0]) > ranks.indexOf(item[2]))
                item = item.substring(2) + item.substring(0, 2)
            item += ":0." + String(1000 + n % 9000)
            items.push(item)
            length += item.length + 2
        }
        return items.join(", ")
    }

    property var cases: []
    property int caseIndex: -1
    property double changedAt: 0
    property bool waitingForFrame: false
    property double cpuAtIdle: 0

    Connections {
        target: window
        function onFrameSwapped() {
            if (!window.waitingForFrame)
                return
            window.waitingForFrame = false
            var ms = Date.now() - window.changedAt
            console.warn("case " + window.cases[window.caseIndex].name + " chars " + shell.oopRangeText.length
                         + " read-ms " + ms + " ready " + shell._hasAnyHand(shell.oopRangeText)
                         + " reason \"" + shell.solveBlockReason + "\"")
            settleTimer.start()
        }
    }

    // The estimate the edit asks for, then two quiet seconds measured.
    Timer {
        id: settleTimer
        interval: 100
        repeat: true
        onTriggered: {
            if (shell.estimateMeasuring)
                return
            stop()
            window.cpuAtIdle = window.processCpuSeconds()
            idleTimer.start()
        }
    }

    // Two windows of two seconds: a one-off (the script engine's garbage
    // collection of the long texts) shows in the first only.
    property int idleWindow: 0
    Timer {
        id: idleTimer
        interval: 2000
        repeat: true
        onTriggered: {
            var now = window.processCpuSeconds()
            window.idleWindow += 1
            console.warn("case " + window.cases[window.caseIndex].name + " idle-cpu-ms-in-2s-" + window.idleWindow
                         + " " + Math.round((now - window.cpuAtIdle) * 1000))
            window.cpuAtIdle = now
            if (window.idleWindow < 2)
                return
            stop()
            window.idleWindow = 0
            window.nextCase()
        }
    }

    function nextCase() {
        caseIndex += 1
        if (caseIndex >= cases.length) {
            Qt.quit()
            return
        }
        changedAt = Date.now()
        waitingForFrame = true
        shell.oopRangeText = cases[caseIndex].text
        console.warn("case " + cases[caseIndex].name + " bindings-ms " + (Date.now() - changedAt))
        window.requestUpdate()
    }

    Component.onCompleted: {
        var big = combos(1 << 20)
        var junk = ""
        while (junk.length < 10000)
            junk += "qwerty uiop asdf "
        // A short range first: what the page does anyway in two quiet
        // seconds (the memory figures refresh every two seconds).
        cases = [{ name: "short", text: "AA, KK, AKs" }, { name: "combos-1MB", text: big },
                 { name: "combos-1MB-typed-at-end", text: big + ", 22" }, { name: "junk-10k", text: junk }]
        startTimer.start()
    }

    // The page settles first.
    Timer {
        id: startTimer
        interval: 1500
        onTriggered: {
            if (shell.navIndex !== 1) {
                shell.resetToDefaults()
                shell.navIndex = 1
                start()
                return
            }
            window.nextCase()
        }
    }
}
