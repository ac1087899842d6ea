import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window

    width: 1200
    height: 800
    visible: true
    color: "#080B12"
    title: qsTr("Pellaris")
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.WindowMinMaxButtonsHint | Qt.WindowCloseButtonHint

    Column {
        anchors.centerIn: parent
        spacing: 12

        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Pellaris")
            color: "#E6EAF2"
            font.pixelSize: 40
            font.bold: true
        }

        // Start-up publishes appController on the root context, out of the
        // linter's sight.
        // qmllint disable unqualified
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: typeof appController !== "undefined" && appController ? appController.statusText : ""
            color: "#8A93A6"
            font.pixelSize: 16
        }
        // qmllint enable unqualified
    }
}
