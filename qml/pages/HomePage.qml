import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components" as Components
import "homeStats.js" as HomeStats
import "projectFiles.js" as ProjectFiles
import "../components/projectPresets.js" as Presets
import "../components/notLoadedList.js" as NotLoaded
import "../theme" as ThemePack
import Pellaris as Published

// The start page: new project, quick solve, range import, project files, and
// the user's figures (play statistics, solve history and activity, system).
// The page keeps no project state; the shell gives it the state to save and
// takes a loaded one back through projectLoaded.
Item {
    id: page

    property ThemePack.Theme theme
    property var type
    property string gameVariant: "holdem"
    property var projectStateProvider: null
    // The program's controller; tests give the page a stand-in.
    // qmllint disable unqualified
    property Published.AppController controller: typeof appController !== "undefined" ? appController : null
    // qmllint enable unqualified

    property var solveActivityGrid: []
    property var solveHistoryDaily: []
    property var playVsSolutionStats: ({})

    // Figures of the grid and the history, worked out again whenever a list
    // is replaced ("today" is read at that moment).
    readonly property var _gridTotals: HomeStats.gridTotals(solveActivityGrid, new Date())
    readonly property int _totalSolves: _gridTotals.total
    readonly property int _solvesThisWeek: _gridTotals.thisWeek
    readonly property string _avgRuntimeText: formatDurationSeconds(_gridTotals.avgRuntimeSec)
    readonly property var _series: HomeStats.historySeries(solveHistoryDaily)
    readonly property var _cumulativeSolves: _series.cumulative
    readonly property var _cumulativeAvgRuntimeSec: _series.avgRuntimeSec
    readonly property int _maxCumulativeSolves: _series.maxY
    readonly property real _maxAvgRuntimeSec: _series.maxRuntimeSec
    property int hoverIndex: -1

    signal newProject()
    signal quickSolve()
    signal importRange()
    signal projectLoaded(var projectState, bool hasResults)

    function reloadSolveActivity() {
        if (!controller)
            return
        solveActivityGrid = controller.solveActivityGridLastSixMonths()
        solveHistoryDaily = controller.solveHistoryDaily()
    }

    function reloadPlayVsSolutionStats() {
        if (!controller)
            return
        playVsSolutionStats = controller.playVsSolutionStats()
    }

    function parseIsoDate(s: var): var { return HomeStats.parseIsoDate(s) }
    function startOfWeekMonday(dt: var): var { return HomeStats.startOfWeekMonday(dt) }
    // Worded again at each switch of language (the units are translated).
    function formatDurationSeconds(sec: real): string {
        void Qt.uiLanguage
        return HomeStats.formatDurationSeconds(sec)
    }

    readonly property var _monthNames: [qsTr("Jan"), qsTr("Feb"), qsTr("Mar"), qsTr("Apr"), qsTr("May"), qsTr("Jun"),
                                        qsTr("Jul"), qsTr("Aug"), qsTr("Sep"), qsTr("Oct"), qsTr("Nov"), qsTr("Dec")]

    function monthLabelForWeek(weekIndex: int): string {
        const m = HomeStats.monthOfWeek(solveActivityGrid, weekIndex)
        return m < 0 ? "" : _monthNames[m]
    }

    readonly property color _accent: theme ? theme.accent : "#39D353"

    // Fill of a calendar square by its solve count.
    function cellColor(solves: int): color {
        var level = HomeStats.cellLevel({ solves: solves })
        if (!theme)
            return ["#21262D", "#0E4429", "#26A641", "#39D353"][level]
        switch (level) {
        case 0: return theme.surface2
        case 1: return theme.withOpacity(theme.accent, 0.55)
        case 2: return theme.accentMuted
        default: return theme.accent
        }
    }

    function cellBorderColor(solves: int): color {
        const level = HomeStats.cellLevel({ solves: solves })
        if (!theme)
            return level === 0 ? "#30363D" : "#2EA043"
        return level === 0 ? theme.stroke : theme.darken(theme.accent, 0.35)
    }

    // Project files. A failure is shown, not only logged: otherwise the user
    // believes an unsaved project is saved, or wonders why nothing opened.
    function _fileNameOf(fileUrl: var): string { return ProjectFiles.shownName(fileUrl) }

    // Set when the user stops a save, which then needs no error message.
    property bool _saveCancelled: false

    // Shows the message the functions `titleWords` and `words` word, again
    // at each language switch while it is shown.
    function _showError(titleWords: var, words: var) {
        errorDialog.titleWords = titleWords
        errorDialog.words = words
        errorDialog.open()
    }

    // A file dialog that could not come up (or go): nothing was saved or
    // opened, and the reason is shown.
    function _chooserFailed(saving: bool, why: string) {
        if (why !== "")
            _showError(saving ? () => qsTr("Save Failed") : () => qsTr("Open Failed"), () => why)
    }

    function saveProjectTo(fileUrl: var): bool {
        var target = ProjectFiles.withProjectSuffix(fileUrl)
        var provider = projectStateProvider
        var state = typeof provider === "function" ? provider() : ({})
        fileProgress.title = qsTr("Saving project…")
        fileProgress.cancellable = true
        _saveCancelled = false
        var ok = controller ? controller.saveProject(target, state || ({})) === true : false
        if (!ok && _saveCancelled) {
            // The user stopped it: the old file stands, nothing to report.
        } else if (!ok) {
            console.warn("Save failed:", target)
            var targetName = _fileNameOf(target)
            var reason = controller ? String(controller.projectSaveError() || "") : ""
            _showError(() => qsTr("Save Failed"),
                       () => reason !== ""
                             ? qsTr("The project could not be saved to %1:\n%2").arg(targetName).arg(reason)
                             : qsTr("The project could not be saved to %1. Check that the folder exists and that it may be written to.")
                               .arg(targetName))
        } else {
            _rememberFolder(target)
            savedNote.fileUrl = String(target)
            savedNote.open()
        }
        return ok
    }

    function openProjectFrom(fileUrl: var): bool {
        fileProgress.title = qsTr("Opening project…")
        fileProgress.cancellable = false
        var result = controller ? controller.loadProject(fileUrl) : null
        if (result && result.ok === true) {
            _rememberFolder(fileUrl)
            projectLoaded(result.project || ({}), result.hasResults === true)
            var refused = Presets.refusedKeys(result.project)
            var opened = _fileNameOf(fileUrl)
            var c = controller
            if (refused.length > 0)
                _showError(() => qsTr("Some Values Not Loaded"),
                           () => qsTr("%1 was opened without these values, which their fields do not take:\n%2")
                           .arg(opened).arg(NotLoaded.lines(refused, c)))
            return true
        }
        var error = result && result.error ? String(result.error) : ""
        console.warn("Load failed:", error)
        var failed = _fileNameOf(fileUrl)
        // The reason is worded anew at each showing, in the language then.
        var reason = result ? result.reason : undefined
        var c = controller
        var reasonWords = function () {
            if (reason !== undefined && c && typeof c.fileReasonText === "function")
                return String(c.fileReasonText(reason))
            return error !== "" ? error : qsTr("No controller")
        }
        _showError(() => qsTr("Open Failed"),
                   () => qsTr("%1 could not be opened:\n%2").arg(failed).arg(reasonWords()))
        return false
    }

    // The file dialogs start in the folder of the last project saved or
    // opened, else in the home folder.
    Published.SettingsSection {
        id: fileStore
        category: "projectFiles"
    }

    function _startFolder(): string {
        var last = String(fileStore.value("lastFolder", ""))
        if (last !== "" && controller && controller.fileExists(last))
            return last
        return controller ? String(controller.homeFolderUrl()) : ""
    }

    function _rememberFolder(fileUrl: var) {
        var folder = ProjectFiles.folderOf(fileUrl)
        if (folder === "" || String(fileStore.value("lastFolder", "")) === folder)
            return
        // The project itself was saved or opened; only the folder is not
        // remembered for the next dialog, and the user hears so.
        var problem = fileStore.write({ lastFolder: folder })
        if (problem !== "")
            _showError(() => qsTranslate("SettingsPage", "Settings"), () => problem)
    }

    // The dialogs are the program's file dialog; each opens in the folder
    // wanted.
    function _openIn(dialog: Published.FileChooser, folder: string) {
        if (folder !== "")
            dialog.folder = folder
        dialog.open()
    }

    function openSaveDialog() { _openIn(saveDialog, _startFolder()) }
    function openOpenDialog() { _openIn(openDialog, _startFolder()) }

    function confirmClearPlayStats() { clearStatsDialog.open() }

    readonly property var _projectFilters: [qsTr("Pellaris Project (*.pellarisproj)"), qsTr("JSON (*.json)"), qsTr("All Files (*)")]

    // Saves to the chosen file. The dialog asked before replacing the file
    // it names; the page asks only when it added the suffix itself (a
    // dialog that adds none), and the suffixed file is there already.
    function saveChosenFile(fileUrl: var) {
        var chosen = String(fileUrl === undefined || fileUrl === null ? "" : fileUrl)
        var target = ProjectFiles.withProjectSuffix(chosen)
        if (target === "")
            return
        if (target !== chosen && controller && controller.fileExists(target)) {
            replaceDialog.fileUrl = target
            replaceDialog.open()
            return
        }
        saveProjectTo(target)
    }

    Published.FileChooser {
        id: saveDialog
        objectName: "saveProjectDialog"
        title: qsTr("Save Project")
        fileMode: Published.FileChooser.SaveFile
        nameFilters: page._projectFilters
        // Qt's dialog adds the suffix to a name without one, and then asks
        // before replacing that file.
        defaultSuffix: "pellarisproj"
        onAccepted: page.saveChosenFile(String(file))
        // The dialog could not come up (or go): nothing was saved.
        onLastErrorChanged: page._chooserFailed(true, lastError)
    }

    Components.MessageBox {
        id: replaceDialog
        objectName: "replaceFileDialog"
        property string fileUrl: ""
        theme: page.theme
        question: true
        title: qsTr("Replace File?")
        message: qsTr("%1 already exists. Replace it with this project?").arg(page._fileNameOf(fileUrl))
        okText: qsTr("Replace")
        // The save starts once the question has gone from the window.
        property bool _replace: false
        onAccepted: _replace = true
        onClosed: {
            if (_replace)
                page.saveProjectTo(fileUrl)
            _replace = false
        }
        // Back to the dialog, to choose another name.
        onRejected: page._openIn(saveDialog, ProjectFiles.folderOf(fileUrl))
    }

    Published.FileChooser {
        id: openDialog
        objectName: "openProjectDialog"
        title: qsTr("Open Project")
        fileMode: Published.FileChooser.OpenFile
        nameFilters: page._projectFilters
        onAccepted: page.openProjectFrom(String(file))
        onLastErrorChanged: page._chooserFailed(false, lastError)
    }

    // A short note that the save worked; it asks for nothing and goes away.
    Components.PlainToolTip {
        id: savedNote
        objectName: "projectSavedNote"
        property string fileUrl: ""
        theme: page.theme
        timeout: 3000
        x: Math.round((page.width - width) / 2)
        y: page.height - height - 24
        text: qsTr("Project saved to %1").arg(page._fileNameOf(fileUrl))
    }

    // The save and the open run while the window goes on; this shows how
    // far they are.
    Components.FileProgressPopup {
        id: fileProgress
        objectName: "projectFileProgress"
        theme: page.theme
        progress: page.controller ? page.controller.projectFileProgress : 0
        visible: !!page.controller && page.controller.projectFileBusy
        onCancelRequested: {
            page._saveCancelled = true
            if (page.controller)
                page.controller.cancelProjectSave()
        }
    }

    Components.MessageBox {
        id: errorDialog
        objectName: "fileErrorDialog"
        theme: page.theme
    }

    Components.MessageBox {
        id: clearStatsDialog
        objectName: "clearPlayStatsDialog"
        theme: page.theme
        question: true
        title: qsTr("Clear Play vs. Solution Stats")
        message: qsTr("Clear all Play vs. Solution statistics (today + total)?")
        onAccepted: if (page.controller) page.controller.clearPlayVsSolutionStats()
    }

    Connections {
        target: page.controller
        ignoreUnknownSignals: true
        function onSolveStatsChanged() { page.reloadSolveActivity() }
        function onPlayVsSolutionStatsChanged() { page.reloadPlayVsSolutionStats() }
    }

    Flickable {
        id: scroller
        objectName: "homeScroll"
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        ColumnLayout {
            id: content
            x: 24
            y: 24
            width: scroller.width - 48
            spacing: 24

            RowLayout {
                Layout.fillWidth: true
                spacing: 24

                HomeHero {
                    Layout.fillWidth: true
                    Layout.preferredHeight: 180
                    page: page
                }

                Image {
                    objectName: "homeLogo"
                    Layout.preferredWidth: 180
                    Layout.preferredHeight: 180
                    source: "../assets/logo.svg"
                    sourceSize.width: 360
                    sourceSize.height: 360
                    fillMode: Image.PreserveAspectFit
                    smooth: true
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 24

                HomeQuickActions {
                    Layout.preferredWidth: 320
                    Layout.fillHeight: true
                    page: page
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    spacing: 20

                    HomePlayStatsCard {
                        Layout.fillWidth: true
                        page: page
                    }

                    HomeHistorySystemCard {
                        Layout.fillWidth: true
                        page: page
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 24

                HomeSolveChart {
                    Layout.preferredWidth: 680
                    Layout.fillHeight: true
                    page: page
                }

                HomeActivityCalendar {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    page: page
                }
            }
        }
    }

    Component.onCompleted: {
        reloadSolveActivity()
        reloadPlayVsSolutionStats()
    }
}
