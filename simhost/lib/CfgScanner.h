// The tolerant line and section scanner behind the aircraft.cfg reader: one pass over
// the bytes, split into lines by SimLineReader (CR, LF or CRLF), recognising [section] and key=value lines
// and dropping comments, and keeping the keys of the sections a caller asks for.
//
// Rules (the lenient reading real, hand-written files need):
// - Section and key names are trimmed of blanks and tabs and compared in ASCII lower
//   case; blanks inside a name are kept ("[fltsim.0]", "[ Fltsim.0 ]" are one section).
// - Whole-line comments start with ';' or '//' after optional blanks; in an unquoted value
//   a ';' or '//' starts a trailing comment.
// - A value starting with '"' runs to the next '"' (or the line end); what follows the
//   closing quote is ignored.
// - Trailing blanks and commas are dropped from every value.
// - A line that is neither a section nor holds '=' is ignored, as is a '[' line without ']'
//   (the current section then goes on).
// - Repeated sections add to the first; of a repeated key the first occurrence counts, as
//   with the platform's profile reader.
// - Bytes are kept as they are (no code-page conversion); a UTF-8 byte-order mark at the
//   start is skipped (by the line reader).
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

struct CfgValue {
    std::string text; // value bytes after the rules above
    int line;         // 1-based line number
};

struct CfgSection {
    int line = 0;        // line of its first header
    int lastKeyLine = 0; // line of the last key=value line in it (0 for none), repeated keys too
    std::unordered_map<std::string, CfgValue> keys; // lower-case key names
};

struct CfgDocument {
    std::unordered_map<std::string, CfgSection> sections; // lower-case section names
    int lines = 0;                                          // lines in the text
};

// Scans `text`; only the sections for which `keep(lowerName)` is true get their keys
// stored (so that a huge file of other sections costs no memory).
void CfgScan(const std::string& text, bool (*keep)(const std::string& lowerName), CfgDocument* document);

// A value split at commas, each field trimmed of blanks and tabs and of one pair of
// surrounding double quotes; only the first `most` fields when there are more.
std::vector<std::string> CfgFields(const std::string& value, size_t most = (size_t)-1);

// Reads a number the way the C library's strtod reads a field's start ("41.0ft" is 41);
// false for a field without a leading number, for NaN and for infinities.
bool CfgNumber(const std::string& field, double* value);
