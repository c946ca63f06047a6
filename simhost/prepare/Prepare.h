// Preparing an aircraft for the drop: giving its aircraft.cfg the smoke.N lines (effect
// slots) the module borrows, without breaking anything. simhost --prepare runs it over
// every aircraft.cfg of a PATH; the host window offers it for the current aircraft.
//
// The file is never rewritten: the new file is the old one, byte for byte, with whole
// lines inserted at one place in the file's own line ending:
//   smoke.K=0.00, 0.00, 0.00, fx_KFWS_Idle
// after the last key line of [SMOKESYSTEM], or a new [SMOKESYSTEM] section at the end.
// The emitters show nothing of their own (the idle effect draws nothing); the module moves
// them to the exit points during a drop. Before the first change a copy of the file is
// kept beside it as aircraft.cfg.KFWS_Airdrop.bak, never overwritten; the new file is
// written to a temporary file in the same folder and moved over the old one, so a failure
// leaves the old file whole. Undo puts the copy back and removes it.
#pragma once

#include <string>
#include <vector>

#include "simhost/lib/AircraftCfg.h"

// The effect the added lines name, and the name of the kept copy beside aircraft.cfg.
extern const char kPrepareIdleEffect[];
extern const char kPrepareBackupName[];
// The most lines the module's placement uses: it borrows the first four effect slots.
const int kPrepareMostSlots = 4;

enum PrepareOutcome {
    kPrepareAdded,      // lines added; the copy kept
    kPrepareAlready,    // the file has the lines already; nothing changed
    kPrepareRestored,   // undo: the copy put back and removed
    kPrepareNoBackup,   // undo: no copy, nothing to put back
    kPrepareReadOnly,   // the file has the read-only attribute: untouched
    kPrepareInUse,      // another program holds the file open: untouched
    kPrepareBrokenLine, // a smoke.N line the drop needs is there but not three numbers: untouched
    kPrepareUnreadable, // the file cannot be read or is not an aircraft.cfg: untouched
    kPrepareFailed,     // the copy or the new file could not be written: the old file whole
};

struct PrepareResult {
    std::string path;          // the aircraft.cfg (ANSI, as the file system gives it)
    PrepareOutcome outcome = kPrepareFailed;
    int needed = 0;            // smoke.N lines the drop needs
    bool assumed = false;      // `needed` is the most because a variation has no configuration file
    int present = 0;           // consecutive smoke.N lines from 0 before
    std::vector<int> added;    // numbers of the lines added
    int brokenLine = -1;       // kPrepareBrokenLine: the N of the smoke.N line
    std::string detail;        // kPrepareUnreadable, kPrepareFailed: the reason (UTF-8)
};

// True for the outcomes that leave the file as the drop needs it (or undone as asked).
bool PrepareSucceeded(PrepareOutcome outcome);

// The smoke.N lines the drop needs for this aircraft: the most any variation's
// configuration file places by the module's placement table, or kPrepareMostSlots when a
// variation has no usable model name or no configuration file (`assumed` then true). The
// configuration files are found as the module finds them, from the current folder (the
// simulator folder).
int PrepareSlotsNeeded(const AircraftCfg& cfg, bool* assumed);

// The text of an aircraft.cfg with the lines inserted that make smoke.0 .. smoke.needed-1
// present: from the first number missing on, numbers present left out. `added` gets the
// numbers written (none: `text` is returned unchanged).
std::string PrepareText(const std::string& text, int needed, std::vector<int>* added);

// Prepares one aircraft.cfg: `slots` lines (1..4), or with 0 as many as PrepareSlotsNeeded
// says (the configuration files found from the current folder, as the module finds them).
PrepareResult PrepareAircraftCfg(const std::string& path, int slots);
// Puts the copy kept beside one aircraft.cfg back and removes it.
PrepareResult UndoPrepareAircraftCfg(const std::string& path);

// The path of the copy kept beside an aircraft.cfg.
std::string PrepareBackupPath(const std::string& cfgPath);
