// Key chords of the scenario language.
#include "simhost/lib/SimChord.h"

#include <ctype.h>
#include <stdlib.h>

namespace {

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

