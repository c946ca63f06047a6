// The simulator folder of a start without options, as a double click on simhost.exe
// gives: the simulator folder simhost lies in when it lies in the release's
// Modules\KestrelFieldWorks\Tools folder; else the folder chosen the last time
// (HKCU\Software\KestrelFieldWorks\simhost, value SimulatorFolder); else the example
// simulator folder beside simhost (`simulator`, as in the release zip's Tools folder) when
// it holds Aircraft; else one the person picks. The folder is remembered once the host has
// found aircraft in it.
#pragma once

#include <string>

// The simulator folder of a program folder laid out as the release's Tools folder
// ("<sim>\Modules\KestrelFieldWorks\Tools", any letter case); "" for any other folder.
std::string StartFolderOfLayout(const std::string& programFolder);
// The remembered folder, "" when none is remembered.
std::string StartFolderRemembered(void);
bool StartFolderRemember(const std::string& folder);
// A remembered folder that holds no aircraft is forgotten: the next start asks again.
void StartFolderForget(void);
// The folder for a start from `programFolder`: "" when the person cancelled the choice.
std::string StartFolderChoose(const std::string& programFolder);
