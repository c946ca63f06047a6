// What the host sees happen, as transcript lines: every on-screen message, effect event
// and station weight change the module makes (and, verbose, every host call), the effect
// slots when they change, the menu bar when it changes, dialogs and message boxes opening
// and closing. Also whether the effect emitters run, for the window's drawing.
// Called on the user-interface thread.
#pragma once

#include <stddef.h>

#include <string>
#include <vector>

void HostObserverSetUp(bool verbose, bool interactive);
// Takes the current aircraft's effect slots as seen, without logging them (after the
// host itself changed the aircraft).
void HostObserverTakeSlots(void);
// Looks at the host's record of calls, the effect slots, the dialog, message boxes and
// the menu bar, and logs what changed.
void HostObserve(void);
// Adds a line to the log (with the time since the step began, once it is half a second).
void HostLog(const std::string& line);
// Takes the log lines gathered since the last call.
std::vector<std::string> HostTakeObservations(void);
// Marks the start of a step: times in the log count from here.
void HostBeginStep(void);
size_t HostStepFirstCall(void);
// The effect emitters run, or ran a moment ago.
bool HostEffectsLit(void);

