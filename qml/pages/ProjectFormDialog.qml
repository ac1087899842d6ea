import QtQuick
import QtQuick.Layouts

// A set-up dialog laid out as a form: what is declared inside stands in a
// column, `buttons` in a row beneath it, in the order given (an item that
// fills the width pushes the ones after it to the right).
ProjectDialog {
    id: form

    default property alias body: bodyColumn.data
    property alias buttons: buttonRow.data

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        ColumnLayout {
            id: bodyColumn
            Layout.margins: 14
            spacing: 10
        }
        RowLayout {
            id: buttonRow
            Layout.margins: 14
            Layout.topMargin: 0
            spacing: 10
        }
    }
}
