// Preparing and undoing one aircraft.cfg on disk: the file read through a handle that no
// other program shares, the copy written once beside it, the new text through a temporary
// file moved over the old one.
#include <windows.h>

#include "drop/AirdropState.h"
#include "simhost/lib/SimText.h"
#include "simhost/prepare/Prepare.h"

static_assert(kPrepareMostSlots == kSavedSlotCount, "the module borrows four effect slots");

const char kPrepareBackupName[] = "aircraft.cfg.KFWS_Airdrop.bak";

namespace {

// Larger than any real aircraft.cfg by far; a larger file is refused unread.
const DWORD kMostBytes = 16u << 20;

std::string SystemMessage(DWORD code) {
    char buffer[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                  sizeof(buffer), nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == '.')) {
        length--;
    }
    std::string text = length ? std::string(buffer, length) : "error " + std::to_string(code);
    return SimCp1251ToUtf8(text);
}

bool InUse(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
}

// Windows refuses to replace a read-only file; Wine run as root replaces it anyway, so the
// attribute is looked at here.
bool ReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Reads the file through a handle shared with no one, so that a file another program
// holds open is found out before anything is written. The outcome on failure.
bool ReadAlone(const std::string& path, std::string* text, PrepareResult* result) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD code = GetLastError();
        result->outcome = InUse(code)                    ? kPrepareInUse
                          : code == ERROR_ACCESS_DENIED ? kPrepareFailed
                                                        : kPrepareUnreadable;
        result->detail = SystemMessage(code);
        return false;
    }
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok && size.QuadPart > (LONGLONG)kMostBytes) {
        CloseHandle(file);
        result->outcome = kPrepareUnreadable;
        result->detail = "larger than 16 MB";
        return false;
    }
    text->assign(ok ? (size_t)size.QuadPart : 0, '\0');
    DWORD read = 0;
    ok = ok && (text->empty() || (ReadFile(file, &(*text)[0], (DWORD)text->size(), &read, nullptr) && read == text->size()));
    DWORD code = GetLastError();
    CloseHandle(file);
    if (!ok) {
        result->outcome = kPrepareUnreadable;
        result->detail = SystemMessage(code);
    }
    return ok;
}

// Writes `text` into a new file; `disposition` CREATE_NEW refuses an existing one.
bool WriteNew(const std::string& path, const std::string& text, DWORD disposition, DWORD* code) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *code = GetLastError();
        return false;
    }
    DWORD written = 0;
    bool ok = (text.empty() || (WriteFile(file, text.data(), (DWORD)text.size(), &written, nullptr) &&
                                written == text.size())) &&
              FlushFileBuffers(file);
    *code = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (!ok) {
        DeleteFileA(path.c_str());
    }
    return ok;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

void Fail(PrepareResult* result, DWORD code) {
    result->outcome = InUse(code) ? kPrepareInUse : kPrepareFailed;
    result->detail = SystemMessage(code);
}

} // namespace

bool PrepareSucceeded(PrepareOutcome outcome) {
    return outcome == kPrepareAdded || outcome == kPrepareAlready || outcome == kPrepareRestored ||
           outcome == kPrepareNoBackup;
}

std::string PrepareBackupPath(const std::string& cfgPath) {
    return FolderOf(cfgPath) + "\\" + kPrepareBackupName;
}

PrepareResult PrepareAircraftCfg(const std::string& path, int slots) {
    PrepareResult result;
    result.path = path;
    if (ReadOnly(path)) {
        result.outcome = kPrepareReadOnly;
        return result;
    }
    std::string text;
    if (!ReadAlone(path, &text, &result)) {
        return result;
    }
    AircraftCfg cfg;
    std::string error;
    if (!ParseAircraftCfg(text, &cfg, &error)) {
        result.outcome = kPrepareUnreadable;
        result.detail = SimCp1251ToUtf8(error);
        return result;
    }
    result.present = (int)cfg.smokes.size();
    result.needed = slots > 0 ? slots : PrepareSlotsNeeded(cfg, &result.assumed);
    if (result.present >= result.needed) {
        result.outcome = kPrepareAlready;
        return result;
    }
    std::string prepared = PrepareText(text, result.needed, &result.added);
    // The reader must see every line the drop needs in the new text: a line that is there
    // but broken ends the list before it.
    AircraftCfg after;
    if (!ParseAircraftCfg(prepared, &after, &error) || (int)after.smokes.size() < result.needed) {
        result.outcome = kPrepareBrokenLine;
        result.brokenLine = (int)after.smokes.size();
        result.added.clear();
        return result;
    }
    std::string backup = PrepareBackupPath(path);
    DWORD code = 0;
    if (GetFileAttributesA(backup.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !WriteNew(backup, text, CREATE_NEW, &code)) {
        result.added.clear();
        Fail(&result, code);
        return result;
    }
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "kfw", 0, temporary)) {
        result.added.clear();
        Fail(&result, GetLastError());
        return result;
    }
    bool moved = WriteNew(temporary, prepared, CREATE_ALWAYS, &code) &&
                 MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!moved) {
        code = code ? code : GetLastError();
        DeleteFileA(temporary);
        result.added.clear();
        Fail(&result, code);
        return result;
    }
    result.outcome = kPrepareAdded;
    return result;
}

PrepareResult UndoPrepareAircraftCfg(const std::string& path) {
    PrepareResult result;
    result.path = path;
    std::string backup = PrepareBackupPath(path);
    if (GetFileAttributesA(backup.c_str()) == INVALID_FILE_ATTRIBUTES) {
        result.outcome = kPrepareNoBackup;
        return result;
    }
    if (ReadOnly(path)) {
        result.outcome = kPrepareReadOnly;
        return result;
    }
    std::string text;
    if (!ReadAlone(path, &text, &result) && result.outcome == kPrepareInUse) {
        return result;
    }
    if (!MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Fail(&result, GetLastError());
        return result;
    }
    result.outcome = kPrepareRestored;
    return result;
}
