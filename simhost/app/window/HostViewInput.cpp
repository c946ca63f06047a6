// What the host window does with a person's input.
#include "simhost/app/window/HostViewInput.h"

#include <math.h>

#include <algorithm>

#include "simhost/app/window/HostWindowState.h"
#include "simhost/app/window/PrepareOffer.h"
#include "simhost/app/window/ViewLayout.h"
#include "simhost/app/window/ViewPaint.h"
#include "simhost/lib/SimText.h"
#include "ui/MainMenu.h"

namespace {

const int kGrabRadius = 9; // pixels around an exit point's mark that grab it

const ViewMapping* ViewUnder(POINT at, bool* plan) {
    HostWindowState& s = HostWindow();
    if (!s.mapped) {
        return nullptr;
    }
    *plan = PtInRect(&s.plan.box, at) != 0;
    if (*plan) {
        return &s.plan;
    }
    return PtInRect(&s.side.box, at) ? &s.side : nullptr;
}

// The exit point whose mark is under the pixel (the nearest), or -1.
int ExitUnder(POINT at, const ViewMapping& map) {
    std::vector<ExitPoint> exits = ExitEditPoints(HostWindow().edit);
    int best = -1;
    long bestDistance = kGrabRadius * kGrabRadius + 1;
    for (size_t i = 0; i < exits.size(); i++) {
        POINT mark = ViewPoint(map, exits[i].x, exits[i].y, exits[i].z);
        long dx = mark.x - at.x, dy = mark.y - at.y;
        long distance = dx * dx + dy * dy;
        // Of points on one spot, one that gets an effect, then the point before its mirror.
        bool usedOnSameSpot = best >= 0 && distance == bestDistance && exits[i].used && !exits[(size_t)best].used;
        if (distance < bestDistance || usedOnSameSpot) {
            best = (int)i;
            bestDistance = distance;
        }
    }
    return best;
}

void Refresh(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

void Save(HWND window) {
    HostWindowState& s = HostWindow();
    if (!ExitEditDirty(s.edit)) {
        return;
    }
    bool saved = ExitEditSave(&s.edit);
    // The model's name is in the path as the module has it, in Windows-1251.
    s.status = ViewSay(saved ? kTextViewSaved : kTextViewSaveFailed, {SimCp1251ToWide(s.edit.path)});
    s.statusFailed = !saved;
    s.checkDue = true;
    Refresh(window);
}

void Cancel(HWND window) {
    HostWindowState& s = HostWindow();
    ExitEditCancel(&s.edit);
    s.status.clear();
    Refresh(window);
}

void Drag(POINT at) {
    HostWindowState& s = HostWindow();
    const ViewMapping& map = s.dragPlan ? s.plan : s.side;
    double z0, across0, z1, across1;
    ViewPosition(map, s.dragStart, &z0, &across0);
    ViewPosition(map, at, &z1, &across1);
    ExitPoint to = s.dragOrigin;
    to.z += z1 - z0;
    (s.dragPlan ? to.x : to.y) += across1 - across0;
    ExitEditMoveTo(&s.edit, s.dragging, to.x, to.y, to.z);
    s.status.clear();
}

// Whole feet inside the outline, nearest to `value`.
double Inside(double value, double low, double high) {
    return std::min(std::max(value, ceil(low)), floor(high));
}

void OfferFix(HWND window, int finding) {
    HostWindowState& s = HostWindow();
    if ((size_t)finding >= s.check.check.findings.size()) {
        return;
    }
    CheckFixKind fix = s.check.check.findings[(size_t)finding].fix;
    if (fix == kFixPrepare) {
        // The host's own command, which asks naming the file and the copy.
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(kHostCmdPrepare, 0), 0);
        return;
    }
    SimTextId question = fix == kFixOpenConfigurator ? kTextViewFixConfigurator : kTextViewFixInside;
    if (fix == kFixNone ||
        MessageBoxW(window, ViewSay(question).c_str(), ViewSay(kTextViewFixCaption).c_str(),
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    if (fix == kFixOpenConfigurator) {
        // The module's own menu command, as if chosen from its menu.
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(kConfiguratorCommand, 0), 0);
        return;
    }
    const CfgOutline& o = s.outline;
    if (!o.known) {
        return;
    }
    std::vector<ExitPoint> exits = ExitEditPoints(s.edit);
    if (exits.size() < 4) {
        return;
    }
    for (int which : {0, 2}) {
        const ExitPoint& e = exits[(size_t)which];
        if (CfgPointOutside(o, e.x, e.y, e.z)) {
            ExitEditMoveTo(&s.edit, which, Inside(e.x, o.minLat, o.maxLat), Inside(e.y, o.minVert, o.maxVert),
                           Inside(e.z, o.minLon, o.maxLon));
        }
    }
    Refresh(window);
}

bool OnMouse(HWND window, UINT message, POINT at) {
    HostWindowState& s = HostWindow();
    bool plan = false;
    const ViewMapping* map = ViewUnder(at, &plan);
    if (message == WM_MOUSEMOVE) {
        bool wasIn = s.cursorIn;
        s.cursorIn = map != nullptr;
        if (map) {
            s.cursorPlan = plan;
            ViewPosition(*map, at, &s.cursorZ, &s.cursorAcross);
        }
        if (s.dragging >= 0) {
            Drag(at);
        }
        if (map || wasIn || s.dragging >= 0) {
            Refresh(window);
        }
        return s.dragging >= 0;
    }
    if (message == WM_LBUTTONDOWN) {
        SetFocus(window); // Ctrl+S comes to the window
        int exit = map ? ExitUnder(at, *map) : -1;
        if (exit >= 0 && ExitEditCanSave(s.edit)) {
            s.dragging = exit;
            s.dragPlan = plan;
            s.dragStart = at;
            s.fitExits = ExitEditPoints(s.edit);
            s.dragOrigin = s.fitExits[(size_t)exit];
            SetCapture(window);
            return true;
        }
        int finding = PtInRect(&s.layout.check, at) ? CheckPanelHit(s.check, at) : -1;
        if (finding >= 0) {
            OfferFix(window, finding);
            return true;
        }
        return false;
    }
    // WM_LBUTTONUP
    if (s.dragging >= 0) {
        Drag(at);
        s.dragging = -1;
        ReleaseCapture();
        Refresh(window);
        return true;
    }
    return false;
}

bool OnSetCursor(HWND window) {
    HostWindowState& s = HostWindow();
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(window, &at);
    bool plan = false;
    const ViewMapping* map = ViewUnder(at, &plan);
    LPCSTR shape = nullptr;
    if (s.dragging >= 0 || (map && ExitUnder(at, *map) >= 0 && ExitEditCanSave(s.edit))) {
        shape = IDC_SIZEALL;
    } else if (map) {
        shape = IDC_CROSS;
    } else if (PtInRect(&s.layout.check, at)) {
        int finding = CheckPanelHit(s.check, at);
        bool fixable = finding >= 0 && (size_t)finding < s.check.check.findings.size() &&
                       s.check.check.findings[(size_t)finding].fix != kFixNone;
        shape = fixable ? IDC_HAND : nullptr;
    }
    if (!shape) {
        return false;
    }
    SetCursor(LoadCursorA(nullptr, shape));
    return true;
}

} // namespace

bool HostViewMayLeave(HWND window) {
    HostWindowState& s = HostWindow();
    if (!ExitEditDirty(s.edit)) {
        return true;
    }
    int answer = MessageBoxW(window, ViewSay(kTextViewAskLeave).c_str(), ViewSay(kTextViewAskCaption).c_str(),
                             MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) {
        Save(window);
        return !ExitEditDirty(s.edit);
    }
    if (answer == IDNO) {
        Cancel(window);
        return true;
    }
    return false;
}

bool HostViewMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HostWindowState& s = HostWindow();
    *result = 0;
    switch (message) {
    case WM_GETMINMAXINFO: {
        RECT frame = {0, 0, kViewMinClientWidth, kViewMinClientHeight};
        AdjustWindowRectEx(&frame, (DWORD)GetWindowLongPtrW(window, GWL_STYLE), GetMenu(window) != nullptr,
                           (DWORD)GetWindowLongPtrW(window, GWL_EXSTYLE));
        MINMAXINFO* limits = (MINMAXINFO*)lParam;
        limits->ptMinTrackSize.x = frame.right - frame.left;
        limits->ptMinTrackSize.y = frame.bottom - frame.top;
        return true;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        return OnMouse(window, message, at);
    }
    case WM_CAPTURECHANGED:
        if (s.dragging >= 0 && (HWND)lParam != window) {
            s.dragging = -1;
            Refresh(window);
        }
        return false;
    case WM_SETCURSOR:
        if ((HWND)wParam == window && LOWORD(lParam) == HTCLIENT && OnSetCursor(window)) {
            *result = TRUE;
            return true;
        }
        return false;
    case WM_KEYDOWN:
        if (wParam == 'S' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0) {
            Save(window);
            return true;
        }
        return false;
    case WM_COMMAND:
        if (LOWORD(wParam) == kHostViewSaveId || LOWORD(wParam) == kHostViewCancelId) {
            LOWORD(wParam) == kHostViewSaveId ? Save(window) : Cancel(window);
            SetFocus(window);
            return true;
        }
        if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
            SetFocus(window); // the host's check boxes keep no focus: Ctrl+S stays the window's
            return false;
        }
        // A command of the host's own menus (leaving, another aircraft) asks first; the
        // module's menu command opens its dialog and leaves nothing.
        if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) != kConfiguratorCommand && !HostViewMayLeave(window)) {
            return true;
        }
        return false;
    case WM_CLOSE:
        return !HostViewMayLeave(window);
    default:
        return false;
    }
}

bool HostViewExitAt(int which, bool plan, POINT* pixel, double* pixelsPerFoot) {
    HostWindowState& s = HostWindow();
    std::vector<ExitPoint> exits = ExitEditPoints(s.edit);
    if (!s.mapped || which < 0 || (size_t)which >= exits.size()) {
        return false;
    }
    const ViewMapping& map = plan ? s.plan : s.side;
    *pixel = ViewPoint(map, exits[(size_t)which].x, exits[(size_t)which].y, exits[(size_t)which].z);
    *pixelsPerFoot = map.scale;
    return true;
}

bool HostViewUnsaved(void) {
    return ExitEditDirty(HostWindow().edit);
}
