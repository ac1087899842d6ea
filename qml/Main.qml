import QtQuick
import QtQuick.Controls
import "components" as Components
import "components/navigationRules.js" as NavRules

// The main window: sized to the screen's work area (wide enough for the
// set-up page), holding the one application shell.
ApplicationWindow {
    id: window

    width: 1200
    height: 800
    visible: true
    color: "#080B12"
    title: qsTr("Pellaris")
    // The controls, file dialogs among them, write numbers and sizes in the
    // chosen language; the binding is made again at each switch.
    // qmllint disable
    locale: {
        // Read to be told of a switch; Qt.locale() is then the new default.
        // At shutdown the manager is gone before the window.
        var manager = typeof languageManager !== "undefined" ? languageManager : null
        var language = manager ? manager.currentLanguage : ""
        return language !== undefined ? Qt.locale() : Qt.locale("en")
    }
    // qmllint enable
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.WindowMinMaxButtonsHint | Qt.WindowCloseButtonHint

    // The work area of the window's screen. Qt Quick 6.4 tells only the
    // available size of the desktop, so the area starts at the screen's
    // corner and is never wider or higher than the screen itself.
    readonly property var _available: {
        var w = Screen.desktopAvailableWidth > 0 ? Math.min(Screen.desktopAvailableWidth, Screen.width || Infinity) : Screen.width
        var h = Screen.desktopAvailableHeight > 0 ? Math.min(Screen.desktopAvailableHeight, Screen.height || Infinity) : Screen.height
        return { x: Screen.virtualX, y: Screen.virtualY, width: w, height: h }
    }
    readonly property var _minimumSize: NavRules.minimumSize(_available, shell.projectRecommendedWidth)

    minimumWidth: _minimumSize.width
    minimumHeight: _minimumSize.height

    Components.AppShell {
        id: shell
        objectName: "appShell"
        anchors.fill: parent
        // The first frame waits only for the page on show.
        deferHiddenPages: true
        // Start-up publishes appController on the root context, out of the
        // linter's sight.
        // qmllint disable unqualified
        controller: typeof appController !== "undefined" ? appController : null
        // qmllint enable unqualified
    }

    // Every launch computes the geometry afresh; nothing is stored.
    Component.onCompleted: {
        var g = NavRules.startGeometry(_available, shell.projectRecommendedWidth)
        width = g.width
        height = g.height
        x = g.x
        y = g.y
        visibility = Window.Windowed
    }
}
