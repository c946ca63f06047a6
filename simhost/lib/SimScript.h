// Scenario scripts of simhost: one step a line, '#' starts a comment, words are split at
// blanks, "double quotes" keep blanks and take the escapes \n, \t, \" and \\.
#pragma once

#include <string>
#include <vector>

#include "simhost/lib/SimScriptLanguage.h"

// Splits a line into words; false (with `error`) on an unterminated quote or bad escape.
bool SimSplitWords(const std::string& line, std::vector<std::string>* words, std::string* error);
// Parses a whole script: every step's words are read by the language's rows
// (SimScriptLanguage.h) before anything runs.
bool SimParseScript(const std::string& text, std::vector<SimScriptStep>* steps, std::string* error);
