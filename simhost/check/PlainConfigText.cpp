// Reading the plain configuration files (see PlainConfigText.h).
#include "simhost/check/PlainConfigText.h"

#include <string.h>

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"

namespace {

const size_t kMaxLine = 250; // well inside every profile reader's line and value buffers

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool SameLetters(const char* a, size_t length, const char* b) {
    return strlen(b) == length && _strnicmp(a, b, length) == 0;
}

// [begin, end) without blanks on either side.
void Trim(const char** begin, const char** end) {
    while (*begin < *end && IsBlank(**begin)) {
        (*begin)++;
    }
    while (*end > *begin && IsBlank((*end)[-1])) {
        (*end)--;
    }
}

} // namespace

bool ReadPlainConfigTexts(const char* bytes, size_t size, std::string* texts) {
    if (size > kPlainConfigMaxBytes) {
        return false;
    }
    for (size_t i = 0; i < size; i++) {
        unsigned char c = (unsigned char)bytes[i];
        bool lineEnd = c == '\n' || (c == '\r' && i + 1 < size && bytes[i + 1] == '\n');
        if (!lineEnd && (c < 0x20 || c > 0x7E) && c != '\t') {
            return false;
        }
        if (c == '"' || c == '\'' || c == ';') {
            return false;
        }
    }
    bool found[kConfigKeyCount] = {};
    bool inSection = false, sectionSeen = false;
    const char* end = bytes + size;
    for (const char* line = bytes; line < end;) {
        const char* next = (const char*)memchr(line, '\n', (size_t)(end - line));
        const char* stop = next ? next : end;
        if ((size_t)(stop - line) > kMaxLine) {
            return false;
        }
        const char* begin = line;
        const char* finish = stop > line && stop[-1] == '\r' ? stop - 1 : stop;
        line = next ? next + 1 : end;
        Trim(&begin, &finish);
        if (begin == finish) {
            continue;
        }
        if (*begin == '[') {
            const char* name = begin + 1;
            const char* nameEnd = finish - 1;
            if (*nameEnd != ']' || nameEnd == name || memchr(name, '[', (size_t)(nameEnd - name)) ||
                memchr(name, ']', (size_t)(nameEnd - name)) || IsBlank(*name) || IsBlank(nameEnd[-1])) {
                return false;
            }
            inSection = SameLetters(name, (size_t)(nameEnd - name), kConfigSection);
            if (inSection && sectionSeen) {
                return false; // a second section of the same name
            }
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        const char* equals = (const char*)memchr(begin, '=', (size_t)(finish - begin));
        if (!equals) {
            return false;
        }
        const char* keyEnd = equals;
        const char* value = equals + 1;
        const char* valueEnd = finish;
        Trim(&begin, &keyEnd);
        Trim(&value, &valueEnd);
        if (begin == keyEnd) {
            return false;
        }
        for (int k = 0; inSection && k < kConfigKeyCount; k++) {
            if (SameLetters(begin, (size_t)(keyEnd - begin), kConfigKeys[k].name)) {
                if (found[k]) {
                    return false; // a key written twice
                }
                found[k] = true;
                texts[k].assign(value, (size_t)(valueEnd - value));
            }
        }
    }
    for (int k = 0; k < kConfigKeyCount; k++) {
        if (!found[k]) {
            texts[k].clear();
        }
    }
    return true;
}
