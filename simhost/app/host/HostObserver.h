// What the host sees happen, logged as transcript lines (HostLog.h): every on-screen
// message, effect event and station weight change the module makes (and, verbose, every
// host call), the effect slots when they change, the menu bar when it changes, dialogs
// and message boxes opening and closing. Also whether the effect emitters run, for the
// window's drawing. Called on the user-interface thread.
#pragma once

#include <stddef.h>

// Also takes the slots of each new user aircraft as seen (HostAircraft.h).
void HostObserverSetUp(bool verbose, bool interactive);
// Takes the current aircraft's effect slots as seen, without logging them (after the
// host itself changed the aircraft).
void HostObserverTakeSlots(void);
// Looks at the host's record of calls, the effect slots, the dialog, message boxes and
// the menu bar, logs what changed and has the window drawn again when it shows it.
void HostObserve(void);
// Marks the start of a step: what happened up to now is logged, and times count from here.
void HostBeginStep(void);
size_t HostStepFirstCall(void);
// The effect emitters run, or ran a moment ago.
bool HostEffectsLit(void);
