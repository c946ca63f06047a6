// One aircraft.cfg through the readiness check: its rows in order, and the note on rows
// that share a configuration file.
#include "simhost/check/CheckAircraft.h"

#include "simhost/check/CheckRules.h"
#include "simhost/lib/SimText.h"

void CheckAircraftFile(const std::string& path, CheckContext* context, CheckReport* report) {
    AircraftCfg cfg;
    std::string error;
    std::string shownPath = SimCp1251ToUtf8(path);
    if (!ReadAircraftCfg(path, &cfg, &error)) {
        report->filesUnreadable++;
        CheckRow row;
        row.path = shownPath;
        AddFinding(&row, "error", "unreadable",
                   CheckSay(context->language, "файл не читается: {}", "the file cannot be read: {}",
                            {SimCp1251ToUtf8(error)}));
        report->rows.push_back(row);
        return;
    }
    report->filesRead++;
    CheckFileCache* cache = NewFileCache(cfg);
    for (const CfgVariation& v : cfg.variations) {
        CheckRow row;
        row.path = shownPath;
        row.fltsim = v.index;
        row.title = SimCp1251ToUtf8(v.title);
        row.atcModel = CfgAtcModel(cfg, v);
        row.stations = (int)cfg.stations.size();
        row.effectSlots = (int)cfg.smokes.size();
        if (CheckConfiguration(context, &row)) {
            CheckEffects(context, cfg, &row);
        }
        CheckPayload(context, cfg, cache, &row);
        CheckSmokeOrder(context, cfg, &row);
        CheckAtcModelSources(context, cfg, v, &row);
        row.atcModel = SimCp1251ToUtf8(row.atcModel);
        report->rows.push_back(row);
    }
    DeleteFileCache(cache);
}

void NoteSharedConfigFiles(CheckLanguage language, CheckReport* report) {
    std::map<std::string, std::vector<size_t> > users; // configuration file -> rows
    for (size_t i = 0; i < report->rows.size(); i++) {
        if (!report->rows[i].configPath.empty()) {
            users[report->rows[i].configPath].push_back(i);
        }
    }
    const size_t kNamed = 5;
    for (const auto& group : users) {
        if (group.second.size() < 2) {
            continue;
        }
        std::string others;
        for (size_t k = 1; k < group.second.size() && k <= kNamed; k++) {
            const CheckRow& other = report->rows[group.second[k]];
            others += (others.empty() ? "" : ", ") + CheckQuoted(other.title);
        }
        if (group.second.size() - 1 > kNamed) {
            others += CheckSay(language, " и ещё {}", " and {} more", {std::to_string(group.second.size() - 1 - kNamed)});
        }
        CheckRow& first = report->rows[group.second[0]];
        AddFinding(&first, "info", "shared-config-file",
                   CheckSay(language, "файл {} общий для {} вариантов; также: {}",
                            "the file {} is shared by {} variations; also: {}",
                            {group.first, std::to_string(group.second.size()), others}));
    }
}
