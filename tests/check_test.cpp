// The readiness check (simhost --check) on packages of the test's own writing: each
// finding code present and absent, how PATH finds the files and the simulator folder,
// the JSON document read back, and the check against the real module loading the same
// aircraft in the stand-in host.
#include <windows.h>

#include <math.h>
#include <stdio.h>

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
#include "simhost/check/CheckJson.h"
#include "simhost/check/CheckOutput.h"
#include "simhost/check/PlainConfigText.h"
#include "simhost/lib/AircraftCfg.h"
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"

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

// A row as the JSON library writes it: the reference for the check's own writer.
std::string LibraryRow(const CheckRow& row) {
    nlohmann::ordered_json item;
    item["path"] = row.path;
    item["fltsim"] = row.fltsim;
    item["title"] = row.title;
    item["atc_model"] = row.atcModel;
    item["stations"] = row.stations;
    item["effect_slots"] = row.effectSlots;
    item["config_file"] = row.configFile;
    item["ready"] = row.Ready();
    item["visible"] = row.Visible();
    item["findings"] = nlohmann::ordered_json::array();
    for (const CheckFinding& f : row.findings) {
        item["findings"].push_back({{"severity", f.severity}, {"code", f.code}, {"text", f.text}});
    }
    if (!row.configPath.empty()) {
        item["config_path"] = row.configPath;
    }
    if (row.hasConfig) {
        const AircraftConfig& c = row.config;
        item["config"] = {{"variant", c.variant}, {"number", c.number}, {"method", c.method},
                          {"exit_type", c.exitType}, {"realism", c.realism}, {"visual", c.visual},
                          {"side", {c.leftX, c.leftY, c.leftZ}}, {"rear", {c.downX, c.downY, c.downZ}}};
    }
    return item.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// The check writes each JSON row byte for byte as the library does: escapes, UTF-8 that
// is not well formed, numbers whole and not.
TEST(ReadinessCheckTest, JsonRowsAreTheLibrarysBytes) {
    const std::string texts[] = {"", "Aircraft\\a b\\aircraft.cfg", "q\"uote/", std::string("\x01\x1f\x7f\b\f\n\r\t\0z", 10),
                                 "\xD0\x90\xD0\xBD-12 \xE2\x80\x94 \xF0\x9F\x98\x80", "\xC0\xAF", "\xE0\x80\x80",
                                 "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xE2\x82", "\xFF\xFEx", "\xC3"};
    const double numbers[] = {0, -0.0, -30, 12, 0.5, -4.7, 999999999, 1e9, 123456789012.0, 1e300, NAN};
    for (const std::string& text : texts) {
        for (double number : numbers) {
            CheckRow row;
            row.path = row.title = text;
            row.fltsim = 2;
            row.findings.push_back(CheckFinding{"warning", "fraction-cut", text});
            row.configPath = text;
            row.hasConfig = number != 12;
            row.config.leftX = number;
            row.config.downZ = -number;
            row.config.number = -7;
            std::string written;
            CheckJsonRow(row, &written);
            EXPECT_EQ(written, LibraryRow(row)) << ::testing::PrintToString(text) << " " << number;
        }
    }
    CheckRow bare;
    std::string written;
    CheckJsonRow(bare, &written);
    EXPECT_EQ(written, LibraryRow(bare));
}

// A configuration file in the plain form is read from its bytes exactly as the profile
// functions read it; any other form is left to them.
TEST(ReadinessCheckTest, PlainConfigurationFilesReadAsTheProfileFunctionsRead) {
    const struct {
        std::string text;
        bool plain;
    } cases[] = {
        {TestPackage().config, true},
        {"[general]\r\n  kfws_airdrop_VARIANT =  2  \r\n\tKFWS_Airdrop_number\t=\t-4.7\r\n", true},
        {"[Other]\nKFWS_Airdrop_variant=3\n[General]\nKFWS_Airdrop_type=\nKFWS_Airdrop_metod=1=2\n[x]\nKFWS_Airdrop_visual=1", true},
        {"KFWS_Airdrop_variant=3\n\n[General]\n\nKFWS_Airdrop_left_x = 5 7 \n", true},
        {"", true},
        {"[General]\nKFWS_Airdrop_number=\"12\"\n", false},
        {"[General]\nKFWS_Airdrop_number='12'\n", false},
        {"[General]\nKFWS_Airdrop_number=12 ; comment\n", false},
        {"[General]\rKFWS_Airdrop_variant=1\r", false},
        {"\xEF\xBB\xBF[General]\nKFWS_Airdrop_variant=1\n", false},
        {"[General]\nKFWS_Airdrop_variant=\xC0\n", false},
        {"[General]\nKFWS_Airdrop_variant=1\n[GENERAL]\nKFWS_Airdrop_number=2\n", false},
        {"[General]\nKFWS_Airdrop_variant=1\nkfws_airdrop_variant=2\n", false},
        {"[General]\nKFWS_Airdrop_variant\n", false},
        {"[ General ]\nKFWS_Airdrop_variant=1\n", false},
        {"[General]\nKFWS_Airdrop_variant=" + std::string(300, '7') + "\n", false},
        {std::string("[General]\nKFWS_Airdrop_variant=1\0\n", 34), false},
    };
    ScratchRoot root;
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        std::string texts[kConfigKeyCount];
        ASSERT_EQ(ReadPlainConfigTexts(c.text.data(), c.text.size(), texts), c.plain);
        if (!c.plain) {
            continue;
        }
        // A new name each time: the profile functions may keep a file they have read.
        std::string path = root.Path() + "\\plain" + std::to_string(index++) + ".cfg";
        WriteWholeFile(path, c.text);
        for (int k = 0; k < kConfigKeyCount; k++) {
            char value[kConfigValueSize];
            ReadConfigValue(path.c_str(), kConfigKeys[k].name, value);
            EXPECT_EQ(texts[k], value) << kConfigKeys[k].name;
        }
    }
}

// Each row names its aircraft.cfg in the letter case the file has, as the folder lists it.
TEST(ReadinessCheckTest, RowsNameTheFileInItsOwnLetterCase) {
    for (const char* name : {"aircraft.cfg", "AIRCRAFT.CFG", "Aircraft.Cfg"}) {
        SCOPED_TRACE(name);
        ScratchRoot root;
        WritePackage(root.Path(), TestPackage());
        std::string folder = root.Path() + "\\Aircraft\\transport\\";
        DeleteFileA((folder + "aircraft.cfg").c_str()); // written under the name: a rename in letter case alone may keep the old one
        WriteWholeFile(folder + name, TestPackage().Text());
        CheckReport report = Check(root.Path());
        ASSERT_EQ(report.rows.size(), 1u);
        EXPECT_EQ(report.rows[0].path, Utf8(folder + name));
        EXPECT_TRUE(report.rows[0].Ready());
    }
}

// The check reads files in batches before it judges them: across a batch's end every
// aircraft keeps its row, in folder order, with its own configuration file or none.
TEST(ReadinessCheckTest, RowsKeepTheirOrderAcrossBatches) {
    ScratchRoot root;
    const int kAircraft = 300;
    for (int i = 0; i < kAircraft; i++) {
        TestPackage package;
        char folder[16];
        snprintf(folder, sizeof(folder), "a%03d", i);
        package.folder = folder;
        package.model = std::string("M") + folder;
        package.raw = "[fltsim.0]\ntitle=T\natc_model=" + package.model + "\n";
        package.writeConfig = i % 3 != 0;
        package.effects = i == 0;
        WritePackage(root.Path(), package);
    }
    CheckReport report = Check(root.Path());
    ASSERT_EQ(report.rows.size(), (size_t)kAircraft);
    EXPECT_EQ(report.filesRead, kAircraft);
    for (int i = 0; i < kAircraft; i++) {
        char folder[16];
        snprintf(folder, sizeof(folder), "a%03d", i);
        const CheckRow& row = report.rows[i];
        EXPECT_NE(row.path.find(std::string("\\") + folder + "\\"), std::string::npos) << i << " " << row.path;
        EXPECT_EQ(row.atcModel, std::string("M") + folder);
        EXPECT_EQ(row.configFile, i % 3 != 0 ? "present" : "absent") << i;
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
