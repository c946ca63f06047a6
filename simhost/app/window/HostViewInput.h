// What the host window does with a person's input: exit points dragged with the mouse in
// the plan view (x and z) and the side view (y and z), snapping to whole feet, with a
// read-out of the cursor's position; Save (the button or Ctrl+S) and Cancel; a question
// before leaving with unsaved moves (closing the window, a host menu command other than
// the module's own); a click on a readiness-check finding that has a fix offers it.
// Called on the user-interface thread.
#pragma once

#include <windows.h>

const int kHostViewSaveId = 203;
const int kHostViewCancelId = 204;

// Handles a message of the host window; true (with the result) when it was handled,
// false when the host's own procedure goes on with it.
bool HostViewMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// Before the window or its aircraft is left: true when there are no unsaved moves or the
// person saved or dropped them, false when they chose to stay.
bool HostViewMayLeave(HWND window);

// For tests: the client pixel of exit point `which` (0 S, 1 S', 2 R, 3 R') in the plan or
// side view as last drawn, and the view's pixels per foot; false before the first paint.
bool HostViewExitAt(int which, bool plan, POINT* pixel, double* pixelsPerFoot);
bool HostViewUnsaved(void);
