import QtQuick
import QtQuick.Controls.Basic
import Qt5Compat.GraphicalEffects
import "../theme" as ThemePack

// A bordered, rounded panel that holds a block of page content and sizes
// itself to it.
Frame {
    id: card

    property ThemePack.Theme theme
    property bool hoverable: false
    property bool elevated: false
    property color accentColor: "transparent"

    // Largest implicit size among the content item's direct children: the
    // default content item does not grow with its children, so a card whose
    // only child is a layout would otherwise get almost no height.
    readonly property real __contentImplicitWidth: _largestChild("implicitWidth")
    readonly property real __contentImplicitHeight: _largestChild("implicitHeight")

    function _largestChild(measure) {
        var children = contentItem ? contentItem.children : []
        var largest = 0
        for (var i = 0; i < children.length; ++i) {
            var value = children[i][measure]
            if (typeof value === "number" && value > largest)
                largest = value
        }
        return largest
    }

    padding: theme ? theme.spaceLg : 16
    implicitWidth: __contentImplicitWidth + leftPadding + rightPadding
    implicitHeight: __contentImplicitHeight + topPadding + bottomPadding

    scale: hoverable && pointer.containsMouse ? 1.01 : 1.0
    Behavior on scale { NumberAnimation { duration: 150; easing.type: Easing.OutCubic } }

    background: Item {
        implicitWidth: 0
        implicitHeight: 0

        Rectangle {
            objectName: "cardBase"
            anchors.fill: parent
            radius: card.theme ? card.theme.radiusMd : 12
            color: card.theme ? card.theme.surface : "#1C2128"
            border.width: 1
            border.color: Qt.colorEqual(card.accentColor, "transparent")
                          ? (card.theme ? card.theme.stroke : "#30363D") : card.accentColor
        }

        // A faint sheen from the top edge.
        Rectangle {
            anchors.fill: parent
            radius: card.theme ? card.theme.radiusMd : 12
            gradient: Gradient {
                GradientStop { position: 0; color: Qt.rgba(1, 1, 1, 0.02) }
                GradientStop { position: 1; color: "transparent" }
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: card.theme ? card.theme.radiusMd : 12
            color: card.theme ? card.theme.surfaceHover : "#30363D"
            opacity: card.hoverable && pointer.containsMouse ? 0.3 : 0
            Behavior on opacity { NumberAnimation { duration: 150 } }
        }
    }

    // Made only while elevated: the background's outline blurred, 4 px
    // lower, behind the card. The blur builds its shaders when it is made,
    // which every card of a page would otherwise pay for before the
    // window's first frame.
    readonly property Loader _shadow: Loader {
        parent: card
        z: -2
        anchors.fill: parent
        active: card.elevated
        sourceComponent: DropShadow {
            transparentBorder: true
            horizontalOffset: 0
            verticalOffset: 4
            radius: 16
            samples: 33
        }
        onLoaded: {
            var shadow = item as DropShadow
            shadow.source = Qt.binding(function () { return card.background })
            shadow.color = Qt.binding(function () { return Qt.rgba(0, 0, 0, card.theme ? card.theme.shadowOpacity : 0.3) })
        }
    }

    // Hover only: it takes no buttons, so presses always reach the content
    // and whatever lies beneath; the card itself is never clickable. Held
    // outside the content (which would count it) and absent unless
    // hoverable, so it never hides the content's own cursors.
    readonly property MouseArea _pointer: MouseArea {
        id: pointer
        parent: card
        anchors.fill: parent
        z: 1
        visible: card.hoverable
        hoverEnabled: card.hoverable
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
}
