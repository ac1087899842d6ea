import QtQuick
import QtQuick.Layouts
import "../pages" as Pages

// The shell's five pages, one shown at a time. A page once made lives as
// long as the shell, so a hidden page keeps its state. Each page gets the
// pieces of the shell's state it shows; its requests go to the shell's
// navigation.
//
// With `deferHiddenPages` only the page on show is made at once, so the
// window's first frame waits for one page, not five; the others are made
// right after, one at a time, and any of them at once when it is shown
// first. Until then its property here is null. The shell wires each page
// when it is made (pageMade).
StackLayout {
    id: stack

    required property var shell
    required property var navigation

    property bool deferHiddenPages: false
    // The pages below this index are made whether shown or not.
    property int _madePages: deferHiddenPages ? 0 : 5

    readonly property Pages.HomePage homePage: homeLoader.item as Pages.HomePage
    readonly property Pages.ProjectPage projectPage: projectLoader.item as Pages.ProjectPage
    readonly property Pages.SolvePage solvePage: solveLoader.item as Pages.SolvePage
    readonly property Pages.ResultsPage resultsPage: resultsLoader.item as Pages.ResultsPage
    readonly property Pages.SettingsPage settingsPage: settingsLoader.item as Pages.SettingsPage

    // A page that was just made, with the name of its property here.
    signal pageMade(string name, var page)

    currentIndex: shell.navIndex

    // The page on show takes the keyboard, so no control of a hidden page
    // keeps it: a key would change a setting nobody sees.
    onCurrentIndexChanged: {
        var loaders = [homeLoader, projectLoader, solveLoader, resultsLoader, settingsLoader]
        if (currentIndex >= 0 && currentIndex < loaders.length)
            loaders[currentIndex].forceActiveFocus()
    }

    // The window's width follows what the set-up page needs.
    function _copyRecommendedWidth() {
        if (!projectPage)
            return
        var w = Number(projectPage.recommendedWindowWidth)
        if (isFinite(w) && w > 0)
            shell.projectRecommendedWidth = Math.floor(w)
    }

    // The pages' components are made in this document's context and read
    // its ids, out of the linter's sight.
    // qmllint disable unqualified
    Loader {
        id: homeLoader
        active: stack._madePages > 0 || stack.currentIndex === 0
        onLoaded: stack.pageMade("homePage", item)
        sourceComponent: Pages.HomePage {
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
    }

    Loader {
        id: projectLoader
        active: stack._madePages > 0 || stack.currentIndex === 1
        onLoaded: stack.pageMade("projectPage", item)
        sourceComponent: Pages.ProjectPage {
            objectName: "projectPage"
            theme: stack.shell.theme
            type: stack.shell.type
            canSolve: stack.shell.canSolve
            solveBlockReason: stack.shell.solveBlockReason
            estimateMeasuring: stack.shell.estimateMeasuring
            onGoToSolve: stack.navigation.showPage(2)
            onRecommendedWindowWidthChanged: stack._copyRecommendedWidth()
        }
    }

    Loader {
        id: solveLoader
        active: stack._madePages > 1 || stack.currentIndex === 2
        onLoaded: stack.pageMade("solvePage", item)
        sourceComponent: Pages.SolvePage {
            objectName: "solvePage"
            theme: stack.shell.theme
            type: stack.shell.type
            controller: stack.shell.controller
            canSolve: stack.shell.canSolve
            threadCount: stack.shell.threadCount
            onThreadCountChanged: stack.shell.threadCount = threadCount
            onGoToResults: stack.navigation.showPage(3)
        }
    }

    Loader {
        id: resultsLoader
        active: stack._madePages > 2 || stack.currentIndex === 3
        onLoaded: stack.pageMade("resultsPage", item)
        sourceComponent: Pages.ResultsPage {
            objectName: "resultsPage"
            theme: stack.shell.theme
            type: stack.shell.type
            controller: stack.shell.controller
            // The spot the results were solved for; the set-up's while no
            // result (or no known spot) is held.
            readonly property var _solved: stack.shell.controller ? stack.shell.controller.resultSpot : ({})
            gameVariant: _solved.gameVariant ?? stack.shell.gameVariant
            utilityModel: _solved.utilityModel ?? stack.shell.utilityModel
            boardText: _solved.boardText ?? stack.shell.boardText
            // A tournament solve charges no rake (the set-up page hides it).
            rakePercent: _solved.rakePercent ?? (stack.shell._isIcm ? 0 : stack.shell.rakePercent)
            rakeCap: _solved.rakeCap ?? (stack.shell._isIcm ? 0 : stack.shell.rakeCap)
            setupChanged: stack.shell.setupDiffersFromResults
            onGoToSolve: stack.navigation.showPage(2)
        }
    }

    Loader {
        id: settingsLoader
        active: stack._madePages > 3 || stack.currentIndex === 4
        onLoaded: stack.pageMade("settingsPage", item)
        sourceComponent: Pages.SettingsPage {
            objectName: "settingsPage"
            theme: stack.shell.theme
            type: stack.shell.type
            darkMode: stack.shell.theme.dark
            onDarkModeChanged: stack.shell.theme.dark = darkMode
        }
    }
    // qmllint enable unqualified

    // The hidden pages are made one per pass of the event loop, starting a
    // moment after start: by then the window has handed its first frame to
    // the render thread, which draws it while the pages are made. One at a
    // time, so that input is never held up for all of them at once.
    Timer {
        id: makeHiddenPagesTimer
        interval: stack._madePages > 0 ? 0 : 250
        onTriggered: stack._makeNextPage()
    }

    function _makeNextPage() {
        var loaders = [homeLoader, projectLoader, solveLoader, resultsLoader, settingsLoader]
        while (_madePages < loaders.length && loaders[_madePages].item !== null)
            ++_madePages
        if (_madePages < loaders.length) {
            ++_madePages
            makeHiddenPagesTimer.start()
        }
    }

    onPageMade: name => {
        if (name === "projectPage")
            _copyRecommendedWidth()
    }

    Component.onCompleted: {
        if (deferHiddenPages)
            makeHiddenPagesTimer.start()
    }
}
