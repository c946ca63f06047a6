// The stand-in host's main window as a person sees it: the last on-screen message and
// the readiness check side by side, the aircraft and its flags (two check boxes of the
// host's own), its payload stations and effect files, the exit-point bar (Save, Cancel,
// the cursor read-out) and the plan and side views, where the exit points are dragged
// (HostViewInput.h). Resizable: the panels follow the window's size (ViewLayout.h).
#pragma once

#include <windows.h>

#include "simhost/app/window/HostViewInput.h"
#include "simhost/app/window/HostViewModel.h"

const int kHostViewOnGroundId = 201;
const int kHostViewParkingBrakeId = 202;
// The window's size when it opens, made smaller to fit the screen's work area.
const int kHostViewWidth = 1180;
const int kHostViewHeight = 980;

// Creates the host's own controls and fits the window to the screen.
void HostViewCreateControls(HWND window);
void HostViewLayout(HWND window);
void HostViewSetFlags(HWND window, bool onGround, bool parkingBrake);
void HostViewInvalidate(HWND window);
// Colours of the host's own check boxes (WM_CTLCOLORSTATIC / WM_CTLCOLORBTN).
HBRUSH HostViewControlColours(HDC dc);
void HostViewPaint(HWND window, const HostViewModel& model);
