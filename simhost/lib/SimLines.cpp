// The shared line reader and the comment and error forms of simhost's text files.
#include "simhost/lib/SimLines.h"

SimLineReader::SimLineReader(const std::string& text)
    : text_(text), at_(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0) {}

bool SimLineReader::Next(SimLine* line) {
    const size_t size = text_.size();
    if (at_ >= size) {
        return false;
    }
    size_t end = at_;
    while (end < size && text_[end] != '\r' && text_[end] != '\n') {
        end++;
    }
    size_t next = end;
    if (next < size) {
        next += (text_[next] == '\r' && next + 1 < size && text_[next + 1] == '\n') ? 2 : 1;
    }
    *line = SimLine{++number_, at_, end, next};
    at_ = next;
    return true;
}

std::string SimStripHashComment(const std::string& line, bool quotes) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); i++) {
        if (quotes && quoted && line[i] == '\\') {
            i++;
        } else if (quotes && line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == '#' && !quoted && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
            return line.substr(0, i);
        }
    }
    return line;
}

std::string SimLineError(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}
