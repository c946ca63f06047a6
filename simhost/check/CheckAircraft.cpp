// One aircraft.cfg through the readiness check: read with a bound, then its rows in order,
// each handed on as soon as it is made.
#include "simhost/check/CheckAircraft.h"

#include <windows.h>

#include "simhost/check/CheckRules.h"
#include "simhost/lib/SimText.h"

namespace {


// The whole file when it is at most kCheckMaxCfgBytes; nothing larger is ever held. The
// file is `opened` when that is not INVALID_HANDLE_VALUE; closed in any case.
CheckReadResult ReadBounded(const std::string& path, HANDLE opened, std::string* text, unsigned long long* size) {
    HANDLE file = opened != INVALID_HANDLE_VALUE
                      ? opened
                      : CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return kReadCannotOpen;
    }
    LARGE_INTEGER length;
    CheckReadResult result = kReadDone;
    if (!GetFileSizeEx(file, &length)) {
        result = kReadCannotOpen;
    } else if ((unsigned long long)length.QuadPart > kCheckMaxCfgBytes) {
        *size = (unsigned long long)length.QuadPart;
        result = kReadTooLarge;
    } else {
        text->resize((size_t)length.QuadPart);
        DWORD got = 0;
        size_t at = 0;
        // A file that grows meanwhile is read as far as its size said.
        while (at < text->size() && ReadFile(file, &(*text)[at], (DWORD)(text->size() - at), &got, nullptr) && got > 0) {
            at += got;
        }
        text->resize(at);
    }
    CloseHandle(file);
    return result;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// The host hands the module a C string: a NUL byte in the file's value ends the name.
std::string CutAtNul(const std::string& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

// Every livery after the first that uses a configuration file says so, naming the first.
void NoteSharedConfigFile(CheckContext* context, CheckRow* row) {
    if (row->configPath.empty()) {
        return;
    }
    CheckSharedFile& shared = context->sharedFiles[row->configPath];
    if (shared.users++ == 0) {
        shared.firstTitle = row->title;
        return;
    }
    SimLanguage language = context->language;
    AddFinding(row, "info", "shared-config-file",
               CheckSay(language, "файл {} общий с раскраской {}", "the file {} is shared with the livery {}",
                        {row->configPath, CheckQuoted(shared.firstTitle)}),
               CheckSay(language, "чтобы настроить раскраску отдельно, дайте ей свой atc_model",
                        "to set this livery up on its own, give it an atc_model of its own"));
}

} // namespace

CheckRow CheckUnreadableRow(const std::string& path, const std::string& what,
                            const std::string& fix) {
    CheckRow row;
    row.path = path;
    AddFinding(&row, "error", "unreadable", what, fix);
    return row;
}

void CheckReadFile(const std::string& path, void* opened, CheckFileRead* file) {
    file->path = path;
    file->read = ReadBounded(path, opened, &file->text, &file->size);
}

void CheckParseFile(CheckFileRead* file) {
    file->parsed = file->read == kReadDone && ParseAircraftCfg(file->text, &file->cfg, &file->error);
    file->text = std::string(); // the file's text is not needed any more
}

void CheckReadConfigurations(CheckContext* context, const CheckFileRead& file) {
    if (!file.parsed) {
        return;
    }
    const std::string generalModel = CutAtNul(file.cfg.generalAtcModel);
    for (const CfgVariation& v : file.cfg.variations) {
        CheckModelOf(context, v.atcModel.empty() ? generalModel : CutAtNul(v.atcModel));
    }
}

bool CheckParsedFile(CheckFileRead* file, CheckContext* context, const CheckRowSink& sink) {
    SimLanguage language = context->language;
    const std::string& path = file->path;
    std::string shownPath = CheckShown(language, path);
    if (file->read == kReadTooLarge) {
        sink(CheckUnreadableRow(
            shownPath,
            CheckSay(language, "файл занимает {} МБ, больше 16 МБ, каких настоящие aircraft.cfg не бывают",
                     "the file is {} MB, more than the 16 MB no real aircraft.cfg comes near",
                     {CheckNumber((double)file->size / (1 << 20))}),
            CheckSay(language, "замените его файлом aircraft.cfg из пакета самолёта",
                     "replace it with the aircraft.cfg of the aircraft's package")));
        return false;
    }
    if (!file->parsed) {
        bool opened = file->read != kReadCannotOpen;
        sink(CheckUnreadableRow(
            shownPath,
            opened ? CheckSay(language, "файл не читается как aircraft.cfg: {}", "the file does not read as an aircraft.cfg: {}",
                              {CheckShown(language, file->error)})
                   : CheckSay(language, "файл не открывается", "the file cannot be opened"),
            opened ? CheckSay(language,
                              "сохраните его как текст ANSI с разделом [fltsim.0] и строкой title= в нём",
                              "save it as ANSI text with a [fltsim.0] section holding a title= line")
                   : CheckSay(language, "закройте программу, которая держит файл, или дайте право его читать",
                              "close the program that holds it open, or give the right to read it")));
        return false;
    }
    AircraftCfg& cfg = file->cfg;
    cfg.path = path;
    CheckSubject subject{context, &cfg, nullptr, SimCp1251ToUtf8(FolderOf(path))};
    CheckFileCache* cache = NewFileCache(cfg);
    // [General]'s model serves every livery without its own: cut and shown once per file,
    // so that a long one costs its length once, not once per livery.
    const std::string generalModel = CutAtNul(cfg.generalAtcModel);
    const std::string generalShown = CheckShown(language, generalModel);
    for (const CfgVariation& v : cfg.variations) {
        subject.variation = &v;
        CheckRow row;
        row.path = shownPath;
        row.fltsim = v.index;
        row.title = CheckShown(language, v.title);
        bool own = !v.atcModel.empty();
        std::string ownModel = own ? CutAtNul(v.atcModel) : std::string();
        const std::string& model = own ? ownModel : generalModel;
        row.atcModel = own ? CheckShown(language, model) : generalShown;
        row.stations = (int)cfg.stations.size();
        row.effectSlots = (int)cfg.smokes.size();
        CheckConfiguration(subject, model, &row);
        CheckEffects(subject, &row);
        CheckPayload(subject, cache, &row);
        CheckSmokeOrder(subject, &row);
        CheckAtcModelSources(subject, &row);
        NoteSharedConfigFile(context, &row);
        sink(row);
    }
    DeleteFileCache(cache);
    cfg = AircraftCfg(); // what the file held is not needed any more either
    return true;
}
