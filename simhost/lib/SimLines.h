// The one line reader of simhost's text files: aircraft.cfg (CfgScanner), the .aircraft
// files and the scenario scripts. Lines end at CRLF, LF or a lone CR, mixed in one file as
// hand-edited files mix them; a UTF-8 byte-order mark at the start is skipped; lines are
// numbered from 1 for the errors the readers give ("line N: what").
#pragma once

#include <stddef.h>

#include <string>

struct SimLine {
    int number;   // 1-based
    size_t begin; // first byte of the line's text
    size_t end;   // one past its last byte; the line end is not part of it
    size_t next;  // first byte of the next line: `end` plus the line end's 0, 1 or 2 bytes
};

class SimLineReader {
public:
    explicit SimLineReader(const std::string& text); // kept by reference: it must outlive the reader
    SimLineReader(std::string&&) = delete;
    // The next line; false at the end of the text. A text that ends with a line end has no
    // empty line after it.
    bool Next(SimLine* line);
    // The bytes of a line, without its line end.
    std::string Text(const SimLine& line) const { return text_.substr(line.begin, line.end - line.begin); }

private:
    const std::string& text_;
    size_t at_;
    int number_ = 0;
};

// The line's text without a '#' comment: '#' starts one at the line's start or after a
// blank or tab (so that names may hold '#'). With `quotes`, a '#' inside "double quotes"
// (where '\' escapes the next character) starts none.
std::string SimStripHashComment(const std::string& line, bool quotes);

// "line N: what", the form of every reader's error.
std::string SimLineError(int line, const std::string& what);
