import QtQuick
import "../components" as Components
import "numericFields.js" as NumericFields

// A numeric setting. Unfocused it shows its value in the rule's form;
// focused it keeps what the user types. A finished edit stores exactly the
// number typed, or nothing: text the rule refuses puts the value from
// before the edit back and says why. With `live`, every acceptable text is
// written while typing, and a refused one takes that back too.
ProjectTextField {
    id: field

    property var rule: NumericFields.RULES.chips
    property var value: 0
    property bool live: false
    readonly property string shownValue: NumericFields.display(rule, value)
    readonly property bool inputAcceptable: NumericFields.isAcceptable(rule, text)
    // Why the last finished edit was refused; empty after one that was not.
    property string refusalText: ""

    signal commit(real value)

    validator: RegularExpressionValidator { regularExpression: new RegExp(NumericFields.pattern(field.rule)) }
    inputMethodHints: Qt.ImhFormattedNumbersOnly

    // The text is read afresh: `textEdited` comes before the bindings on
    // `text` have caught up.
    function _acceptable() {
        return NumericFields.isAcceptable(rule, text)
    }

    function _bound(v) {
        return NumericFields.display(rule, v)
    }

    function _reason(code) {
        switch (code) {
        case "whole": return qsTranslate("ProjectPage", "Whole numbers only: \"%1\" was not stored.").arg(text)
        case "decimals": return qsTranslate("ProjectPage", "Too many decimals: \"%1\" was not stored.").arg(text)
        case "range": return qsTranslate("ProjectPage", "Enter a number from %1 to %2: \"%3\" was not stored.")
                             .arg(_bound(rule.min)).arg(_bound(rule.max)).arg(text)
        case "empty": return qsTranslate("ProjectPage", "Empty: the value was kept.")
        default: return qsTranslate("ProjectPage", "Not a number: \"%1\" was not stored.").arg(text)
        }
    }

    function _finish() {
        var code = NumericFields.refusal(rule, text)
        if (code === "") {
            refusalText = ""
            commit(NumericFields.commit(rule, text))
        } else {
            refusalText = _reason(code)
            refusalTip.open()
            // A live field wrote the acceptable texts on the way; put back
            // the value the edit started from.
            if (live && Number(value) !== Number(_valueBefore))
                commit(Number(_valueBefore))
        }
        text = shownValue
        _edited = false
    }

    // Leaving a field the user did not type in writes nothing, so a value
    // set from elsewhere meanwhile is shown rather than overwritten.
    property bool _edited: false
    property var _valueBefore: 0

    onShownValueChanged: if (!activeFocus) text = shownValue
    Component.onCompleted: text = shownValue
    onTextEdited: {
        if (!_edited)
            _valueBefore = value
        _edited = true
        if (live && activeFocus && _acceptable())
            commit(NumericFields.commit(rule, text))
    }
    onAccepted: if (_edited) _finish()
    onActiveFocusChanged: {
        if (activeFocus)
            return
        if (_edited)
            _finish()
        else
            text = shownValue
    }

    Components.PlainToolTip {
        id: refusalTip
        objectName: "refusalTip"
        theme: field.theme
        y: field.height + 4
        width: Math.min(implicitWidth, 320)
        timeout: 5000
        text: field.refusalText
    }
}
