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


std::string CheckSay(SimLanguage language, const char* russian, const char* english,
                     const std::vector<std::string>& args) {
    return SimFillText(language == kSimRussian ? russian : english, args);
}

std::string CheckSayText(SimLanguage language, SimTextId id, const std::vector<std::string>& args) {
    return SimFillText(SimTextIn(language, id), args);
}

std::string CheckNumber(double value) {
    return SimFormatNumber(value);
}

std::string CheckQuoted(const std::string& utf8) {
    return "\"" + utf8 + "\"";
}

std::string CheckShown(SimLanguage language, const std::string& cp1251) {
    if (cp1251.size() <= kCheckShownBytes) {
        return SimCp1251ToUtf8(cp1251);
    }
    // Windows-1251 has one byte per character.
    return SimCp1251ToUtf8(cp1251.substr(0, kCheckShownBytes)) + "… " +
           CheckSay(language, "({} символов)", "({} characters)", {std::to_string(cp1251.size())});
}

std::string CheckShownQuoted(SimLanguage language, const std::string& cp1251) {
    if (cp1251.size() <= kCheckShownBytes) {
        return CheckQuoted(SimCp1251ToUtf8(cp1251));
    }
    return "\"" + SimCp1251ToUtf8(cp1251.substr(0, kCheckShownBytes)) + "…\" " +
           CheckSay(language, "({} символов)", "({} characters)", {std::to_string(cp1251.size())});
}

void AddFinding(CheckRow* row, const char* severity, const char* code, const std::string& what,
                const std::string& fix) {
    row->findings.push_back(CheckFinding{severity, code, what + " — " + fix});
}

int CheckExitCode(const CheckTotals& totals) {
    if (totals.filesRead == 0) {
        return 2;
    }
    return totals.ready < totals.rows ? 1 : 0;
}

int CheckExitCode(const CheckReport& report) {
    CheckTotals totals;
    totals.filesRead = report.filesRead;
    totals.rows = (int)report.rows.size();
    for (const CheckRow& row : report.rows) {
        totals.ready += row.Ready() ? 1 : 0;
    }
    return CheckExitCode(totals);
}
