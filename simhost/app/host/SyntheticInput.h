// Real input to the host, as a person would give it: mouse clicks on the dialog's
// controls or a message box's OK button, typing into a dialog field, key chords to the
// host window. Each waits until the host thread has taken the input in and handled what
// it caused. Called on the scenario thread; false with a reason when the input could
// not be given or did not arrive.
#pragma once

#include <string>

#include "simhost/lib/SimScript.h"

// Waits until the host thread has handled everything posted to it so far.
void InputSettle(void);
// Clicks a control of the open configuration dialog, or (with `inMessageBox`) the OK
// button of the open message box.
bool InputClick(const std::string& control, bool inMessageBox, std::string* why);
// Clicks a dialog field, selects its text and types `text` (UTF-8) over it.
bool InputType(const std::string& control, const std::string& text, std::string* why);
// Presses a chord at the host window, the key auto-repeating `repeats` times.
bool InputPressChord(const SimChord& chord, int repeats, std::string* why);
