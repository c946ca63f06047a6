// What the host window keeps between its messages: where its panels and views were laid
// out and drawn, the exit points being edited and dragged, the cursor read-out and the
// readiness check's findings. One host window per process. Internal to the window's files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/app/window/CheckPanel.h"
#include "simhost/app/window/ExitEdit.h"
#include "simhost/app/window/ViewLayout.h"
#include "simhost/app/window/ViewMarks.h"
#include "simhost/lib/AircraftCfg.h"

struct HostWindowState {
    HWND window = nullptr;
    HWND tooltip = nullptr;
    ViewLayout layout = {};
    ViewMapping plan = {}, side = {};
    bool mapped = false;       // the views have been drawn at least once
    CfgOutline outline = {};   // of the aircraft drawn last (known only for an aircraft.cfg)
    ExitEdit edit;
    CheckPanel check;
    bool checkDue = false;     // run the check again at the next paint
    // A drag of an exit point: which one, in which view, from where.
    int dragging = -1;
    bool dragPlan = false;
    POINT dragStart = {};
    ExitPoint dragOrigin = {};
    std::vector<ExitPoint> fitExits;
    // The cursor over a view, in aircraft feet.
    bool cursorIn = false;
    bool cursorPlan = false;
    double cursorZ = 0, cursorAcross = 0;
    std::wstring status;       // what the last save did
    bool statusFailed = false;
};

HostWindowState& HostWindow(void);
