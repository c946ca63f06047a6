// Preparing aircraft (simhost --prepare) on untidy files of the test's own writing: the
// result is the original with whole lines inserted at one place, the copy equals the
// original, a second run changes nothing, undo restores, files that cannot be written stay
// whole, and the readiness check then finds no slot missing. Also the check's finding of
// smoke lines written in the successor's order.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CheckPackages.h"
#include "TestSupport.h"
#include "simhost/check/CheckCommand.h"
#include "simhost/prepare/PrepareCommand.h"

namespace {

std::string WithLineEnds(const std::string& text, const std::string& eol) {
    std::string out;
    for (char c : text) {
        out += c == '\n' ? eol : std::string(1, c);
    }
    return out;
}

std::string Idle(int k) {
    return "smoke." + std::to_string(k) + "=0.00, 0.00, 0.00, fx_KFWS_Idle";
}

TEST(PrepareTest, UntidyFilesGainWholeLinesAtOnePlace) {
    // `block` is inserted right after `anchor` (the first occurrence); "\n" stands for the
    // row's line end in all three. A row with `oneEnd` runs with its own line ends only.
    struct Row {
        const char* what;
        std::string text, anchor, block;
        int slots;
        std::vector<int> added;
        bool oneEnd;
    } rows[] = {
        {"section in the middle", "[fltsim.0]\ntitle=T\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx\n\n[LIGHTS]\nlight.0=1,0,0,0,fx\n",
         "smoke.0=1,2,3,fx\n", Idle(1) + "\n", 2, {1}, false},
        {"section at the end, no final line end", "[fltsim.0]\ntitle=T\n[SMOKESYSTEM]\nsmoke.0=1,2,3,fx",
         "smoke.0=1,2,3,fx", "\n" + Idle(1) + "\n" + Idle(2), 3, {1, 2}, false},
        {"section missing", "[fltsim.0]\ntitle=T\n", "title=T\n", "\n[SMOKESYSTEM]\n" + Idle(0) + "\n", 1, {0}, false},
        {"section missing, no final line end", "[fltsim.0]\ntitle=T", "title=T",
         "\n\n[SMOKESYSTEM]\n" + Idle(0) + "\n" + Idle(1), 2, {0, 1}, false},
        {"gap, upper-case keys, comment after", "[fltsim.0]\ntitle=T\n[SmokeSystem]\nSMOKE.0=1,2,3,fx\nSMOKE.2 = 1,2,3\n"
         "// smoke.3=old\n\n[LIGHTS]\n", "SMOKE.2 = 1,2,3\n", Idle(1) + "\n" + Idle(3) + "\n", 4, {1, 3}, false},
        {"header only", "[fltsim.0]\ntitle=T\n[ smokesystem ]\n[LIGHTS]\n", "[ smokesystem ]\n",
         Idle(0) + "\n", 1, {0}, false},
        {"mixed line ends: the anchor's own", "\xEF\xBB\xBF[fltsim.0]\ntitle=T\r\n[SMOKESYSTEM]\rsmoke.0=1,2,3\r\n[X]\n",
         "smoke.0=1,2,3\r\n", Idle(1) + "\r\n", 2, {1}, true},
    };
    for (const Row& row : rows) {
        for (std::string eol : {"\r\n", "\n", "\r"}) {
            if (row.oneEnd && eol != "\n") {
                continue;
            }
            SCOPED_TRACE(std::string(row.what) + (eol == "\r\n" ? " CRLF" : eol == "\n" ? " LF" : " CR"));
            ScratchRoot root;
            CreateDirectoryA("Aircraft", nullptr);
            CreateDirectoryA("Aircraft\\A", nullptr);
            const std::string path = root.Path() + "\\Aircraft\\A\\aircraft.cfg";
            const std::string backup = root.Path() + "\\Aircraft\\A\\aircraft.cfg.KFWS_Airdrop.bak";
            const std::string original = WithLineEnds(row.text, eol);
            WriteWholeFile(path, original);

            PrepareResult result = PrepareAircraftCfg(path, row.slots);
            ASSERT_EQ(result.outcome, kPrepareAdded) << result.detail;
            EXPECT_EQ(result.added, row.added);
            std::string anchor = WithLineEnds(row.anchor, eol);
            size_t at = original.find(anchor) + anchor.size();
            ASSERT_NE(original.find(anchor), std::string::npos);
            EXPECT_EQ(ReadWholeFile(path), original.substr(0, at) + WithLineEnds(row.block, eol) + original.substr(at));
            EXPECT_EQ(ReadWholeFile(backup), original);
            AircraftCfg cfg;
            std::string error;
            ASSERT_TRUE(ParseAircraftCfg(ReadWholeFile(path), &cfg, &error)) << error;
            EXPECT_GE((int)cfg.smokes.size(), row.slots);

            // Again: nothing changes. One more line: the copy stays the original.
            std::string prepared = ReadWholeFile(path);
            EXPECT_EQ(PrepareAircraftCfg(path, row.slots).outcome, kPrepareAlready);
            EXPECT_EQ(ReadWholeFile(path), prepared);
            EXPECT_EQ(PrepareAircraftCfg(path, row.slots + 1).outcome, kPrepareAdded);
            EXPECT_EQ(ReadWholeFile(backup), original);

            EXPECT_EQ(UndoPrepareAircraftCfg(path).outcome, kPrepareRestored);
            EXPECT_EQ(ReadWholeFile(path), original);
            EXPECT_FALSE(FileExists(backup));
            EXPECT_EQ(UndoPrepareAircraftCfg(path).outcome, kPrepareNoBackup);
        }
    }
}

// The number of lines from the configuration files, through the command's own run over a
// simulator folder; the readiness check afterwards misses no slot.
TEST(PrepareTest, LinesTheConfigurationNeedsAndTheCheckAgrees) {
    struct Row {
        const char* folder;
        const char* config; // empty: no configuration file
        int needed;
        bool assumed;
    } rows[] = {
        {"cargo", "[General]\nKFWS_Airdrop_variant=2\n", 1, false},
        {"no-config", "", 4, true},
        {"side-and-rear", nullptr, 2, false}, // the package's own configuration
    };
    ScratchRoot root;
    for (const Row& row : rows) {
        TestPackage package;
        package.folder = row.folder;
        package.smokes = "";
        package.model = package.folder;
        package.fltsim = WithValue(package.fltsim, "atc_model", row.folder);
        package.writeConfig = row.config == nullptr || row.config[0] != '\0';
        if (row.config) {
            package.config = row.config;
        }
        WritePackage(root.Path(), package);
    }
    PrepareOptions options;
    options.path = root.Path();
    std::vector<PrepareResult> results;
    ASSERT_TRUE(RunPrepare(options, &results));
    ASSERT_EQ(results.size(), 3u);
    for (size_t i = 0; i < results.size(); i++) {
        SCOPED_TRACE(rows[i].folder);
        EXPECT_EQ(results[i].outcome, kPrepareAdded);
        EXPECT_EQ(results[i].needed, rows[i].needed);
        EXPECT_EQ(results[i].assumed, rows[i].assumed);
        std::string line = PrepareResultText(results[i], kSimEnglish);
        EXPECT_NE(line.find(std::string(rows[i].folder) + "\\aircraft.cfg: added smoke.0"), std::string::npos) << line;
    }
    EXPECT_EQ(PrepareExitCode(results), 0);

    CheckOptions check;
    check.path = root.Path();
    check.language = kSimEnglish;
    CheckReport report;
    std::string error;
    ASSERT_TRUE(RunCheck(check, &report, &error)) << error;
    for (const CheckRow& row : report.rows) {
        for (const CheckFinding& finding : row.findings) {
            EXPECT_TRUE(finding.code != "no-effect-slots" && finding.code != "too-few-effect-slots") << finding.text;
        }
    }
}

TEST(PrepareTest, FilesThatCannotBeWrittenStayWhole) {
    const std::string good = "[fltsim.0]\r\ntitle=T\r\n";
    struct Row {
        const char* what;
        std::string text;
        PrepareOutcome outcome;
        void (*before)(const std::string& path);
    } rows[] = {
        {"read-only", good, kPrepareReadOnly,
         [](const std::string& path) { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); }},
        {"held open by another program", good, kPrepareInUse, nullptr},
        {"a needed line broken", good + "[SMOKESYSTEM]\r\nsmoke.0=0,0,0,fx\r\nsmoke.1=left,0,0,fx\r\n", kPrepareBrokenLine,
         nullptr},
        {"not an aircraft.cfg", "[General]\r\natc_model=X\r\n", kPrepareUnreadable, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchRoot root;
        const std::string path = root.Path() + "\\aircraft.cfg";
        WriteWholeFile(path, row.text);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (row.before) {
            row.before(path);
        } else if (row.outcome == kPrepareInUse) {
            held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        PrepareResult result = PrepareAircraftCfg(path, 2);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_FALSE(PrepareSucceeded(result.outcome));
        EXPECT_FALSE(PrepareResultText(result, kSimRussian).empty());
        EXPECT_EQ(PrepareExitCode({result}), 1);
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
        }
        EXPECT_EQ(ReadWholeFile(path), row.text);
        EXPECT_FALSE(FileExists(root.Path() + "\\aircraft.cfg.KFWS_Airdrop.bak"));
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((root.Path() + "\\*.tmp").c_str(), &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file is left behind";
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
        }
    }
    // Nothing found and bad options: exit code 2.
    ScratchRoot root;
    const char* empty[] = {"simhost", "--prepare", root.Path().c_str()};
    const char* slots[] = {"simhost", "--prepare", root.Path().c_str(), "--slots", "5"};
    EXPECT_EQ(RunPrepareCommand(3, (char**)empty), 2);
    EXPECT_EQ(RunPrepareCommand(5, (char**)slots), 2);
}

// A smoke line at an engine only when read lon, lat, vert gets the successor-order warning
// with the line rewritten; the same line in this simulator's order gets none.
TEST(PrepareTest, SuccessorOrderFinding) {
    const std::string engines = "[GeneralEngineData]\nengine.0=-42.0, -8.0, -1.6\nengine.1=-42.0, 8.0, -1.6\n";
    struct Row {
        const char* smokes;
        const char* says; // empty: no finding
    } rows[] = {
        {"smoke.0=-41.9, -7.8, -1.5, fx_a\nsmoke.1=-1.5, -41.9, 7.8, fx_a\n",
         "smoke.0=-41.9, -7.8, -1.5, fx_a lies at engine.0 only when read 'lon, lat, vert'"},
        {"smoke.0=-1.5, -41.9, -7.8, fx_a\nsmoke.1=-41.9, 7.8, -1.5, fx_a\n", "rewrite the line: smoke.1=-1.5, -41.9, 7.8, fx_a"},
        {"smoke.0=-1.5, -41.9, -7.8, fx_a\nsmoke.1=-1.5, -41.9, 7.8, fx_a\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.smokes);
        ScratchRoot root;
        TestPackage package;
        package.smokes = std::string("[SMOKESYSTEM]\n") + row.smokes + engines;
        WritePackage(root.Path(), package);
        CheckOptions check;
        check.path = root.Path();
        check.language = kSimEnglish;
        CheckReport report;
        std::string error;
        ASSERT_TRUE(RunCheck(check, &report, &error)) << error;
        std::vector<std::string> texts;
        for (const CheckFinding& finding : report.rows[0].findings) {
            if (finding.code == "successor-order") {
                EXPECT_EQ(finding.severity, "warning");
                texts.push_back(finding.text);
            }
        }
        ASSERT_EQ(texts.size(), row.says[0] ? 1u : 0u) << ::testing::PrintToString(texts);
        if (!texts.empty()) {
            EXPECT_NE(texts[0].find(row.says), std::string::npos) << texts[0];
        }
    }
}

} // namespace
