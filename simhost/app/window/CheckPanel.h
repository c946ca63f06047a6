// The readiness check in the window: the findings for the current aircraft and livery,
// run again whenever the aircraft, its livery or its configuration file has changed (a
// save here or in the dialog, another aircraft) and drawn as a list in which the
// findings with a fix are marked, to be clicked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/app/window/CheckAdapter.h"
#include "simhost/app/window/HostViewModel.h"

struct CheckPanel {
    std::string key;         // what the findings were made for
    bool applies = false;    // the aircraft has an aircraft.cfg to check
    int fltsim = -1;         // its livery
    WindowCheck check;
    std::vector<RECT> rows;  // where each finding was drawn last (empty box: not shown)
};

// Runs the check again when what it depends on has changed, or when `force`.
void CheckPanelFollow(CheckPanel* panel, const HostViewModel& model, const std::string& configPath, bool force);
void CheckPanelDraw(HDC dc, const RECT& box, CheckPanel* panel);
// The finding under a pixel, or -1.
int CheckPanelHit(const CheckPanel& panel, POINT at);
