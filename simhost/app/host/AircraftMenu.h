// The host's own aircraft selection: a top-level menu «Самолёт» beside the module's,
// listing every variation of the simulator folder's aircraft by title, the user
// aircraft ticked. Choosing one switches the user aircraft as the simulator does. Below
// them, the window's command that prepares the user aircraft, greyed while the user
// aircraft has no aircraft.cfg.
// Called on the user-interface thread.
#pragma once

#include <windows.h>

#include <string>

// Adds the menu to the window's menu bar (nothing without a catalogue), with command
// `prepareCommand` at its end; from then on it ticks whichever aircraft is the user's.
void AircraftMenuCreate(HWND window, UINT prepareCommand);
// Handles a WM_COMMAND of one of its items: true when it was one.
bool AircraftMenuCommand(WPARAM wParam);
// Ticks catalogue entry `index` (-1: none).
void AircraftMenuMark(int index);
// Switches to the aircraft of catalogue entry `index`, as the simulator's aircraft
// selection does, and logs the new user aircraft.
bool HostUseListedAircraft(int index, std::string* error);
