// The readiness check's JSON row writer (see CheckJson.h).
#include "simhost/check/CheckJson.h"

#include <math.h>
#include <stdio.h>

#include <nlohmann/json.hpp>

namespace {

std::string LibraryDump(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// Well-formed UTF-8 as the Unicode standard tables it: no overlong form, no surrogate,
// nothing above U+10FFFF. Such text the library copies unchanged, apart from escapes.
bool WellFormedUtf8(const std::string& text) {
    const unsigned char* p = (const unsigned char*)text.data();
    const unsigned char* end = p + text.size();
    while (p < end) {
        unsigned c = *p++;
        if (c < 0x80) {
            continue;
        }
        int more;
        unsigned low = 0x80, high = 0xBF; // the allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p < more || *p < low || *p > high) {
            return false;
        }
        for (p++, more--; more > 0; more--, p++) {
            if (*p < 0x80 || *p > 0xBF) {
                return false;
            }
        }
    }
    return true;
}

void Member(const char* name, std::string* out) {
    *out += '"';
    *out += name;
    *out += "\":";
}

void MemberString(const char* name, const std::string& value, std::string* out) {
    Member(name, out);
    CheckJsonString(value, out);
    *out += ',';
}

void MemberInt(const char* name, int value, std::string* out) {
    Member(name, out);
    *out += std::to_string(value);
    *out += ',';
}

void MemberBool(const char* name, bool value, std::string* out) {
    Member(name, out);
    *out += value ? "true," : "false,";
}

void Point(double x, double y, double z, std::string* out) {
    *out += '[';
    CheckJsonNumber(x, out);
    *out += ',';
    CheckJsonNumber(y, out);
    *out += ',';
    CheckJsonNumber(z, out);
    *out += ']';
}

} // namespace

void CheckJsonString(const std::string& text, std::string* out) {
    if (!WellFormedUtf8(text)) {
        *out += LibraryDump(nlohmann::ordered_json(text));
        return;
    }
    static const char kHex[] = "0123456789abcdef";
    *out += '"';
    size_t plain = 0; // the start of the run not yet copied
    for (size_t i = 0; i < text.size(); i++) {
        unsigned char c = (unsigned char)text[i];
        if (c >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        out->append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"': *out += "\\\""; break;
        case '\\': *out += "\\\\"; break;
        case '\b': *out += "\\b"; break;
        case '\f': *out += "\\f"; break;
        case '\n': *out += "\\n"; break;
        case '\r': *out += "\\r"; break;
        case '\t': *out += "\\t"; break;
        default:
            *out += "\\u00";
            *out += kHex[c >> 4];
            *out += kHex[c & 15];
        }
    }
    out->append(text, plain, std::string::npos);
    *out += '"';
}

void CheckJsonNumber(double value, std::string* out) {
    // A whole number of a few digits is written as the library writes it ("-30.0"); -0
    // and everything else by the library.
    if (value == floor(value) && fabs(value) < 1e9 && !(value == 0 && signbit(value))) {
        char text[24];
        snprintf(text, sizeof(text), "%d.0", (int)value);
        *out += text;
        return;
    }
    *out += LibraryDump(nlohmann::ordered_json(value));
}

void CheckJsonRow(const CheckRow& row, std::string* out) {
    *out += '{';
    MemberString("path", row.path, out);
    MemberInt("fltsim", row.fltsim, out);
    MemberString("title", row.title, out);
    MemberString("atc_model", row.atcModel, out);
    MemberInt("stations", row.stations, out);
    MemberInt("effect_slots", row.effectSlots, out);
    MemberString("config_file", row.configFile, out);
    MemberBool("ready", row.Ready(), out);
    MemberBool("visible", row.Visible(), out);
    Member("findings", out);
    *out += '[';
    for (size_t i = 0; i < row.findings.size(); i++) {
        const CheckFinding& finding = row.findings[i];
        *out += i == 0 ? "{" : ",{";
        MemberString("severity", finding.severity, out);
        MemberString("code", finding.code, out);
        Member("text", out);
        CheckJsonString(finding.text, out);
        *out += '}';
    }
    *out += ']';
    if (!row.configPath.empty()) {
        *out += ',';
        Member("config_path", out);
        CheckJsonString(row.configPath, out);
    }
    if (row.hasConfig) {
        const AircraftConfig& c = row.config;
        *out += ',';
        Member("config", out);
        *out += '{';
        MemberInt("variant", c.variant, out);
        MemberInt("number", c.number, out);
        MemberInt("method", c.method, out);
        MemberInt("exit_type", c.exitType, out);
        MemberInt("realism", c.realism, out);
        MemberInt("visual", c.visual, out);
        Member("side", out);
        Point(c.leftX, c.leftY, c.leftZ, out);
        *out += ',';
        Member("rear", out);
        Point(c.downX, c.downY, c.downZ, out);
        *out += '}';
    }
    *out += '}';
}
