#include "simhost/lib/SimScript.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>


#include "simhost/lib/SimLines.h"
#include "simhost/lib/SimText.h"

namespace {

struct VerbRule {
    const char* verb;
    size_t minArgs;
    size_t maxArgs; // 99: any number
};

// Every verb the runner knows, with the number of words it takes.
const VerbRule kVerbs[] = {
    {"key", 1, 3},           // key CHORD [repeat N]
    {"wait", 1, 1},          // wait SECONDS
    {"menu", 1, 99},         // menu A > B > C
    {"click", 1, 1},         // click CONTROL
    {"type", 2, 2},          // type CONTROL TEXT
    {"press", 0, 0},         // the dialog's button
    {"close-dialog", 0, 0},  // the caption's close box
    {"ok", 0, 0},            // OK of the open message box
    {"set", 2, 2},           // set on_ground|parking_brake|cg VALUE
    {"lift-off", 0, 0},
    {"land", 0, 0},
    {"release-brake", 0, 0},
    {"set-brake", 0, 0},
    {"aircraft", 1, 1},      // aircraft FILE
    {"picture", 1, 1},       // picture NAME (host window)
    {"picture-dialog", 1, 1},
    {"show", 0, 0},
    {"config", 0, 0},
    {"edit-config", 2, 2},   // edit-config KEY VALUE
    {"remove-config", 0, 0},
    {"say", 1, 99},          // a line of commentary in the transcript
    {"expect", 1, 99},
};

const VerbRule* FindVerb(const std::string& verb) {
    for (const VerbRule& rule : kVerbs) {
        if (verb == rule.verb) {
            return &rule;
        }
    }
    return nullptr;
}

struct ExpectRule {
    const char* what;
    size_t minArgs; // words after the kind
    size_t maxArgs;
};

const ExpectRule kExpectations[] = {
    {"screen", 1, 1},     {"shown", 1, 1},   {"no-message", 0, 0}, {"stations", 0, 99},
    {"events", 1, 99},    {"slot", 2, 5},    {"dialog", 1, 1},     {"control", 2, 3},
    {"config", 2, 2},     {"no-config", 1, 1},   {"config-file", 1, 1}, {"messagebox", 1, 1}, {"menu", 1, 99},
    {"swallowed", 0, 0},  {"passed-on", 0, 0},  {"exit", 2, 2},     {"effect-file", 2, 3},
};

bool Fail(std::string* error, int line, const std::string& what) {
    *error = SimLineError(line, what);
    return false;
}

struct KeyName {
    const char* name;
    WORD key;
};

const KeyName kModifierNames[] = {
    {"ctrl", VK_LCONTROL},  {"lctrl", VK_LCONTROL}, {"rctrl", VK_RCONTROL}, {"shift", VK_LSHIFT},
    {"lshift", VK_LSHIFT},  {"rshift", VK_RSHIFT},  {"alt", VK_LMENU},      {"lalt", VK_LMENU},
    {"ralt", VK_RMENU},
};

const KeyName kKeyNames[] = {
    {"space", VK_SPACE}, {"enter", VK_RETURN}, {"esc", VK_ESCAPE}, {"tab", VK_TAB},
    {"backspace", VK_BACK}, {"delete", VK_DELETE}, {"minus", VK_OEM_MINUS}, {"period", VK_OEM_PERIOD},
};

std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = (char)tolower((unsigned char)c);
    }
    return lower;
}

bool ParseKey(const std::string& name, WORD* key) {
    std::string lower = Lower(name);
    if (lower.size() == 1 && ((lower[0] >= '0' && lower[0] <= '9') || (lower[0] >= 'a' && lower[0] <= 'z'))) {
        *key = (WORD)toupper((unsigned char)lower[0]);
        return true;
    }
    if (lower.size() == 4 && lower.compare(0, 3, "num") == 0 && isdigit((unsigned char)lower[3])) {
        *key = (WORD)(VK_NUMPAD0 + (lower[3] - '0'));
        return true;
    }
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f' && isdigit((unsigned char)lower[1])) {
        int n = atoi(lower.c_str() + 1);
        if (n >= 1 && n <= 12) {
            *key = (WORD)(VK_F1 + n - 1);
            return true;
        }
        return false;
    }
    for (const KeyName& known : kKeyNames) {
        if (lower == known.name) {
            *key = known.key;
            return true;
        }
    }
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

bool SimParseChord(const std::string& text, SimChord* chord, std::string* error) {
    chord->modifiers.clear();
    chord->key = 0;
    std::vector<std::string> parts;
    size_t start = 0;
    // '+' separates the parts; a trailing "+" part would be empty and is refused.
    while (true) {
        size_t plus = text.find('+', start);
        parts.push_back(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        if (plus == std::string::npos) {
            break;
        }
        start = plus + 1;
    }
    for (size_t i = 0; i < parts.size(); i++) {
        if (parts[i].empty()) {
            *error = "empty part in chord '" + text + "'";
            return false;
        }
        if (i + 1 < parts.size()) {
            std::string lower = Lower(parts[i]);
            bool found = false;
            for (const KeyName& modifier : kModifierNames) {
                if (lower == modifier.name) {
                    for (WORD held : chord->modifiers) {
                        if (held == modifier.key) {
                            *error = "modifier '" + parts[i] + "' given twice";
                            return false;
                        }
                    }
                    chord->modifiers.push_back(modifier.key);
                    found = true;
                    break;
                }
            }
            if (!found) {
                *error = "unknown modifier '" + parts[i] + "'";
                return false;
            }
        } else if (!ParseKey(parts[i], &chord->key)) {
            *error = "unknown key '" + parts[i] + "'";
            return false;
        }
    }
    return true;
}

std::vector<std::string> SimSplitMenuPath(const std::vector<std::string>& words, size_t first) {
    std::vector<std::string> path;
    std::string current;
    for (size_t i = first; i < words.size(); i++) {
        if (words[i] == ">") {
            path.push_back(current);
            current.clear();
        } else {
            current += current.empty() ? words[i] : " " + words[i];
        }
    }
    path.push_back(current);
    return path;
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
        step.verb = words[0];
        step.args.assign(words.begin() + 1, words.end());
        const VerbRule* rule = FindVerb(step.verb);
        if (!rule) {
            return Fail(error, number, "unknown step '" + step.verb + "'");
        }
        if (step.args.size() < rule->minArgs || step.args.size() > rule->maxArgs) {
            return Fail(error, number, "wrong number of words for '" + step.verb + "'");
        }
        if (step.verb == "key") {
            SimChord chord;
            if (!SimParseChord(step.args[0], &chord, &why)) {
                return Fail(error, number, why);
            }
            double repeats = 0;
            if (step.args.size() != 1 && (step.args.size() != 3 || step.args[1] != "repeat" ||
                                          !SimParseNumber(step.args[2], &repeats) || repeats < 1 || repeats > 50)) {
                return Fail(error, number, "write: key CHORD [repeat N], N from 1 to 50");
            }
        } else if (step.verb == "wait") {
            double seconds = 0;
            if (!SimParseNumber(step.args[0], &seconds) || seconds < 0 || seconds > 600) {
                return Fail(error, number, "wait takes seconds from 0 to 600");
            }
        } else if (step.verb == "set") {
            const std::string& what = step.args[0];
            if (what != "on_ground" && what != "parking_brake" && what != "cg") {
                return Fail(error, number, "set on_ground, parking_brake or cg");
            }
        } else if (step.verb == "expect") {
            const ExpectRule* found = nullptr;
            for (const ExpectRule& expectation : kExpectations) {
                if (step.args[0] == expectation.what) {
                    found = &expectation;
                }
            }
            if (!found) {
                return Fail(error, number, "unknown expectation '" + step.args[0] + "'");
            }
            size_t count = step.args.size() - 1;
            if (count < found->minArgs || count > found->maxArgs) {
                return Fail(error, number, "wrong number of words for 'expect " + step.args[0] + "'");
            }
        }
        steps->push_back(step);
    }
    return true;
}
