import QtQuick

// Solve page, for now only its interface: the shell's settings (the page's
// own defaults never show once they are bound), readiness, and the thread
// count, the one setting the page writes back.
Item {
    id: page

    property var theme
    property var type
    property var controller: null
    property bool canSolve: true
    property int threadCount: controller && controller.systemThreadCount > 0 ? controller.systemThreadCount : 1

    property string gameVariant: "holdem"
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 2000
    property real startingPot: 100
    property real effectiveStack: 100
    property string utilityModel: "cash"
    property real oopStack: 100
    property real ipStack: 100
    property string icmPayoutsText: ""
    property string icmOtherStacksText: ""
    property string startingStreet: "flop"
    property real targetExploitability: 0.10
    property real rakePercent: 0.0
    property int rakeCap: 0
    property string oopFlopBetSizesText: ""
    property string oopTurnBetSizesText: ""
    property string oopRiverBetSizesText: ""
    property string oopFlopRaiseSizesText: ""
    property string oopTurnRaiseSizesText: ""
    property string oopRiverRaiseSizesText: ""
    property bool oopFlopAddAllIn: false
    property bool oopTurnAddAllIn: false
    property bool oopRiverAddAllIn: false
    property bool oopFlopDontDonk: false
    property bool oopTurnDontDonk: false
    property bool oopRiverDontDonk: false
    property string ipFlopBetSizesText: ""
    property string ipTurnBetSizesText: ""
    property string ipRiverBetSizesText: ""
    property string ipFlopRaiseSizesText: ""
    property string ipTurnRaiseSizesText: ""
    property string ipRiverRaiseSizesText: ""
    property bool ipFlopAddAllIn: false
    property bool ipTurnAddAllIn: false
    property bool ipRiverAddAllIn: false
    property bool oopAddAllInIfJamLtEnabled: false
    property real oopAddAllInIfJamLtPct: 0.0
    property bool ipAddAllInIfJamLtEnabled: false
    property real ipAddAllInIfJamLtPct: 0.0

    signal goToResults()
}
