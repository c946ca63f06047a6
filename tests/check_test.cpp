// The readiness check (simhost --check) on packages of the test's own writing: each
// finding code present and absent, how PATH finds the files and the simulator folder,
// the JSON document read back, and the check against the real module loading the same
// aircraft in the stand-in host.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CheckPackages.h"
#include "TestSupport.h"
#include "simhost/check/CheckCommand.h"
#include "simhost/check/CheckOutput.h"
#include "simhost/lib/AircraftCfg.h"

namespace {

CheckReport Check(const std::string& path, const std::string& root = "") {
    CheckOptions options;
    options.path = path;
    options.root = root;
    options.language = kSimEnglish;
    CheckReport report;
    std::string error;
    EXPECT_TRUE(RunCheck(options, &report, &error)) << error;
    return report;
}

std::vector<std::string> Codes(const CheckReport& report) {
    std::vector<std::string> codes;
    for (const CheckRow& row : report.rows) {
        for (const CheckFinding& finding : row.findings) {
            codes.push_back(finding.severity + " " + finding.code);
        }
    }
    return codes;
}

std::string Stations(int count, double lon) {
    std::string text;
    for (int i = 0; i < count; i++) {
        text += "station_load." + std::to_string(i) + "=0," + std::to_string(lon) + ",0,0\n";
    }
    return text;
}

struct FindingCase {
    const char* code;
    const char* severity;
    std::function<void(TestPackage&)> present; // makes the package show the finding
    std::function<void(TestPackage&)> absent;  // a near package that must not show it
    const char* says = "";                     // what the present finding's text must hold
};

void Config(TestPackage& p, const char* key, const char* value) {
    p.config = WithValue(p.config, key, value);
}

const std::vector<FindingCase>& FindingCases() {
    static const std::vector<FindingCase> cases = {
        {"no-atc-model", "error", [](TestPackage& p) { p.fltsim = "[fltsim.0]\ntitle=T\n"; },
         [](TestPackage& p) { p.fltsim = "[fltsim.0]\ntitle=T\n"; p.general += "atc_model=Test1\n"; }},
        {"unusable-name", "error", [](TestPackage& p) { p.fltsim = WithValue(p.fltsim, "atc_model", "Nul.x"); },
         [](TestPackage& p) { p.fltsim = WithValue(p.fltsim, "atc_model", "Null.x"), p.model = "Null.x"; }},
        {"unusable-name", "error", [](TestPackage& p) { p.fltsim = WithValue(p.fltsim, "atc_model", "a/b"); },
         [](TestPackage& p) { p.fltsim = WithValue(p.fltsim, "atc_model", "a.b"), p.model = "a.b"; }},
        {"no-config-file", "error", [](TestPackage& p) { p.writeConfig = false; }, [](TestPackage&) {}},
        {"bad-variant", "error", [](TestPackage& p) { Config(p, "KFWS_Airdrop_variant", "4"); },
         [](TestPackage& p) { Config(p, "KFWS_Airdrop_variant", "3abc"); }},
        {"unplaced-exit", "warning", [](TestPackage& p) { Config(p, "KFWS_Airdrop_metod", "1"); },
         [](TestPackage& p) { Config(p, "KFWS_Airdrop_metod", "1"), Config(p, "KFWS_Airdrop_type", "2"); },
         "method 1 with exit type 3"},
        {"no-effect-slots", "warning", [](TestPackage& p) { p.smokes = ""; },
         [](TestPackage& p) { p.smokes = "[SMOKESYSTEM]\nsmoke.0=0,0,0,fx_a\n"; }},
        {"too-few-effect-slots", "warning", [](TestPackage& p) { p.smokes = "[SMOKESYSTEM]\nsmoke.0=0,0,0,fx_a\n"; },
         [](TestPackage& p) { p.smokes = "[SMOKESYSTEM]\nsmoke.0=0,0,0,fx_a\n"; Config(p, "KFWS_Airdrop_variant", "2"); },
         "1 smoke.N lines where the placement writes 2: stream 2 (side exit) is lost"},
        {"effect-file-missing", "warning", [](TestPackage& p) { p.effects = false; }, [](TestPackage&) {}},
        {"no-stations", "warning", [](TestPackage& p) { p.stations = ""; }, [](TestPackage& p) { p.stations = Stations(1, 0); }},
        {"too-many-stations", "error", [](TestPackage& p) { p.stations = Stations(1025, 0); },
         [](TestPackage& p) { p.stations = Stations(1024, 0); }},
        {"over-useful-load", "warning", [](TestPackage& p) { Config(p, "KFWS_Airdrop_number", "37"); },
         [](TestPackage& p) { Config(p, "KFWS_Airdrop_number", "36"); }, "load of 8140 lb is over the useful load of 8000 lb"},
        {"cg-out-of-limits", "warning", [](TestPackage& p) { p.stations = Stations(2, -40); },
         [](TestPackage& p) { p.stations = Stations(2, -40); Config(p, "KFWS_Airdrop_number", "1"); },
         "behind CG_aft_limit 0.8"},
        {"exit-point-outside", "warning", [](TestPackage& p) { Config(p, "KFWS_Airdrop_left_x", "-40"); },
         [](TestPackage& p) { Config(p, "KFWS_Airdrop_left_x", "-40"); Config(p, "KFWS_Airdrop_type", "1"); },
         "(-40, 1, -10) of stream 2 (side exit)"},
        {"atc-model-differs", "warning", [](TestPackage& p) { p.general += "atc_model=Other\n"; },
         [](TestPackage& p) { p.general += "atc_model=Test1\n"; }, "\"Other\" in [General] and \"Test1\" in [fltsim.0]"},
        {"unreadable", "error", [](TestPackage& p) { p.raw = "[General]\natc_model=Test1\n"; },
         [](TestPackage& p) { p.raw = "[fltsim.0]\ntitle=T\natc_model=Test1\n"; }},
        {"fraction-cut", "warning", [](TestPackage& p) { Config(p, "KFWS_Airdrop_left_z", "-10,5"); },
         [](TestPackage& p) { Config(p, "KFWS_Airdrop_left_z", "-10.00"); },
         "KFWS_Airdrop_left_z is written \"-10,5\", and the module reads the whole number only: -10"},
        {"fraction-cut", "warning", [](TestPackage& p) { Config(p, "KFWS_Airdrop_number", " 9.5 persons"); },
         [](TestPackage& p) { Config(p, "KFWS_Airdrop_number", "9abc.5"); }, "reads the whole number only: 9 \xE2\x80\x94 write a whole number, 10 say"},
        {"visual-off", "warning", [](TestPackage& p) { Config(p, "KFWS_Airdrop_visual", "0"); }, [](TestPackage&) {}},
        {"shared-config-file", "info",
         [](TestPackage& p) { p.fltsim += "[fltsim.1]\ntitle=Second\natc_model=Test1\n"; },
         [](TestPackage&) {}},
    };
    return cases;
}

TEST(ReadinessCheckTest, EachFindingPresentAndAbsent) {
    {
        ScratchRoot root;
        WritePackage(root.Path(), TestPackage());
        CheckReport report = Check(root.Path());
        ASSERT_EQ(report.rows.size(), 1u);
        EXPECT_TRUE(report.rows[0].Ready());
        EXPECT_EQ(Codes(report), std::vector<std::string>{"info config-values"}) << "the default package is clean";
        EXPECT_EQ(CheckExitCode(report), 0);
        EXPECT_TRUE(report.rows[0].Visible());
    }
    // Findings after which the module loads but shows nothing.
    const std::set<std::string> hiding = {"no-effect-slots", "visual-off", "effect-file-missing", "unplaced-exit"};
    for (const FindingCase& c : FindingCases()) {
        for (bool present : {true, false}) {
            SCOPED_TRACE(std::string(c.code) + (present ? " present" : " absent"));
            ScratchRoot root;
            TestPackage package;
            (present ? c.present : c.absent)(package);
            WritePackage(root.Path(), package);
            CheckReport report = Check(root.Path());
            std::vector<std::string> codes = Codes(report);
            std::string wanted = std::string(c.severity) + " " + c.code;
            bool found = std::find(codes.begin(), codes.end(), wanted) != codes.end();
            EXPECT_EQ(found, present) << ::testing::PrintToString(codes);
            for (const CheckFinding& finding : report.rows[0].findings) {
                if (present && finding.code == c.code) {
                    EXPECT_NE(finding.text.find(c.says), std::string::npos) << finding.text;
                }
                size_t fix = finding.text.find(" \xE2\x80\x94 ");
                EXPECT_TRUE(fix != std::string::npos && fix + 6 < finding.text.size()) << "no fix: " << finding.text;
            }
            if (present) {
                bool hidden = hiding.count(c.code) == 1 || std::string(c.severity) == "error";
                EXPECT_EQ(report.rows[0].Visible(), !hidden);
            }
            // Only errors make a row not ready; the absent cases hold none.
            bool error = std::any_of(codes.begin(), codes.end(), [](const std::string& s) { return s[0] == 'e'; });
            EXPECT_EQ(CheckExitCode(report), report.filesRead == 0 ? 2 : error ? 1 : 0);
            EXPECT_EQ(error, present && std::string(c.severity) == "error");
        }
    }
}

// What needs only the aircraft is said with no configuration file too, the slots against
// the most the placement can use.
TEST(ReadinessCheckTest, AircraftFindingsWithoutConfigurationFile) {
    const struct {
        std::function<void(TestPackage&)> change;
        std::vector<std::string> codes;
        const char* says;
    } cases[] = {
        {[](TestPackage&) {}, {}, ""},
        {[](TestPackage& p) { p.smokes = ""; }, {"warning no-effect-slots"},
         "no smoke.N lines: the drop will not be visible (2 needed; with no configuration file, the most"},
        {[](TestPackage& p) { p.smokes = "[SMOKESYSTEM]\nsmoke.0=0,0,0,fx_a\n"; }, {"warning too-few-effect-slots"},
         "simhost --prepare \""},
        {[](TestPackage& p) { p.stations = ""; }, {"warning no-stations"}, "add station_load.N lines"},
        {[](TestPackage& p) { p.stations = Stations(1025, 0); }, {"error too-many-stations"}, "keep at most 1024"},
        {[](TestPackage& p) { p.general += "atc_model=Other\n"; }, {"warning atc-model-differs"}, "[fltsim.0]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        ScratchRoot root;
        TestPackage package;
        package.writeConfig = false;
        c.change(package);
        WritePackage(root.Path(), package);
        CheckReport report = Check(root.Path());
        std::vector<std::string> wanted = {"error no-config-file"};
        wanted.insert(wanted.end(), c.codes.begin(), c.codes.end());
        EXPECT_EQ(Codes(report), wanted);
        EXPECT_FALSE(report.rows[0].Visible());
        EXPECT_NE(report.rows[0].findings.back().text.find(c.says), std::string::npos) << report.rows[0].findings.back().text;
    }
}

// The reason given for a name the module refuses is the module's own (CheckModelName).
TEST(ReadinessCheckTest, RefusedNamesSayWhy) {
    const struct {
        std::string name;
        const char* reason; // null: the name is usable (and has no file here)
    } cases[] = {
        {"Trainer 1", nullptr},
        {"...", nullptr},
        {"COM0", nullptr},
        {std::string(217, 'a'), "longer than 216 characters (217)"},
        {"a\\b", "path separator"},
        {"c:x", "path separator"},
        {"..", "'..' path part"},
        {"nul.txt", "device name"},
        {"COM1 ", "device name"},
        {"conout$", "device name"},
        {std::string(216, 'a'), "full path"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchRoot root;
        TestPackage package;
        package.fltsim = WithValue(package.fltsim, "atc_model", c.name);
        package.writeConfig = false;
        WritePackage(root.Path(), package);
        CheckReport report = Check(root.Path());
        ASSERT_EQ(report.rows.size(), 1u);
        const CheckFinding& finding = report.rows[0].findings.at(0);
        EXPECT_EQ(finding.code, c.reason ? "unusable-name" : "no-config-file");
        EXPECT_EQ(report.rows[0].configFile, c.reason ? "unusable-name" : "absent");
        if (c.reason) {
            EXPECT_NE(finding.text.find(c.reason), std::string::npos) << finding.text;
        }
    }
}

TEST(ReadinessCheckTest, PathFindsFilesAndSimulatorFolder) {
    ScratchRoot root;
    TestPackage first, second;
    second.folder = "второй";
    WritePackage(root.Path(), first);
    WritePackage(root.Path(), second);
    CreateDirectoryA((root.Path() + "\\Aircraft\\empty").c_str(), nullptr);
    const std::string aircraft = root.Path() + "\\Aircraft";
    struct Case {
        std::string path, rootOption;
        size_t rows;
        std::string simulator;
    } cases[] = {
        {root.Path(), "", 2, root.Path()},
        {root.Path() + "\\", "", 2, root.Path()},
        {aircraft, "", 2, root.Path()},
        {aircraft + "\\transport", "", 1, root.Path()},
        {aircraft + "\\второй\\aircraft.cfg", "", 1, root.Path()},
        {aircraft + "\\transport\\AIRCRAFT.CFG", "", 1, root.Path()},
        {aircraft + "\\transport", aircraft, 1, aircraft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.path));
        CheckReport report = Check(c.path, c.rootOption);
        EXPECT_EQ(report.rows.size(), c.rows);
        EXPECT_EQ(report.simulatorFolder, Utf8(c.simulator));
    }
    // Outside any simulator folder the current folder is the base, and effect files are not looked for.
    TestPackage lone;
    lone.effects = false;
    ScratchRoot other;
    WriteWholeFile(other.Path() + "\\aircraft.cfg", lone.Text());
    RemoveDirectoryA((other.Path() + "\\Modules").c_str());
    CheckReport report = Check(other.Path());
    EXPECT_EQ(report.simulatorFolder, "");
    EXPECT_EQ(Codes(report), std::vector<std::string>{"error no-config-file"});

    CheckOptions options;
    options.path = root.Path() + "\\missing";
    std::string error;
    EXPECT_FALSE(RunCheck(options, &report, &error));
}

TEST(ReadinessCheckTest, JsonReadsBackWithTheReportsShape) {
    ScratchRoot root;
    TestPackage package;
    package.fltsim = "[fltsim.0]\ntitle=Ан-12 \"синий\"\natc_model=Ан-12\n[fltsim.1]\ntitle=Second\n";
    package.model = "Ан-12";
    WritePackage(root.Path(), package);
    CreateDirectoryA((root.Path() + "\\Aircraft\\zz").c_str(), nullptr);
    WriteWholeFile(root.Path() + "\\Aircraft\\zz\\aircraft.cfg", std::string("\xFF\xFE[\0f\0", 6));
    CheckReport report = Check(root.Path());
    nlohmann::json document = nlohmann::json::parse(CheckReportJson(report));
    const nlohmann::json& rows = document.at("aircraft");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].at("title"), Utf8("Ан-12 \"синий\""));
    EXPECT_EQ(rows[0].at("atc_model"), Utf8("Ан-12"));
    EXPECT_EQ(rows[0].at("fltsim"), 0);
    EXPECT_EQ(rows[0].at("stations"), 2);
    EXPECT_EQ(rows[0].at("effect_slots"), 4);
    EXPECT_EQ(rows[0].at("config_file"), "present");
    EXPECT_EQ(rows[0].at("ready"), true);
    EXPECT_EQ(rows[1].at("fltsim"), 1);
    EXPECT_EQ(rows[1].at("config_file"), "no-model");
    EXPECT_EQ(rows[1].at("ready"), false);
    EXPECT_EQ(rows[1].at("findings")[0].at("code"), "no-atc-model");
    EXPECT_EQ(rows[1].at("findings")[0].at("severity"), "error");
    EXPECT_EQ(rows[2].at("findings")[0].at("code"), "unreadable");
    for (const nlohmann::json& row : rows) {
        EXPECT_TRUE(row.at("path").is_string() && row.at("title").is_string() && row.at("ready").is_boolean());
        for (const nlohmann::json& finding : row.at("findings")) {
            EXPECT_FALSE(finding.at("text").get<std::string>().empty());
        }
    }
}

// The real DLL in the stand-in host, given the aircraft each package describes: what the
// check calls ready loads and places its slots; what it calls not ready is refused.
class ReadinessAgreesWithModuleTest : public LoadedModuleFixture {};

TEST_F(ReadinessAgreesWithModuleTest, LoadFollowsTheVerdict) {
    struct Case {
        const char* name;
        std::function<void(TestPackage&)> change;
        const char* message; // what the module shows; "" for nothing
    } cases[] = {
        {"ready", [](TestPackage&) {}, "Командир одуванчики на борту !!!"},
        {"cargo", [](TestPackage& p) { Config(p, "KFWS_Airdrop_variant", "2"); }, "Командир груз закреплен !!!"},
        {"no atc_model", [](TestPackage& p) { p.fltsim = "[fltsim.0]\ntitle=T\n"; }, "Не указан параметр atc_model!"},
        {"no file", [](TestPackage& p) { p.writeConfig = false; }, "Не существует файла конфигурации!"},
        {"device name", [](TestPackage& p) { p.fltsim = WithValue(p.fltsim, "atc_model", "CON"), p.model = "CONX"; },
         "Не существует файла конфигурации!"},
        {"bad variant", [](TestPackage& p) { Config(p, "KFWS_Airdrop_variant", "0"); }, ""},
        {"too many stations", [](TestPackage& p) { p.stations = Stations(1025, 0); }, ""},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestPackage package;
        package.folder = "a" + std::to_string(index);
        package.model = "M" + std::to_string(index++);
        package.fltsim = WithValue(package.fltsim, "atc_model", package.model);
        c.change(package);
        WritePackage(root_->Path(), package);
        CheckReport report = Check(root_->Path() + "\\Aircraft\\" + package.folder);
        ASSERT_EQ(report.rows.size(), 1u);
        bool ready = report.rows[0].Ready();

        AircraftCfg cfg;
        std::string error;
        ASSERT_TRUE(ReadAircraftCfg(root_->Path() + "\\Aircraft\\" + package.folder + "\\aircraft.cfg", &cfg, &error));
        SimAircraftSpec spec = DefaultSpec(CfgAtcModel(cfg, cfg.variations[0]));
        spec.stations = (unsigned)cfg.stations.size();
        UseAircraft(spec);
        SimClearCalls();
        SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '1');
        SimPumpMessages(200);
        std::vector<std::string> shown = SimShownTexts();
        EXPECT_EQ(shown.empty() ? "" : shown.back(), c.message) << Utf8(SimScreenText());
        bool placed = std::string(SimSlotName(aircraft_, 0)).compare(0, 8, "fx_KFWS_") == 0;
        EXPECT_EQ(ready, placed) << "ready " << ready;
        // The emergency unload leaves the module idle for the next aircraft.
        SimTypeChord({VK_LCONTROL, VK_LSHIFT, VK_LMENU}, '1');
        SimPumpMessages(200);
    }
}

} // namespace
