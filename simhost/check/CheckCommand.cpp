// The --check command of simhost.exe: options, the run over every file, the output.
#include "simhost/check/CheckCommand.h"

#include <windows.h>

#include <stdio.h>

#include "simhost/check/CheckAircraft.h"
#include "simhost/check/CheckOutput.h"
#include "simhost/check/CheckTargets.h"
#include "simhost/lib/SimText.h"

static const char kCheckUsage[] =
    "usage: simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]\n"
    "\n"
    "Checks whether aircraft are ready for the airdrop module. PATH is an aircraft.cfg,\n"
    "an aircraft folder, an Aircraft folder or a simulator folder; --root names the\n"
    "simulator folder when PATH is not inside one. Exit code 0 every variation ready,\n"
    "1 some not ready, 2 nothing could be read.\n";

bool IsCheckCommand(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--check") {
            return true;
        }
    }
    return false;
}

bool ParseCheckOptions(int argc, char** argv, CheckOptions* options, std::string* error) {
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--check" && hasValue) {
            options->path = argv[++i];
        } else if (arg == "--root" && hasValue) {
            options->root = argv[++i];
        } else if (arg == "--json") {
            options->json = true;
        } else if (arg == "--lang" && hasValue && (std::string(argv[i + 1]) == "ru" || std::string(argv[i + 1]) == "en")) {
            options->language = std::string(argv[++i]) == "ru" ? kCheckRussian : kCheckEnglish;
        } else {
            *error = "unknown or incomplete option '" + arg + "'";
            return false;
        }
    }
    if (options->path.empty()) {
        *error = "--check needs a PATH";
        return false;
    }
    return true;
}

bool RunCheck(const CheckOptions& options, CheckReport* report, std::string* error) {
    CheckTargets targets;
    std::string missing;
    if (!FindCheckTargets(options.path, options.root, &targets, &missing)) {
        *error = "no such file or folder: " + SimCp1251ToUtf8(missing);
        return false;
    }
    char previous[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryA(sizeof(previous), previous);
    bool restore = length > 0 && length < sizeof(previous);
    // The module resolves its paths against the current folder, the simulator's own in
    // the simulator; changing it writes nothing.
    if (!targets.simulatorFolder.empty() && !SetCurrentDirectoryA(targets.simulatorFolder.c_str())) {
        *error = "cannot use the folder " + SimCp1251ToUtf8(targets.simulatorFolder);
        return false;
    }
    CheckContext context;
    context.language = options.language;
    context.simulatorFolder = targets.simulatorFolder;
    report->simulatorFolder = SimCp1251ToUtf8(targets.simulatorFolder);
    report->baseFolder = SimCp1251ToUtf8(CheckFullPath("."));
    for (const std::string& file : targets.files) {
        CheckAircraftFile(file, &context, report);
    }
    NoteSharedConfigFiles(options.language, report);
    if (restore) {
        SetCurrentDirectoryA(previous);
    }
    return true;
}

int RunCheckCommand(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            fputs(kCheckUsage, stdout);
            return 0;
        }
    }
    CheckOptions options;
    std::string error;
    if (!ParseCheckOptions(argc, argv, &options, &error)) {
        fprintf(stderr, "simhost --check: %s\n\n%s", error.c_str(), kCheckUsage);
        return 2;
    }
    CheckReport report;
    if (!RunCheck(options, &report, &error)) {
        fprintf(stderr, "simhost --check: %s\n", error.c_str());
        return 2;
    }
    std::string out = options.json ? CheckReportJson(report) : CheckReportText(report, options.language);
    fwrite(out.data(), 1, out.size(), stdout);
    fflush(stdout);
    return CheckExitCode(report);
}
