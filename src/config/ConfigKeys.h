// The twelve keys of the configuration file in one table: for each key its name, the
// AircraftConfig field it fills, the dialog controls that show and edit it, and its rows
// in the status report. The file reader, the dialog's fill and save, the status report
// and the stand-in host all go through this table.
#pragma once

#include "config/ConfigFile.h"

// How the dialog shows a key's value and takes it back.
enum ConfigControlKind {
    kControlChoice,    // radio buttons: controls[k] stands for the value k + 1
    kControlExitBoxes, // the rear (controls[0]) and side (controls[1]) boxes: 1 rear, 2 side, 3 both
    kControlCheckBox,  // controls[0]: 0 unchecked, 1 checked
    kControlText,      // the edit field controls[0] holds the stored text as typed
};

struct ConfigKey {
    const char* name;                   // in section General
    int AircraftConfig::*whole;         // the field of a whole-number value, or null
    double AircraftConfig::*coordinate; // the field of a coordinate (a whole number as a double), or null
    ConfigControlKind controlKind;
    int controlCount;
    int controls[3]; // dialog control ids
    // Status report: one row for each value from reportFirst on; values outside show no row.
    // A row of the variant is a format that shows the stored text of the amount key.
    const char* const* reportRows; // null: the key has no row of its own
    int reportFirst;
    int reportRowCount;
};

// Positions in kConfigKeys, which lists the keys in the order the dialog writes them
// (and a saved file holds them).
enum ConfigKeyIndex {
    kKeyIndexVariant,
    kKeyIndexMethod,
    kKeyIndexType,
    kKeyIndexRealism,
    kKeyIndexVisual,
    kKeyIndexNumber,
    kKeyIndexLeftX,
    kKeyIndexLeftY,
    kKeyIndexLeftZ,
    kKeyIndexDownX,
    kKeyIndexDownY,
    kKeyIndexDownZ,
    kConfigKeyCount
};

extern const ConfigKey kConfigKeys[kConfigKeyCount];

// Stores a key's whole-number value in its field of `config`.
void StoreConfigKey(const ConfigKey& key, int value, AircraftConfig* config);
