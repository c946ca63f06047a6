// simhost.exe: the stand-in simulator as a program. It loads the real KFWS_Airdrop.dll
// the way the simulator does and either runs a scenario script (printing a transcript)
// or opens the host window for a person.
//
//   simhost.exe (--aircraft PATH [--fltsim N] | --simulator DIR) [--script FILE] [--dll PATH]
//               [--root DIR] [--out DIR] [--transcript FILE] [--verbose]
//   simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]   (the readiness check)
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "simhost/app/HostWindow.h"
#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/scenario/Scenario.h"
#include "simhost/check/CheckCommand.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimScript.h"

namespace {

const char kUsage[] =
    "usage: simhost.exe --aircraft PATH [--fltsim N] [--script FILE] [options]\n"
    "       simhost.exe --simulator DIR [--aircraft PATH [--fltsim N]] [--script FILE] [options]\n"
    "       simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]   (readiness check)\n"
    "\n"
    "Loads KFWS_Airdrop.dll into a stand-in simulator window. With --script the scenario\n"
    "runs and its transcript is printed (exit code 0 when every expectation held, 1 when\n"
    "one failed, 2 when a step could not be carried out); without it the window stays\n"
    "open for a person until it is closed.\n"
    "\n"
    "  --aircraft PATH     the user aircraft: an aircraft file (see examples/aircraft), an\n"
    "                      aircraft.cfg (any letter case) or a folder holding one\n"
    "  --fltsim N          the variation [fltsim.N] of an aircraft.cfg (default 0)\n"
    "  --simulator DIR     a simulator folder: the root (as --root), its aircraft are every\n"
    "                      variation of DIR/Aircraft/*/aircraft.cfg, listed in the window's\n"
    "                      menu; the first is the user aircraft unless --aircraft is given\n"
    "  --script FILE       a scenario to run\n"
    "  --dll PATH          the module (default: KFWS_Airdrop.dll beside simhost.exe)\n"
    "  --root DIR          the simulator folder holding Modules/ (default: the current\n"
    "                      folder; with --script a fresh temporary folder)\n"
    "  --out DIR           where pictures go (default: the current folder)\n"
    "  --transcript FILE   also write the transcript to FILE\n"
    "  --verbose           log every host call\n";

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH * 2];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof(buffer), buffer, nullptr);
    return length > 0 && length < sizeof(buffer) ? std::string(buffer) : path;
}

std::string Folder(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithSlash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') {
        return folder;
    }
    return folder + "\\";
}

} // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (IsCheckCommand(argc, argv)) {
        return RunCheckCommand(argc, argv); // no window, no module
    }
    std::string aircraft, script, dll, root, out, transcriptPath, simulator;
    int fltsim = 0;
    bool verbose = false;
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--aircraft" && hasValue) {
            aircraft = argv[++i];
        } else if (arg == "--fltsim" && hasValue) {
            char* end = nullptr;
            long value = strtol(argv[++i], &end, 10);
            if (end == argv[i] || *end || value < 0 || value > 9999) {
                fprintf(stderr, "simhost: --fltsim takes a variation number, not '%s'\n", argv[i]);
                return 2;
            }
            fltsim = (int)value;
        } else if (arg == "--simulator" && hasValue) {
            simulator = argv[++i];
        } else if (arg == "--script" && hasValue) {
            script = argv[++i];
        } else if (arg == "--dll" && hasValue) {
            dll = argv[++i];
        } else if (arg == "--root" && hasValue) {
            root = argv[++i];
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else if (arg == "--transcript" && hasValue) {
            transcriptPath = argv[++i];
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--help" || arg == "-h") {
            fputs(kUsage, stdout);
            return 0;
        } else {
            fprintf(stderr, "simhost: unknown or incomplete option '%s'\n\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (aircraft.empty() && simulator.empty()) {
        fprintf(stderr, "simhost: --aircraft or --simulator is required\n\n%s", kUsage);
        return 2;
    }
    if (!simulator.empty() && !root.empty()) {
        fprintf(stderr, "simhost: --simulator is the root already; give --root or --simulator\n");
        return 2;
    }
    // Every path is made absolute before the current folder becomes the simulator folder.
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof(self));
    dll = dll.empty() ? Folder(self) + "KFWS_Airdrop.dll" : FullPath(dll);
    if (!simulator.empty()) {
        root = simulator;
        std::string error;
        if (!AircraftSourceListSimulator(FullPath(simulator), &error)) {
            fprintf(stderr, "simhost: %s\n", error.c_str());
            return 2;
        }
        if (aircraft.empty()) {
            aircraft = AircraftSourceCatalogue()[0].path;
            fltsim = AircraftSourceCatalogue()[0].fltsim;
        }
    }
    aircraft = FullPath(aircraft);
    out = WithSlash(FullPath(out.empty() ? "." : out));
    CreateDirectoryA(out.c_str(), nullptr);

    ScenarioOptions runner;
    runner.transcript = nullptr;
    runner.outDir = out;
    if (!script.empty()) {
        script = FullPath(script);
        std::string text, error;
        if (!SimReadFile(script, &text)) {
            fprintf(stderr, "simhost: cannot read %s\n", script.c_str());
            return 2;
        }
        if (!SimParseScript(text, &runner.steps, &error)) {
            fprintf(stderr, "simhost: %s: %s\n", script.c_str(), error.c_str());
            return 2;
        }
        runner.scriptDir = Folder(script);
    }
    if (!transcriptPath.empty()) {
        runner.transcript = fopen(FullPath(transcriptPath).c_str(), "wb");
        if (!runner.transcript) {
            fprintf(stderr, "simhost: cannot write %s\n", transcriptPath.c_str());
            return 2;
        }
    }

    bool temporaryRoot = false;
    if (root.empty() && !script.empty()) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        root = std::string(temp) + "simhost-" + std::to_string(GetCurrentProcessId());
        SimRemoveTree(root);
        temporaryRoot = true;
    }
    if (!root.empty()) {
        root = FullPath(root);
        CreateDirectoryA(root.c_str(), nullptr);
        if (!SetCurrentDirectoryA(root.c_str())) {
            fprintf(stderr, "simhost: cannot use the folder %s\n", root.c_str());
            return 2;
        }
    }
    // A simulator folder always has its Modules folder.
    CreateDirectoryA("Modules", nullptr);
    if (!temporaryRoot && !root.empty()) {
        HostSetSimulatorFolder(root); // where the module's effect files are looked for
    }

    HostOptions options;
    options.dllPath = dll;
    options.aircraftPath = aircraft;
    options.fltsim = fltsim;
    options.verbose = verbose;
    options.interactive = script.empty();
    options.dressWindow = HostWindowDress;
    std::string error;
    if (!HostStart(options, &error)) {
        fprintf(stderr, "simhost: %s\n", error.c_str());
        return 2;
    }
    int code = 0;
    if (script.empty()) {
        printf("simhost: the host window is open; close it to end. Hotkeys and the menu work as in the simulator.\n");
        fflush(stdout);
        code = HostRunMessageLoop();
    } else {
        ScenarioStart(runner);
        code = HostRunMessageLoop();
    }
    HostStop();
    if (runner.transcript) {
        fclose(runner.transcript);
    }
    if (temporaryRoot) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        SetCurrentDirectoryA(temp);
        SimRemoveTree(root);
    }
    fflush(stdout);
    // The simulator ends with the module still loaded: the process exit unloads it.
    ExitProcess((UINT)code);
}
