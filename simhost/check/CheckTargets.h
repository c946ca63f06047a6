// Which aircraft.cfg files a readiness check reads, which aircraft folders it cannot read,
// and which folder is the simulator's.
//
// PATH may be an aircraft.cfg, an aircraft folder (it holds aircraft.cfg), a simulator
// folder (it holds Aircraft\: then every Aircraft\*\aircraft.cfg) or an Aircraft folder
// (any other folder: every *\aircraft.cfg one level below it). The simulator folder is
// --root when given; otherwise the first folder, from the one PATH names (or holds the
// file) upwards, that has an Aircraft or a Modules subfolder; otherwise unknown.
#pragma once

#include <string>
#include <vector>

enum CheckTargetKind {
    kTargetFile,        // an aircraft.cfg to read
    kTargetPathTooLong, // an aircraft folder whose aircraft.cfg path passes 259 characters
    kTargetDotName,     // an aircraft folder whose name ends in a dot or a blank
    kTargetUnlisted,    // an aircraft folder that cannot be listed
    kTargetOpenFirst,   // a folder below an Aircraft folder, its aircraft.cfg opened by name
                        // before it is looked for (CheckTargetInFolder)
};

struct CheckTarget {
    std::string path; // the aircraft.cfg, or the aircraft folder for the other kinds
    CheckTargetKind kind;
};

struct CheckTargets {
    std::vector<CheckTarget> entries; // in folder-name order, without regard to case
    std::string simulatorFolder;      // full path without a trailing separator; empty when unknown
};

// False, with `error`, when PATH (or --root) names nothing that exists. With `openFirst`
// the folders below an Aircraft folder are given as kTargetOpenFirst, not looked into.
bool FindCheckTargets(const std::string& path, const std::string& root, CheckTargets* targets,
                      std::string* error, bool openFirst = false);

// What a kTargetOpenFirst folder is, looked into as FindCheckTargets looks without
// `openFirst`: false when it is no aircraft folder (it holds no file aircraft.cfg).
bool CheckTargetInFolder(const CheckTarget& folder, CheckTarget* target);

// The aircraft.cfg of a kTargetOpenFirst folder opened for reading by that name, when the
// name it has on disk, in its own letter case, can be learnt from the open file; `*path`
// is then that file. Otherwise nothing stays open (INVALID_HANDLE_VALUE), and the folder
// is to be looked into with CheckTargetInFolder.
void* OpenAircraftCfgIn(const std::string& folder, std::string* path);

// The folder's full path without a trailing separator.
std::string CheckFullPath(const std::string& path);
