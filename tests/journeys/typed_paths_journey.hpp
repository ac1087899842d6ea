#pragma once
// Paths typed into the program's file dialog on an X screen, and what the
// dialog leaves behind; see typed_paths_journey.cpp.

namespace journeys {

void typedPathsOnScreen();

}  // namespace journeys
