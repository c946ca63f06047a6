// What the stand-in host draws in its main window: the last on-screen message, the
// aircraft and its flags (two check boxes of the host's own), the payload stations, and
// the aircraft's views (AircraftViews.h).
#pragma once

#include <windows.h>

#include <string>

#include <vector>

#include "simhost/SimHost.h"
#include "simhost/app/ExitPoints.h"
#include "simhost/lib/SimAircraftFile.h"

const int kHostViewOnGroundId = 201;
const int kHostViewParkingBrakeId = 202;
// The host window's size (the views need the room).
const int kHostViewWidth = 1180;
const int kHostViewHeight = 980;

struct HostViewModel {
    const SimAircraftFile* file;
    SimAircraft* aircraft;
    std::string screenText;       // Windows-1251
    bool lit;                     // the effect emitters run (or ran a moment ago)
    double centreOfGravity;       // what the host answers now, fraction of the MAC
    std::vector<ExitPoint> exits; // of the configuration file, none without one
    std::string simulatorFolder;  // where the effect files are looked up; "" unknown
};

void HostViewCreateControls(HWND window);
void HostViewLayout(HWND window);
void HostViewSetFlags(HWND window, bool onGround, bool parkingBrake);
void HostViewInvalidate(HWND window);
// Colours of the host's own check boxes (WM_CTLCOLORSTATIC / WM_CTLCOLORBTN).
HBRUSH HostViewControlColours(HDC dc);
void HostViewPaint(HWND window, const HostViewModel& model);
