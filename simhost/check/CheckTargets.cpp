// Finding the aircraft.cfg files and the simulator folder of a readiness check.
#include "simhost/check/CheckTargets.h"

#include <windows.h>

#include <string.h>

#include <algorithm>

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

bool CheckIsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CheckIsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static std::string Parent(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash <= 2 ? path.substr(0, slash + 1) : path.substr(0, slash);
}

static std::string Child(const std::string& folder, const char* name) {
    bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return folder + (separated ? "" : "\\") + name;
}

// The path with its last part as the folder writes it ("Aircraft.CFG"), since the names
// are found in any case.
static std::string AsWritten(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return path;
    }
    FindClose(search);
    return path.substr(0, path.find_last_of("\\/") + 1) + found.cFileName;
}

// Every `folder\*\aircraft.cfg`, one level down only, so that links that loop back cost
// nothing; folders that cannot be listed are passed over.
static void ListAircraftFiles(const std::string& folder, std::vector<std::string>* files) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Child(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && strcmp(found.cFileName, ".") != 0 &&
            strcmp(found.cFileName, "..") != 0) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string file = Child(Child(folder, name.c_str()), "aircraft.cfg");
        if (CheckIsFile(file)) {
            files->push_back(AsWritten(file));
        }
    }
}

static std::string FindSimulatorFolder(std::string folder) {
    while (!folder.empty()) {
        if (CheckIsFolder(Child(folder, "Aircraft")) || CheckIsFolder(Child(folder, "Modules"))) {
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
    targets->files.clear();
    targets->simulatorFolder.clear();
    std::string full = CheckFullPath(path);
    std::string start;
    if (CheckIsFile(full)) {
        targets->files.push_back(full);
        start = Parent(full);
    } else if (CheckIsFolder(full)) {
        start = full;
        if (CheckIsFile(Child(full, "aircraft.cfg"))) {
            targets->files.push_back(AsWritten(Child(full, "aircraft.cfg")));
        } else if (CheckIsFolder(Child(full, "Aircraft"))) {
            ListAircraftFiles(Child(full, "Aircraft"), &targets->files);
        } else {
            ListAircraftFiles(full, &targets->files);
        }
    } else {
        *error = path;
        return false;
    }
    if (!root.empty()) {
        targets->simulatorFolder = CheckFullPath(root);
        if (!CheckIsFolder(targets->simulatorFolder)) {
            *error = root;
            return false;
        }
    } else {
        targets->simulatorFolder = FindSimulatorFolder(start);
    }
    return true;
}
