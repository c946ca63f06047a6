// The effect files the module's slots name.
#include "simhost/app/host/EffectFiles.h"

#include <windows.h>

#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"

EffectFileInfo EffectFileLookUp(const std::string& root, const std::string& name) {
    EffectFileInfo info;
    info.path = root + "\\Effects\\" + name;
    info.exists = SimIsFile(info.path);
    if (info.exists) {
        char value[256] = "";
        GetPrivateProfileStringA("Library Effect", "Display Name", "", value, sizeof(value), info.path.c_str());
        info.displayName = value;
    }
    return info;
}

std::string EffectFileDescribe(const EffectFileInfo& info, const std::string& name) {
    std::string text = "Effects\\" + SimCp1251ToUtf8(name) + ": ";
    if (!info.exists) {
        return text + "missing";
    }
    return text + "present, " +
           (info.displayName.empty() ? std::string("no display name") : "«" + SimCp1251ToUtf8(info.displayName) + "»");
}

std::vector<ModuleSlotEffect> EffectFilesOfModuleSlots(SimAircraft* aircraft, const std::string& root) {
    std::vector<ModuleSlotEffect> effects;
    for (size_t k = 0; aircraft && k < aircraft->slots.size(); k++) {
        const char* name = SimSlotName(aircraft, k);
        if (name && name != SimHostSlotName(aircraft, k) && name[0]) {
            effects.push_back({k, name, EffectFileLookUp(root, name)});
        }
    }
    return effects;
}
