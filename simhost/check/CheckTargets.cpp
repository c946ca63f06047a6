// Finding the aircraft.cfg files and the simulator folder of a readiness check.
#include "simhost/check/CheckTargets.h"

#include <windows.h>

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

// Every `folder\*\aircraft.cfg`, one level down only, so that links that loop back cost
// nothing; folders that cannot be listed are passed over.
static void ListAircraftFiles(const std::string& folder, std::vector<std::string>* files) {
    for (const std::string& name : SimSubfolders(folder)) {
        std::string file = SimAircraftCfgInFolder(SimChildPath(folder, name));
        if (!file.empty()) {
            files->push_back(file);
        }
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
    targets->files.clear();
    targets->simulatorFolder.clear();
    std::string full = CheckFullPath(path);
    std::string start;
    if (SimIsFile(full)) {
        targets->files.push_back(full);
        start = Parent(full);
    } else if (SimIsFolder(full)) {
        start = full;
        std::string file = SimAircraftCfgInFolder(full);
        if (!file.empty()) {
            targets->files.push_back(file);
        } else if (SimIsFolder(SimChildPath(full, "Aircraft"))) {
            ListAircraftFiles(SimChildPath(full, "Aircraft"), &targets->files);
        } else {
            ListAircraftFiles(full, &targets->files);
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
