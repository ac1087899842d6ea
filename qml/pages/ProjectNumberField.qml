import QtQuick
import "numericFields.js" as NumericFields

// A numeric setting. Unfocused it shows its value in the rule's form;
// focused it keeps what the user types. Only input inside the rule's range
// finishes editing; leaving the field with anything else shows the value
// again. With `live`, every acceptable text is written while typing.
ProjectTextField {
    id: field

    property var rule: NumericFields.RULES.chips
    property var value: 0
    property bool live: false
    readonly property string shownValue: NumericFields.display(rule, value)
    readonly property bool inputAcceptable: NumericFields.isAcceptable(rule, text)

    signal commit(real value)

    validator: RegularExpressionValidator { regularExpression: new RegExp(NumericFields.pattern(field.rule)) }
    inputMethodHints: rule.integer ? Qt.ImhDigitsOnly : Qt.ImhFormattedNumbersOnly

    // The text is read afresh: `textEdited` comes before the bindings on
    // `text` have caught up.
    function _acceptable() {
        return NumericFields.isAcceptable(rule, text)
    }

    function _finish() {
        if (_acceptable())
            commit(NumericFields.commit(rule, text))
        text = shownValue
        _edited = false
    }

    // Leaving a field the user did not type in writes nothing, so a value
    // set from elsewhere meanwhile is shown rather than overwritten.
    property bool _edited: false

    onShownValueChanged: if (!activeFocus) text = shownValue
    Component.onCompleted: text = shownValue
    onTextEdited: {
        _edited = true
        if (live && activeFocus && _acceptable())
            commit(Number(text))
    }
    onAccepted: if (_acceptable()) _finish()
    onActiveFocusChanged: {
        if (activeFocus)
            return
        if (_edited)
            _finish()
        else
            text = shownValue
    }
}
