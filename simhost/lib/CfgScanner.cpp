// The tolerant line and section scanner of aircraft.cfg files (rules in CfgScanner.h).
#include "simhost/lib/CfgScanner.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "simhost/lib/SimLines.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// [begin, end) with blanks and tabs removed on both sides.
void Trim(const std::string& text, size_t* begin, size_t* end) {
    while (*begin < *end && IsBlank(text[*begin])) {
        (*begin)++;
    }
    while (*end > *begin && IsBlank(text[*end - 1])) {
        (*end)--;
    }
}

std::string Lower(const std::string& text, size_t begin, size_t end) {
    std::string lower(text, begin, end - begin);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = (char)(c - 'A' + 'a');
        }
    }
    return lower;
}

bool StartsComment(const std::string& text, size_t at, size_t end) {
    return text[at] == ';' || (text[at] == '/' && at + 1 < end && text[at + 1] == '/');
}

// The value of a key line, from just after '=' to the line end.
std::string ValueOf(const std::string& text, size_t begin, size_t end) {
    while (begin < end && IsBlank(text[begin])) {
        begin++;
    }
    size_t stop = end;
    if (begin < end && text[begin] == '"') {
        begin++;
        const void* quote = memchr(text.data() + begin, '"', end - begin);
        stop = quote ? (size_t)((const char*)quote - text.data()) : end;
    } else {
        for (size_t i = begin; i < end; i++) {
            if (StartsComment(text, i, end)) {
                stop = i;
                break;
            }
        }
    }
    while (stop > begin && (IsBlank(text[stop - 1]) || text[stop - 1] == ',')) {
        stop--;
    }
    return std::string(text, begin, stop - begin);
}

} // namespace

void CfgScan(const std::string& text, bool (*keep)(const std::string& lowerName), CfgDocument* document) {
    document->sections.clear();
    document->lines = 0;
    document->sections.reserve(16);
    SimLineReader reader(text);
    SimLine read;
    CfgSection* current = nullptr;
    while (reader.Next(&read)) {
        int line = read.number;
        document->lines = line;
        size_t begin = read.begin, end = read.end;
        Trim(text, &begin, &end);
        if (begin == end || StartsComment(text, begin, end)) {
            continue;
        }
        if (text[begin] == '[') {
            const void* close = memchr(text.data() + begin, ']', end - begin);
            if (!close) {
                continue;
            }
            size_t nameBegin = begin + 1;
            size_t nameEnd = (size_t)((const char*)close - text.data());
            Trim(text, &nameBegin, &nameEnd);
            std::string name = Lower(text, nameBegin, nameEnd);
            if (!keep(name)) {
                current = nullptr;
                continue;
            }
            auto inserted = document->sections.emplace(name, CfgSection());
            current = &inserted.first->second;
            if (inserted.second) {
                current->line = line;
                current->keys.reserve(16); // one table for the keys of most sections, not one per doubling
            }
            continue;
        }
        const void* equals = memchr(text.data() + begin, '=', end - begin);
        if (!equals || !current) {
            continue;
        }
        size_t keyEnd = (size_t)((const char*)equals - text.data());
        size_t keyBegin = begin;
        size_t valueBegin = keyEnd + 1;
        Trim(text, &keyBegin, &keyEnd);
        current->lastKeyLine = line;
        // One look-up: a key already there keeps its first value.
        auto added = current->keys.try_emplace(Lower(text, keyBegin, keyEnd));
        if (added.second) {
            added.first->second = CfgValue{ValueOf(text, valueBegin, end), line};
        }
    }
}

std::vector<std::string> CfgFields(const std::string& value, size_t most) {
    std::vector<std::string> fields;
    fields.reserve(std::min((size_t)std::count(value.begin(), value.end(), ',') + 1, most));
    size_t begin = 0;
    while (fields.size() < most) {
        size_t comma = value.find(',', begin);
        size_t end = comma == std::string::npos ? value.size() : comma;
        size_t b = begin, e = end;
        Trim(value, &b, &e);
        if (e - b >= 2 && value[b] == '"' && value[e - 1] == '"') {
            b++;
            e--;
        }
        fields.push_back(value.substr(b, e - b));
        if (comma == std::string::npos) {
            break;
        }
        begin = comma + 1;
    }
    return fields;
}

// A plain decimal read without the C library: a sign, then at most 15 digits with at most
// one point among them, then the end or a byte with which strtod's number cannot go on.
// The digits make an integer below 2^53 and the point a power of ten up to 10^15, both
// exact in a double, so the value is exact or one division rounded as IEEE divides: the
// correctly rounded value strtod gives. (SSE2 divides in double precision; the x87 unit
// would round twice.) False for anything else, which strtod reads.
#if defined(__GNUC__) && defined(__i386__)
__attribute__((target("sse2,fpmath=sse")))
#endif
static bool PlainDecimal(const std::string& field, double* value) {
    const char* p = field.c_str();
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') {
        p++;
    }
    long long digits = 0;
    int count = 0, fraction = 0;
    bool point = false;
    for (;; p++) {
        if (*p >= '0' && *p <= '9') {
            digits = digits * 10 + (*p - '0');
            fraction += point ? 1 : 0;
            if (++count > 15) {
                return false;
            }
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (count == 0 || *p == '.' || *p == 'e' || *p == 'E' || *p == 'x' || *p == 'X') {
        return false;
    }
    static const double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    double magnitude = (double)digits / kTens[fraction];
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool CfgNumber(const std::string& field, double* value) {
    if (PlainDecimal(field, value)) {
        return true;
    }
    // strtod gets a bounded copy: a number is never 64 bytes long, and a field of
    // millions of digits must not cost the C library's big-number arithmetic.
    char buffer[64];
    size_t length = field.size() < sizeof(buffer) - 1 ? field.size() : sizeof(buffer) - 1;
    memcpy(buffer, field.data(), length);
    buffer[length] = '\0';
    char* end = nullptr;
    double parsed = strtod(buffer, &end);
    if (end == buffer || (size_t)(end - buffer) == sizeof(buffer) - 1 || !isfinite(parsed)) {
        return false;
    }
    // Hexadecimal and "nan"/"inf" words are not numbers in these files.
    for (const char* c = buffer; c < end; c++) {
        if (*c == 'x' || *c == 'X' || *c == 'n' || *c == 'N' || *c == 'i' || *c == 'I') {
            return false;
        }
    }
    *value = parsed;
    return true;
}
