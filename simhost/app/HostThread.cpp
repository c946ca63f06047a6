// The host's user-interface thread: window, module loading, message loop, cross-thread calls.
#include "simhost/app/HostThread.h"

#include "simhost/SimHost.h"
#include "simhost/app/AircraftMenu.h"
#include "simhost/app/AircraftSource.h"
#include "simhost/app/HostAircraft.h"
#include "simhost/app/HostObserver.h"
#include "simhost/app/window/HostView.h"

namespace {

const UINT kMsgRunWork = WM_APP + 1;
const UINT kMsgMark = WM_APP + 2;
const UINT kMsgQuit = WM_APP + 3;
const UINT_PTR kRepaintTimer = 0x5157; // on the call window, never on the host window
const WPARAM kCmdExit = 40001;         // "Выход" in the host's own menu

struct HostState {
    HostOptions options;
    DWORD uiThread = 0;
    HWND main = nullptr;
    HWND callWindow = nullptr;
    WNDPROC hostProc = nullptr;
    SimModule module = {};
    HHOOK keyHook = nullptr;
    HHOOK mouseHook = nullptr;
    volatile LONG keyEvents = 0;
    volatile LONG mouseUps = 0;
    HANDLE markEvent = nullptr;
    volatile LONG markWanted = 0;
    int exitCode = 0;
    bool lastLit = false;
};

HostState& State() {
    static HostState state;
    return state;
}

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMsgRunWork: {
        const std::function<void()>* work = (const std::function<void()>*)lParam;
        (*work)();
        HostObserve();
        return 0;
    }
    case kMsgMark:
        if (InterlockedExchange(&State().markWanted, 0)) {
            SetEvent(State().markEvent);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kRepaintTimer) {
            bool lit = HostEffectsLit();
            if (lit != State().lastLit) {
                State().lastLit = lit;
                HostViewInvalidate(State().main);
            }
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK KeyObserver(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK hook = State().keyHook;
    LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
    if (code == HC_ACTION) {
        InterlockedIncrement(&State().keyEvents);
    }
    return result;
}

LRESULT CALLBACK MouseObserver(int code, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallNextHookEx(State().mouseHook, code, wParam, lParam);
    if (code == HC_ACTION && (wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP)) {
        InterlockedIncrement(&State().mouseUps);
    }
    return result;
}

// The host's own window procedure, behind the module's: it draws the host's screen and
// takes the person's changes to the aircraft's flags, then hands on to the stand-in's.
LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HostState& s = State();
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
        if (wParam == kCmdExit) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(s.exitCode);
        break;
    default:
        break;
    }
    return CallWindowProcA(s.hostProc, window, message, wParam, lParam);
}

} // namespace

// ---- Start and stop ----

bool HostStart(const HostOptions& options, std::string* error) {
    HostState& s = State();
    s.options = options;
    s.uiThread = GetCurrentThreadId();
    s.markEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HostObserverSetUp(options.verbose, options.interactive);

    WNDCLASSA callClass = {};
    callClass.lpfnWndProc = CallWindowProc;
    callClass.hInstance = GetModuleHandleA(nullptr);
    callClass.lpszClassName = "SimHostCalls";
    RegisterClassA(&callClass);
    s.callWindow = CreateWindowExA(0, "SimHostCalls", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);

    if (!HostUseAircraft(options.aircraftPath, options.fltsim, error)) {
        return false;
    }
    // The host's window exists before the module is loaded, as in the simulator.
    s.main = SimCreateMainWindow(true);
    s.hostProc = (WNDPROC)SetWindowLongPtrA(s.main, GWLP_WNDPROC, (LONG_PTR)HostWindowProc);
    SetWindowPos(s.main, nullptr, 0, 0, kHostViewWidth, kHostViewHeight, SWP_NOMOVE | SWP_NOZORDER);
    AircraftMenuCreate(s.main);
    AircraftMenuMark(AircraftSourceIndexOf(HostAircraftFile().cfgPath, HostAircraftFile().fltsim));
    HostViewCreateControls(s.main);
    HostViewSetFlags(s.main, HostAircraftFile().spec.onGround, HostAircraftFile().spec.parkingBrake);
    SetWindowTextA(s.main, "simhost - stand-in simulator");
    SimClearCalls();

    if (!SimLoadModule(options.dllPath.c_str(), &s.module)) {
        *error = "cannot load the module " + options.dllPath;
        return false;
    }
    // Our observers go in front of the module's hook and only count; each passes every
    // keystroke on down the chain unchanged.
    s.keyHook = SetWindowsHookExA(WH_KEYBOARD, KeyObserver, nullptr, s.uiThread);
    s.mouseHook = SetWindowsHookExA(WH_MOUSE, MouseObserver, nullptr, s.uiThread);
    SetTimer(s.callWindow, kRepaintTimer, 100, nullptr);
    // The host paints its frame: the module's menu appears at this non-client paint.
    RedrawWindow(s.main, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetForegroundWindow(s.main);
    SetFocus(s.main);
    HostObserverTakeSlots();
    return true;
}

int HostRunMessageLoop(void) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == State().callWindow && message.message == kMsgQuit) {
            State().exitCode = (int)message.wParam;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        HostObserve();
    }
    if (message.message == WM_QUIT) {
        State().exitCode = (int)message.wParam;
    }
    return State().exitCode;
}

void HostQuit(int exitCode) {
    PostMessageA(State().callWindow, kMsgQuit, (WPARAM)exitCode, 0);
}

void HostStop(void) {
    HostState& s = State();
    if (s.keyHook) {
        UnhookWindowsHookEx(s.keyHook);
    }
    if (s.mouseHook) {
        UnhookWindowsHookEx(s.mouseHook);
    }
    // The simulator ends with its module loaded; the process exit unloads it.
    if (s.main && IsWindow(s.main)) {
        ShowWindow(s.main, SW_HIDE);
    }
}

// ---- Cross-thread calls ----

void HostRunOnUi(const std::function<void()>& work) {
    if (GetCurrentThreadId() == State().uiThread) {
        work();
        HostObserve();
        return;
    }
    SendMessageA(State().callWindow, kMsgRunWork, 0, (LPARAM)&work);
}

bool HostSyncPosted(DWORD timeoutMs) {
    HostState& s = State();
    ResetEvent(s.markEvent);
    InterlockedExchange(&s.markWanted, 1);
    PostMessageA(s.callWindow, kMsgMark, 0, 0);
    return WaitForSingleObject(s.markEvent, timeoutMs) == WAIT_OBJECT_0;
}

DWORD HostUiThreadId(void) {
    return State().uiThread;
}

HWND HostMainWindow(void) {
    return State().main;
}

LONG HostKeyEventsSeen(void) {
    return State().keyEvents;
}

LONG HostMouseUpsSeen(void) {
    return State().mouseUps;
}
