import QtQuick

// Results page, for now only its interface: the parts of the spot it reads
// and its request to go back to solving.
Item {
    id: page

    property var theme
    property var type
    property var controller: null
    property string gameVariant: "holdem"
    property string utilityModel: "cash"
    property string boardText: ""
    property real rakePercent: 0.0
    property int rakeCap: 0

    signal goToSolve()
}
