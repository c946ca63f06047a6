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

static void CheckWeightAndBalance(CheckLanguage language, const AircraftCfg& cfg, CheckFileCache* cache,
                                  double weight, CheckRow* row) {
    if (cfg.maxGrossWeight && cfg.emptyWeight) {
        double useful = *cfg.maxGrossWeight - *cfg.emptyWeight;
        if (weight > useful) {
            AddFinding(row, "warning", "over-useful-load",
                       CheckSay(language, "груз {} lb больше полезной нагрузки {} lb (max_gross_weight − empty_weight)",
                                "the load of {} lb is over the useful load of {} lb (max_gross_weight - empty_weight)",
                                {CheckNumber(weight), CheckNumber(useful)}));
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
                                      {CheckNumber(fraction), limit}));
    }
}

static void CheckExitPoints(CheckLanguage language, CheckFileCache* cache, CheckRow* row) {
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
                                "points and span", {point, CheckStreamName(language, row->config, k)}));
        }
    }
}

void CheckPayload(CheckContext* context, const AircraftCfg& cfg, CheckFileCache* cache, CheckRow* row) {
    CheckLanguage language = context->language;
    if (cfg.stations.empty()) {
        AddFinding(row, "warning", "no-stations",
                   CheckSay(language, "нет строк station_load.N: загрузка не задаёт веса",
                            "no station_load.N lines: the load sets no weight"));
    } else if (cfg.stations.size() > kMaxPayloadStations) {
        AddFinding(row, "error", "too-many-stations",
                   CheckSay(language, "строк station_load.N {}, больше {}: модуль отказывается загружать",
                            "{} station_load.N lines, more than {}: the module refuses to load",
                            {std::to_string(cfg.stations.size()), std::to_string(kMaxPayloadStations)}));
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

void CheckAtcModelSources(CheckContext* context, const AircraftCfg& cfg, const CfgVariation& v, CheckRow* row) {
    if (cfg.generalAtcModel.empty() || v.atcModel.empty() || cfg.generalAtcModel == v.atcModel) {
        return;
    }
    AddFinding(row, "warning", "atc-model-differs",
               CheckSay(context->language,
                        "atc_model в [General] {} и в [fltsim.{}] {} различаются: файл модуля следует тому, "
                        "что берёт симулятор (здесь взято {})",
                        "atc_model is {} in [General] and {} in [fltsim.{}]: the module's file follows the one "
                        "the simulator uses (taken here: {})",
                        context->language == kCheckRussian
                            ? std::vector<std::string>{CheckQuoted(SimCp1251ToUtf8(cfg.generalAtcModel)),
                                                       std::to_string(v.index),
                                                       CheckQuoted(SimCp1251ToUtf8(v.atcModel)),
                                                       CheckQuoted(SimCp1251ToUtf8(v.atcModel))}
                            : std::vector<std::string>{CheckQuoted(SimCp1251ToUtf8(cfg.generalAtcModel)),
                                                       CheckQuoted(SimCp1251ToUtf8(v.atcModel)),
                                                       std::to_string(v.index),
                                                       CheckQuoted(SimCp1251ToUtf8(v.atcModel))}));
}
