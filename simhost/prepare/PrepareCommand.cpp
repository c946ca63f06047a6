// The --prepare command of simhost.exe: options, the run over every file, one line per file.
#include "simhost/prepare/PrepareCommand.h"

#include <windows.h>

#include <string.h>

#include "simhost/check/CheckTargets.h"
#include "simhost/lib/SimConsole.h"
#include "simhost/lib/SimText.h"

namespace {

// The text with each "{}" replaced by the next argument.

std::string Lines(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) {
        text += (text.empty() ? "smoke." : ", smoke.") + std::to_string(n);
    }
    return text;
}

} // namespace

bool IsPrepareCommand(int argc, char** argv) { return SimHasArgument(argc, argv, "--prepare"); }

bool ParsePrepareOptions(int argc, char** argv, PrepareOptions* options, std::string* bad) {
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--prepare" && hasValue && options->path.empty()) {
            options->path = argv[++i];
        } else if (arg == "--root" && hasValue) {
            options->root = argv[++i];
        } else if (arg == "--undo") {
            options->undo = true;
        } else if (arg == "--slots" && hasValue && strlen(argv[i + 1]) == 1 && argv[i + 1][0] >= '1' &&
                   argv[i + 1][0] <= '0' + kPrepareMostSlots) {
            options->slots = argv[++i][0] - '0';
        } else if (arg == "--lang" && hasValue && SimParseLanguage(argv[i + 1], &options->language)) {
            options->languageGiven = true;
            i++;
        } else {
            *bad = arg;
            return false;
        }
    }
    if (options->path.empty()) {
        *bad = "--prepare";
        return false;
    }
    return true;
}

bool RunPrepare(const PrepareOptions& options, std::vector<PrepareResult>* results) {
    CheckTargets targets;
    std::string missing;
    if (!FindCheckTargets(options.path, options.root, &targets, &missing)) {
        return false;
    }
    std::vector<std::string> files;
    for (const CheckTarget& target : targets.entries) {
        if (target.kind == kTargetFile) files.push_back(target.path);
    }
    if (files.empty()) {
        return false;
    }
    char previous[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryA(sizeof(previous), previous);
    bool restore = length > 0 && length < sizeof(previous);
    // The configuration files are found as the module finds them, from the simulator folder;
    // without one, no variation has a configuration file and the most lines are written.
    bool moved = !targets.simulatorFolder.empty() && SetCurrentDirectoryA(targets.simulatorFolder.c_str());
    for (const std::string& file : files) {
        if (options.undo) {
            results->push_back(UndoPrepareAircraftCfg(file));
        } else if (!moved && options.slots == 0) {
            results->push_back(PrepareAircraftCfg(file, kPrepareMostSlots));
            results->back().assumed = true;
        } else {
            results->push_back(PrepareAircraftCfg(file, options.slots));
        }
    }
    if (moved && restore) {
        SetCurrentDirectoryA(previous);
    }
    return true;
}

std::string PrepareResultText(const PrepareResult& r, SimLanguage language) {
    std::string path = SimCp1251ToUtf8(r.path);
    std::string assumed = r.assumed ? SimTextIn(language, kTextPrepareAssumed) : "";
    std::string needed = std::to_string(r.needed);
    switch (r.outcome) {
    case kPrepareAdded:
        return SimFillText(SimTextIn(language, kTextPrepareAdded), {path, Lines(r.added), needed, assumed, kPrepareBackupName});
    case kPrepareAlready:
        return SimFillText(SimTextIn(language, kTextPrepareAlready), {path, std::to_string(r.present), needed, assumed});
    case kPrepareRestored:
        return SimFillText(SimTextIn(language, kTextPrepareRestored), {path, kPrepareBackupName});
    case kPrepareNoBackup:
        return SimFillText(SimTextIn(language, kTextPrepareNoBackup), {path, kPrepareBackupName});
    case kPrepareReadOnly:
        return SimFillText(SimTextIn(language, kTextPrepareReadOnly), {path});
    case kPrepareInUse:
        return SimFillText(SimTextIn(language, kTextPrepareInUse), {path});
    case kPrepareBrokenLine:
        return SimFillText(SimTextIn(language, kTextPrepareBrokenLine), {path, std::to_string(r.brokenLine)});
    case kPrepareUnreadable:
        return SimFillText(SimTextIn(language, kTextPrepareUnreadable), {path, r.detail});
    default:
        return SimFillText(SimTextIn(language, kTextPrepareFailed), {path, r.detail});
    }
}

int PrepareExitCode(const std::vector<PrepareResult>& results) {
    for (const PrepareResult& r : results) {
        if (!PrepareSucceeded(r.outcome)) {
            return 1;
        }
    }
    return 0;
}

int RunPrepareCommand(int argc, char** argv) {
    PrepareOptions options;
    options.language = SimCurrentLanguage();
    std::string bad;
    bool parsed = ParsePrepareOptions(argc, argv, &options, &bad);
    SimLanguage language = options.languageGiven ? options.language : SimCurrentLanguage();
    SimSetLanguage(language);
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            SimPrintOut(SimText(kTextPrepareUsage));
            return 0;
        }
    }
    if (!parsed) {
        SimPrintError(SimFillText(SimText(kTextPrepareBadOption), {bad}) + "\n\n" + SimText(kTextPrepareUsage));
        return 2;
    }
    std::vector<PrepareResult> results;
    if (!RunPrepare(options, &results)) {
        SimPrintError(SimFillText(SimText(kTextPrepareNothingFound), {SimCp1251ToUtf8(options.path)}) + "\n");
        return 2;
    }
    std::string out;
    for (const PrepareResult& r : results) {
        out += PrepareResultText(r, language) + "\n";
    }
    SimPrintOut(out);
    return PrepareExitCode(results);
}
