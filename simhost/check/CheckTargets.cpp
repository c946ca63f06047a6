// Finding the aircraft.cfg files and the simulator folder of a readiness check.
#include "simhost/check/CheckTargets.h"

#include <windows.h>

#include <string.h>

#include <algorithm>

#include "simhost/lib/SimAircraftFile.h"
#include "simhost/lib/SimFiles.h"

std::string CheckFullPath(const std::string& path) {
    char buffer[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof(buffer), buffer, nullptr);
    std::string full = length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : path;
    // "C:\" keeps its separator; every other folder loses it.
    while (full.size() > 3 && (full.back() == '\\' || full.back() == '/')) {
        full.pop_back();
    }
    return full;
}

static std::string Parent(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash <= 2 ? path.substr(0, slash + 1) : path.substr(0, slash);
}

// The aircraft.cfg of an aircraft folder, in whatever letter case it has; false when the
// folder holds none (or a folder of that name).
static bool AddAircraftCfg(const std::string& folder, const std::string& file, std::vector<CheckTarget>* entries) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(file.c_str(), &found); // finds the name in any letter case
    if (search == INVALID_HANDLE_VALUE) {
        DWORD why = GetLastError();
        if (why != ERROR_FILE_NOT_FOUND && why != ERROR_NO_MORE_FILES) {
            entries->push_back(CheckTarget{folder, kTargetUnlisted});
            return true;
        }
        return false; // no aircraft.cfg: not an aircraft folder
    }
    FindClose(search);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        return false;
    }
    entries->push_back(CheckTarget{SimChildPath(folder, found.cFileName), kTargetFile});
    return true;
}

// What one folder below an Aircraft folder is to the check.
static void AddAircraftFolder(const std::string& folder, const std::string& name, bool openFirst,
                              std::vector<CheckTarget>* entries) {
    std::string child = SimChildPath(folder, name);
    if (name.back() == '.' || name.back() == ' ') {
        entries->push_back(CheckTarget{child, kTargetDotName}); // Windows drops the dot and finds another name
        return;
    }
    std::string file = SimChildPath(child, "aircraft.cfg");
    if (file.size() >= MAX_PATH) {
        entries->push_back(CheckTarget{child, kTargetPathTooLong});
        return;
    }
    if (openFirst) {
        entries->push_back(CheckTarget{child, kTargetOpenFirst});
        return;
    }
    AddAircraftCfg(child, file, entries);
}

bool CheckTargetInFolder(const CheckTarget& folder, CheckTarget* target) {
    std::vector<CheckTarget> entries;
    if (!AddAircraftCfg(folder.path, SimChildPath(folder.path, "aircraft.cfg"), &entries)) {
        return false;
    }
    *target = entries[0];
    return true;
}

static std::string Upper(std::string text) {
    if (!text.empty()) {
        CharUpperBuffA(&text[0], (DWORD)text.size());
    }
    return text;
}

// The file's name on disk, from the final path of the open file, when that path is `path`
// itself but for letter case (no link or short name on the way, a path on a drive); empty
// otherwise (also before Windows Vista, which has no final path). Cheaper than a look-up
// in the folder: under Wine that opens and lists the folder.
static std::string NameOnDisk(HANDLE file, const std::string& path) {
    typedef DWORD(WINAPI * FinalPathFunction)(HANDLE, LPSTR, DWORD, DWORD);
    static FinalPathFunction finalPath =
        (FinalPathFunction)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA");
    char final[MAX_PATH * 2];
    DWORD length = finalPath ? finalPath(file, final, sizeof(final), 0) : 0; // \\?\C:\..., letters as on disk
    const size_t kPrefix = 4;
    if (length <= kPrefix || length >= sizeof(final) || length - kPrefix != path.size() ||
        memcmp(final, "\\\\?\\", kPrefix) != 0 || Upper(final + kPrefix) != Upper(path)) {
        return std::string();
    }
    const char* name = strrchr(final, '\\') + 1;
    return name;
}

void* OpenAircraftCfgIn(const std::string& folder, std::string* path) {
    std::string file = SimChildPath(folder, "aircraft.cfg");
    HANDLE opened = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return INVALID_HANDLE_VALUE;
    }
    std::string name = NameOnDisk(opened, file);
    if (name.empty()) {
        CloseHandle(opened);
        return INVALID_HANDLE_VALUE;
    }
    *path = SimChildPath(folder, name);
    return opened;
}

// Every `folder\*\aircraft.cfg`, one level down only, so that links that loop back cost
// nothing; the folder is listed once.
static void ListAircraftFiles(const std::string& folder, bool openFirst, std::vector<CheckTarget>* entries) {
    std::vector<std::string> names = SimSubfolders(folder);
    for (const std::string& name : names) {
        AddAircraftFolder(folder, name, openFirst, entries);
    }
}

static std::string FindSimulatorFolder(std::string folder) {
    while (!folder.empty()) {
        if (SimIsFolder(SimChildPath(folder, "Aircraft")) || SimIsFolder(SimChildPath(folder, "Modules"))) {
            return folder;
        }
        std::string up = Parent(folder);
        if (up == folder) {
            break;
        }
        folder = up;
    }
    return std::string();
}

bool FindCheckTargets(const std::string& path, const std::string& root, CheckTargets* targets,
                      std::string* error, bool openFirst) {
    targets->entries.clear();
    targets->simulatorFolder.clear();
    std::string full = CheckFullPath(path);
    std::string start;
    if (SimIsFile(full)) {
        targets->entries.push_back(CheckTarget{full, kTargetFile});
        start = Parent(full);
    } else if (SimIsFolder(full)) {
        start = full;
        std::string file = SimAircraftCfgInFolder(full);
        if (!file.empty()) {
            targets->entries.push_back(CheckTarget{file, kTargetFile});
        } else if (SimIsFolder(SimChildPath(full, "Aircraft"))) {
            ListAircraftFiles(SimChildPath(full, "Aircraft"), openFirst, &targets->entries);
        } else {
            ListAircraftFiles(full, openFirst, &targets->entries);
        }
    } else {
        *error = path;
        return false;
    }
    if (!root.empty()) {
        targets->simulatorFolder = CheckFullPath(root);
        if (!SimIsFolder(targets->simulatorFolder)) {
            *error = root;
            return false;
        }
    } else {
        targets->simulatorFolder = FindSimulatorFolder(start);
    }
    return true;
}
