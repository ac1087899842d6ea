import QtQuick
import QtQuick.Controls.Basic
import Pellaris

// Window for the card, board, matrix, action and tree section of the
// gallery (scripts/screenshot.sh -q tests/qml/GalleryCards.qml). Argument
// --light shows the light palette.
ApplicationWindow {
    id: window

    x: 0
    y: 0
    width: Screen.width
    height: Screen.height
    visible: true
    title: "Pellaris gallery: cards and strategy"
    color: theme.bg0

    Theme {
        id: theme
        dark: Qt.application.arguments.indexOf("--light") < 0
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 16
        contentHeight: section.implicitHeight
        clip: true

        GalleryCardsSection {
            id: section
            width: parent.width
            theme: theme
        }
    }
}
