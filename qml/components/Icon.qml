import QtQuick
import QtQuick.Controls.impl

// A monochrome icon of the module's set (white outlines), tinted to `color`.
Item {
    id: icon

    property string name: ""
    property int size: 16
    property color color: "white"
    property real iconOpacity: 1.0

    implicitWidth: size
    implicitHeight: size

    // The tint replaces the colour of every drawn pixel and keeps its alpha,
    // so white outlines take `color` exactly. The icon's opacity goes into
    // the tint's alpha rather than the item's opacity: the image then draws
    // with the same shader as every other image in the window, which a
    // software renderer would otherwise compile once more before the first
    // frame. No mipmaps either, for the same reason: the icon is drawn at
    // the size it is rendered at.
    IconImage {
        objectName: "iconImage"
        anchors.fill: parent
        // A tint with no alpha would leave the image untinted (white).
        visible: icon.name !== "" && icon.color.a * icon.iconOpacity > 0
        source: icon.name !== "" ? Qt.resolvedUrl("../assets/icons/" + icon.name + ".svg") : ""
        sourceSize.width: icon.size
        sourceSize.height: icon.size
        fillMode: Image.PreserveAspectFit
        smooth: true
        color: Qt.rgba(icon.color.r, icon.color.g, icon.color.b, icon.color.a * icon.iconOpacity)
    }
}
