// The host window: its procedure behind the module's and its dressing.
#include "simhost/app/HostWindow.h"

#include "simhost/SimHost.h"
#include "simhost/app/window/HostView.h"
#include "simhost/app/window/PrepareOffer.h"
#include "simhost/app/window/ViewPaint.h"
#include "simhost/app/host/AircraftMenu.h"
#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostLog.h"
#include "simhost/app/host/HostObserver.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"

namespace {

const WPARAM kCmdExit = 40001; // "Выход" in the host's own menu

// Adds the smoke.N lines the drop needs to the user aircraft's aircraft.cfg, when the person
// agrees, and reads the aircraft again so that its new effect slots are there.
void PrepareUserAircraft(HWND window) {
    if (!HostHasAircraft() || !HostAircraftFile().spec.cfg || HostAircraftFile().cfgPath.empty()) {
        return;
    }
    std::string path = HostAircraftFile().cfgPath;
    int fltsim = HostAircraftFile().fltsim;
    std::string error;
    if (PrepareOffer(window, path) && !HostUseAircraft(path, fltsim, &error)) {
        HostLog("cannot read the aircraft again: " + error);
    }
}

WNDPROC& HostProc() {
    static WNDPROC proc = nullptr;
    return proc;
}

// The host's own window procedure, behind the module's: it draws the host's screen and
// takes the person's changes to the aircraft's flags, then hands on to the stand-in's.
LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = 0;
    if (HostViewMessage(window, message, wParam, lParam, &handled)) {
        return handled;
    }
    switch (message) {
    case WM_PAINT: {
        HostViewModel model;
        model.file = HostHasAircraft() ? &HostAircraftFile() : nullptr;
        model.aircraft = HostCurrentAircraft();
        model.screenText = SimScreenText();
        model.lit = HostEffectsLit();
        model.centreOfGravity = SimCentreOfGravity();
        model.simulatorFolder = HostSimulatorFolder();
        HostViewPaint(window, model);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return (LRESULT)HostViewControlColours((HDC)wParam);
    case WM_SIZE:
        HostViewLayout(window);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == kHostViewOnGroundId && HIWORD(wParam) == BN_CLICKED) {
            HostSetOnGround(SendMessageA((HWND)lParam, BM_GETCHECK, 0, 0) == BST_CHECKED);
            return 0;
        }
        if (LOWORD(wParam) == kHostViewParkingBrakeId && HIWORD(wParam) == BN_CLICKED) {
            HostSetParkingBrake(SendMessageA((HWND)lParam, BM_GETCHECK, 0, 0) == BST_CHECKED);
            return 0;
        }
        if (AircraftMenuCommand(wParam)) {
            return 0;
        }
        if (wParam == kHostCmdPrepare) {
            PrepareUserAircraft(window);
            return 0;
        }
        if (wParam == kCmdExit) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(HostExitCode());
        break;
    default:
        break;
    }
    return CallWindowProcA(HostProc(), window, message, wParam, lParam);
}

HWND& Main() {
    static HWND main = nullptr;
    return main;
}

// The flags' check boxes follow the aircraft; the views show it as it is now.
void FollowAircraft(HostAircraftChange change) {
    if (change != kAircraftCentreMoved) {
        HostViewSetFlags(Main(), HostAircraftFile().spec.onGround, HostAircraftFile().spec.parkingBrake);
    }
    HostViewInvalidate(Main());
}

// The host's own menus in the program's language; «Вид» with its one item that does
// nothing goes.
void SpeakMenus(HWND main) {
    HMENU bar = GetMenu(main);
    ModifyMenuW(bar, 0, MF_BYPOSITION | MF_POPUP, (UINT_PTR)GetSubMenu(bar, 0), SimWideFromUtf8(SimText(kTextMenuFlight)).c_str());
    ModifyMenuW(GetSubMenu(bar, 0), kCmdExit, MF_BYCOMMAND | MF_STRING, kCmdExit, SimWideFromUtf8(SimText(kTextMenuExit)).c_str());
    DeleteMenu(bar, 1, MF_BYPOSITION);
}

} // namespace

void HostWindowDress(HWND main) {
    SpeakMenus(main);
    Main() = main;
    HostProc() = (WNDPROC)SetWindowLongPtrA(main, GWLP_WNDPROC, (LONG_PTR)HostWindowProc);
    SetWindowPos(main, nullptr, 0, 0, kHostViewWidth, kHostViewHeight, SWP_NOMOVE | SWP_NOZORDER);
    AircraftMenuCreate(main, kHostCmdPrepare);
    AircraftMenuMark(AircraftSourceIndexOf(HostAircraftFile().cfgPath, HostAircraftFile().fltsim));
    HostViewCreateControls(main);
    HostViewSetFlags(main, HostAircraftFile().spec.onGround, HostAircraftFile().spec.parkingBrake);
    HostAircraftListen(FollowAircraft);
    SetWindowTextW(main, SimWideFromUtf8(SimText(kTextWindowTitle)).c_str());
}
