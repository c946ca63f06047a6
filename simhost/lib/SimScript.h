// Scenario scripts of simhost: one step a line, '#' starts a comment, words are split at
// blanks, "double quotes" keep blanks and take the escapes \n, \t, \" and \\.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SimScriptStep {
    int line;                      // 1-based line in the script
    std::string text;              // the line as written, without comment
    std::string verb;
    std::vector<std::string> args; // UTF-8
};

// A key chord: modifiers pressed in order, then the key.
struct SimChord {
    std::vector<WORD> modifiers;
    WORD key;
};

// Splits a line into words; false (with `error`) on an unterminated quote or bad escape.
bool SimSplitWords(const std::string& line, std::vector<std::string>* words, std::string* error);
// "Ctrl+Shift+1", "RCtrl+RShift+RAlt+0", "Ctrl+Shift+Space", "Num1", "A". Ctrl, Shift and
// Alt mean the left-hand keys; L/R prefixes choose a hand.
bool SimParseChord(const std::string& text, SimChord* chord, std::string* error);
// Parses a whole script and checks every verb and its arguments.
bool SimParseScript(const std::string& text, std::vector<SimScriptStep>* steps, std::string* error);
// "A > B > C" as the words of a menu or expectation argument list.
std::vector<std::string> SimSplitMenuPath(const std::vector<std::string>& words, size_t first);
