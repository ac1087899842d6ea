import QtQuick
import "navigationRules.js" as NavRules
import "solveProgress.js" as SolveProgress
import Pellaris as Published

// Which page the shell shows. Tabs and shortcuts go through one rule set
// (requestPage); the pages' own requests move directly (showPage), since a
// page only offers them where the move makes sense.
Item {
    id: navigation

    required property var shell

    readonly property Published.AppController controller: shell.controller
    readonly property bool running: !!controller && controller.running === true
    readonly property bool hasResults: !!controller && Number(controller.resultIterations) > 0

    // While a solve runs on the solve page the user stays there.
    readonly property bool lockedOnSolve: shell.navIndex === NavRules.SOLVE && running

    readonly property var pageTitles: [qsTr("Home"), qsTr("Setup"), qsTr("Solve"), qsTr("Results"), qsTr("Settings")]
    readonly property string pageTitle: shell.navIndex >= 0 && shell.navIndex < pageTitles.length
                                        ? pageTitles[shell.navIndex] : qsTr("Pellaris")
    readonly property string pageSubtitle: lockedOnSolve && controller.statusText ? SolveProgress.shownStatus(controller.statusText) : ""

    function pageAllowed(index) {
        return NavRules.pageAllowed(index, {
            locked: lockedOnSolve, hasResults: hasResults,
            hasProject: shell.hasProject, canSolve: shell.canSolve
        })
    }

    // A refused request changes nothing and shows nothing.
    function requestPage(index) {
        if (!pageAllowed(index))
            return false
        shell.navIndex = index
        return true
    }

    function showPage(index) {
        shell.navIndex = index
    }

    // ---- Requests of the home page ----

    function startNewProject() {
        shell.resetToNewProject()
        showPage(NavRules.SETUP)
    }

    function startQuickSolve() {
        shell.resetToDefaults()
        shell.hasProject = true
        showPage(NavRules.SETUP)
    }

    // Keeps an open project's settings; the import dialog opens where the
    // set-up page offers one.
    function startRangeImport() {
        if (!shell.hasProject)
            shell.resetToNewProject()
        shell.hasProject = true
        showPage(NavRules.SETUP)
        var page = shell.pages.projectPage
        if (page && typeof page.openImportRangeDialog === "function")
            page.openImportRangeDialog("oop")
    }

    function openLoadedProject(projectState, hasResults) {
        shell.applyLoadedProject(projectState)
        shell.syncPagesFromRoot()
        shell.hasProject = true
        showPage(hasResults === true ? NavRules.RESULTS : NavRules.SETUP)
    }

    // ---- Solve keys ----

    function _startSolveFromKey() {
        if (!shell.canSolve || !controller || running)
            return
        showPage(NavRules.SOLVE)
        if (typeof controller.startSolveWithConfig === "function")
            controller.startSolveWithConfig(shell._solveMemCfg())
        else if (typeof controller.startSolve === "function")
            controller.startSolve()
    }

    function _cancelSolveFromKey() {
        if (running && typeof controller.cancelSolve === "function")
            controller.cancelSolve()
    }

    // ---- Keys ----

    // The window's keys act only on the window itself: never while a file
    // dialog (a window of its own) is up, nor under a modal popup or one
    // that closes on Escape (the window context leaves those keys to it).
    // The key then reaches the dialog: Escape closes it and nothing else.
    readonly property bool keysLive: !Published.FileDialogs.shown

    Shortcut {
        sequence: "Ctrl+1"
        context: Qt.WindowShortcut
        enabled: navigation.keysLive
        onActivated: navigation.requestPage(NavRules.HOME)
    }

    Shortcut {
        sequence: "Ctrl+2"
        context: Qt.WindowShortcut
        enabled: navigation.keysLive
        onActivated: navigation.requestPage(NavRules.SETUP)
    }

    Shortcut {
        sequence: "Ctrl+3"
        context: Qt.WindowShortcut
        enabled: navigation.keysLive
        onActivated: navigation.requestPage(NavRules.SOLVE)
    }

    Shortcut {
        sequence: "Ctrl+4"
        context: Qt.WindowShortcut
        enabled: navigation.keysLive
        onActivated: navigation.requestPage(NavRules.RESULTS)
    }

    Shortcut {
        sequence: "Ctrl+,"
        context: Qt.WindowShortcut
        enabled: navigation.keysLive
        onActivated: navigation.requestPage(NavRules.SETTINGS)
    }

    Shortcut {
        sequence: "F5"
        context: Qt.WindowShortcut
        enabled: navigation.keysLive
        onActivated: navigation._startSolveFromKey()
    }

    // Live only while a solve runs, so that it never competes with the
    // Escape of an open popup or dialog (two shortcuts on one key fire none).
    Shortcut {
        sequence: "Escape"
        context: Qt.WindowShortcut
        enabled: navigation.running && navigation.keysLive
        onActivated: navigation._cancelSolveFromKey()
    }
}
