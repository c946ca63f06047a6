#include "simhost/lib/SimText.h"

#include <windows.h>

#include <string.h>

#include <ctype.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

std::wstring SimCp1251ToWide(const std::string& cp1251) {
    if (cp1251.empty()) {
        return std::wstring();
    }
    int length = MultiByteToWideChar(1251, 0, cp1251.data(), (int)cp1251.size(), nullptr, 0);
    std::wstring wide((size_t)length, L'\0');
    MultiByteToWideChar(1251, 0, cp1251.data(), (int)cp1251.size(), &wide[0], length);
    return wide;
}

std::string SimUtf8FromWide(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    std::string text((size_t)length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), &text[0], length, nullptr, nullptr);
    return text;
}

std::string SimCp1251ToUtf8(const std::string& cp1251) {
    // ASCII is the same in both (and most texts are ASCII): no conversion through UTF-16.
    bool ascii = true;
    for (char c : cp1251) {
        ascii = ascii && (unsigned char)c < 0x80;
    }
    if (ascii) {
        return cp1251;
    }
    return SimUtf8FromWide(SimCp1251ToWide(cp1251));
}

bool SimUtf8ToCp1251(const std::string& utf8, std::string* cp1251) {
    cp1251->clear();
    if (utf8.empty()) {
        return true;
    }
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), (int)utf8.size(), nullptr, 0);
    if (length <= 0) {
        return false;
    }
    std::wstring wide((size_t)length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], length);
    BOOL lossy = FALSE;
    int narrow = WideCharToMultiByte(1251, 0, wide.data(), length, nullptr, 0, "?", &lossy);
    cp1251->assign((size_t)narrow, '\0');
    WideCharToMultiByte(1251, 0, wide.data(), length, &(*cp1251)[0], narrow, "?", &lossy);
    return !lossy;
}

std::string SimFormatNumber(double value) {
    if (fabs(value) < 0.0005) {
        value = 0.0; // no "-0"
    }
    char text[64];
    snprintf(text, sizeof(text), "%.3f", value);
    std::string result = text;
    while (!result.empty() && result.back() == '0') {
        result.pop_back();
    }
    if (!result.empty() && result.back() == '.') {
        result.pop_back();
    }
    return result;
}

bool SimParseNumber(const std::string& text, double* value) {
    // The whole text must be the number: no blanks around it.
    if (text.empty() || isspace((unsigned char)text[0])) {
        return false;
    }
    char* end = nullptr;
    double parsed = strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !isfinite(parsed)) {
        return false;
    }
    *value = parsed;
    return true;
}

std::string SimTrim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool SimParseFlagWord(const std::string& word, bool* flag) {
    if (word == "yes" || word == "on" || word == "1" || word == "true") {
        *flag = true;
        return true;
    }
    if (word == "no" || word == "off" || word == "0" || word == "false") {
        *flag = false;
        return true;
    }
    return false;
}

std::wstring SimWideFromUtf8(const std::string& utf8) {
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? (size_t)length : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

bool SimHasArgument(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], name) == 0) {
            return true;
        }
    }
    return false;
}
