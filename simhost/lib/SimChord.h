// Key chords as scenario scripts write them: "Ctrl+Shift+1", "RCtrl+RShift+RAlt+0",
// "Ctrl+Shift+Space", "Num1", "A".
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A key chord: modifiers pressed in order, then the key.
struct SimChord {
    std::vector<WORD> modifiers;
    WORD key;
};

// Ctrl, Shift and Alt mean the left-hand keys; L/R prefixes choose a hand. False, with
// what is wrong, for an unknown or repeated part.
bool SimParseChord(const std::string& text, SimChord* chord, std::string* error);
