import QtQuick

// Home page, for now only its interface: the variant it is shown, the
// function that gives the project state to save, and the requests it sends
// to the shell.
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
}
