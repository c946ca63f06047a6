// The readiness check's benchmark (a row of ./dev bench): a simulator folder of generated
// aircraft packages, checked by `simhost.exe --check` as a person runs it (process start
// included) and in-process, against the floor of one plain ReadFile of each aircraft.cfg.
// Folders of 250 and 1 000 aircraft, measured side by side, show whether the cost per
// aircraft stays flat. Targets: 1 000 aircraft in under 5 seconds as a process; in-process
// (the JSON report written, to nowhere) within 4x the floor, and the cost per aircraft
// growing less than 1.1x from 250 to 1 000. Exit status 1 when one is missed.
//
//   check_benchmark.exe [--aircraft N]
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/ConfigKeys.h"
#include "simhost/check/CheckCommand.h"
#include "simhost/check/CheckOutput.h"
#include "simhost/lib/SimFiles.h"

namespace {

const int kRuns = 5;
const double kTargetMs = 5000.0;
const double kTargetFloors = 4.0;
const double kTargetGrowth = 1.1;

void Write(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), (DWORD)text.size(), &written, nullptr);
    CloseHandle(file);
}

// An aircraft package as real ones look: two variations, four stations, four smoke
// emitters, six contact points, the geometry; every other one has a configuration file.
// A configuration of forty paratroopers in two streams through the rear exit, written
// with the module's own key names.
std::string ConfigText() {
    int values[kConfigKeyCount] = {};
    values[kKeyIndexVariant] = 1;
    values[kKeyIndexNumber] = 40;
    values[kKeyIndexMethod] = 2;
    values[kKeyIndexType] = 1;
    values[kKeyIndexRealism] = 1;
    values[kKeyIndexVisual] = 1;
    values[kKeyIndexDownY] = -1;
    values[kKeyIndexDownZ] = -30;
    std::string text = std::string("[") + kConfigSection + "]\n";
    for (int k = 0; k < kConfigKeyCount; k++) {
        text += std::string(kConfigKeys[k].name) + "=" + std::to_string(values[k]) + "\n";
    }
    return text;
}

std::vector<std::string> MakeSimulator(const std::string& root, int count) {
    SimRemoveTree(root);
    CreateDirectoryA(root.c_str(), nullptr);
    for (const char* folder : {"\\Aircraft", "\\Effects", "\\Modules", "\\Modules\\KestrelFieldWorks",
                               "\\Modules\\KestrelFieldWorks\\KFWS_Airdrop"}) {
        CreateDirectoryA((root + folder).c_str(), nullptr);
    }
    Write(root + "\\Effects\\fx_KFWS_Desant.fx", "[Library Effect]\nLifetime=1\n");
    std::vector<std::string> files;
    for (int i = 0; i < count; i++) {
        std::string model = "Model " + std::to_string(i);
        std::string folder = root + "\\Aircraft\\aircraft-" + std::to_string(i);
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string text = "[fltsim.0]\ntitle=Transport " + std::to_string(i) + "\natc_model=" + model +
                           "\n\n[fltsim.1]\ntitle=Transport " + std::to_string(i) + " grey\n\n[General]\natc_type=Transport\n"
                           "atc_model=" + model + "\n\n[WEIGHT_AND_BALANCE]\nmax_gross_weight=120000\nempty_weight=70000\n"
                           "reference_datum_position=0,0,0\nempty_weight_CG_position=-2,0,0\nCG_forward_limit=0.1\n"
                           "CG_aft_limit=0.4\nmax_number_of_stations=4\nstation_load.0=170,30,-1.5,0\n"
                           "station_load.1=170,30,1.5,0\nstation_load.2=0,0,0,0\nstation_load.3=0,-20,0,0\n\n"
                           "[SMOKESYSTEM]\nsmoke.0=-40,0,2,fx_smoke\nsmoke.1=-40,0,2,fx_smoke\nsmoke.2=0,-60,0,fx_smoke\n"
                           "smoke.3=0,60,0,fx_smoke\n\n[contact_points]\npoint.0=1,30,0,-10,1600,0,1,50,0.3,2.5,0.8,0,0,0,0,0\n"
                           "point.1=1,-5,-8,-10,1600,0,1,0,0.3,2.5,0.8,0,0,0,0,0\npoint.2=1,-5,8,-10,1600,0,1,0,0.3,2.5,0.8,0,0,0,0,0\n"
                           "point.3=2,-5,-65,2,800,0,0,0,0,0,0,0,0,0,0,0\npoint.4=2,-5,65,2,800,0,0,0,0,0,0,0,0,0,0,0\n"
                           "point.5=2,-50,0,4,800,0,0,0,0,0,0,0,0,0,0,0\n\n[airplane_geometry]\nwing_area=1300\n"
                           "wing_span=130\nwing_root_chord=14\nwing_sweep=5\nwing_pos_apex_lon=2\n";
        files.push_back(folder + "\\aircraft.cfg");
        Write(files.back(), text);
        if (i % 2 == 0) {
            char path[kConfigPathSize];
            ConfigFilePath(model.c_str(), path);
            Write(root + "\\" + path, ConfigText());
        }
    }
    return files;
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return (double)counter.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One plain read of every file: open, ReadFile of the whole, close.
double ReadEveryFile(const std::vector<std::string>& files) {
    std::vector<char> buffer(1 << 16);
    double start = Now();
    for (const std::string& path : files) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD got = 0;
        while (ReadFile(file, buffer.data(), (DWORD)buffer.size(), &got, nullptr) && got > 0) {
        }
        CloseHandle(file);
    }
    return Now() - start;
}

// simhost.exe --check ROOT --json, its output thrown away; -1 when it did not run.
double RunProcess(const std::string& simhost, const std::string& root) {
    std::string command = "\"" + simhost + "\" --check \"" + root + "\" --json";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE null = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = null;
    startup.hStdError = null;
    PROCESS_INFORMATION process = {};
    double start = Now();
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(null);
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    double took = Now() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(null);
    return took;
}

// The check in-process, its JSON report written as it goes to a sink that only counts.
double RunInProcess(const std::string& root) {
    CheckOptions options;
    options.path = root;
    options.language = kSimEnglish;
    size_t bytes = 0;
    CheckWriter writer;
    writer.json = true;
    writer.out = [&bytes](const std::string& piece) { bytes += piece.size(); };
    CheckTotals totals;
    std::string error;
    double start = Now();
    RunCheckRows(
        options, [&writer](const std::string& folder, const std::string& base) { CheckWriteHead(&writer, folder, base); },
        [&writer](const CheckRow& row) { CheckWriteRow(&writer, row); }, &totals, &error);
    CheckWriteEnd(&writer, totals, error);
    return bytes > 0 ? Now() - start : -1;
}

struct Figures {
    double process, inProcess, floor;
};

Figures Measure(const std::string& simhost, const std::string& root, int count) {
    std::vector<std::string> files = MakeSimulator(root, count);
    std::vector<double> process, inProcess, floor;
    for (int run = 0; run < kRuns; run++) {
        process.push_back(RunProcess(simhost, root));
        inProcess.push_back(RunInProcess(root));
        floor.push_back(ReadEveryFile(files));
    }
    SimRemoveTree(root);
    return Figures{Median(process), Median(inProcess), Median(floor)};
}

} // namespace

int main(int argc, char** argv) {
    int count = 1000;
    for (int i = 1; i + 1 < argc; i++) {
        if (std::string(argv[i]) == "--aircraft") {
            count = atoi(argv[++i]);
        }
    }
    char self[MAX_PATH], temp[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof(self));
    std::string simhost = self;
    simhost = simhost.substr(0, simhost.find_last_of('\\') + 1) + "simhost.exe";
    GetTempPathA(sizeof(temp), temp);
    std::string root = std::string(temp) + "kfws-check-bench-" + std::to_string(GetCurrentProcessId());

    Figures small = Measure(simhost, root, count / 4);
    Figures large = Measure(simhost, root, count);
    double floors = large.inProcess / large.floor;
    double growth = (large.inProcess / count) / (small.inProcess / (count / 4));
    bool processMet = large.process >= 0 && large.process < kTargetMs;
    bool floorsMet = large.inProcess >= 0 && floors <= kTargetFloors;
    bool growthMet = small.inProcess > 0 && growth < kTargetGrowth;
    printf("Readiness check: median of %d runs, milliseconds; floor: one ReadFile of each aircraft.cfg\n\n", kRuns);
    printf("| Measurement | total ms | ms per aircraft | Floor ms per aircraft | Ratio | Target |\n");
    printf("|---|---:|---:|---:|---:|---|\n");
    const struct {
        const char* how;
        int aircraft;
        double ms, floor;
        const char* target;
    } rows[] = {
        {"simhost --check --json, process start included", count, large.process, large.floor,
         processMet ? "under 5 s met" : "under 5 s MISSED"},
        {"the check in-process, JSON written", count, large.inProcess, large.floor,
         floorsMet ? "within 4x the floor met" : "within 4x the floor MISSED"},
        {"the check in-process, JSON written", count / 4, small.inProcess, small.floor, "-"},
    };
    for (const auto& row : rows) {
        printf("| Readiness check of %d aircraft folders: %s | %.0f | %.3f | %.4f | %.1fx | %s |\n", row.aircraft,
               row.how, row.ms, row.ms / row.aircraft, row.floor / row.aircraft, row.ms / row.floor, row.target);
    }
    printf("\nCost per aircraft, %d against %d aircraft (in-process): %.2fx; target under %.1fx: %s\n", count,
           count / 4, growth, kTargetGrowth, growthMet ? "met" : "MISSED");
    return processMet && floorsMet && growthMet ? 0 : 1;
}
