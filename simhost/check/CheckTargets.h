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
};

struct CheckTarget {
    std::string path; // the aircraft.cfg, or the aircraft folder for the other kinds
    CheckTargetKind kind;
};

struct CheckTargets {
    std::vector<CheckTarget> entries; // in folder-name order, without regard to case
    std::string simulatorFolder;      // full path without a trailing separator; empty when unknown
};

// False, with `error`, when PATH (or --root) names nothing that exists.
bool FindCheckTargets(const std::string& path, const std::string& root, CheckTargets* targets,
                      std::string* error);

// The folder's full path without a trailing separator.
std::string CheckFullPath(const std::string& path);
