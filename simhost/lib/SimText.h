// Text helpers of the stand-in host: the module speaks Windows-1251, the host's
// transcripts and files are UTF-8.
#pragma once

#include <string>

std::string SimCp1251ToUtf8(const std::string& cp1251);
// Characters that Windows-1251 cannot hold become '?'. Returns false when the input is
// not valid UTF-8 or held such characters.
bool SimUtf8ToCp1251(const std::string& utf8, std::string* cp1251);
std::wstring SimCp1251ToWide(const std::string& cp1251);
std::string SimUtf8FromWide(const std::wstring& wide);
std::wstring SimWideFromUtf8(const std::string& utf8);
// Whether the command line holds the word `name` (after the program's name).
bool SimHasArgument(int argc, char** argv, const char* name);

// A number as people write it: up to three decimals, trailing zeros dropped ("550",
// "551.155", "-3", "0").
std::string SimFormatNumber(double value);
// Parses a whole decimal number ("-3", "1.5", "2e3"); false for anything else.
bool SimParseNumber(const std::string& text, double* value);
// Text with surrounding blanks and tabs removed.
std::string SimTrim(const std::string& text);
// yes/on/1/true and no/off/0/false; false for any other word.
bool SimParseFlagWord(const std::string& word, bool* flag);
