import QtQuick
import QtQuick.Controls.Basic
import Pellaris
import "spots.js" as Spots

// The program's shell with the real controller, prepared for screenshots of
// the home and settings pages: "--solves=N" solves the small river spot N
// times first, "--light" picks the light palette, "--settings" shows the
// settings page.
ApplicationWindow {
    id: window
    width: 1540
    height: 1020
    visible: true
    color: "#080B12"

    readonly property var args: Qt.application.arguments
    function argValue(prefix) {
        for (var i = 0; i < args.length; ++i)
            if (String(args[i]).indexOf(prefix) === 0)
                return String(args[i]).substring(prefix.length)
        return ""
    }
    property int solvesLeft: Number(argValue("--solves=")) || 0

    AppShell {
        id: shell
        anchors.fill: parent
        controller: appController
    }

    function solveNext() {
        if (solvesLeft <= 0)
            return
        solvesLeft -= 1
        appController.startSolveWithConfig(Spots.tinyRiverSpot(200))
    }

    Connections {
        target: appController
        function onRunningChanged() {
            if (!appController.running)
                Qt.callLater(window.solveNext)
        }
    }

    Component.onCompleted: {
        if (args.indexOf("--settings") >= 0)
            shell.navIndex = 4
        startTimer.start()
    }

    // After the shell's own start-up, which clears the controller's results.
    Timer {
        id: startTimer
        interval: 300
        onTriggered: {
            if (window.args.indexOf("--light") >= 0)
                shell.theme.dark = false
            window.solveNext()
        }
    }
}
