// The rules of the readiness check, each adding its findings to one row. Internal to
// CheckAircraft.cpp and its helpers.
#pragma once

#include <string>

#include "simhost/check/CheckAircraft.h"
#include "simhost/lib/AircraftCfg.h"

// atc_model, its naming, the configuration file and its values; true when the row's
// configuration was read (row->hasConfig).
bool CheckConfiguration(CheckContext* context, CheckRow* row);
// Placement of the exit-point effects: unplaced exits, too few slots, missing effect files.
void CheckEffects(CheckContext* context, const AircraftCfg& cfg, CheckRow* row);

// What the rules work out once per file: the outline and the centre of gravity of each
// load weight, which every variation of the file shares.
struct CheckFileCache;
CheckFileCache* NewFileCache(const AircraftCfg& cfg);
void DeleteFileCache(CheckFileCache* cache);
// Stations, weight against the useful load, the centre of gravity, exit points.
void CheckPayload(CheckContext* context, const AircraftCfg& cfg, CheckFileCache* cache, CheckRow* row);
// smoke.N lines written in the successor's order lon, lat, vert (known by the engines).
void CheckSmokeOrder(CheckContext* context, const AircraftCfg& cfg, CheckRow* row);
// atc_model in [General] and the variation with different values.
void CheckAtcModelSources(CheckContext* context, const AircraftCfg& cfg, const CfgVariation& v, CheckRow* row);

// Which stream and exit slot k of the placement carries: "stream 2 (side exit, mirrored)".
std::string CheckStreamName(CheckLanguage language, const AircraftConfig& config, int k);
