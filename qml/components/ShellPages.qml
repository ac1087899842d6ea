import QtQuick
import QtQuick.Layouts
import "../pages" as Pages

// The shell's five pages, one shown at a time. Every page is created at
// start and lives as long as the shell, so a hidden page keeps its state.
// Each page gets the pieces of the shell's state it shows; its requests go to
// the shell's navigation.
StackLayout {
    id: stack

    required property var shell
    required property var navigation

    readonly property alias homePage: homePage
    readonly property alias projectPage: projectPage
    readonly property alias solvePage: solvePage
    readonly property alias resultsPage: resultsPage
    readonly property alias settingsPage: settingsPage

    currentIndex: shell.navIndex

    // The window's width follows what the set-up page needs.
    function _copyRecommendedWidth() {
        var w = Number(projectPage.recommendedWindowWidth)
        if (isFinite(w) && w > 0)
            shell.projectRecommendedWidth = Math.floor(w)
    }

    Pages.HomePage {
        id: homePage
        objectName: "homePage"
        theme: stack.shell.theme
        type: stack.shell.type
        gameVariant: stack.shell.gameVariant
        projectStateProvider: stack.shell.exportProjectState
        onNewProject: stack.navigation.startNewProject()
        onQuickSolve: stack.navigation.startQuickSolve()
        onImportRange: stack.navigation.startRangeImport()
        onProjectLoaded: (projectState, hasResults) => stack.navigation.openLoadedProject(projectState, hasResults)
    }

    Pages.ProjectPage {
        id: projectPage
        objectName: "projectPage"
        theme: stack.shell.theme
        type: stack.shell.type
        canSolve: stack.shell.canSolve
        solveBlockReason: stack.shell.solveBlockReason
        estimateMeasuring: stack.shell.estimateMeasuring
        onGoToSolve: stack.navigation.showPage(2)
        onRecommendedWindowWidthChanged: stack._copyRecommendedWidth()
    }

    Pages.SolvePage {
        id: solvePage
        objectName: "solvePage"
        theme: stack.shell.theme
        type: stack.shell.type
        controller: stack.shell.controller
        canSolve: stack.shell.canSolve
        threadCount: stack.shell.threadCount
        onThreadCountChanged: stack.shell.threadCount = threadCount
        onGoToResults: stack.navigation.showPage(3)
    }

    Pages.ResultsPage {
        id: resultsPage
        objectName: "resultsPage"
        theme: stack.shell.theme
        type: stack.shell.type
        controller: stack.shell.controller
        gameVariant: stack.shell.gameVariant
        utilityModel: stack.shell.utilityModel
        boardText: stack.shell.boardText
        // A tournament solve charges no rake (the set-up page hides it).
        rakePercent: stack.shell._isIcm ? 0 : stack.shell.rakePercent
        rakeCap: stack.shell._isIcm ? 0 : stack.shell.rakeCap
        onGoToSolve: stack.navigation.showPage(2)
    }

    Pages.SettingsPage {
        id: settingsPage
        objectName: "settingsPage"
        theme: stack.shell.theme
        type: stack.shell.type
        darkMode: stack.shell.theme.dark
        onDarkModeChanged: stack.shell.theme.dark = darkMode
    }

    Component.onCompleted: _copyRecommendedWidth()
}
