// What one run of the readiness check keeps from aircraft to aircraft: the language, the
// simulator folder, and what it has learnt of each model name, configuration file and
// effect file, so that each is looked at once however many liveries share it.
#pragma once

#include <map>
#include <set>
#include <string>

#include "config/ConfigFile.h"
#include "simhost/lib/SimTexts.h"

const int kCheckConfigKeys = 12; // the keys of config/ConfigKeys.h

struct CheckModelState {
    int nameFault = kNameUsable; // CheckModelName
    bool reachable = false;      // the full path fits the profile functions
    int fileState = 0;           // CheckConfigFile: 0 or 1
    AircraftConfig config = {};  // as ReadAircraftConfig reads it
    std::string texts[kCheckConfigKeys]; // each key's text as the module reads it, in the order of kConfigKeys
    std::string configPath; // the file, UTF-8, as the module names it
    std::string valuesText; // the config-values finding, made once for every livery of the model
    std::string absentText; // the no-config-file finding, made once likewise
};

// The first livery that uses a configuration file, and how many do.
struct CheckSharedFile {
    std::string firstTitle; // UTF-8, bounded
    int users = 0;
};

struct CheckContext {
    SimLanguage language = kSimRussian;
    std::string simulatorFolder; // empty when unknown: effect files are then not looked for
    // The module's relative paths are resolved against the current folder, which the
    // caller makes the simulator folder.
    std::map<std::string, CheckModelState> models; // usable names only, so keys are short
    std::map<std::string, bool> effectFiles;
    std::map<std::string, CheckSharedFile> sharedFiles; // configuration path -> its users
    // The product folder's file names, upper-cased, listed once: a name not in it needs no
    // look-up (under Wine a look-up of a missing name scans the whole folder).
    bool productListed = false;
    std::set<std::string> productFiles;
};
