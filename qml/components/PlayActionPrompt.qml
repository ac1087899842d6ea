pragma ComponentBehavior: Bound
import QtQuick

// The hero's choices at the play node: one button per action, in the
// solver's order, labelled exactly as the controller names them.
Flow {
    id: prompt

    required property var page

    objectName: "playActionPrompt"
    visible: page.playAwaitingUserAction && !page.playHandComplete
    spacing: 6

    Repeater {
        model: (prompt.page._playNode, prompt.page._results, prompt.page._actionListAtPlayNode())
        SecondaryButton {
            required property var modelData
            required property int index
            objectName: "playAction" + index
            theme: prompt.page.theme
            implicitHeight: 30
            font.pixelSize: 12
            text: prompt.page._nodeActionNameTranslated(modelData.name)
            onClicked: prompt.page.playChooseAction(index)
        }
    }
}
