#include "simhost/app/ModuleFile.h"

#include "simhost/app/StartFolder.h"
#include "simhost/lib/SimFiles.h"

namespace {

const char kModule[] = "KFWS_Airdrop.dll";
const char kModulesModule[] = "Modules\\KFWS_Airdrop.dll";

} // namespace

std::string ModuleFileFor(const std::string& programFolder) {
    std::string folder = programFolder;
    for (char& c : folder) {
        c = c == '/' ? '\\' : c;
    }
    while (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    std::string beside = SimChildPath(folder, kModule);
    std::string simulator = StartFolderOfLayout(folder);
    std::string installed = simulator.empty() ? std::string() : SimChildPath(simulator, kModulesModule);
    size_t slash = folder.find_last_of('\\');
    std::string unpacked;
    if (slash != std::string::npos) {
        unpacked = SimChildPath(folder.substr(0, slash), kModulesModule);
    }
    for (const std::string& candidate : {installed, unpacked, beside}) {
        if (!candidate.empty() && SimIsFile(candidate)) {
            return candidate;
        }
    }
    return installed.empty() ? beside : installed;
}
