// Writing the readiness check's report: plain text for people, JSON for programs.
#include "simhost/check/CheckOutput.h"

#include <nlohmann/json.hpp>

#include "simhost/check/CheckJson.h"

namespace {

std::string SeverityWord(SimLanguage language, const std::string& severity) {
    return CheckSayText(language, severity == "error"     ? kTextCheckSeverityError
                                  : severity == "warning" ? kTextCheckSeverityWarning
                                                          : kTextCheckSeverityInfo);
}

// Inside the simulator folder a path is shown from there on ("Aircraft\\Tanker\\aircraft.cfg").
std::string ShownPath(const std::string& folder, const std::string& path) {
    if (!folder.empty() && path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
        path[folder.size()] == '\\') {
        return path.substr(folder.size() + 1);
    }
    return path;
}

std::string Dump(const nlohmann::ordered_json& value) {
    // Every string is UTF-8 already; a byte that is not is replaced rather than thrown over.
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string RowText(const CheckWriter& writer, const CheckRow& row) {
    SimLanguage language = writer.language;
    std::string text = "\n";
    if (row.fltsim < 0) {
        text += ShownPath(writer.simulatorFolder, row.path) + "\n";
    } else {
        text += CheckQuoted(row.title) + " — atc_model " + CheckQuoted(row.atcModel) + "\n";
        text += CheckSayText(language, kTextCheckRowPlace,
                             {ShownPath(writer.simulatorFolder, row.path), std::to_string(row.fltsim),
                              std::to_string(row.stations), std::to_string(row.effectSlots)});
    }
    for (const CheckFinding& finding : row.findings) {
        text += "  " + SeverityWord(language, finding.severity) + ": " + finding.text + " [" + finding.code + "]\n";
    }
    text += CheckSayText(language, !row.Ready() ? kTextCheckNotReady
                                   : row.Visible() ? kTextCheckReadyVisible
                                                   : kTextCheckReadyInvisible);
    return text;
}

} // namespace

void CheckWriteHead(CheckWriter* writer, const std::string& simulatorFolder, const std::string& baseFolder) {
    writer->simulatorFolder = simulatorFolder;
    if (writer->json) {
        writer->out("{\n\"simulator_folder\": " + Dump(simulatorFolder) + ",\n\"aircraft\": [");
    } else if (!simulatorFolder.empty()) {
        writer->out(CheckSayText(writer->language, kTextCheckSimulatorFolder, {simulatorFolder}));
    } else if (!baseFolder.empty()) {
        writer->out(CheckSayText(writer->language, kTextCheckNoSimulatorFolder, {baseFolder}));
    }
}

void CheckWriteRow(CheckWriter* writer, const CheckRow& row) {
    if (writer->json) {
        std::string line;
        line.reserve(2048); // a row's line, grown once at most
        line = writer->rowsWritten == 0 ? "\n" : ",\n";
        CheckJsonRow(row, &line);
        writer->out(line);
    } else {
        writer->out(RowText(*writer, row));
    }
    writer->rowsWritten++;
}

void CheckWriteEnd(CheckWriter* writer, const CheckTotals& totals, const std::string& error) {
    if (writer->json) {
        nlohmann::ordered_json end;
        end["files_read"] = totals.filesRead;
        end["files_unreadable"] = totals.filesUnreadable;
        end["liveries"] = totals.rows;
        end["ready"] = totals.ready;
        end["visible"] = totals.visible;
        end["error"] = error.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(error);
        std::string tail = Dump(end); // {"files_read": ..., "error": ...}
        writer->out("\n],\n" + tail.substr(1, tail.size() - 2) + "\n}\n");
    } else if (error.empty() || writer->rowsWritten > 0) {
        writer->out(CheckSayText(writer->language, kTextCheckSummary,
                                 {std::to_string(totals.rows), std::to_string(totals.ready), std::to_string(totals.visible),
                                  std::to_string(totals.filesRead), std::to_string(totals.filesUnreadable)}));
    }
}

static std::string WholeReport(const CheckReport& report, bool json, SimLanguage language) {
    std::string text;
    CheckWriter writer;
    writer.json = json;
    writer.language = language;
    writer.out = [&text](const std::string& piece) { text += piece; };
    CheckWriteHead(&writer, report.simulatorFolder, report.baseFolder);
    CheckTotals totals;
    totals.filesRead = report.filesRead;
    totals.filesUnreadable = report.filesUnreadable;
    for (const CheckRow& row : report.rows) {
        CheckWriteRow(&writer, row);
        totals.rows++;
        totals.ready += row.Ready() ? 1 : 0;
        totals.visible += row.Visible() ? 1 : 0;
    }
    CheckWriteEnd(&writer, totals, std::string());
    return text;
}

std::string CheckReportText(const CheckReport& report, SimLanguage language) {
    return WholeReport(report, false, language);
}

std::string CheckReportJson(const CheckReport& report) {
    return WholeReport(report, true, kSimEnglish);
}
