// Hostile aircraft packages for the readiness check: random bytes, mutations of a good
// aircraft.cfg, numbers as NaN, inf, 1e308 and 400 digits, duplicate sections and keys,
// UTF-16 files, each section missing in turn, hostile atc_model names and configuration
// files; extremes (a 10 MB line, 100 000 smoke.N and station_load.N lines, 100 000
// variations), each timed on the check alone; and folders
// with a locked file, a folder named aircraft.cfg, links and Cyrillic names. Never a crash
// or a hang; every file is one row per variation or one `unreadable` row with its reason;
// the JSON reads back; and the check writes nothing (the whole simulator folder is walked
// before and after every run).
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CheckPackages.h"
#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "simhost/check/CheckCommand.h"
#include "simhost/check/CheckOutput.h"
#include "simhost/lib/SimFiles.h"

namespace {

const std::set<std::string> kCodes = {
    "error no-atc-model",         "error unusable-name",        "error no-config-file",
    "error bad-variant",          "warning unplaced-exit",      "warning no-effect-slots",
    "warning too-few-effect-slots", "warning effect-file-missing", "warning no-stations",
    "error too-many-stations",    "warning over-useful-load",   "warning cg-out-of-limits",
    "warning exit-point-outside", "warning atc-model-differs",  "error unreadable",
    "info config-values",         "info shared-config-file",    "warning fraction-cut",
    "warning visual-off",         "warning successor-order"};

// Every text of a row is bounded, whatever the files hold.
const size_t kRowTextLimit = 2 * kCheckShownBytes + 64;
const size_t kFindingTextLimit = 4096;

class PackageMaker {
public:
    explicit PackageMaker(uint32_t seed) : random_(seed) {}
    int kind = 0;
    static const int kKinds = 8;
    static const char* const kKindNames[kKinds];

    // One package: the aircraft.cfg text, and the configuration file's text.
    void Make(int index, std::string* cfg, std::string* config) {
        kind = index % kKinds;
        TestPackage base;
        *cfg = base.Text();
        *config = base.config;
        switch (kind) {
        case 0: *cfg = RandomBytes(Below(4096)); break;
        case 1: *cfg = Mutated(*cfg); break;
        case 2: *cfg = OddNumbers(*cfg); break;
        case 3: *cfg = Duplicated(*cfg); break;
        case 4: *cfg = Utf16(Below(2) ? *cfg : Mutated(*cfg)); break;
        case 5: *cfg = WithoutSection(*cfg, index / kKinds); break;
        case 6: *cfg = WithValue(*cfg, "atc_model", HostileName()); break;
        default: *config = Below(2) ? RandomBytes(Below(600)) : OddNumbers(*config); break;
        }
    }

private:
    unsigned Below(unsigned n) { return n == 0 ? 0 : random_() % n; }
    std::string RandomBytes(size_t size) {
        std::string text(size, '\0');
        for (char& c : text) {
            c = (char)Below(256);
        }
        return text;
    }
    std::string Mutated(std::string text) {
        for (unsigned n = 1 + Below(8); n > 0 && !text.empty(); n--) {
            size_t at = Below((unsigned)text.size());
            switch (Below(4)) {
            case 0: text[at] = (char)Below(256); break;
            case 1: text.erase(at, Below(20)); break;
            case 2: text.insert(at, RandomBytes(Below(8))); break;
            default: text.insert(at, text.substr(at, Below(200))); break;
            }
        }
        return text;
    }
    std::string OddNumber() {
        static const char* const kNumbers[] = {"NaN", "nan", "inf", "-inf", "INF", "1e308", "-1e308", "1e999",
                                               "1e-400", "", "-", "+", "0x10", "1,5", "--3", "  7  ", "1.#QNAN"};
        if (Below(6) == 0) {
            return std::string(400, (char)('1' + Below(9)));
        }
        return kNumbers[Below(sizeof(kNumbers) / sizeof(kNumbers[0]))];
    }
    // Every number of some lines replaced by an odd one.
    std::string OddNumbers(const std::string& text) {
        std::string result;
        for (size_t i = 0; i < text.size(); i++) {
            bool digit = (text[i] >= '0' && text[i] <= '9') || text[i] == '-';
            if (digit && Below(3) == 0) {
                while (i + 1 < text.size() && ((text[i + 1] >= '0' && text[i + 1] <= '9') || text[i + 1] == '.')) {
                    i++;
                }
                result += OddNumber();
            } else {
                result += text[i];
            }
        }
        return result;
    }
    std::string Duplicated(const std::string& text) {
        std::string result = text;
        for (unsigned n = 1 + Below(4); n > 0; n--) {
            size_t start = text.find('[', Below((unsigned)text.size()));
            if (start == std::string::npos) {
                start = 0;
            }
            size_t end = text.find('[', start + 1);
            std::string section = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            result += Below(2) ? OddNumbers(section) : section;
        }
        return result;
    }
    static std::string Utf16(const std::string& text) {
        std::string result = "\xFF\xFE";
        for (char c : text) {
            result += c;
            result += '\0';
        }
        return result;
    }
    static std::string WithoutSection(const std::string& text, int which) {
        std::vector<size_t> starts;
        for (size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1)) {
            starts.push_back(at);
        }
        size_t k = (size_t)which % starts.size();
        size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        return text.substr(0, starts[k]) + text.substr(end);
    }
    std::string HostileName() {
        static const char* const kNames[] = {"CON", "nul.cfg", "COM1 ", "..", "a/b", "a\\b", "c:x", "Ан-12", "a\tb",
                                             "*?", "%TEMP%", " ", "\x01\x02", "LPT9.txt", "CONOUT$"};
        if (Below(5) == 0) {
            return std::string(200 + Below(100), (char)('a' + Below(26)));
        }
        if (Below(8) == 0) {
            return Below(2) ? std::string("\0x", 2) : std::string("Te\0st", 5); // a NUL byte ends the name
        }
        return kNames[Below(sizeof(kNames) / sizeof(kNames[0]))];
    }
    std::mt19937 random_;
};

const char* const PackageMaker::kKindNames[kKinds] = {"random bytes", "mutated",  "odd numbers", "duplicated",
                                                      "UTF-16",       "section missing", "hostile names",
                                                      "hostile configuration files"};

class CheckFuzzTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = new ScratchRoot();
        WritePackage(root_->Path(), TestPackage());
    }
    void TearDown() override { delete root_; }

    // Runs the check on `path` and holds it to what every run must give; the rows it gave.
    size_t Run(FaultTally& tally, const std::string& path) {
        TreeSnapshot before = SnapshotTree(root_->Path(), true);
        CheckOptions options;
        options.path = path;
        options.language = rows_ % 2 ? kSimEnglish : kSimRussian;
        CheckReport report;
        std::string error;
        DWORD start = GetTickCount();
        bool ran = RunCheck(options, &report, &error);
        checkMs_ = GetTickCount() - start;
        tally.Check(ran, "the check did not run: " + error);
        for (const std::string& change : TreeChanges(before, SnapshotTree(root_->Path(), true))) {
            tally.Check(false, "the check wrote: " + change);
        }
        for (const CheckRow& row : report.rows) {
            bool unreadable = row.fltsim < 0;
            tally.Check(!row.findings.empty() || !unreadable, "an unreadable row without its reason");
            tally.Check(row.title.size() <= kRowTextLimit && row.atcModel.size() <= kRowTextLimit &&
                            row.path.size() <= kRowTextLimit,
                        "an unbounded text in a row: " + std::to_string(row.atcModel.size()));
            for (const CheckFinding& finding : row.findings) {
                tally.Check(kCodes.count(finding.severity + " " + finding.code) == 1,
                            "unknown finding " + finding.severity + " " + finding.code);
                tally.Check(finding.text.find(" \xE2\x80\x94 ") != std::string::npos, "a finding without a fix: " + finding.code);
                tally.Check(finding.text.size() <= kFindingTextLimit, "an unbounded finding: " + finding.code);
                tally.Check(!unreadable || finding.code == "unreadable", "an unreadable row with " + finding.code);
            }
        }
        tally.Check(report.filesRead + report.filesUnreadable >= 1, "the file gave no row");
        // The check reads the configuration file as the module's ReadAircraftConfig does.
        AircraftConfig module = {};
        bool read = false;
        for (const CheckRow& row : report.rows) {
            if (row.hasConfig && row.atcModel == "Test1") {
                if (!read) {
                    ReadAircraftConfig("Test1", &module);
                    read = true;
                }
                const AircraftConfig& c = row.config;
                tally.Check(c.variant == module.variant && c.number == module.number && c.method == module.method &&
                                c.exitType == module.exitType && c.realism == module.realism &&
                                c.visual == module.visual && c.leftX == module.leftX && c.leftY == module.leftY &&
                                c.leftZ == module.leftZ && c.downX == module.downX && c.downY == module.downY &&
                                c.downZ == module.downZ,
                            "the check reads the configuration file otherwise than the module");
            }
        }
        try {
            nlohmann::json document = nlohmann::json::parse(CheckReportJson(report));
            tally.Check(document.at("aircraft").size() == report.rows.size(), "JSON rows differ");
        } catch (const std::exception& e) {
            tally.Check(false, std::string("the JSON does not read back: ") + e.what());
        }
        tally.Check(!CheckReportText(report, options.language).empty(), "no text report");
        rows_ += report.rows.size();
        lastRows_ = report.rows.size() <= 16 ? report.rows : std::vector<CheckRow>();
        unreadable_ += report.filesUnreadable;
        return report.rows.size();
    }

    std::string Folder(const std::string& name) {
        std::string folder = root_->Path() + "\\Aircraft\\" + name;
        CreateDirectoryA(folder.c_str(), nullptr);
        return folder;
    }

    ScratchRoot* root_ = nullptr;
    size_t rows_ = 0;
    int unreadable_ = 0;
    DWORD checkMs_ = 0; // the last RunCheck alone
    std::vector<CheckRow> lastRows_; // the last run's rows, when few
};

// CreateSymbolicLinkA, which the headers hide for the platform version the tree builds for.
bool MakeLink(const std::string& link, const std::string& target, bool folder) {
    typedef BOOLEAN(WINAPI * LinkFunction)(LPCSTR, LPCSTR, DWORD);
    LinkFunction make = (LinkFunction)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA");
    return make && make(link.c_str(), target.c_str(), folder ? 1 : 0);
}

std::string Lines(const char* format, int count) {
    std::string text = "[fltsim.0]\ntitle=Big\natc_model=Test1\n[SMOKESYSTEM]\n";
    char line[512];
    for (int i = 0; i < count; i++) {
        snprintf(line, sizeof(line), format, i);
        text += line;
    }
    return text;
}

TEST_F(CheckFuzzTest, HostilePackagesAreReportedAndNothingIsWritten) {
    const int count = RunSize(240, 4000);
    const uint32_t seed = RunSeed(7008);
    PackageMaker maker(seed);
    FaultTally tally("package");
    int kinds[PackageMaker::kKinds] = {};
    std::string folder = Folder("case");
    const std::string configPath = root_->Path() + "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop\\Test1.cfg";
    for (int i = 0; i < count; i++) {
        std::string cfg, config;
        maker.Make(i, &cfg, &config);
        kinds[maker.kind]++;
        WriteWholeFile(folder + "\\aircraft.cfg", cfg);
        WriteWholeFile(configPath, config);
        tally.Begin("package " + std::to_string(i) + " (seed " + std::to_string(seed) + ", " +
                    PackageMaker::kKindNames[maker.kind] + ": " + Escaped(cfg, 300) + " / " + Escaped(config, 100) + ")");
        {
            HangWatch watch("package " + std::to_string(i), 60000);
            Run(tally, folder);
        }
        tally.End();
    }

    // Extremes, timed: the cost follows the size (100 000 lines in the long run).
    const int lines = RunSize(5000, 100000);
    struct Extreme {
        const char* what;
        std::string text;
        DWORD ms;
    } extremes[] = {
        {"a 10 MB line", "[fltsim.0]\ntitle=" + std::string(10 << 20, 'x') + "\natc_model=Test1\n", 0},
        {"smoke.N lines", Lines("smoke.%d=0,0,0,fx_a\n", lines), 0},
        {"station_load.N lines", Lines("station_load.%d=1,0,0,0\n", lines), 0},
        {"[fltsim.N] sections", Lines("[fltsim.%d]\ntitle=T\natc_model=Test1\n", lines), 0},
        {"a 100000-character atc_model in [General] for 3000 liveries",
         "[General]\natc_model=" + std::string(100000, 'm') + "\n" + Lines("[fltsim.%d]\ntitle=T\n", 3000), 0},
        {"3000 liveries with 100-character refused models",
         Lines(("[fltsim.%d]\ntitle=" + std::string(100, 't') + "\natc_model=a/" + std::string(98, 'm') + "\n").c_str(), 3000), 0},
    };
    for (Extreme& extreme : extremes) {
        WriteWholeFile(folder + "\\aircraft.cfg", extreme.text);
        tally.Begin(extreme.what);
        {
            HangWatch watch(extreme.what, 60000);
            Run(tally, folder);
            extreme.ms = checkMs_;
        }
        tally.End();
    }
    // A file larger than any real aircraft.cfg is one `unreadable` row, never read whole.
    std::string big;
    {
        const LONGLONG size = (LONGLONG)RunSize(17, 256) << 20;
        HANDLE file = CreateFileA((folder + "\\aircraft.cfg").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = size;
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
        tally.Begin("a file of " + std::to_string(size >> 20) + " MB");
        {
            HangWatch watch("a large file", 60000);
            Run(tally, folder);
        }
        tally.Check(lastRows_.size() == 1 && lastRows_[0].fltsim < 0 &&
                        lastRows_[0].findings[0].text.find("16 MB") != std::string::npos,
                    "no `unreadable` row saying 16 MB");
        big = "a file of " + std::to_string(size >> 20) + " MB " + std::to_string(checkMs_) + " ms";
        tally.End();
    }
    SimRemoveTree(folder);

    // Hostile folders: a locked aircraft.cfg, a folder named aircraft.cfg, a Cyrillic name,
    // links to a missing file and back to the Aircraft folder; then the whole simulator folder.
    WritePackage(root_->Path(), TestPackage());
    std::string locked = Folder("locked") + "\\aircraft.cfg";
    WriteWholeFile(locked, TestPackage().Text());
    HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CreateDirectoryA((Folder("folder-named-cfg") + "\\aircraft.cfg").c_str(), nullptr);
    TestPackage cyrillic;
    cyrillic.folder = "Ан-12 десантный";
    WritePackage(root_->Path(), cyrillic);
    std::string links = "none";
    if (MakeLink(Folder("dangling") + "\\aircraft.cfg", root_->Path() + "\\missing.cfg", false) &&
        MakeLink(root_->Path() + "\\Aircraft\\loop", root_->Path() + "\\Aircraft", true)) {
        links = "a dangling one and a loop";
    }
    // Aircraft folders no Windows program reads: each must still be a row.
    const std::string aircraftDir = root_->Path() + "\\Aircraft\\";
    for (const std::string& name : {std::string("dotted."), std::string(240, 'd')}) {
        // Wide calls with the \\?\\ prefix: no name rules applied and no MAX_PATH (the
        // scratch folder's path is ASCII).
        std::string raw = "\\\\?\\" + aircraftDir + name;
        std::wstring wide(raw.begin(), raw.end());
        CreateDirectoryW(wide.c_str(), nullptr);
        HANDLE file = CreateFileW((wide + L"\\aircraft.cfg").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        std::string text = TestPackage().Text();
        WriteFile(file, text.data(), (DWORD)text.size(), &written, nullptr);
        CloseHandle(file);
    }
    MakeLink(aircraftDir + "gone", root_->Path() + "\\missing-folder", true);
    tally.Begin("hostile folders");
    size_t rows;
    {
        HangWatch watch("hostile folders", 60000);
        rows = Run(tally, root_->Path());
    }
    std::string shown;
    for (const CheckRow& row : lastRows_) {
        shown += " " + row.path.substr(row.path.size() > 24 ? row.path.size() - 24 : 0);
    }
    tally.Check(rows >= 5, "the transport, the Cyrillic and the locked package, the dotted and the deep folder: " +
                               std::to_string(rows) + " rows:" + shown);
    tally.End();
    if (lock != INVALID_HANDLE_VALUE) {
        CloseHandle(lock);
    }
    for (const std::string& name : {std::string("dotted."), std::string(240, 'd')}) {
        std::string raw = "\\\\?\\" + aircraftDir + name;
        std::wstring wide(raw.begin(), raw.end());
        DeleteFileW((wide + L"\\aircraft.cfg").c_str());
        RemoveDirectoryW(wide.c_str());
    }

    std::string kindText;
    for (int k = 0; k < PackageMaker::kKinds; k++) {
        kindText += (k ? ", " : "") + std::to_string(kinds[k]) + " " + PackageMaker::kKindNames[k];
    }
    PrintFigure("readiness-check",
                std::to_string(count) + " packages (" + kindText + "); " + std::to_string(rows_) + " rows, " +
                    std::to_string(unreadable_) + " unreadable; a 10 MB line " + std::to_string(extremes[0].ms) +
                    " ms, " + std::to_string(lines) + " smoke.N lines " + std::to_string(extremes[1].ms) + " ms, as many station_load.N lines " +
                    std::to_string(extremes[2].ms) + " ms, as many liveries " + std::to_string(extremes[3].ms) +
                    " ms, a 100000-character model in 3000 liveries " + std::to_string(extremes[4].ms) +
                    " ms, 3000 refused models " + std::to_string(extremes[5].ms) + " ms; " + big + "; links: " + links + "; nothing written; " +
                    std::to_string(tally.Faults()) + " faults, seed " + std::to_string(seed));
    EXPECT_EQ(tally.Faults(), 0);
}

} // namespace
