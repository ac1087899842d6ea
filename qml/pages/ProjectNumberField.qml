import QtQuick
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules
import "numericFields.js" as NumericFields

// A numeric setting. Unfocused it shows its value whole, in the rule's
// form; focused it keeps every character the user types or pastes. A
// finished edit (Return, Tab, focus leaving) stores the number the whole
// text stands for, or nothing: text the rule refuses puts the value from
// before the edit back and says why beside the field. With `live`, every
// acceptable text is written while typing, and a refused one takes that
// back too.
ProjectTextField {
    id: field

    property var rule: NumericFields.RULES.chips
    property var value: 0
    property bool live: false
    readonly property string shownValue: NumericFields.display(rule, value)
    readonly property bool inputAcceptable: NumericFields.isAcceptable(rule, text)
    // Why the last finished edit was refused; empty after one that was not.
    // Worded again at each language switch while it stands.
    readonly property string refusalText: {
        void Qt.uiLanguage
        var words = field._refusalWords
        return words ? String(words()) : ""
    }
    // The function that words the refusal (null for none).
    property var _refusalWords: null
    // The width that shows the value whole; layouts give the field at least
    // this.
    readonly property real shownWidth: Math.ceil(shownMetrics.advanceWidth) + leftPadding + rightPadding + 4

    signal commit(real value)

    // Start-up publishes appController on the root context, out of the
    // linter's sight; its quoting rule cuts the typed text in a reason.
    // qmllint disable unqualified
    readonly property var _controller: typeof appController !== "undefined" ? appController : null
    // qmllint enable unqualified

    inputMethodHints: Qt.ImhFormattedNumbersOnly

    TextMetrics {
        id: shownMetrics
        font: field.font
        text: field.shownValue
    }

    function _bound(v: var): string {
        return NumericFields.display(rule, v)
    }

    // `typed` is the refused text, `shown` that text as the refusal quotes
    // it.
    function _reason(code: string, shown: string, typed: string): string {
        switch (code) {
        case "whole": return qsTranslate("ProjectPage", "Whole numbers only: \"%1\" was not stored.").arg(shown)
        case "ambiguous": {
            // Both numbers the text can stand for, and how to write each
            // that the field takes, as it takes it.
            var a = NumericFields.ambiguity(rule, typed, Qt.locale().decimalPoint)
            var plain = a.decimals === a.asDecimals
            if (a.thousands !== "" && a.decimals !== "")
                return plain
                       ? qsTranslate("ProjectPage", "\"%1\" could mean %2 or %3, so it was not stored: write %2 or %3.")
                         .arg(shown).arg(a.asDecimals).arg(a.asThousands)
                       : qsTranslate("ProjectPage", "\"%1\" could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.")
                         .arg(shown).arg(a.asDecimals).arg(a.asThousands).arg(a.decimals)
            if (a.thousands !== "")
                return qsTranslate("ProjectPage", "\"%1\" could mean %2 or %3, so it was not stored: write %3 without a separator.")
                       .arg(shown).arg(a.asDecimals).arg(a.asThousands)
            if (a.decimals !== "")
                return plain
                       ? qsTranslate("ProjectPage", "\"%1\" could mean %2 or %3, so it was not stored: write %2.")
                         .arg(shown).arg(a.asDecimals).arg(a.asThousands)
                       : qsTranslate("ProjectPage", "\"%1\" could mean %2 or %3, so it was not stored: write %4 for %2.")
                         .arg(shown).arg(a.asDecimals).arg(a.asThousands).arg(a.decimals)
            return qsTranslate("ProjectPage", "\"%1\" could mean %2 or %3, so it was not stored.")
                   .arg(shown).arg(a.asDecimals).arg(a.asThousands)
        }
        case "decimals": return qsTranslate("ProjectPage", "Too many decimals: \"%1\" was not stored.").arg(shown)
        case "range": return qsTranslate("ProjectPage", "Enter a number from %1 to %2: \"%3\" was not stored.")
                             .arg(NumericFields.asTyped(_bound(rule.min), typed, Qt.locale().decimalPoint))
                             .arg(NumericFields.asTyped(_bound(rule.max), typed, Qt.locale().decimalPoint)).arg(shown)
        case "empty": return qsTranslate("ProjectPage", "Empty: the value was kept.")
        case "sign": return qsTranslate("ProjectPage", "No sign, please: \"%1\" was not stored.").arg(shown)
        case "exponent": return qsTranslate("ProjectPage", "Write the number out without an exponent: \"%1\" was not stored.").arg(shown)
        case "separator": return qsTranslate("ProjectPage", "One decimal separator at most: \"%1\" was not stored.").arg(shown)
        default: return qsTranslate("ProjectPage", "Not a number: \"%1\" was not stored.").arg(shown)
        }
    }

    function _finish() {
        var read = NumericFields.read(rule, text)
        if (read.ok) {
            _refusalWords = null
            refusalTip.close()
            commit(read.value)
        } else {
            // The typed text is quoted short, on one line.
            var typed = text
            var quoted = _controller && typeof _controller.quotedText === "function" ? _controller.quotedText(typed) : typed
            var code = read.code
            _refusalWords = function () { return field._reason(code, quoted, typed) }
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

    // Unfocused, the field shows its value (whole: layouts give the field
    // `shownWidth`).
    function _showValue() {
        text = shownValue
    }

    onShownValueChanged: if (!activeFocus) _showValue()
    Component.onCompleted: _showValue()
    onTextEdited: {
        if (!_edited)
            _valueBefore = value
        _edited = true
        refusalTip.close()
        if (live && activeFocus) {
            var read = NumericFields.read(rule, text)
            if (read.ok)
                commit(read.value)
        }
    }
    onAccepted: if (_edited) _finish()
    onActiveFocusChanged: {
        if (activeFocus)
            return
        if (_edited)
            _finish()
        _showValue()
    }

    Components.PlainToolTip {
        id: refusalTip
        objectName: "refusalTip"
        theme: field.theme
        // Beside the field, kept inside the window.
        x: field.width + 6
        y: Math.round((field.height - height) / 2)
        margins: 12
        width: Math.min(implicitWidth, 320)
        timeout: 8000
        text: field.refusalText
        background: Rectangle {
            radius: 6
            color: ThemeRules.roleColor(field.theme, "surface", "#1C2128")
            border.width: 1
            border.color: ThemeRules.roleColor(field.theme, "danger", "#F85149")
        }
    }
}
