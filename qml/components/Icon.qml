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
    // so white outlines take `color` exactly.
    IconImage {
        objectName: "iconImage"
        anchors.fill: parent
        visible: icon.name !== ""
        source: icon.name !== "" ? Qt.resolvedUrl("../assets/icons/" + icon.name + ".svg") : ""
        sourceSize.width: icon.size
        sourceSize.height: icon.size
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        opacity: icon.iconOpacity
        color: icon.color
    }
}
