import QtQuick
import QtQuick.Controls.Basic
import Pellaris
import "spots.js" as Spots

// The program's shell with the real controller, prepared for screenshots of
// the home and settings pages: "--solves=N" solves the small river spot N
// times first, "--light" picks the light palette, "--settings" shows the
// settings page, "--setup" the set-up page scrolled to its range columns,
// with painted ranges and an open Custom folder ("--top" leaves it at its
// top); "--dialog=delete", "--dialog=load" (the settings profiles, none
// saved), "--dialog=load-saved" (two saved, one with a long name),
// "--dialog=delete-profile" (its deletion asked) or "--dialog=import" then
// opens that dialog over it. "--setup --library"
// shows the built-in libraries instead (OOP: Standard, the 100bb no-rake
// UTG open; IP: a Population leaf), "--developer" with their developer
// buttons. "--lang=CODE" shows the interface in that language;
// "--relang=CODE" switches to that language 2 s after the start, once the
// set-up's memory estimate has come.
ApplicationWindow {
    id: window
    width: Math.min(1540, Screen.desktopAvailableWidth)
    height: Math.min(1020, Screen.desktopAvailableHeight)
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
        // qmllint disable unqualified
        if (argValue("--lang="))
            languageManager.setLanguage(argValue("--lang="))
        // qmllint enable unqualified
        if (args.indexOf("--settings") >= 0)
            shell.navIndex = 4
        startTimer.start()
    }

    Timer {
        running: window.argValue("--relang=") !== ""
        interval: 2000
        // qmllint disable unqualified
        onTriggered: languageManager.setLanguage(window.argValue("--relang="))
        // qmllint enable unqualified
    }

    // After the shell's own start-up, which clears the controller's results.
    Timer {
        id: startTimer
        interval: 300
        onTriggered: {
            if (window.args.indexOf("--light") >= 0)
                shell.theme.dark = false
            window.solveNext()
            if (window.args.indexOf("--setup") >= 0)
                window.showRangeColumns()
        }
    }

    // Picks a path of rows in a seat's library, folder by folder.
    function pickLibraryPath(page, seat, names) {
        names.forEach(function (name) {
            page.selectLibraryRow(seat, page.listModelFor(seat).filter(function (r) { return r.name === name })[0])
        })
    }

    function showRangeColumns() {
        shell.resetToDefaults()
        shell.navIndex = 1
        var page = shell.pages.projectPage
        if (args.indexOf("--library") >= 0) {
            if (args.indexOf("--developer") >= 0) {
                page._controllerSource = {
                    developerMode: true,
                    readTextResource: function (path) { return appController.readTextResource(path) }
                }
            }
            page.oopRangeCategory = 0
            pickLibraryPath(page, "oop", ["6-max, 100bb", "No rake", "RFI", "UTG"])
            page.ipRangeCategory = 1
            pickLibraryPath(page, "ip", ["Passive (VPIP 18\u201365)", "Passive tight (VPIP 18\u201325)", "UTG/HJ/CO", "RFI"])
            scrollTimer.start()
            return
        }
        page.oopClickWeightPct = 50
        page.paintHand("oop", "K7s", true, 0)
        page.paintHand("oop", "Q9o", true, 0)
        page._addFolderPlayer = "ip"
        page.commitAddFolder("BTN vs BB")
        page._saveRangePlayer = "ip"
        page._saveRangeValue = "QQ+, AKs, AKo:0.5"
        page.commitSaveRange("3-bet value")
        page._saveRangeValue = "TT-77, AJs-ATs, KQs"
        page.commitSaveRange("Flat")
        page._saveRangeValue = "A5s-A2s:0.5"
        page.commitSaveRange("Bluffs")
        page.selectLibraryRow("ip", page.listModelFor("ip")[2])
        scrollTimer.start()
    }

    // Once the page has laid out its new content.
    Timer {
        id: scrollTimer
        interval: 300
        onTriggered: {
            var page = shell.pages.projectPage
            var flick = Array.prototype.filter.call(page.children, function (c) {
                return c.objectName === "setupFlickable"
            })[0]
            if (window.args.indexOf("--top") < 0)
                flick.contentY = Math.max(0, flick.contentHeight - flick.height)
            var dialog = window.argValue("--dialog=")
            if (dialog === "delete") {
                page.selectLibraryRow("ip", page.listModelFor("ip")[0])
                page.openDeleteSelectedDialog("ip")
            } else if (dialog === "profile") {
                page.openSaveProfileDialog()
                page._saveProfileError = qsTr("A profile with this name already exists.")
            } else if (dialog === "load") {
                page.openLoadProfileDialog()
            } else if (dialog === "load-saved" || dialog === "delete-profile") {
                page.settingsProfiles = [
                    { id: "p1", name: "Deep stack", createdAt: "", data: {} },
                    { id: "p2", name: "100bb rake-free single raised pot for cutoff versus big blind, deep-stack study", createdAt: "", data: {} }
                ]
                page.openLoadProfileDialog()
                if (dialog === "delete-profile") {
                    page._loadProfileSelectedId = "p2"
                    page.askDeleteSelectedProfile()
                }
            } else if (dialog === "folder") {
                page.openAddFolderDialog("ip")
            } else if (dialog === "import") {
                page.openImportRangeDialog("oop")
                page.importRangeFromFile("file:///nowhere/BTN%20open.txt")
            }
        }
    }
}
