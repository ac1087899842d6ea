#pragma once
// The catalogue of refusals: every refusal code of the engine and the
// request conversion worded in the language in force, with the entry it
// refused named as the set-up page labels it. Refusals are kept as codes
// until they are shown, so a text on screen follows a change of language.
//
// A refusal of the controller's own that has no engine code is a text
// worded where it is made (tr); it travels beside the coded ones as a
// function that words it again (see SolveControl::setStatus).

#include <exception>
#include <string>

#include <QString>

#include "cards/refusal.hpp"

namespace halvory_app {

// The solve request's entry `key` ("oop_range", "ip_river_bet_sizes") as
// the set-up page labels it ("OOP Range", "IP Sizing · River · Bet sizes
// (%)"); empty for a key the page has no field for.
QString fieldLabel(const std::string& key);

// Any entry of a project or a settings profile, in the request's key
// ("game_variant", "oop_flop_add_all_in"), as the page names its field;
// empty for a key the page has no field for.
QString entryLabel(const std::string& key);

// At most this many characters of a user's text are quoted in a reason.
inline constexpr int kQuotedChars = 24;

// A piece of a user's text as a reason quotes it, without the quotation
// marks: blanks at the ends left out, a run of spaces inside as one space,
// line breaks and tabs as "\n", "\r", "\t", other control and invisible
// characters, lone surrogates and U+FFFE/U+FFFF as escapes ("\u00A0"), cut
// to kQuotedChars characters with "…". Characters are counted as
// characters, not as UTF-16 units. The one quoting rule: the set-up page
// quotes through it too (AppController::quotedText).
QString quotedText(const QString& text);

// One character as a reason names it: as it is when it can be seen ("K",
// "Ä (U+00C4)" outside ASCII), by its code point and name when it cannot
// ("U+00A0 no-break space").
QString characterName(const QString& character);

// The rule's wording, without the field.
QString refusalReason(const halvory::Refusal& refusal);

// The refusal as the user reads it: the field's label, then the reason.
QString wordRefusal(const halvory::Refusal& refusal);

// A reason led by the label of the entry `key` it is about (the reason
// alone when the page has no label for it).
QString withFieldLabel(const std::string& key, const QString& reason);

// What an exception says, in the language in force: its refusal when it
// carries one, else its own message.
QString wordFailure(const std::exception& error);

}  // namespace halvory_app
