// The readiness check's rules about the payload (stations, the load's weight, the centre
// of gravity), the exit points against the aircraft's outline, and where atc_model comes from.
#include <map>
#include <vector>

#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "drop/Loading.h"
#include "simhost/check/CheckRules.h"
#include "simhost/lib/SimText.h"

struct CheckFileCache {
    CfgOutline outline;
    std::map<double, std::pair<bool, double> > centres; // load weight -> fraction of the MAC
};

CheckFileCache* NewFileCache(const AircraftCfg& cfg) {
    CheckFileCache* cache = new CheckFileCache();
    if (!CfgAircraftOutline(cfg, &cache->outline)) {
        cache->outline.known = false;
    }
    return cache;
}

void DeleteFileCache(CheckFileCache* cache) {
    delete cache;
}

// The centre of gravity with `weight` spread as the module spreads it: every station gets
// the same share, in place of what it held.
static bool LoadedCentre(const AircraftCfg& cfg, CheckFileCache* cache, double weight, double* fraction) {
    auto known = cache->centres.find(weight);
    if (known == cache->centres.end()) {
        std::vector<double> stations(cfg.stations.size(), weight / (double)cfg.stations.size());
        double value = 0;
        bool ok = CfgCentreOfGravity(cfg, stations, &value);
        known = cache->centres.emplace(weight, std::make_pair(ok, value)).first;
    }
    *fraction = known->second.second;
    return known->second.first;
}

static void CheckWeightAndBalance(SimLanguage language, const AircraftCfg& cfg, CheckFileCache* cache,
                                  double weight, CheckRow* row) {
    if (cfg.maxGrossWeight && cfg.emptyWeight) {
        double useful = *cfg.maxGrossWeight - *cfg.emptyWeight;
        if (weight > useful) {
            AddFinding(row, "warning", "over-useful-load",
                       CheckSay(language, "груз {} lb больше полезной нагрузки {} lb (max_gross_weight − empty_weight)",
                                "the load of {} lb is over the useful load of {} lb (max_gross_weight - empty_weight)",
                                {CheckNumber(weight), CheckNumber(useful)}),
                       CheckSay(language, "уменьшите количество в конфигураторе (Ctrl+Shift+0)",
                                "lower the amount in the configuration dialog (Ctrl+Shift+0)"));
        }
    }
    if (!cfg.cgForwardLimit && !cfg.cgAftLimit) {
        return;
    }
    double fraction;
    if (!LoadedCentre(cfg, cache, weight, &fraction)) {
        return;
    }
    bool forward = cfg.cgForwardLimit && fraction < *cfg.cgForwardLimit;
    bool aft = cfg.cgAftLimit && fraction > *cfg.cgAftLimit;
    if (forward || aft) {
        std::string limit = CheckNumber(forward ? *cfg.cgForwardLimit : *cfg.cgAftLimit);
        AddFinding(row, "warning", "cg-out-of-limits",
                   forward ? CheckSay(language, "центровка с грузом {} САХ впереди предела CG_forward_limit {}",
                                      "the centre of gravity with the load, {} of the MAC, is ahead of "
                                      "CG_forward_limit {}", {CheckNumber(fraction), limit})
                           : CheckSay(language, "центровка с грузом {} САХ позади предела CG_aft_limit {}",
                                      "the centre of gravity with the load, {} of the MAC, is behind CG_aft_limit {}",
                                      {CheckNumber(fraction), limit}),
                   CheckSay(language, "уменьшите количество или перенесите станции station_load.N ближе к центру тяжести",
                            "lower the amount, or move the station_load.N stations nearer the centre of gravity"));
    }
}

static void CheckExitPoints(SimLanguage language, CheckFileCache* cache, CheckRow* row) {
    EffectPlacement slots[kSavedSlotCount];
    if (!cache->outline.known || !ChoosePlacements(row->config, slots)) {
        return;
    }
    for (int k = 0; k < kSavedSlotCount && slots[k].effectFile[0] != '\0'; k++) {
        if (CfgPointOutside(cache->outline, slots[k].x, slots[k].y, slots[k].z)) {
            std::string point = "(" + CheckNumber(slots[k].x) + ", " + CheckNumber(slots[k].y) + ", " +
                                CheckNumber(slots[k].z) + ")";
            AddFinding(row, "warning", "exit-point-outside",
                       CheckSay(language, "точка выхода {}, {}, вне контура самолёта по точкам касания и размаху",
                                "the exit point {} of {} lies outside the aircraft's outline from its contact "
                                "points and span", {point, CheckStreamName(language, row->config, k)}),
                       CheckSay(language, "перенесите точку выхода на самолёт в конфигураторе или в окне simhost",
                                "move the exit point onto the aircraft in the configuration dialog or the simhost window"));
        }
    }
}

void CheckPayload(const CheckSubject& subject, CheckFileCache* cache, CheckRow* row) {
    SimLanguage language = subject.context->language;
    const AircraftCfg& cfg = *subject.cfg;
    if (cfg.stations.empty()) {
        AddFinding(row, "warning", "no-stations",
                   CheckSay(language, "нет строк station_load.N: загрузка не задаёт веса",
                            "no station_load.N lines: the load sets no weight"),
                   CheckSay(language, "добавьте строки station_load.N в [WEIGHT_AND_BALANCE]",
                            "add station_load.N lines to [WEIGHT_AND_BALANCE]"));
    } else if (cfg.stations.size() > kMaxPayloadStations) {
        AddFinding(row, "error", "too-many-stations",
                   CheckSay(language, "строк station_load.N {}, больше {}: модуль отказывается загружать",
                            "{} station_load.N lines, more than {}: the module refuses to load",
                            {std::to_string(cfg.stations.size()), std::to_string(kMaxPayloadStations)}),
                   CheckSay(language, "оставьте не больше {} строк station_load.N", "keep at most {} station_load.N lines",
                            {std::to_string(kMaxPayloadStations)}));
    }
    if (!row->hasConfig) {
        return;
    }
    double weight;
    if (!cfg.stations.empty() && LoadWeight(row->config, &weight)) {
        CheckWeightAndBalance(language, cfg, cache, weight, row);
    }
    CheckExitPoints(language, cache, row);
}

void CheckAtcModelSources(const CheckSubject& subject, CheckRow* row) {
    const AircraftCfg& cfg = *subject.cfg;
    const CfgVariation& v = *subject.variation;
    if (cfg.generalAtcModel.empty() || v.atcModel.empty() || cfg.generalAtcModel == v.atcModel) {
        return;
    }
    SimLanguage language = subject.context->language;
    std::string general = CheckShownQuoted(language, cfg.generalAtcModel);
    std::string own = CheckShownQuoted(language, v.atcModel);
    std::string section = "[fltsim." + std::to_string(v.index) + "]";
    AddFinding(row, "warning", "atc-model-differs",
               language == kSimRussian
                   ? CheckSay(language, "atc_model в [General] {} и в {} {} различаются: файл модуля следует тому, "
                                        "что берёт симулятор (здесь взято {})", "", {general, section, own, own})
                   : CheckSay(language, "", "atc_model is {} in [General] and {} in {}: the module's file follows the one "
                                            "the simulator uses (taken here: {})", {general, own, section, own}),
               CheckSay(language, "запишите один и тот же atc_model в [General] и в {}",
                        "write the same atc_model in [General] and in {}", {section}));
}
