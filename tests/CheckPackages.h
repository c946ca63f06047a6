// Aircraft packages of the tests' own writing for the readiness check: a simulator folder
// with Aircraft\<folder>\aircraft.cfg, the module's configuration file and Effects\. The
// default package is ready: every case changes one part of it.
#pragma once

#include <windows.h>

#include <string>

#include "TestSupport.h"
#include "config/ConfigFile.h"
#include "drop/Effects.h"

struct TestPackage {
    std::string folder = "transport";
    std::string fltsim = "[fltsim.0]\ntitle=Test Transport\natc_model=Test1\n";
    std::string general = "[General]\natc_type=Test\n";
    std::string weights = "[WEIGHT_AND_BALANCE]\nmax_gross_weight=20000\nempty_weight=12000\n"
                          "reference_datum_position=0,0,0\nempty_weight_CG_position=0,0,0\n"
                          "CG_forward_limit=0.1\nCG_aft_limit=0.8\n";
    std::string stations = "station_load.0=0,0,0,0\nstation_load.1=0,0,0,0\n";
    std::string smokes = "[SMOKESYSTEM]\nsmoke.0=0,0,0,fx_a\nsmoke.1=0,0,0,fx_b\nsmoke.2=0,0,0,fx_c\n"
                         "smoke.3=0,0,0,fx_d\n";
    std::string contacts = "[contact_points]\npoint.0=1,10,0,-5\npoint.1=1,-5,-5,-5\npoint.2=1,-5,5,-5\n"
                           "point.3=2,-30,0,2\npoint.4=2,-5,-30,0\npoint.5=2,-5,30,0\n";
    std::string geometry = "[airplane_geometry]\nwing_area=600\nwing_span=60\nwing_root_chord=12\n"
                           "wing_sweep=0\nwing_pos_apex_lon=5\n";
    std::string raw; // when not empty, the whole aircraft.cfg instead of the parts above
    std::string model = "Test1";
    std::string config = "[General]\nKFWS_Airdrop_variant=1\nKFWS_Airdrop_number=10\nKFWS_Airdrop_metod=2\n"
                         "KFWS_Airdrop_type=3\nKFWS_Airdrop_realism=0\nKFWS_Airdrop_visual=1\n"
                         "KFWS_Airdrop_left_x=-3\nKFWS_Airdrop_left_y=1\nKFWS_Airdrop_left_z=-10\n"
                         "KFWS_Airdrop_down_x=0\nKFWS_Airdrop_down_y=-1\nKFWS_Airdrop_down_z=-12\n";
    bool writeConfig = true;
    bool effects = true;

    std::string Text() const {
        return raw.empty() ? fltsim + general + weights + stations + smokes + contacts + geometry : raw;
    }
};

// Writes the package into the simulator folder `root` (which exists).
inline void WritePackage(const std::string& root, const TestPackage& package) {
    CreateDirectoryA((root + "\\Aircraft").c_str(), nullptr);
    CreateDirectoryA((root + "\\Aircraft\\" + package.folder).c_str(), nullptr);
    WriteWholeFile(root + "\\Aircraft\\" + package.folder + "\\aircraft.cfg", package.Text());
    if (package.writeConfig) {
        CreateDirectoryA((root + "\\Modules").c_str(), nullptr);
        CreateDirectoryA((root + "\\" + kMakerFolder).c_str(), nullptr);
        CreateDirectoryA((root + "\\" + kProductFolder).c_str(), nullptr);
        WriteWholeFile(root + "\\" + ConfigPathOf(package.model), package.config);
    }
    if (package.effects) {
        CreateDirectoryA((root + "\\Effects").c_str(), nullptr);
        for (const char* name : {kEffectParatroopers, kEffectCargo, kEffectFire}) {
            WriteWholeFile(root + "\\Effects\\" + name, "[Library Effect]\nLifetime=1\n");
        }
    }
}

// The same text with every line `key=...` of the given key replaced by `key=value`.
inline std::string WithValue(const std::string& text, const std::string& key, const std::string& value) {
    std::string result;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        result += line.compare(0, key.size() + 1, key + "=") == 0 ? key + "=" + value + "\n" : line;
        start = end;
    }
    return result;
}
