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
