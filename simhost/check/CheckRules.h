// The rules of the readiness check, each adding its findings to one row. Internal to
// CheckAircraft.cpp and its helpers.
#pragma once

#include <string>

#include "simhost/check/CheckContext.h"
#include "simhost/check/CheckReport.h"
#include "simhost/lib/AircraftCfg.h"

// What every rule of one livery is given: the run, the file read, the livery, and the
// folder to name in a fix ("simhost --prepare FOLDER").
struct CheckSubject {
    CheckContext* context;
    const AircraftCfg* cfg;
    const CfgVariation* variation;
    std::string aircraftFolder; // UTF-8
};

// What the module learns of `model` (its naming and configuration file), learnt now and
// kept for CheckConfiguration; nothing for a model the module refuses for its length alone.
void CheckModelOf(CheckContext* context, const std::string& model);
// atc_model, its naming, the configuration file and its values (with fraction-cut); true
// when the row's configuration was read (row->hasConfig).
bool CheckConfiguration(const CheckSubject& subject, const std::string& model, CheckRow* row);
// Placement of the exit-point effects: unplaced exits, slots against what is needed (the
// most the placement can use when there is no configuration), missing effect files; sets
// row->visible.
void CheckEffects(const CheckSubject& subject, CheckRow* row);

// What the rules work out once per file: the outline and the centre of gravity of each
// load weight, which every livery of the file shares.
struct CheckFileCache;
CheckFileCache* NewFileCache(const AircraftCfg& cfg);
void DeleteFileCache(CheckFileCache* cache);
// Stations (with or without a configuration), weight against the useful load, the centre
// of gravity, exit points against the outline (with one).
void CheckPayload(const CheckSubject& subject, CheckFileCache* cache, CheckRow* row);
// atc_model in [General] and the livery with different values.
void CheckAtcModelSources(const CheckSubject& subject, CheckRow* row);
// smoke.N lines written in the successor's order lon, lat, vert (known by the engines).
void CheckSmokeOrder(const CheckSubject& subject, CheckRow* row);

// Which stream and exit slot k of the placement carries: "stream 2 (side exit, mirrored)".
std::string CheckStreamName(SimLanguage language, const AircraftConfig& config, int k);
