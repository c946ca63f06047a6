// simhost.exe: the stand-in simulator as a program. It loads the real KFWS_Airdrop.dll
// the way the simulator does and either runs a scenario script (printing a transcript)
// or opens the host window for a person. A Windows program without a console of its
// own: a double click opens the window; from a command prompt it prints to the prompt's
// console. The usage text is kTextUsage of simhost/lib/SimTexts.cpp.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdlib.h>

#include <string>

#include "simhost/app/HostWindow.h"
#include "simhost/app/ModuleFile.h"
#include "simhost/app/ScratchSimulator.h"
#include "simhost/app/StartFolder.h"
#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/scenario/Scenario.h"
#include "simhost/check/CheckCommand.h"
#include "simhost/lib/SimConsole.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimScript.h"
#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"
#include "simhost/prepare/PrepareCommand.h"

namespace {

struct Options {
    std::string aircraft, script, dll, root, out, transcript, simulator;
    int fltsim = 0;
    bool verbose = false;
    bool inPlace = false;
    bool help = false;
    bool doubleClicked = false; // no options at all: errors go to a message box
};

// An error of the program: to the console it was started from, or, started with a
// double click, in a message box. Returns 2, the exit code of every such error.
int Refuse(const Options& options, const std::string& what, bool withUsage = false) {
    if (options.doubleClicked) {
        MessageBoxW(nullptr, SimWideFromUtf8(what).c_str(), SimWideFromUtf8(SimText(kTextCannotStart)).c_str(), MB_OK | MB_ICONERROR);
    } else {
        SimPrintError("simhost: " + what + "\n" + (withUsage ? std::string("\n") + SimText(kTextUsage) : std::string()));
    }
    return 2;
}

// The options that take a value, one row each.
struct ValueOption {
    const char* name;
    std::string Options::*value;
};
const ValueOption kValueOptions[] = {
    {"--aircraft", &Options::aircraft}, {"--simulator", &Options::simulator}, {"--script", &Options::script},
    {"--dll", &Options::dll},           {"--root", &Options::root},           {"--out", &Options::out},
    {"--transcript", &Options::transcript},
};

// "" when the command line reads, else what is wrong with it.
std::string ReadOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        bool taken = false;
        for (const ValueOption& option : kValueOptions) {
            if (arg == option.name && hasValue) {
                options->*option.value = argv[++i];
                taken = true;
            }
        }
        if (taken) {
            continue;
        }
        if (arg == "--fltsim" && hasValue) {
            char* end = nullptr;
            long value = strtol(argv[++i], &end, 10);
            if (end == argv[i] || *end || value < 0 || value > 9999) {
                return SimTextWith(kTextBadFltsim, {argv[i]});
            }
            options->fltsim = (int)value;
        } else if (arg == "--lang" && hasValue) {
            i++; // taken before anything else (SimTakeLanguageOption)
        } else if (arg == "--verbose") {
            options->verbose = true;
        } else if (arg == "--in-place") {
            options->inPlace = true;
        } else if (arg == "--help" || arg == "-h") {
            options->help = true;
        } else {
            return SimTextWith(kTextUnknownOption, {arg});
        }
    }
    if (!options->help && options->aircraft.empty() && options->simulator.empty()) {
        return SimText(kTextNeedAircraft);
    }
    if (!options->simulator.empty() && !options->root.empty()) {
        return SimText(kTextSimulatorIsRoot);
    }
    return "";
}

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

std::string ProgramFolder() {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof(self));
    return Folder(self);
}

// Runs the host with the options read; returns the exit code.
int RunHost(Options options) {
    // Every path is made absolute before the current folder becomes the simulator folder.
    options.dll = options.dll.empty() ? ModuleFileFor(ProgramFolder()) : FullPath(options.dll);
    const bool scenario = !options.script.empty();
    std::string scratch; // a folder of this run's own, removed at the end
    if (!options.simulator.empty()) {
        options.root = FullPath(options.simulator);
        // A scenario flies a scratch copy and leaves the folder it was given as it was.
        if (scenario && !options.inPlace) {
            scratch = ScratchFolder("simulator");
            if (!ScratchCopySimulator(options.root, scratch)) {
                SimRemoveTree(scratch);
                return Refuse(options, SimTextWith(kTextCannotCopySimulator, {options.root}));
            }
            options.root = scratch;
        }
        std::string error;
        if (!AircraftSourceListSimulator(options.root, &error)) {
            SimRemoveTree(scratch);
            if (options.doubleClicked) {
                StartFolderForget();
            }
            return Refuse(options, error);
        }
        if (options.doubleClicked) {
            StartFolderRemember(options.root); // the next double click opens it again
        }
        if (options.aircraft.empty()) {
            options.aircraft = AircraftSourceCatalogue()[0].path;
            options.fltsim = AircraftSourceCatalogue()[0].fltsim;
        }
    }
    options.aircraft = FullPath(options.aircraft);
    // A scenario's pictures go to a folder of their own unless --out names one; the window's
    // pictures (none without a script) to the current folder.
    if (options.out.empty() && scenario) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        options.out = std::string(temp) + "simhost-pictures";
        SimPrintOut(SimTextWith(kTextPicturesGoTo, {options.out}) + "\n");
    }
    options.out = WithSlash(FullPath(options.out.empty() ? "." : options.out));
    CreateDirectoryA(options.out.c_str(), nullptr);

    ScenarioOptions runner;
    runner.transcript = nullptr;
    runner.outDir = options.out;
    if (scenario) {
        std::string script = FullPath(options.script), text, error;
        if (!SimReadFile(script, &text)) {
            return Refuse(options, SimTextWith(kTextCannotRead, {script}));
        }
        if (!SimParseScript(text, &runner.steps, &error)) {
            return Refuse(options, script + ": " + error);
        }
        runner.scriptDir = Folder(script);
    }
    if (!options.transcript.empty()) {
        runner.transcript = fopen(FullPath(options.transcript).c_str(), "wb");
        if (!runner.transcript) {
            return Refuse(options, SimTextWith(kTextCannotWrite, {options.transcript}));
        }
    }
    bool knownSimulator = !options.root.empty();
    if (options.root.empty() && scenario) {
        scratch = ScratchFolder("root");
        options.root = scratch;
    }
    if (!options.root.empty()) {
        options.root = FullPath(options.root);
        CreateDirectoryA(options.root.c_str(), nullptr);
        if (!SetCurrentDirectoryA(options.root.c_str())) {
            return Refuse(options, SimTextWith(kTextCannotUseFolder, {options.root}));
        }
    }
    // A simulator folder always has its Modules folder.
    CreateDirectoryA("Modules", nullptr);
    if (knownSimulator) {
        HostSetSimulatorFolder(options.root); // where the module's effect files are looked for
    }

    HostOptions host;
    host.dllPath = options.dll;
    host.aircraftPath = options.aircraft;
    host.fltsim = options.fltsim;
    host.verbose = options.verbose;
    host.interactive = !scenario && !options.doubleClicked;
    host.dressWindow = HostWindowDress;
    std::string error;
    if (!HostStart(host, &error)) {
        return Refuse(options, error);
    }
    if (scenario) {
        ScenarioStart(runner);
    } else if (!options.doubleClicked) {
        SimPrintOut(std::string(SimText(kTextWindowOpen)) + "\n");
    }
    int code = HostRunMessageLoop();
    HostStop();
    if (runner.transcript) {
        fclose(runner.transcript);
    }
    if (!scratch.empty()) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        SetCurrentDirectoryA(temp);
        SimRemoveTree(scratch);
    }
    fflush(stdout);
    // The simulator ends with the module still loaded: the process exit unloads it.
    ExitProcess((UINT)code);
}

} // namespace

int main(int argc, char** argv) {
    SimAttachParentConsole(); // started from a command prompt: print to it
    _setmode(_fileno(stdout), _O_BINARY);
    Options options;
    options.doubleClicked = argc == 1;
    if (!SimTakeLanguageOption(argc, argv)) {
        return Refuse(options, SimText(kTextBadLanguage));
    }
    // Commands without a window, each with options of its own.
    if (IsCheckCommand(argc, argv)) {
        return RunCheckCommand(argc, argv); // no window, no module
    }
    if (IsPrepareCommand(argc, argv)) {
        return RunPrepareCommand(argc, argv); // no window, no module
    }
    // A double click: the window on the simulator folder simhost lies in, or one chosen.
    if (options.doubleClicked) {
        options.simulator = StartFolderChoose(ProgramFolder());
        return options.simulator.empty() ? 0 : RunHost(options);
    }
    std::string wrong = ReadOptions(argc, argv, &options);
    if (!wrong.empty()) {
        return Refuse(options, wrong, true);
    }
    if (options.help) {
        SimPrintOut(SimText(kTextUsage));
        return 0;
    }
    return RunHost(options);
}
