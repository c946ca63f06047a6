// Rows and findings of the readiness check: the shared small pieces.
#include "simhost/check/CheckReport.h"

#include "simhost/lib/SimText.h"

bool CheckRow::Ready() const {
    for (const CheckFinding& finding : findings) {
        if (finding.severity == "error") {
            return false;
        }
    }
    return true;
}

std::string CheckSay(CheckLanguage language, const char* russian, const char* english,
                     const std::vector<std::string>& args) {
    std::string pattern = language == kCheckRussian ? russian : english;
    std::string text;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); i++) {
        if (pattern[i] == '{' && i + 1 < pattern.size() && pattern[i + 1] == '}') {
            text += next < args.size() ? args[next] : std::string();
            next++;
            i++;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string CheckNumber(double value) {
    return SimFormatNumber(value);
}

std::string CheckQuoted(const std::string& utf8) {
    return "\"" + utf8 + "\"";
}

void AddFinding(CheckRow* row, const char* severity, const char* code, const std::string& text) {
    row->findings.push_back(CheckFinding{severity, code, text});
}

int CheckExitCode(const CheckReport& report) {
    if (report.filesRead == 0) {
        return 2;
    }
    for (const CheckRow& row : report.rows) {
        if (!row.Ready()) {
            return 1;
        }
    }
    return 0;
}
