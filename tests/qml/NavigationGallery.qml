import QtQuick
import QtQuick.Controls.Basic
import Pellaris

// The navigation bars for screenshots (scripts/screenshot.sh -q): the
// sidebar, which the program itself does not place, in the dark and the
// light palette, and the top bar without a controller. A click on a sidebar
// entry moves its highlight, as an owner would.
ApplicationWindow {
    id: window

    x: 0
    y: 0
    width: Screen.width
    height: Screen.height
    visible: true
    title: "Pellaris navigation gallery"
    color: darkTheme.bg0

    Theme { id: darkTheme }
    Theme { id: lightTheme; dark: false }

    TopBar {
        id: topBar
        x: 0
        y: 0
        width: parent.width
        theme: darkTheme
        projectEnabled: false
        canSolve: false
    }

    Row {
        anchors.top: topBar.bottom
        anchors.bottom: parent.bottom
        anchors.topMargin: 24
        x: 24
        spacing: 24

        Sidebar {
            height: 640
            theme: darkTheme
            currentIndex: 1
            onNavigate: index => currentIndex = index
        }

        Rectangle {
            width: 240
            height: 640
            color: lightTheme.bg0

            Sidebar {
                anchors.fill: parent
                theme: lightTheme
                currentIndex: 0
                onNavigate: index => currentIndex = index
            }
        }

        Sidebar {
            height: 640
            currentIndex: 7
            onNavigate: index => currentIndex = index
        }
    }
}
