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

// What one folder below an Aircraft folder is to the check.
static void AddAircraftFolder(const std::string& folder, const std::string& name, std::vector<CheckTarget>* entries) {
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
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(file.c_str(), &found); // finds the name in any letter case
    if (search == INVALID_HANDLE_VALUE) {
        DWORD why = GetLastError();
        if (why != ERROR_FILE_NOT_FOUND && why != ERROR_NO_MORE_FILES) {
            entries->push_back(CheckTarget{child, kTargetUnlisted});
        }
        return; // no aircraft.cfg: not an aircraft folder
    }
    FindClose(search);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        entries->push_back(CheckTarget{SimChildPath(child, found.cFileName), kTargetFile});
    }
}

// Every `folder\*\aircraft.cfg`, one level down only, so that links that loop back cost
// nothing; the folder is listed once.
static void ListAircraftFiles(const std::string& folder, std::vector<CheckTarget>* entries) {
    std::vector<std::string> names = SimSubfolders(folder);
    for (const std::string& name : names) {
        AddAircraftFolder(folder, name, entries);
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
                      std::string* error) {
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
            ListAircraftFiles(SimChildPath(full, "Aircraft"), &targets->entries);
        } else {
            ListAircraftFiles(full, &targets->entries);
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
