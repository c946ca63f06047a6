// Writing the readiness check's report: plain text for people, JSON for programs.
#include "simhost/check/CheckOutput.h"

#include <nlohmann/json.hpp>

namespace {

std::string SeverityWord(CheckLanguage language, const std::string& severity) {
    if (severity == "error") {
        return CheckSay(language, "ошибка", "error");
    }
    if (severity == "warning") {
        return CheckSay(language, "предупреждение", "warning");
    }
    return CheckSay(language, "сведения", "info");
}

// Inside the simulator folder a path is shown from there on ("Aircraft\\Tanker\\aircraft.cfg").
std::string ShownPath(const CheckReport& report, const std::string& path) {
    const std::string& folder = report.simulatorFolder;
    if (!folder.empty() && path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
        path[folder.size()] == '\\') {
        return path.substr(folder.size() + 1);
    }
    return path;
}

} // namespace

std::string CheckReportText(const CheckReport& report, CheckLanguage language) {
    std::string text;
    if (!report.simulatorFolder.empty()) {
        text += CheckSay(language, "Папка симулятора: {}\n", "Simulator folder: {}\n", {report.simulatorFolder});
    } else {
        text += CheckSay(language,
                         "Папка симулятора не найдена: файлы конфигурации ищутся от текущей папки {}, "
                         "файлы эффектов не проверяются\n",
                         "Simulator folder not found: configuration files are looked for from the current "
                         "folder {}, effect files are not checked\n",
                         {report.baseFolder});
    }
    int ready = 0;
    for (const CheckRow& row : report.rows) {
        text += "\n";
        if (row.fltsim < 0) {
            text += ShownPath(report, row.path) + "\n";
        } else {
            text += CheckQuoted(row.title) + " — atc_model " + CheckQuoted(row.atcModel) + "\n";
            text += CheckSay(language, "  {}, [fltsim.{}]; station_load: {}, smoke: {}\n",
                             "  {}, [fltsim.{}]; station_load: {}, smoke: {}\n",
                             {ShownPath(report, row.path), std::to_string(row.fltsim), std::to_string(row.stations),
                              std::to_string(row.effectSlots)});
        }
        for (const CheckFinding& finding : row.findings) {
            text += "  " + SeverityWord(language, finding.severity) + ": " + finding.text + " [" + finding.code + "]\n";
        }
        ready += row.Ready() ? 1 : 0;
        text += row.Ready() ? CheckSay(language, "  => готов\n", "  => ready\n")
                            : CheckSay(language, "  => не готов\n", "  => not ready\n");
    }
    text += CheckSay(language, "\nВариантов: {}, готовы: {}; файлов прочитано: {}, не читается: {}\n",
                     "\nVariations: {}, ready: {}; files read: {}, unreadable: {}\n",
                     {std::to_string(report.rows.size()), std::to_string(ready), std::to_string(report.filesRead),
                      std::to_string(report.filesUnreadable)});
    return text;
}

std::string CheckReportJson(const CheckReport& report) {
    nlohmann::ordered_json aircraft = nlohmann::ordered_json::array();
    for (const CheckRow& row : report.rows) {
        nlohmann::ordered_json item;
        item["path"] = row.path;
        item["fltsim"] = row.fltsim;
        item["title"] = row.title;
        item["atc_model"] = row.atcModel;
        item["stations"] = row.stations;
        item["effect_slots"] = row.effectSlots;
        item["config_file"] = row.configFile;
        item["ready"] = row.Ready();
        nlohmann::ordered_json findings = nlohmann::ordered_json::array();
        for (const CheckFinding& finding : row.findings) {
            findings.push_back({{"severity", finding.severity}, {"code", finding.code}, {"text", finding.text}});
        }
        item["findings"] = findings;
        if (!row.configPath.empty()) {
            item["config_path"] = row.configPath;
        }
        if (row.hasConfig) {
            const AircraftConfig& c = row.config;
            item["config"] = {{"variant", c.variant}, {"number", c.number}, {"method", c.method},
                              {"exit_type", c.exitType}, {"realism", c.realism}, {"visual", c.visual},
                              {"side", {c.leftX, c.leftY, c.leftZ}}, {"rear", {c.downX, c.downY, c.downZ}}};
        }
        aircraft.push_back(item);
    }
    nlohmann::ordered_json document;
    document["aircraft"] = aircraft;
    document["simulator_folder"] = report.simulatorFolder;
    document["files_read"] = report.filesRead;
    document["files_unreadable"] = report.filesUnreadable;
    // Every string is UTF-8 already; a byte that is not is replaced rather than thrown over.
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
