// A scenario flies a scratch copy of the simulator folder it is given, so that a try-out
// leaves the folder as it was and runs the same the next time. The copy holds what a run
// reads: every Aircraft\<package>\aircraft.cfg, the effect files (Effects\*.fx) and the
// module's configuration files.
#pragma once

#include <string>

// Copies those files of `from` into a new folder `to`; false when something could not be
// copied.
bool ScratchCopySimulator(const std::string& from, const std::string& to);
// A fresh, empty folder "%TEMP%\simhost-<what>-<process id>".
std::string ScratchFolder(const std::string& what);
