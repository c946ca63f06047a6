// The effect files the module's slots name, looked up in the simulator folder's Effects
// folder: whether the file is there and the display name it gives itself
// ([Library Effect] Display Name).
#pragma once

#include <string>
#include <vector>

#include "simhost/SimHost.h"

struct EffectFileInfo {
    std::string path;        // <root>\Effects\<name>
    bool exists;
    std::string displayName; // Windows-1251 as in the file; empty when none
};

// `root` is the simulator folder (absolute); `name` the effect file name a slot holds.
EffectFileInfo EffectFileLookUp(const std::string& root, const std::string& name);
// One line for the transcript and the window: "Effects\fx_a.fx: present, «Name»" or
// "Effects\fx_a.fx: missing" (UTF-8).
std::string EffectFileDescribe(const EffectFileInfo& info, const std::string& name);

// The slots the module has filled (a name of its own in place of the aircraft's), with
// the effect file each names.
struct ModuleSlotEffect {
    size_t slot;
    std::string name; // Windows-1251
    EffectFileInfo file;
};
std::vector<ModuleSlotEffect> EffectFilesOfModuleSlots(SimAircraft* aircraft, const std::string& root);
