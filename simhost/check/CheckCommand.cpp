// The --check command of simhost.exe: options, the run over every aircraft, the output.
#include "simhost/check/CheckCommand.h"

#include <windows.h>

#include "simhost/check/CheckAircraft.h"
#include "simhost/check/CheckOutput.h"
#include "simhost/check/CheckTargets.h"
#include "simhost/lib/SimConsole.h"
#include "simhost/lib/SimText.h"

namespace {

// The row of an aircraft folder the check could not read.
CheckRow UnreadableFolderRow(SimLanguage language, const CheckTarget& target) {
    std::string path = CheckShown(language, target.path);
    switch (target.kind) {
    case kTargetPathTooLong:
        return CheckUnreadableRow(
            path,
            CheckSay(language, "путь к aircraft.cfg этой папки длиннее 259 символов: программы Windows, и симулятор тоже, его не открывают",
                     "the path of this folder's aircraft.cfg passes 259 characters: Windows programs, the simulator too, do not open it"),
            CheckSay(language, "перенесите симулятор в папку с путём покороче или сократите имя папки самолёта",
                     "move the simulator to a folder with a shorter path, or shorten the aircraft folder's name"));
    case kTargetDotName:
        return CheckUnreadableRow(
            path,
            CheckSay(language, "имя папки кончается точкой или пробелом: Windows отбрасывает их и ищет другую папку",
                     "the folder's name ends in a dot or a blank: Windows drops it and looks for another folder"),
            CheckSay(language, "переименуйте папку без точки и пробела в конце",
                     "rename the folder without the dot or blank at its end"));
    default:
        return CheckUnreadableRow(
            path, CheckSay(language, "папку нельзя прочитать", "the folder cannot be listed"),
            CheckSay(language, "дайте право читать папку или исправьте ссылку, которой она является",
                     "give the right to read the folder, or mend the link it is"));
    }
}

} // namespace

bool IsCheckCommand(int argc, char** argv) { return SimHasArgument(argc, argv, "--check"); }

bool ParseCheckOptions(int argc, char** argv, CheckOptions* options, std::string* error) {
    for (int i = 1; i + 1 < argc; i++) {
        if (std::string(argv[i]) == "--lang") {
            SimParseLanguage(argv[i + 1], &options->language);
        }
    }
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        SimLanguage language;
        if (arg == "--check" && hasValue) {
            options->path = argv[++i];
        } else if (arg == "--root" && hasValue) {
            options->root = argv[++i];
        } else if (arg == "--json") {
            options->json = true;
        } else if (arg == "--lang" && hasValue && SimParseLanguage(argv[i + 1], &language)) {
            options->language = language;
            i++;
        } else {
            *error = CheckSayText(options->language, kTextCheckBadOption, {CheckShown(options->language, arg)});
            return false;
        }
    }
    if (options->path.empty()) {
        *error = CheckSayText(options->language, kTextCheckNeedsPath);
        return false;
    }
    return true;
}

bool RunCheckRows(const CheckOptions& options, const CheckHeadSink& head, const CheckRowSink& row,
                  CheckTotals* totals, std::string* error) {
    SimLanguage language = options.language;
    CheckTargets targets;
    std::string missing;
    if (!FindCheckTargets(options.path, options.root, &targets, &missing, true)) {
        *error = CheckSayText(language, kTextCheckNoSuchPath, {CheckShown(language, missing)});
        return false;
    }
    char previous[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryA(sizeof(previous), previous);
    bool restore = length > 0 && length < sizeof(previous);
    // The module resolves its paths against the current folder, the simulator's own in
    // the simulator; changing it writes nothing.
    if (!targets.simulatorFolder.empty() && !SetCurrentDirectoryA(targets.simulatorFolder.c_str())) {
        *error = CheckSayText(language, kTextCheckCannotUseFolder, {CheckShown(language, targets.simulatorFolder)});
        return false;
    }
    head(CheckShown(language, targets.simulatorFolder), CheckShown(language, CheckFullPath(".")));
    CheckContext context;
    context.language = language;
    context.simulatorFolder = targets.simulatorFolder;
    CheckRowSink counted = [&](const CheckRow& made) {
        totals->rows++;
        totals->ready += made.Ready() ? 1 : 0;
        totals->visible += made.Visible() ? 1 : 0;
        row(made);
    };
    // In batches of files read one after the other, then parsed, then their configuration
    // files read, then judged in order; a batch holds at most kBatchFiles files and, unless one
    // file alone is larger, kBatchBytes of text.
    const size_t kBatchFiles = 256, kBatchBytes = 1u << 20;
    struct Pending {
        CheckTarget target;
        CheckFileRead file;
    };
    std::vector<Pending> batch;
    for (size_t next = 0; next < targets.entries.size();) {
        batch.clear();
        size_t bytes = 0;
        for (; next < targets.entries.size() && batch.size() < kBatchFiles && bytes < kBatchBytes; next++) {
            const CheckTarget& entry = targets.entries[next];
            // An aircraft folder's aircraft.cfg is opened by name at once; it is looked for
            // in the folder only when the open file does not tell its name on disk.
            CheckTarget target = entry;
            HANDLE opened = INVALID_HANDLE_VALUE;
            if (entry.kind == kTargetOpenFirst) {
                opened = OpenAircraftCfgIn(entry.path, &target.path);
                target.kind = kTargetFile;
                if (opened == INVALID_HANDLE_VALUE && !CheckTargetInFolder(entry, &target)) {
                    continue; // no aircraft folder
                }
            }
            batch.emplace_back();
            batch.back().target = target;
            if (target.kind == kTargetFile) {
                CheckReadFile(target.path, opened, &batch.back().file);
                bytes += batch.back().file.text.size();
            }
        }
        for (Pending& pending : batch) {
            if (pending.target.kind == kTargetFile) {
                CheckParseFile(&pending.file);
            }
        }
        for (const Pending& pending : batch) {
            CheckReadConfigurations(&context, pending.file);
        }
        for (Pending& pending : batch) {
            const CheckTarget& target = pending.target;
            bool read = target.kind == kTargetFile && CheckParsedFile(&pending.file, &context, counted);
            if (target.kind != kTargetFile) {
                counted(UnreadableFolderRow(language, target));
            }
            (read ? totals->filesRead : totals->filesUnreadable)++;
        }
    }
    if (restore) {
        SetCurrentDirectoryA(previous);
    }
    return true;
}

bool RunCheck(const CheckOptions& options, CheckReport* report, std::string* error) {
    CheckTotals totals;
    bool ran = RunCheckRows(
        options,
        [report](const std::string& simulatorFolder, const std::string& baseFolder) {
            report->simulatorFolder = simulatorFolder;
            report->baseFolder = baseFolder;
        },
        [report](const CheckRow& row) { report->rows.push_back(row); }, &totals, error);
    report->filesRead = totals.filesRead;
    report->filesUnreadable = totals.filesUnreadable;
    return ran;
}

int RunCheckCommand(int argc, char** argv) {
    CheckOptions options;
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--lang" && i + 1 < argc) {
            SimParseLanguage(argv[i + 1], &options.language);
        }
    }
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            SimPrintOut(CheckSayText(options.language, kTextCheckUsage));
            return 0;
        }
    }
    // The report goes out in pieces of up to 64 KB as it is made.
    std::string pending;
    CheckWriter writer;
    writer.language = options.language;
    writer.out = [&pending](const std::string& piece) {
        pending += piece;
        if (pending.size() >= (64u << 10)) {
            SimPrintOut(pending);
            pending.clear();
        }
    };
    std::string error;
    CheckTotals totals;
    bool parsed = ParseCheckOptions(argc, argv, &options, &error);
    writer.json = options.json;
    bool ran = parsed && RunCheckRows(
                             options,
                             [&writer](const std::string& simulatorFolder, const std::string& baseFolder) {
                                 CheckWriteHead(&writer, simulatorFolder, baseFolder);
                             },
                             [&writer](const CheckRow& row) { CheckWriteRow(&writer, row); }, &totals, &error);
    if (!ran) {
        if (writer.json) {
            CheckWriteHead(&writer, std::string(), std::string());
        }
    } else if (totals.filesRead == 0) {
        error = CheckSayText(options.language, kTextCheckNothingRead);
    }
    CheckWriteEnd(&writer, totals, ran ? (totals.filesRead == 0 ? error : std::string()) : error);
    SimPrintOut(pending);
    if (!error.empty()) {
        SimPrintError("simhost --check: " + error + "\n" + (parsed ? "" : "\n" + CheckSayText(options.language, kTextCheckUsage)));
    }
    return ran ? CheckExitCode(totals) : 2;
}
