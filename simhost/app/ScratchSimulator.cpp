// The scratch copy of a simulator folder for a scenario.
#include "simhost/app/ScratchSimulator.h"

#include <windows.h>

#include "simhost/lib/SimFiles.h"

namespace {

// Copies the files of `from` matching `pattern` into `to` (made when needed); with
// `onlyName` only the file of that name, in any letter case.
bool CopyFiles(const std::string& from, const std::string& to, const char* pattern, const char* onlyName) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(SimChildPath(from, pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return true;
    }
    bool ok = true;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (onlyName && lstrcmpiA(found.cFileName, onlyName) != 0)) {
            continue;
        }
        CreateDirectoryA(to.c_str(), nullptr);
        ok = CopyFileA(SimChildPath(from, found.cFileName).c_str(), SimChildPath(to, found.cFileName).c_str(), FALSE) && ok;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}

} // namespace

bool ScratchCopySimulator(const std::string& from, const std::string& to) {
    if (!CreateDirectoryA(to.c_str(), nullptr)) {
        return false;
    }
    bool ok = true;
    std::string aircraft = SimChildPath(from, "Aircraft");
    std::string aircraftCopy = SimChildPath(to, "Aircraft");
    CreateDirectoryA(aircraftCopy.c_str(), nullptr);
    for (const std::string& package : SimSubfolders(aircraft)) {
        ok = CopyFiles(SimChildPath(aircraft, package), SimChildPath(aircraftCopy, package), "*", "aircraft.cfg") && ok;
    }
    ok = CopyFiles(SimChildPath(from, "Effects"), SimChildPath(to, "Effects"), "*.fx", nullptr) && ok;
    const char* const kModuleFolders[] = {"Modules", "Modules\\KestrelFieldWorks", "Modules\\KestrelFieldWorks\\KFWS_Airdrop"};
    if (SimIsFolder(SimChildPath(from, kModuleFolders[2]))) {
        for (const char* folder : kModuleFolders) {
            CreateDirectoryA(SimChildPath(to, folder).c_str(), nullptr);
        }
        ok = CopyFiles(SimChildPath(from, kModuleFolders[2]), SimChildPath(to, kModuleFolders[2]), "*.cfg", nullptr) && ok;
    }
    return ok;
}

std::string ScratchFolder(const std::string& what) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string folder = std::string(temp) + "simhost-" + what + "-" + std::to_string(GetCurrentProcessId());
    SimRemoveTree(folder);
    return folder;
}
