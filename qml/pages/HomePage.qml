import QtQuick
import "../components" as Components

// Home page, for now its interface (the variant it is shown, the function
// that gives the project state to save, the requests it sends to the shell)
// and the three buttons that start a project.
Item {
    id: page

    property var theme
    property var type
    property string gameVariant: "holdem"
    property var projectStateProvider: null

    signal newProject()
    signal quickSolve()
    signal importRange()
    signal projectLoaded(var projectState, bool hasResults)

    Row {
        x: 24
        y: 24
        spacing: 12

        Components.PrimaryButton {
            objectName: "newSolveButton"
            theme: page.theme
            text: qsTr("New Solve")
            iconText: "+"
            onClicked: page.newProject()
        }

        Components.SecondaryButton {
            objectName: "quickSolveButton"
            theme: page.theme
            text: qsTr("Quick Solve")
            iconName: "bolt"
            onClicked: page.quickSolve()
        }

        Components.SecondaryButton {
            objectName: "importRangeButton"
            theme: page.theme
            text: qsTr("Import Range")
            iconName: "chart"
            onClicked: page.importRange()
        }
    }
}
