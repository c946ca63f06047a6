// The scenario language's parse side: one small function per kind of row, filling the
// step's typed fields from its words, once, before anything runs.
#include "simhost/lib/SimScriptLanguage.h"

#include <stdlib.h>

#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"

namespace {

typedef std::vector<std::string> Words;
typedef bool (*ParseFunction)(const Words& words, SimScriptStep* step, std::string* error);

struct Row {
    const char* name;
    size_t fewest;
    size_t most; // 99: any number
    ParseFunction parse;
};

bool ParseNothing(const Words&, SimScriptStep*, std::string*) {
    return true;
}

bool ParseName(const Words& words, SimScriptStep* step, std::string*) {
    step->name = words[0];
    return true;
}

bool ParseValue(const Words& words, SimScriptStep* step, std::string*) {
    step->value = words[0];
    return true;
}

bool ParseNameValue(const Words& words, SimScriptStep* step, std::string*) {
    step->name = words[0];
    step->value = words[1];
    return true;
}

// simhost's own menus may be named in either language.
bool ParsePath(const Words& words, SimScriptStep* step, std::string*) {
    step->path = SimSplitMenuPath(words, 0);
    for (std::string& caption : step->path) {
        caption = SimTextInCurrentLanguage(caption);
    }
    return true;
}

bool ParseSay(const Words& words, SimScriptStep* step, std::string*) {
    for (const std::string& word : words) {
        step->value += (step->value.empty() ? "" : " ") + word;
    }
    return true;
}

bool ParseKey(const Words& words, SimScriptStep* step, std::string* error) {
    if (!SimParseChord(words[0], &step->chord, error)) {
        return false;
    }
    double repeats = 0;
    if (words.size() != 1 && (words.size() != 3 || words[1] != "repeat" || !SimParseNumber(words[2], &repeats) ||
                              repeats < 1 || repeats > 50 || repeats != (int)repeats)) {
        *error = "write: key CHORD [repeat N], N from 1 to 50";
        return false;
    }
    step->count = (int)repeats;
    return true;
}

bool ParseWait(const Words& words, SimScriptStep* step, std::string* error) {
    double seconds = 0;
    if (!SimParseNumber(words[0], &seconds) || seconds < 0 || seconds > 600) {
        *error = "wait takes seconds from 0 to 600";
        return false;
    }
    step->numbers.assign(1, seconds);
    return true;
}

bool ParseSet(const Words& words, SimScriptStep* step, std::string* error) {
    step->name = words[0];
    if (step->name == "cg") {
        step->numbers.assign(1, 0.0);
        if (!SimParseNumber(words[1], &step->numbers[0])) {
            *error = "cg takes a number";
            return false;
        }
        return true;
    }
    if (step->name != "on_ground" && step->name != "parking_brake") {
        *error = "set on_ground, parking_brake or cg";
        return false;
    }
    if (!SimParseFlagWord(words[1], &step->flag)) {
        *error = step->name + " takes yes or no";
        return false;
    }
    return true;
}

// One of two words: `flag` tells which.
bool ParseChoice(const std::string& word, const char* yes, const char* no, bool* flag, std::string* error) {
    if (word != yes && word != no) {
        *error = std::string("write ") + yes + " or " + no + ", not '" + word + "'";
        return false;
    }
    *flag = word == yes;
    return true;
}

bool ParseOpenClosed(const Words& words, SimScriptStep* step, std::string* error) {
    return ParseChoice(words[0], "open", "closed", &step->flag, error);
}

bool ParsePresentAbsent(const Words& words, SimScriptStep* step, std::string* error) {
    return ParseChoice(words[0], "present", "absent", &step->flag, error);
}

bool ParseNumbers(const Words& words, SimScriptStep* step, std::string* error) {
    for (const std::string& word : words) {
        double number = 0;
        if (!SimParseNumber(word, &number)) {
            *error = "'" + word + "' is no number";
            return false;
        }
        step->numbers.push_back(number);
    }
    return true;
}

// Event ids as C writes them (0x10201) or the word none.
bool ParseEvents(const Words& words, SimScriptStep* step, std::string* error) {
    if (words.size() == 1 && words[0] == "none") {
        return true;
    }
    for (const std::string& word : words) {
        char* end = nullptr;
        unsigned long id = strtoul(word.c_str(), &end, 0);
        if (word.empty() || *end) {
            *error = "'" + word + "' is no event id";
            return false;
        }
        step->numbers.push_back((double)id);
    }
    return true;
}

bool ParseIndex(const std::string& word, int* index, std::string* error) {
    double number = -1;
    if (!SimParseNumber(word, &number) || number < 0 || number > 9999 || number != (int)number) {
        *error = "'" + word + "' is no slot number";
        return false;
    }
    *index = (int)number;
    return true;
}

// slot K own, or slot K NAME X Y Z.
bool ParseSlot(const Words& words, SimScriptStep* step, std::string* error) {
    if (!ParseIndex(words[0], &step->count, error)) {
        return false;
    }
    step->flag = words.size() == 2 && words[1] == "own";
    if (step->flag) {
        return true;
    }
    if (words.size() != 5) {
        *error = "write: expect slot K own, or expect slot K NAME X Y Z";
        return false;
    }
    step->value = words[1];
    return ParseNumbers(Words(words.begin() + 2, words.end()), step, error);
}

bool ParseControl(const Words& words, SimScriptStep* step, std::string* error) {
    static const char* const kStates[] = {"checked", "unchecked", "enabled", "disabled", "text"};
    step->name = words[0];
    step->count = -1;
    for (int i = 0; i < 5; i++) {
        if (words[1] == kStates[i]) {
            step->count = i;
        }
    }
    if (step->count < 0 || (step->count == kControlText) != (words.size() == 3)) {
        *error = "write: expect control NAME checked|unchecked|enabled|disabled|text TEXT";
        return false;
    }
    if (words.size() == 3) {
        step->value = words[2];
    }
    return true;
}

bool ParseExit(const Words& words, SimScriptStep* step, std::string* error) {
    step->name = words[0];
    return ParseChoice(words[1], "outside", "inside", &step->flag, error);
}

// effect-file K present|missing [DISPLAY NAME]
bool ParseEffectFile(const Words& words, SimScriptStep* step, std::string* error) {
    if (!ParseIndex(words[0], &step->count, error) ||
        !ParseChoice(words[1], "present", "missing", &step->flag, error)) {
        return false;
    }
    step->hasValue = words.size() == 3;
    if (step->hasValue) {
        step->value = words[2];
    }
    return true;
}

// An expectation is read by its kind's row, below.
bool ParseExpect(const Words& words, SimScriptStep* step, std::string* error);

#define SIM_SCRIPT_ROW(Id, name, fewest, most, parse, act) {name, fewest, most, parse},
const Row kVerbs[] = {SIM_SCRIPT_VERBS(SIM_SCRIPT_ROW)};
const Row kExpectations[] = {SIM_SCRIPT_EXPECTATIONS(SIM_SCRIPT_ROW)};
#undef SIM_SCRIPT_ROW

// The row named `name`: its index, or -1.
int FindRow(const Row* rows, int count, const std::string& name) {
    for (int i = 0; i < count; i++) {
        if (name == rows[i].name) {
            return i;
        }
    }
    return -1;
}

bool ParseByRow(const Row& row, const Words& words, const std::string& what, SimScriptStep* step,
                std::string* error) {
    if (words.size() < row.fewest || words.size() > row.most) {
        *error = "wrong number of words for '" + what + "'";
        return false;
    }
    return row.parse(words, step, error);
}

bool ParseExpect(const Words& words, SimScriptStep* step, std::string* error) {
    step->expectation = FindRow(kExpectations, kScriptExpectationCount, words[0]);
    if (step->expectation < 0) {
        *error = "unknown expectation '" + words[0] + "'";
        return false;
    }
    return ParseByRow(kExpectations[step->expectation], Words(words.begin() + 1, words.end()), "expect " + words[0],
                      step, error);
}

} // namespace

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

bool SimParseStepWords(const std::vector<std::string>& words, SimScriptStep* step, std::string* error) {
    step->verb = words[0];
    step->args.assign(words.begin() + 1, words.end());
    step->kind = FindRow(kVerbs, kScriptVerbCount, step->verb);
    if (step->kind < 0) {
        *error = "unknown step '" + step->verb + "'";
        return false;
    }
    return ParseByRow(kVerbs[step->kind], step->args, step->verb, step, error);
}
