import QtQuick

// A text setting: shows its value, lets the user type freely, and hands the
// whole text over when editing finishes (Return, Enter or leaving the field).
ProjectTextField {
    id: field

    property string value: ""
    signal commit(string text)

    // The whole text reaches the solve's reader, which refuses with a reason
    // what it cannot read; nothing is cut here.
    maximumLength: 2147483647

    onValueChanged: text = value
    Component.onCompleted: text = value
    onEditingFinished: commit(text)
}
