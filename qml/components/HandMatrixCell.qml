pragma ComponentBehavior: Bound
import QtQuick
import "handMatrix.js" as M

// One class of the hand matrix: background by class type, the weight as a
// clipped fill (plain, or split into the class's action mix) and the label.
Rectangle {
    id: cell

    required property var matrix
    property int cellIndex: 0

    readonly property int row: Math.floor(cellIndex / matrix.rankCount)
    readonly property int col: cellIndex % matrix.rankCount
    readonly property string hand: matrix.handAt(row, col)
    readonly property var weight: matrix.weightFor(hand)
    readonly property bool isPair: row === col
    readonly property bool isSuited: row < col
    readonly property bool weightIsVertical: matrix.weightDisplayMode === "verticalFill"
    readonly property real weight01: M.clamp01(weight)
    // Empty unless the class is in the range and its mix lines up with the
    // node's actions; then one entry per action.
    readonly property var _segments: weight01 > 0 ? M.mixSegments(matrix.actionTypes, matrix.probsFor(hand)) : []
    readonly property bool mixed: _segments.length > 0
    readonly property bool locked: matrix.isLocked(hand)
    readonly property bool hovered: matrix._hoverIndex === cellIndex
    readonly property real _step: matrix.effectiveCellSize + matrix.cellSpacing
    readonly property var _mixColors: isPair ? matrix._mixColors.pair
                                             : isSuited ? matrix._mixColors.suited : matrix._mixColors.offsuit
    readonly property real _radius: matrix.theme ? matrix.theme.radiusXs : 4

    objectName: "cell_" + hand
    x: col * _step
    y: row * _step
    width: matrix.effectiveCellSize
    height: matrix.effectiveCellSize
    radius: _radius
    color: isPair ? (matrix.theme ? matrix.theme.surface3 : "#2D333B")
                  : isSuited ? (matrix.theme ? matrix.theme.surface2 : "#21262D")
                             : (matrix.theme ? matrix.theme.surface : "#1C2128")
    border.width: hovered ? 2 : 1
    border.color: hovered ? (matrix.theme ? matrix.theme.strokeFocus : "#58A6FF")
                          : (matrix.theme ? matrix.theme.strokeLight : "#21262D")
    z: hovered ? 2 : 0
    scale: hovered ? 1.1 : 1.0
    Behavior on scale { NumberAnimation { duration: 80; easing.type: Easing.OutCubic } }

    // The mask shows part of the full-size plain fill, so the fill keeps its
    // geometry (and rounded outer corners) while only the mask follows the
    // weight.
    Item {
        id: mask
        objectName: "mask"
        z: 0.5
        visible: cell.weight01 > 0
        // Only the plain fill needs cutting; the segments are cut by
        // arithmetic, and a clip per cell is costly to draw.
        clip: !cell.mixed
        width: cell.weightIsVertical ? cell.width : cell.width * cell.weight01
        height: cell.weightIsVertical ? cell.height * cell.weight01 : cell.height
        y: cell.height - height

        Rectangle {
            objectName: "plainFill"
            visible: !cell.mixed
            y: -mask.y
            width: cell.width
            height: cell.height
            radius: cell._radius
            color: cell.matrix.colorFor(cell.hand, 1.0)
        }

        // The mix: a base in the last action's colour under the mask, the
        // other actions over it from the left. One container switches it on
        // and off, so a new mix costs each segment only its edge and width.
        Item {
            objectName: "segments"
            visible: cell.mixed
            width: mask.width
            height: mask.height

            Rectangle {
                objectName: "segmentBase"
                width: parent.width
                height: parent.height
                color: cell._mixColors[cell._mixColors.length - 1] || "transparent"
            }

            // The count follows the node's actions, the places the class's
            // mix: a new node hands over its actions before its mix, so a
            // segment can exist for a moment where the mix has none (or the
            // mix holds the previous node's). Each reads its own entry and
            // draws nothing without one.
            Repeater {
                model: Math.max(0, cell.matrix._actionColors.length - 1)

                Rectangle {
                    required property int index
                    objectName: "segment" + index
                    x: cell._segments[index] ? mask.width * cell._segments[index].x : 0
                    width: cell._segments[index] ? mask.width * cell._segments[index].w : 0
                    height: mask.height
                    color: cell._mixColors[index] || "transparent"
                }
            }
        }
    }

    Text {
        objectName: "label"
        z: 5
        anchors.centerIn: parent
        // Down a little under a lock mark, so the mark never covers it.
        anchors.verticalCenterOffset: cell.locked ? Math.round(cell.height * 0.09) : 0
        visible: cell.matrix.showLabels || cell.weight01 > 0
        text: cell.hand
        textFormat: Text.PlainText
        font.family: cell.matrix.theme ? cell.matrix.theme.fontMono : "JetBrains Mono"
        font.pointSize: cell.matrix.effectiveCellSize > 28 ? 11.25 : 10
        renderType: Text.NativeRendering
        color: cell.matrix.theme ? cell.matrix.theme.text : "#F0F6FC"
        opacity: cell.weight01 > 0 ? 1.0 : 0.6
    }

    // A locked class: a small padlock on a dark tab in the top-right corner,
    // readable over any action colour. The icon loads only where a lock is.
    Rectangle {
        readonly property int iconSize: Math.max(7, Math.min(11, Math.round(cell.width * 0.26)))
        objectName: "lockMark"
        z: 6
        visible: cell.locked
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 1
        width: iconSize + 2
        height: iconSize + 2
        radius: 2
        color: Qt.rgba(0, 0, 0, 0.6)

        Icon {
            anchors.centerIn: parent
            name: cell.locked ? "lock" : ""
            size: parent.iconSize
            color: "white"
        }
    }
}
