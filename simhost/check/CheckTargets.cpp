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

// The name on disk of the file `path` names, which is open: under Wine from the Unix path
// Wine resolves `path` to, as it resolves it to open the file and to list the folder (no
// call to its server); elsewhere from the open file's final path (which Windows gives in
// the letter case on disk), when that path is `path` itself but for letter case (no link
// or short name on the way). Empty when neither tells (the folder is then looked into):
// before Windows Vista, or when the name is not aircraft.cfg in some letter case.
static std::string NameOnDisk(HANDLE file, const std::string& path) {
    typedef char*(CDECL * UnixNameFunction)(LPCWSTR);
    typedef DWORD(WINAPI * FinalPathFunction)(HANDLE, LPSTR, DWORD, DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    static UnixNameFunction unixName = (UnixNameFunction)(void*)GetProcAddress(kernel, "wine_get_unix_file_name");
    static FinalPathFunction finalPath = (FinalPathFunction)(void*)GetProcAddress(kernel, "GetFinalPathNameByHandleA");
    std::string name;
    if (unixName) {
        WCHAR wide[MAX_PATH];
        char* resolved = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) > 0 ? unixName(wide) : nullptr;
        if (resolved) {
            name = strrchr(resolved, '/') ? strrchr(resolved, '/') + 1 : "";
            HeapFree(GetProcessHeap(), 0, resolved);
        }
    } else {
        char final[MAX_PATH * 4];
        DWORD length = finalPath ? finalPath(file, final, sizeof(final), 0) : 0; // \\?\C:\...
        const size_t kPrefix = 4;
        if (length > kPrefix && length < sizeof(final) && memcmp(final, "\\\\?\\", kPrefix) == 0 &&
            length - kPrefix == path.size() && Upper(final + kPrefix) == Upper(path)) {
            name = strrchr(final, '\\') + 1;
        }
    }
    return _stricmp(name.c_str(), "aircraft.cfg") == 0 ? name : std::string();
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
