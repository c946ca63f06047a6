#include "simhost/lib/SimScript.h"

#include "simhost/lib/SimLines.h"
#include "simhost/lib/SimText.h"

namespace {

bool Fail(std::string* error, int line, const std::string& what) {
    *error = SimLineError(line, what);
    return false;
}

} // namespace

bool SimSplitWords(const std::string& line, std::vector<std::string>* words, std::string* error) {
    words->clear();
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            i++;
        }
        if (i >= line.size()) {
            break;
        }
        std::string word;
        if (line[i] == '"') {
            i++;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\') {
                    if (i >= line.size()) {
                        break;
                    }
                    char escaped = line[i++];
                    switch (escaped) {
                    case 'n': word += '\n'; break;
                    case 't': word += '\t'; break;
                    case '"': word += '"'; break;
                    case '\\': word += '\\'; break;
                    default:
                        *error = std::string("unknown escape \\") + escaped;
                        return false;
                    }
                } else {
                    word += c;
                }
            }
            if (!closed) {
                *error = "unterminated quote";
                return false;
            }
            if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                *error = "a quoted word must end at a blank";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                word += line[i++];
            }
        }
        words->push_back(word);
    }
    return true;
}

bool SimParseScript(const std::string& text, std::vector<SimScriptStep>* steps, std::string* error) {
    steps->clear();
    SimLineReader lines(text);
    SimLine read;
    while (lines.Next(&read)) {
        const int number = read.number;
        std::string line = SimTrim(SimStripHashComment(lines.Text(read), true));
        if (line.empty()) {
            continue;
        }
        SimScriptStep step;
        step.line = number;
        step.text = line;
        std::vector<std::string> words;
        std::string why;
        if (!SimSplitWords(line, &words, &why)) {
            return Fail(error, number, why);
        }
        if (!SimParseStepWords(words, &step, &why)) {
            return Fail(error, number, why);
        }
        steps->push_back(step);
    }
    return true;
}
