// Which KFWS_Airdrop.dll simhost loads when no --dll is given. simhost ships without a
// copy of its own and uses the module that lies where it was started from.
#pragma once

#include <string>

// The module for simhost.exe in `programFolder`, the first that exists of:
//   <sim>\Modules\KFWS_Airdrop.dll when the folder is <sim>\Modules\KestrelFieldWorks\Tools
//     (simhost installed into a simulator folder);
//   <folder>\..\Modules\KFWS_Airdrop.dll (the release zip unpacked: Tools\ beside Modules\);
//   <folder>\KFWS_Airdrop.dll (the build folder).
// When none exists: the simulator's module in the installed layout, else the one beside
// simhost, so that the error names the module that the layout calls for.
std::string ModuleFileFor(const std::string& programFolder);
